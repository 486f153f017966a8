// zuno-skinart: draws the shipped skins. For each skin it writes a folder holding the
// definition "skin.ini" and every bitmap it names, ready for "zuno-skinpack pack".
// It also lists the skins and composes a preview picture of a skin folder.
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "authoring/skinart/Preview.h"
#include "authoring/skinart/SkinArt.h"
#include "skin/draw/BmpEncoder.h"

namespace zuno::skinart {
namespace {

int Usage(std::ostream& out, int code) {
    out << "usage: zuno-skinart OUT_DIR SKIN       write the skin (name or id) into OUT_DIR/<name>/\n"
           "       zuno-skinart OUT_DIR --all      write every skin\n"
           "       zuno-skinart --list             print name<TAB>id<TAB>default|-<TAB>description\n"
           "       zuno-skinart preview SKIN_DIR OUT.bmp   compose a preview of a skin folder\n";
    return code;
}

void WriteOne(const SkinStyle& style, const std::filesystem::path& outDir) {
    const std::filesystem::path folder = outDir / std::filesystem::u8path(style.name);
    WriteSkinFolder(GenerateSkin(style), folder);
    std::cout << folder.string() << '\n';
}

int Preview(const std::filesystem::path& folder, const std::filesystem::path& out) {
    skin::TSkinData data;
    LoadSkinFolder(folder, data);
    const std::vector<std::uint8_t> bytes = skin::EncodeBmp24(ComposePreview(data));
    std::ofstream file(out, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file) throw std::runtime_error("cannot write " + out.string());
    return 0;
}

int Main(const std::vector<std::string>& args) {
    if (args.size() == 1 && args[0] == "--list") {
        for (const SkinStyle& s : AllSkinStyles())
            std::cout << s.name << '\t' << s.id << '\t' << (s.isDefault ? "default" : "-") << '\t'
                      << s.description << '\n';
        return 0;
    }
    if (args.size() == 3 && args[0] == "preview") return Preview(args[1], args[2]);
    if (args.size() != 2) return Usage(std::cerr, 2);
    if (args[0] == "-h" || args[0] == "--help") return Usage(std::cout, 0);
    const std::filesystem::path outDir = args[0];
    if (args[1] == "--all") {
        for (const SkinStyle& s : AllSkinStyles()) WriteOne(s, outDir);
        return 0;
    }
    const SkinStyle* style = FindSkinStyle(args[1]);
    if (!style) {
        std::cerr << "zuno-skinart: no skin named '" << args[1] << "' (see --list)\n";
        return 2;
    }
    WriteOne(*style, outDir);
    return 0;
}

}  // namespace
}  // namespace zuno::skinart

int main(int argc, char** argv) {
    try {
        return zuno::skinart::Main(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::exception& e) {
        std::cerr << "zuno-skinart: " << e.what() << '\n';
        return 1;
    }
}

// Assembling a skin: the definition text (kept in order, written as GBK), the
// [Colours] section, and the files of the skin folder.
#include "authoring/skinart/SkinArt.h"

#include <iconv.h>

#include <cmath>
#include <fstream>
#include <memory>
#include <set>
#include <stdexcept>

#include "skin/draw/BmpEncoder.h"

namespace zuno::skinart {

Definition::Section& Definition::FindOrAdd(std::string_view section) {
    for (Section& s : sections_)
        if (s.name == section) return s;
    sections_.push_back({std::string(section), {}});
    return sections_.back();
}

void Definition::Set(std::string_view section, std::string_view key, std::string_view value) {
    Section& s = FindOrAdd(section);
    for (auto& [k, v] : s.keys) {
        if (k == key) {
            v = value;
            return;
        }
    }
    s.keys.emplace_back(std::string(key), std::string(value));
}

void Definition::Set(std::string_view section, std::string_view key, int value) {
    Set(section, key, std::to_string(value));
}

void Definition::SetColour(std::string_view section, std::string_view key, Rgb colour) {
    const skin::Pixel32 p = ToPixel(colour);
    Set(section, key,
        std::to_string(skin::PixelRed(p)) + " " + std::to_string(skin::PixelGreen(p)) + " " +
            std::to_string(skin::PixelBlue(p)));
}

const std::string* Definition::Find(std::string_view section, std::string_view key) const {
    for (const Section& s : sections_) {
        if (s.name != section) continue;
        for (const auto& [k, v] : s.keys)
            if (k == key) return &v;
    }
    return nullptr;
}

std::string Definition::Utf8Text() const {
    std::string out = "; Skin definition written by zuno-skinart; the art is generated, do not edit.\r\n";
    for (const Section& s : sections_) {
        out += "\r\n[" + s.name + "]\r\n";
        for (const auto& [k, v] : s.keys) out += k + "=" + v + "\r\n";
    }
    return out;
}

std::string Definition::AnsiText() const {
    const std::string utf8 = Utf8Text();
    iconv_t cd = iconv_open("GBK", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no UTF-8 to GBK converter");
    std::unique_ptr<void, int (*)(iconv_t)> guard(cd, iconv_close);
    std::string out(utf8.size() * 2 + 16, '\0');
    char* in = const_cast<char*>(utf8.data());
    size_t inLeft = utf8.size();
    char* to = out.data();
    size_t toLeft = out.size();
    if (iconv(cd, &in, &inLeft, &to, &toLeft) == static_cast<size_t>(-1))
        throw std::runtime_error("skin definition holds a character without a GBK form");
    out.resize(out.size() - toLeft);
    return out;
}

void GeneratedSkin::AddBitmap(std::string_view section, std::string_view key, std::string memberName,
                              skin::SkinBitmap bitmap) {
    if (FindMember(memberName)) throw std::logic_error("member added twice: " + memberName);
    definition.Set(section, key, memberName);
    members.push_back({std::move(memberName), std::move(bitmap)});
}

const SkinMember* GeneratedSkin::FindMember(std::string_view name) const {
    for (const SkinMember& m : members)
        if (m.name == name) return &m;
    return nullptr;
}

void WriteColours(const SkinStyle& s, GeneratedSkin& skin) {
    Definition& d = skin.definition;
    d.SetColour("Colours", "ButtonFace", s.face);
    d.SetColour("Colours", "Scrollbar", s.scrollTrack);
    d.SetColour("Colours", "HilightText", s.accentText);
    d.SetColour("Colours", "Hilight", s.accent);
    d.SetColour("Colours", "Menubar", StopsAt(s.menuBar, 0.5));
    d.SetColour("Colours", "Menu", s.menu);
    d.SetColour("Colours", "MenuText", s.menuText);
    d.SetColour("Colours", "ButtonText", s.faceText);
    d.SetColour("Colours", "ButtonHilight", s.highlight);
    d.SetColour("Colours", "ButtonShadow", s.shadow);
    d.SetColour("Colours", "ButtonDkShadow", s.darkShadow);
    d.SetColour("Colours", "MenuBarText", s.menuBarText);
    d.SetColour("Colours", "TitleTextActive", s.captionText);
    d.SetColour("Colours", "TitleTextNoActive", s.inactiveText);
    d.Set("Fonts", "FontHeight", 14);
}

GeneratedSkin GenerateSkin(const SkinStyle& style) {
    GeneratedSkin skin;
    skin.style = &style;
    skin.definition.Set("TitlebarSkin", "SkinName", style.name);
    PaintWindowFrame(style, skin);
    WriteColours(style, skin);
    PaintButtons(style, skin);
    PaintMenus(style, skin);
    PaintScrollBars(style, skin);
    PaintBars(style, skin);
    PaintSmallControls(style, skin);
    return skin;
}

std::vector<std::pair<std::string, std::vector<std::uint8_t>>> SkinFiles(const GeneratedSkin& skin) {
    std::vector<std::pair<std::string, std::vector<std::uint8_t>>> files;
    const std::string text = skin.definition.AnsiText();
    files.emplace_back(kDefinitionMember, std::vector<std::uint8_t>(text.begin(), text.end()));
    for (const SkinMember& m : skin.members) files.emplace_back(m.name, skin::EncodeBmp24(m.bitmap));
    return files;
}

void WriteSkinFolder(const GeneratedSkin& skin, const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    const auto files = SkinFiles(skin);
    std::set<std::string> names;
    for (const auto& [name, bytes] : files) {
        names.insert(name);
        std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out) throw std::runtime_error("cannot write " + (folder / name).string());
    }
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.is_regular_file() && !names.count(entry.path().filename().string()))
            std::filesystem::remove(entry.path());
}

}  // namespace zuno::skinart

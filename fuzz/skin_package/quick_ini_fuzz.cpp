// Fuzz target: a definition text through TQuickIni, then lookups with section and
// key names taken from the text itself.
#include <cstdint>
#include <string>
#include <vector>

#include "skin/package/QuickIni.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    zuno::skin::TQuickIni ini;
    ini.LoadFromStream({data, size});
    std::vector<std::string> sections;
    ini.ReadSections(sections);
    for (const std::string& section : sections) {
        const int start = ini.SectionIndex(section);
        ini.ReadString(section, "Image", "default");
        ini.ReadInteger(section, "Top", -7);
        if (start >= 0 && start + 1 < static_cast<int>(ini.Lines().size())) {
            const std::string key = zuno::skin::TQuickIni::LineKey(ini.Lines()[start + 1]);
            ini.ReadString(section, key, "");
            ini.ReadInteger(section, key, 0);
        }
    }
    ini.ReadString("", "", "x");
    return 0;
}

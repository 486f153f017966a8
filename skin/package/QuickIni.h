// Skin definition reader: parses the INI-like definition text of a skin package once
// and answers string and integer lookups by section and key, and the section list.
// Read-only; bytes are ANSI text without any character-set conversion.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zuno::skin {

// Delphi StrToIntDef over the accepted syntax: an optional sign and decimal digits
// within the signed 32-bit range, or "$" and 1..8 hexadecimal digits taken as a
// 32-bit pattern ($FFFFFFFF is -1). Anything else (empty text included): nullopt.
std::optional<int32_t> ParseDelphiInteger(std::string_view text);

// Removes bytes 0..32 from both ends.
std::string_view TrimAnsi(std::string_view text);

// Case-insensitive equality used for section names: ASCII letters fold; in a
// double-byte (code page 936) character, lead byte 0x81..0xFE and its trail byte,
// bytes compare exactly so that trail bytes in 'A'..'Z' are not folded.
bool AnsiSameTextCp936(std::string_view a, std::string_view b);

class TQuickIni {
public:
    using SectionEqualFn = std::function<bool(std::string_view, std::string_view)>;

    // Parses `text` (the bytes from the stream's position to its end), replacing any
    // earlier content. A zero byte ends the text.
    void LoadFromStream(std::span<const uint8_t> text);
    // With no stream (a null pointer) nothing changes.
    void LoadFromStream(const std::vector<uint8_t>* stream) {
        if (stream) LoadFromStream(std::span<const uint8_t>(*stream));
    }
    void LoadFromText(std::string_view text);

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    int32_t ReadInteger(std::string_view section, std::string_view key,
                        int32_t defaultValue) const;
    // Fills `list` (replacing its content) with the section names in file order,
    // repeats included, with brackets and surrounding blanks removed.
    void ReadSections(std::vector<std::string>& list) const;

    // The comparison SectionIndex uses; AnsiSameTextCp936 by default. The Windows
    // side may install CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, ...).
    void SetSectionEquality(SectionEqualFn equal) { sectionEqual_ = std::move(equal); }

    // Internals, public for tests.
    int SectionIndex(std::string_view name) const;  // index in Lines() or -1
    static bool IsSectionLine(std::string_view line);
    static std::string LineKey(std::string_view line);
    static std::string LineValue(std::string_view line, std::string_view key);

    const std::vector<std::string>& Lines() const { return lines_; }
    const std::vector<std::pair<std::string, int>>& Sections() const { return sections_; }

private:
    std::vector<std::string> lines_;                    // kept lines, trimmed, file order
    std::vector<std::pair<std::string, int>> sections_;  // header line, its index in lines_
    SectionEqualFn sectionEqual_;
};

}  // namespace zuno::skin

// Skin definition reader. Lines are trimmed once on load; every lookup is a linear
// scan of the section list and then of the lines of one section.
#include "skin/package/QuickIni.h"

#include "skin/package/SkinReader.h"  // ForEachStringListLine, AsciiLowerCase

namespace zuno::skin {

std::string_view TrimAnsi(std::string_view text) {
    size_t b = 0, e = text.size();
    while (b < e && static_cast<uint8_t>(text[b]) <= 32) ++b;
    while (e > b && static_cast<uint8_t>(text[e - 1]) <= 32) --e;
    return text.substr(b, e - b);
}

bool AnsiSameTextCp936(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const uint8_t x = static_cast<uint8_t>(a[i]);
        const uint8_t y = static_cast<uint8_t>(b[i]);
        if (x >= 0x81 && x <= 0xFE && i + 1 < a.size()) {
            // A double-byte character: both bytes exactly.
            if (x != y || a[i + 1] != b[i + 1]) return false;
            ++i;
            continue;
        }
        const auto fold = [](uint8_t c) { return c >= 'A' && c <= 'Z' ? static_cast<uint8_t>(c + 32) : c; };
        if (fold(x) != fold(y)) return false;
    }
    return true;
}

std::optional<int32_t> ParseDelphiInteger(std::string_view s) {
    if (s.empty()) return std::nullopt;
    if (s[0] == '$') {
        const std::string_view digits = s.substr(1);
        if (digits.empty() || digits.size() > 8) return std::nullopt;
        uint32_t v = 0;
        for (char ch : digits) {
            int d;
            if (ch >= '0' && ch <= '9') d = ch - '0';
            else if (ch >= 'a' && ch <= 'f') d = ch - 'a' + 10;
            else if (ch >= 'A' && ch <= 'F') d = ch - 'A' + 10;
            else return std::nullopt;
            v = v << 4 | static_cast<uint32_t>(d);
        }
        return static_cast<int32_t>(v);
    }
    bool negative = false;
    size_t i = 0;
    if (s[0] == '+' || s[0] == '-') {
        negative = s[0] == '-';
        i = 1;
    }
    if (i == s.size()) return std::nullopt;
    int64_t v = 0;
    for (; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9') return std::nullopt;
        v = v * 10 + (s[i] - '0');
        if (v > int64_t{1} << 31) return std::nullopt;  // beyond any 32-bit magnitude
    }
    if (negative) v = -v;
    if (v > INT32_MAX || v < INT32_MIN) return std::nullopt;
    return static_cast<int32_t>(v);
}

void TQuickIni::LoadFromStream(std::span<const uint8_t> text) {
    LoadFromText(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()));
}

void TQuickIni::LoadFromText(std::string_view text) {
    lines_.clear();
    sections_.clear();
    ForEachStringListLine(text, [this](std::string_view raw) {  // stops at a zero byte
        const std::string_view line = TrimAnsi(raw);
        if (line.empty() || line.front() == ';') return true;
        lines_.emplace_back(line);
        if (IsSectionLine(line)) sections_.emplace_back(std::string(line), static_cast<int>(lines_.size() - 1));
        return true;
    });
}

bool TQuickIni::IsSectionLine(std::string_view line) {
    line = TrimAnsi(line);
    return !line.empty() && line.front() == '[' && line.back() == ']';
}

std::string TQuickIni::LineKey(std::string_view line) {
    const size_t eq = line.find('=');
    if (eq == std::string_view::npos) return {};
    return AsciiLowerCase(TrimAnsi(line.substr(0, eq)));
}

std::string TQuickIni::LineValue(std::string_view line, std::string_view key) {
    if (line.empty() || key.empty()) return {};
    const size_t eq = line.find('=');
    if (eq == std::string_view::npos || LineKey(line) != key) return {};
    return std::string(TrimAnsi(line.substr(eq + 1)));
}

int TQuickIni::SectionIndex(std::string_view name) const {
    std::string header;
    header.reserve(name.size() + 2);
    header.append("[").append(name).append("]");
    for (const auto& [line, index] : sections_) {
        const bool equal = sectionEqual_ ? sectionEqual_(line, header) : AnsiSameTextCp936(line, header);
        if (equal) return index;
    }
    return -1;
}

std::string TQuickIni::ReadString(std::string_view section, std::string_view key,
                                  std::string_view defaultValue) const {
    std::string result(defaultValue);
    if (lines_.empty()) return result;
    int i = SectionIndex(section);
    if (i < 0) return result;
    const std::string wanted = AsciiLowerCase(key);
    for (++i; i < static_cast<int>(lines_.size()) && !IsSectionLine(lines_[i]); ++i) {
        if (LineKey(lines_[i]) == wanted) {
            std::string v = LineValue(lines_[i], wanted);
            if (!v.empty()) result = std::move(v);
            break;  // the first equal key decides, even with an empty value
        }
    }
    return result;
}

int32_t TQuickIni::ReadInteger(std::string_view section, std::string_view key, int32_t defaultValue) const {
    std::string s = ReadString(section, key, "");
    if (s.size() > 2 && s[0] == '0' && (s[1] == 'X' || s[1] == 'x')) s.replace(0, 2, "$");
    return ParseDelphiInteger(s).value_or(defaultValue);
}

void TQuickIni::ReadSections(std::vector<std::string>& list) const {
    list.clear();
    for (const auto& entry : sections_) {
        std::string_view s = TrimAnsi(entry.first);
        // Bracketed by construction; the guard only keeps a foreign entry in bounds.
        s = s.size() >= 2 ? s.substr(1, s.size() - 2) : std::string_view{};
        list.emplace_back(TrimAnsi(s));
    }
}

}  // namespace zuno::skin

// The profile file: UTF-8 in the program, wide strings to Windows.
#include "app/ProfileFile.h"

#include <windows.h>

#include <stdexcept>

#include "winutil/WideText.h"

namespace zuno::app {

namespace {

std::wstring Upper(std::wstring text) {
    if (!text.empty()) CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

std::wstring Trimmed(std::wstring_view text) {
    const auto first = text.find_first_not_of(L" \t");
    if (first == std::wstring_view::npos) return {};
    return std::wstring(text.substr(first, text.find_last_not_of(L" \t") - first + 1));
}

// A value in matching quotes is read without them, as GetPrivateProfileString does.
std::wstring Unquoted(std::wstring value) {
    if (value.size() >= 2 && (value.front() == L'"' || value.front() == L'\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

}  // namespace

const ProfileFile::Entries& ProfileFile::Section(const std::wstring& name) {
    const std::wstring id = Upper(name);
    if (auto it = sections_.find(id); it != sections_.end()) return it->second;
    std::wstring buf(4096, L'\0');
    DWORD n = 0;
    for (;;) {
        n = GetPrivateProfileSectionW(name.c_str(), buf.data(), static_cast<DWORD>(buf.size()), path_.c_str());
        if (n + 2 < buf.size() || buf.size() >= 1u << 20) break;
        buf.resize(buf.size() * 2);  // the section did not fit
    }
    Entries entries;
    for (size_t at = 0; at < n && buf[at];) {
        const std::wstring_view line(buf.data() + at);
        at += line.size() + 1;
        const auto eq = line.find(L'=');
        if (eq == std::wstring_view::npos) continue;  // a comment or a line without a value
        entries.emplace_back(Upper(Trimmed(line.substr(0, eq))), Unquoted(Trimmed(line.substr(eq + 1))));
    }
    return sections_[id] = std::move(entries);
}

std::string ProfileFile::Read(std::string_view section, std::string_view key, std::string_view defaultValue) {
    const std::wstring wanted = Upper(Trimmed(Widen(key)));
    for (const auto& [k, v] : Section(Widen(section)))
        if (k == wanted) return Narrow(v);  // the first of repeated keys counts
    return std::string(defaultValue);
}

void ProfileFile::Write(std::string_view section, std::string_view key, std::string_view value) {
    const std::wstring s = Widen(section), k = Widen(key), v = Widen(value);
    sections_.erase(Upper(s));
    if (!WritePrivateProfileStringW(s.c_str(), k.c_str(), v.c_str(), path_.c_str()))
        throw std::runtime_error("Unable to write to " + Narrow(path_));
}

void WriteToolSetting(const std::wstring& inipath, const char* key, const std::string& value) {
    ProfileFile ini(inipath);
    ini.Write("tool", key, value);
}

}  // namespace zuno::app

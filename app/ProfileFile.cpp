// The profile file: UTF-8 in the program, wide strings to Windows.
#include "app/ProfileFile.h"

#include <windows.h>

#include <stdexcept>

#include "winutil/WideText.h"

namespace zuno::app {

std::string ProfileFile::Read(std::string_view section, std::string_view key, std::string_view defaultValue) {
    const std::wstring s = Widen(section), k = Widen(key), d = Widen(defaultValue);
    std::wstring buf(2048, L'\0');
    const DWORD n = GetPrivateProfileStringW(s.c_str(), k.c_str(), d.c_str(), buf.data(),
                                             static_cast<DWORD>(buf.size()), path_.c_str());
    buf.resize(n);
    return Narrow(buf);
}

void ProfileFile::Write(std::string_view section, std::string_view key, std::string_view value) {
    const std::wstring s = Widen(section), k = Widen(key), v = Widen(value);
    if (!WritePrivateProfileStringW(s.c_str(), k.c_str(), v.c_str(), path_.c_str()))
        throw std::runtime_error("Unable to write to " + Narrow(path_));
}

void WriteToolSetting(const std::wstring& inipath, const char* key, const std::string& value) {
    ProfileFile ini(inipath);
    ini.Write("tool", key, value);
}

}  // namespace zuno::app

// zuno.ini through the private-profile functions: every write goes to the file at
// once, in the ANSI code page.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "app/core/ProfileStore.h"

namespace zuno::app {

class ProfileFile : public ProfileStore {
public:
    explicit ProfileFile(std::wstring path) : path_(std::move(path)) {}
    // Read as GetPrivateProfileString reads, but each section comes from the file
    // once, with all its keys: under Wine every single-key read opens the file again.
    std::string Read(std::string_view section, std::string_view key, std::string_view defaultValue) override;
    // Throws "Unable to write to <full path>" when Windows refuses the write.
    void Write(std::string_view section, std::string_view key, std::string_view value) override;

private:
    using Entries = std::vector<std::pair<std::wstring, std::wstring>>;  // key, value
    const Entries& Section(const std::wstring& name);

    std::wstring path_;
    std::map<std::wstring, Entries> sections_;  // by upper-case name; a write drops its section
};

// Writes one key of section `tool` in a settings object opened and closed at once.
void WriteToolSetting(const std::wstring& inipath, const char* key, const std::string& value);

}  // namespace zuno::app

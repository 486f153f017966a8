// zuno.ini through the private-profile functions: every write goes to the file at
// once, in the ANSI code page.
#pragma once

#include <string>

#include "app/core/ProfileStore.h"

namespace zuno::app {

class ProfileFile : public ProfileStore {
public:
    explicit ProfileFile(std::wstring path) : path_(std::move(path)) {}
    std::string Read(std::string_view section, std::string_view key, std::string_view defaultValue) override;
    // Throws "Unable to write to <full path>" when Windows refuses the write.
    void Write(std::string_view section, std::string_view key, std::string_view value) override;

private:
    std::wstring path_;
};

// Writes one key of section `tool` in a settings object opened and closed at once.
void WriteToolSetting(const std::wstring& inipath, const char* key, const std::string& value);

}  // namespace zuno::app

// The settings file seen as a store of text values by section and key, so that the
// start-up rules can run against the real profile file or against a test double.
#pragma once

#include <string>
#include <string_view>

namespace zuno::app {

class ProfileStore {
public:
    virtual ~ProfileStore() = default;
    // The stored value, or `defaultValue` when the file, section or key is missing.
    virtual std::string Read(std::string_view section, std::string_view key, std::string_view defaultValue) = 0;
    // Writes through to the file at once; throws when the file cannot be written.
    virtual void Write(std::string_view section, std::string_view key, std::string_view value) = 0;
};

}  // namespace zuno::app

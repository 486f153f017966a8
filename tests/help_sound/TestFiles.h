// Small helpers shared by the tests of the shipped files: whole-file reading,
// little-endian field access and GBK decoding through the C library's iconv.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zuno::testing {

// The file's bytes; throws std::runtime_error when it cannot be read.
std::string ReadBytes(const std::filesystem::path& path);

uint16_t Le16(std::string_view bytes, size_t at);
uint32_t Le32(std::string_view bytes, size_t at);
uint64_t Le64(std::string_view bytes, size_t at);

// Decodes GBK (code page 936) to UTF-8; nullopt when the bytes are not valid GBK.
std::optional<std::string> GbkToUtf8(std::string_view gbk);

}  // namespace zuno::testing

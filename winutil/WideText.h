// Conversions between the core's UTF-8 strings and the wide strings of the W API.
#pragma once

#include <string>
#include <string_view>

namespace zuno::app {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);

}  // namespace zuno::app

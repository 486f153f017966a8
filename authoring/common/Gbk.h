// The program shows every text in the GBK code page; a character outside it would
// appear as a question mark. This finds such characters in UTF-8 text.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zuno::authoring {

// The first character of text that GBK cannot represent, as "U+XXXX 'c'", or
// nullopt when all of it can be shown. Text must be valid UTF-8.
std::optional<std::string> FindNonGbkCharacter(std::string_view text);

}  // namespace zuno::authoring

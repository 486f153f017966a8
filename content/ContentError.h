// The one error type of the content layer. Every failure to open the content
// database, to run a statement or to convert a field value ends up here, with a
// message that names the file, the table or the column concerned.
#pragma once

#include <stdexcept>
#include <string>

namespace zuno::content {

class ContentError : public std::runtime_error {
public:
    explicit ContentError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace zuno::content

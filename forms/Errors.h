// The error convention: an exception that escapes an event handler is shown in an
// error box titled with the application title, and the program goes on.
#pragma once

#include <exception>

namespace zuno::forms {

void HandleException(const std::exception& e) noexcept;
void HandleUnknownException() noexcept;

// Runs f and reports anything it throws by the error convention; true when f
// finished without an error.
template <typename F>
bool Guarded(F&& f) noexcept {
    try {
        f();
        return true;
    } catch (const std::exception& e) {
        HandleException(e);
    } catch (...) {
        HandleUnknownException();
    }
    return false;
}

}  // namespace zuno::forms

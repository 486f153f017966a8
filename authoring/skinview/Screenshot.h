// Screenshots of the gallery's windows as 24-bit BMP files.
#pragma once

#include <windows.h>

#include <string>

namespace zuno::skinview {

// The window as it is on screen, written to `path`. False when the window has no
// area or the file cannot be written.
bool WriteWindowShot(HWND window, const std::wstring& path);

// Creates `path` and every missing folder above it.
bool MakeFolders(const std::wstring& path);

}  // namespace zuno::skinview

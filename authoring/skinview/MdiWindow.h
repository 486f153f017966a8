// The gallery's MDI window: a plain frame window with an MDI client holding one
// child, so skins can be seen on MDI children as well.
#pragma once

#include <windows.h>

namespace zuno::skinview {

// Creates (once) and shows the frame with its child; returns the frame window.
HWND OpenMdiWindow(int left, int top);

}  // namespace zuno::skinview

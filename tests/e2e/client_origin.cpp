// Prints the screen position of the client area of the visible top-level window with
// the given caption ("X Y"), so that clicks can aim at controls whatever frame a skin
// draws around them. Exit status 1 when there is no such window.
#include <windows.h>

#include <cstdio>

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) return 2;
    HWND window = FindWindowW(nullptr, argv[1]);
    if (!window || !IsWindowVisible(window)) return 1;
    POINT origin{0, 0};
    if (!ClientToScreen(window, &origin)) return 1;
    std::printf("%ld %ld\n", origin.x, origin.y);
    return 0;
}

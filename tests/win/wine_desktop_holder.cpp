// Keeps Wine's desktop process alive while a test run goes on: it touches the desktop
// window, writes the ready file named on its command line and then waits to be killed.
#include <windows.h>

int wmain(int argc, wchar_t** argv) {
    GetDesktopWindow();
    if (argc > 1) {
        HANDLE f = CreateFileW(argv[1], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (f != INVALID_HANDLE_VALUE) CloseHandle(f);
    }
    // Two hours at most, so that a forgotten holder does not outlive its run by much.
    Sleep(2 * 60 * 60 * 1000);
    return 0;
}

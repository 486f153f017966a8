// The yardstick for start-up time: a bare Win32 window of the same size as the main
// window, shown as soon as the process runs.
#include <windows.h>

static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_KEYDOWN && wp == VK_ESCAPE) DestroyWindow(hwnd);
    if (msg == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(hwnd, msg, wp, lp);
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = instance;
    wc.lpszClassName = L"TBareWindow";
    wc.hbrBackground = GetSysColorBrush(COLOR_HIGHLIGHT);
    RegisterClassW(&wc);
    RECT r{0, 0, 636, 408};
    AdjustWindowRect(&r, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, TRUE);
    HWND hwnd = CreateWindowW(wc.lpszClassName, L"bare", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 100, 100,
                              r.right - r.left, r.bottom - r.top, nullptr, nullptr, instance, nullptr);
    ShowWindow(hwnd, SW_SHOW);
    UpdateWindow(hwnd);
    MSG m;
    while (GetMessageW(&m, nullptr, 0, 0) > 0) DispatchMessageW(&m);
    return 0;
}

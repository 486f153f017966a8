// A plain Win32 MDI frame and child: the skin manager finds them like any window.
#include "authoring/skinview/MdiWindow.h"

namespace zuno::skinview {

namespace {

constexpr wchar_t kFrameClass[] = L"SkinViewMdiFrame";
constexpr wchar_t kChildClass[] = L"SkinViewMdiChild";
HWND g_frame = nullptr;
HWND g_client = nullptr;

LRESULT CALLBACK ChildProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        RECT r;
        GetClientRect(hwnd, &r);
        SetBkMode(dc, TRANSPARENT);
        DrawTextW(dc, L"MDI 子窗口", -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        EndPaint(hwnd, &ps);
        return 0;
    }
    return DefMDIChildProcW(hwnd, msg, wp, lp);
}

LRESULT CALLBACK FrameProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_CREATE: {
        CLIENTCREATESTRUCT ccs{};
        ccs.idFirstChild = 1000;
        g_client = CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
                                   WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE, 0, 0, 0, 0,
                                   hwnd, nullptr, GetModuleHandleW(nullptr), &ccs);
        return 0;
    }
    case WM_CLOSE:
        ShowWindow(hwnd, SW_HIDE);  // kept for the next time the menu opens it
        return 0;
    case WM_DESTROY:
        g_frame = g_client = nullptr;
        break;
    }
    return DefFrameProcW(hwnd, g_client, msg, wp, lp);
}

void RegisterClasses() {
    static bool done = false;
    if (done) return;
    done = true;
    WNDCLASSW wc{};
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
    wc.lpfnWndProc = FrameProc;
    wc.lpszClassName = kFrameClass;
    RegisterClassW(&wc);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpfnWndProc = ChildProc;
    wc.lpszClassName = kChildClass;
    RegisterClassW(&wc);
}

}  // namespace

HWND OpenMdiWindow(int left, int top) {
    RegisterClasses();
    if (!g_frame) {
        g_frame = CreateWindowExW(0, kFrameClass, L"MDI 窗口 - 皮肤一览", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                                  left, top, 420, 300, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        if (!g_frame) return nullptr;
        MDICREATESTRUCTW mcs{};
        mcs.szClass = kChildClass;
        mcs.szTitle = L"子窗口";
        mcs.hOwner = GetModuleHandleW(nullptr);
        mcs.x = 10;
        mcs.y = 10;
        mcs.cx = 260;
        mcs.cy = 160;
        mcs.style = WS_VSCROLL;
        SendMessageW(g_client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs));
    }
    ShowWindow(g_frame, SW_SHOW);
    SetForegroundWindow(g_frame);
    return g_frame;
}

}  // namespace zuno::skinview

// A plain Win32 MDI frame and child: the skin manager finds them like any window.
#include "authoring/skinview/MdiWindow.h"

namespace zuno::skinview {

namespace {

constexpr wchar_t kFrameClass[] = L"SkinViewMdiFrame";
constexpr wchar_t kChildClass[] = L"SkinViewMdiChild";
HWND g_frame = nullptr;
HWND g_client = nullptr;

// The child holds a push button and a check box: controls of a plain window, which
// the engine finds among its child windows.
LRESULT CALLBACK ChildProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_CREATE) {
        const struct { const wchar_t* text; DWORD style; int top; } controls[] = {
            {L"子窗口中的按钮", BS_PUSHBUTTON, 20}, {L"子窗口中的复选框", BS_AUTOCHECKBOX, 60}};
        for (const auto& c : controls) {
            HWND w = CreateWindowExW(0, L"BUTTON", c.text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | c.style, 20, c.top,
                                     150, 26, hwnd, nullptr, GetModuleHandleW(nullptr), nullptr);
            SendMessageW(w, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
            if (c.style == BS_AUTOCHECKBOX) SendMessageW(w, BM_SETCHECK, BST_CHECKED, 0);
        }
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
        SendMessageW(g_client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs));
    }
    ShowWindow(g_frame, SW_SHOW);
    SetForegroundWindow(g_frame);
    return g_frame;
}

}  // namespace zuno::skinview

// Program entry of 心理测试Mobix: opens the content database beside the program and
// shows a window with the database's version. The full main window replaces this
// window when the application shell arrives.
#include <windows.h>

#include <string>

#include "app/WideText.h"
#include "content/Connection.h"
#include "content/ConnectionString.h"
#include "content/Recordset.h"
#include "content/Statements.h"

namespace {

constexpr wchar_t kAppTitle[] = L"心理测试Mobix4.3";
constexpr wchar_t kCaption[] = L"心理测试Mobix4.3版";

std::wstring ExePath() {
    wchar_t buf[MAX_PATH * 4];
    const DWORD n = GetModuleFileNameW(nullptr, buf, static_cast<DWORD>(std::size(buf)));
    std::wstring path(buf, n);
    return path.substr(0, path.find_last_of(L"\\/") + 1);
}

struct VersionInfo {
    std::wstring version;
    std::wstring date;
};

// The version is the twelfth softinfo record, the content date the thirteenth.
VersionInfo ReadVersion(const std::wstring& exepath) {
    using namespace zuno::content;
    Connection adoconn;
    adoconn.Open(DataSourceOf(BuildConnectionString(zuno::app::Narrow(exepath))));
    Recordset rs;
    OpenSoftInfo(rs, adoconn);
    VersionInfo info;
    rs.Move(11);
    info.version = zuno::app::Widen(rs.Fields("information").AsText());
    rs.MoveNext();
    if (!rs.Eof()) info.date = zuno::app::Widen(rs.Fields("information").AsText());
    rs.Close();
    adoconn.Close();
    return info;
}

struct Window {
    std::wstring text;
    HFONT font = nullptr;  // owned
};

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    switch (msg) {
    case WM_NCCREATE:
        SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams));
        break;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        RECT rc;
        GetClientRect(hwnd, &rc);
        FillRect(dc, &rc, GetSysColorBrush(COLOR_HIGHLIGHT));
        HGDIOBJ old = SelectObject(dc, self->font);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
        InflateRect(&rc, -24, -24);
        DrawTextW(dc, self->text.c_str(), -1, &rc, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
        SelectObject(dc, old);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_KEYDOWN:
        if (wp == VK_ESCAPE) DestroyWindow(hwnd);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    Window window;
    try {
        const VersionInfo info = ReadVersion(ExePath());
        window.text = L"欢迎使用心理测试Mobix\r\n\r\n内容数据库版本：" + info.version +
                      L"\r\n内容更新日期：" + info.date;
    } catch (const std::exception& e) {
        MessageBoxW(nullptr, zuno::app::Widen(e.what()).c_str(), kAppTitle, MB_OK | MB_ICONERROR);
        return 1;
    }
    window.font = CreateFontW(-16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                              CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"宋体");

    WNDCLASSEXW wc{sizeof wc};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = L"TForm1";
    RegisterClassExW(&wc);

    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT rc{0, 0, 636, 408};
    AdjustWindowRect(&rc, style, FALSE);
    const int w = rc.right - rc.left, h = rc.bottom - rc.top;
    HWND hwnd = CreateWindowExW(0, wc.lpszClassName, kCaption, style, (GetSystemMetrics(SM_CXSCREEN) - w) / 2,
                                (GetSystemMetrics(SM_CYSCREEN) - h) / 2, w, h, nullptr, nullptr, instance, &window);
    ShowWindow(hwnd, show);
    UpdateWindow(hwnd);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    DeleteObject(window.font);
    return 0;
}

// Tells the end-to-end runs where a person would aim and what a person would paste:
// screen points of a window's parts (client area, menu-bar items, close box, a control
// by its caption) whatever skin draws the frame, and the clipboard's text as UTF-8.
// Exit status 1 when the window or control is not there.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

HWND TopLevel(const wchar_t* caption) {
    HWND window = FindWindowW(nullptr, caption);
    return window && IsWindowVisible(window) ? window : nullptr;
}

int Print(long x, long y) {
    std::printf("%ld %ld\n", x, y);
    return 0;
}

// The skinned menu bar is SM_CYMENU high right above the client area; its items sit
// side by side from a few pixels in, each its caption's width in the menu font + 10.
int MenuBarItem(HWND window, int index) {
    HMENU menu = GetMenu(window);
    const wchar_t* fixed[] = {L"选择问题", L"心理文章", L"幽默文集", L"工具", L"帮助"};
    if (menu || index < 0 || index > 4) return 1;
    NONCLIENTMETRICSW ncm{};
    ncm.cbSize = sizeof ncm;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0);
    HDC dc = GetDC(nullptr);
    HFONT font = CreateFontIndirectW(&ncm.lfMenuFont);
    HGDIOBJ old = SelectObject(dc, font);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    long x = origin.x + 8;
    long centre = 0;
    for (int i = 0; i <= index; ++i) {
        SIZE size{};
        GetTextExtentPoint32W(dc, fixed[i], static_cast<int>(std::wcslen(fixed[i])), &size);
        centre = x + (size.cx + 10) / 2;
        x += size.cx + 10;
    }
    SelectObject(dc, old);
    DeleteObject(font);
    ReleaseDC(nullptr, dc);
    return Print(centre, origin.y - GetSystemMetrics(SM_CYMENU) / 2);
}

struct Search {
    const wchar_t* text;
    bool byClass;
    HWND found;
};

BOOL CALLBACK FindChild(HWND child, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    wchar_t text[256] = {};
    if (search->byClass)
        GetClassNameW(child, text, 256);
    else
        GetWindowTextW(child, text, 256);
    // A caption ending in "*" matches every text that begins with what precedes it.
    const size_t length = std::wcslen(search->text);
    const bool prefix = length > 0 && search->text[length - 1] == L'*';
    const bool same = prefix ? _wcsnicmp(text, search->text, length - 1) == 0 : _wcsicmp(text, search->text) == 0;
    if (IsWindowVisible(child) && same) {
        search->found = child;
        return FALSE;
    }
    return TRUE;
}

// A visible control by its caption (its centre) or by its window class (its rectangle).
// A caption ending in "*" names the beginning of the text.
int Control(HWND window, const wchar_t* text, bool byClass) {
    Search search{text, byClass, nullptr};
    EnumChildWindows(window, FindChild, reinterpret_cast<LPARAM>(&search));
    if (!search.found) return 1;
    RECT r{};
    GetWindowRect(search.found, &r);
    if (!byClass) return Print((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
    return 0;
}

int ClipboardText() {
    if (!OpenClipboard(nullptr)) return 1;
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    const wchar_t* text = data ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
    int status = 1;
    if (text) {
        const int bytes = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
        std::string utf8(bytes > 0 ? bytes - 1 : 0, '\0');
        WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), bytes, nullptr, nullptr);
        _setmode(_fileno(stdout), _O_BINARY);  // the text's own CR LF, byte for byte
        std::fwrite(utf8.data(), 1, utf8.size(), stdout);
        GlobalUnlock(data);
        status = 0;
    }
    CloseClipboard();
    return status;
}

// Every top-level window with its state, for the record of a case that hangs: a box
// that exists but cannot be seen is told apart from a busy program.
BOOL CALLBACK ListWindow(HWND window, LPARAM) {
    wchar_t caption[256] = {};
    wchar_t kind[128] = {};
    GetWindowTextW(window, caption, 256);
    GetClassNameW(window, kind, 128);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    RECT r{};
    GetWindowRect(window, &r);
    std::printf("%p%s pid %lu %s %s owner %p (%ld,%ld %ldx%ld) class %ls caption %ls\n", static_cast<void*>(window),
                window == GetForegroundWindow() ? " foreground" : "", pid, IsWindowVisible(window) ? "visible" : "hidden",
                IsWindowEnabled(window) ? "enabled" : "disabled",
                static_cast<void*>(GetWindow(window, GW_OWNER)), r.left, r.top, r.right - r.left,
                r.bottom - r.top, kind, caption);
    return TRUE;
}

}  // namespace

// probe origin|rect|menubar N|control TEXT|class NAME, then the window's caption; or probe
// clipboard; or probe windows
int wmain(int argc, wchar_t** argv) {
    if (argc == 2 && std::wcscmp(argv[1], L"clipboard") == 0) return ClipboardText();
    if (argc == 2 && std::wcscmp(argv[1], L"windows") == 0) return EnumWindows(ListWindow, 0) ? 0 : 1;
    if (argc < 3) return 2;
    const std::wstring what = argv[1];
    HWND window = TopLevel(argv[argc - 1]);
    if (!window) return 1;
    if (what == L"origin" && argc == 3) {
        POINT origin{0, 0};
        ClientToScreen(window, &origin);
        return Print(origin.x, origin.y);
    }
    if (what == L"menubar" && argc == 4) return MenuBarItem(window, _wtoi(argv[2]));
    if (what == L"control" && argc == 4) return Control(window, argv[2], false);
    if (what == L"class" && argc == 4) return Control(window, argv[2], true);
    if (what == L"rect" && argc == 3) {
        RECT r{};
        GetWindowRect(window, &r);
        std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
        return 0;
    }
    return 2;
}

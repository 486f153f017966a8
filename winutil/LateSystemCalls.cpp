// Binding of system functions on first use: the DLL is loaded from the system
// folder by its full path (never from the program's folder or the current one, so
// that a planted DLL of the same name is never picked up) and stays loaded.
#include "winutil/LateSystemCalls.h"

#include <imm.h>
#include <mmsystem.h>
#include <shellapi.h>

#include <string>

namespace zuno::winutil {
namespace {

FARPROC Bind(const wchar_t* dll, const char* function) {
    wchar_t folder[MAX_PATH];
    const UINT n = GetSystemDirectoryW(folder, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return nullptr;
    const std::wstring path = std::wstring(folder, n) + L"\\" + dll;
    HMODULE module = LoadLibraryW(path.c_str());
    return module ? GetProcAddress(module, function) : nullptr;
}

// The function's address once bound; looked up again only while it is missing.
template <class Function>
Function Late(Function& cached, const wchar_t* dll, const char* function) {
    if (!cached) cached = reinterpret_cast<Function>(reinterpret_cast<void*>(Bind(dll, function)));
    return cached;
}

}  // namespace

BOOL ChooseFontLate(CHOOSEFONTW* choice) {
    static decltype(&ChooseFontW) chooseFont = nullptr;
    auto f = Late(chooseFont, L"comdlg32.dll", "ChooseFontW");
    return f ? f(choice) : FALSE;
}

HINSTANCE ShellExecuteLate(HWND owner, const wchar_t* verb, const wchar_t* file, const wchar_t* parameters,
                           const wchar_t* folder, int show) {
    static decltype(&ShellExecuteW) shellExecute = nullptr;
    auto f = Late(shellExecute, L"shell32.dll", "ShellExecuteW");
    if (!f) return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(SE_ERR_DLLNOTFOUND));
    return f(owner, verb, file, parameters, folder, show);
}

BOOL PlaySoundLate(const wchar_t* sound, UINT flags) {
    static decltype(&sndPlaySoundW) playSound = nullptr;
    auto f = Late(playSound, L"winmm.dll", "sndPlaySoundW");
    return f ? f(sound, flags) : FALSE;
}

bool LoadCommonControls() {
    static bool loaded = false;
    if (loaded) return true;
    static decltype(&InitCommonControlsEx) init = nullptr;
    auto f = Late(init, L"comctl32.dll", "InitCommonControlsEx");
    if (!f) return false;
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    loaded = f(&icc) != FALSE;
    return loaded;
}

FARPROC CommonControlsProc(const char* function) {
    return LoadCommonControls() ? Bind(L"comctl32.dll", function) : nullptr;
}

UINT ImmGetDescriptionLate(HKL layout, wchar_t* description, UINT length) {
    static decltype(&ImmGetDescriptionW) get = nullptr;
    auto f = Late(get, L"imm32.dll", "ImmGetDescriptionW");
    return f ? f(layout, description, length) : 0;
}

}  // namespace zuno::winutil

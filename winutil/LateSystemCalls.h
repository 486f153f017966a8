// The font dialog, ShellExecute, sndPlaySound, the common controls and the input
// method names from DLLs bound on their first use. Importing comdlg32, shell32,
// winmm, comctl32 or imm32 loads them, and all they pull in, before the program's
// first line runs; under Wine comdlg32, shell32 and winmm together cost about a fifth
// of what a bare window takes to appear, comctl32 (with the theme code it pulls in)
// as much again, for what the first window does not use.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>

namespace zuno::winutil {

// ChooseFontW; FALSE (with CommDlgExtendedError() 0) when comdlg32 cannot be loaded.
BOOL ChooseFontLate(CHOOSEFONTW* choice);

// ShellExecuteW; an error value (SE_ERR_DLLNOTFOUND, at most 32) when shell32
// cannot be loaded, as ShellExecuteW reports failures.
HINSTANCE ShellExecuteLate(HWND owner, const wchar_t* verb, const wchar_t* file, const wchar_t* parameters,
                           const wchar_t* folder, int show);

// sndPlaySoundW; FALSE when winmm cannot be loaded.
BOOL PlaySoundLate(const wchar_t* sound, UINT flags);

// Loads comctl32 and registers its control classes, once; call before making a
// window of one of them. False when comctl32 cannot be loaded (such a window then
// fails to be made, as it would without the classes).
bool LoadCommonControls();
FARPROC CommonControlsProc(const char* function);
// A comctl32 function, loading comctl32 first; null when it cannot be bound.
// Bind once (a function-local static) where it is called often.
template <class Function>
Function* CommonControlsFunction(const char* function) {
    return reinterpret_cast<Function*>(reinterpret_cast<void*>(CommonControlsProc(function)));
}

// ImmGetDescriptionW; 0 (no description) when imm32 cannot be loaded.
UINT ImmGetDescriptionLate(HKL layout, wchar_t* description, UINT length);

}  // namespace zuno::winutil

// The font dialog, ShellExecute and sndPlaySound from DLLs bound on their first
// use. Importing comdlg32, shell32 and winmm loads them, and all they pull in,
// before the program's first line runs; under Wine that alone costs about a fifth
// of what a bare window takes to appear, for calls that only the user's actions make.
#pragma once

#include <windows.h>
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

}  // namespace zuno::winutil

// skinview.exe, the skin gallery: shows every control kind in every state in the
// default skin or any package of skin\*.skn. With --shots DIR it writes a 24-bit
// BMP of each of its windows for every skin to DIR\<skin>\<window>.bmp and exits 0.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "authoring/skinview/GalleryForm.h"
#include "authoring/skinview/MdiWindow.h"
#include "authoring/skinview/Screenshot.h"
#include "forms/Application.h"
#include "winutil/WideText.h"

using namespace zuno;

namespace {

std::wstring ExeFolder() {
    wchar_t path[MAX_PATH * 2]{};
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH * 2);
    std::wstring folder(path, n);
    return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

// The default skin, then every package of the skin folder in name order.
std::vector<skinview::SkinEntry> FindSkins() {
    std::vector<skinview::SkinEntry> skins{{L"默认皮肤", L"default", ""}};
    const std::wstring folder = ExeFolder() + L"skin\\";
    WIN32_FIND_DATAW found{};
    HANDLE h = FindFirstFileW((folder + L"*.skn").c_str(), &found);
    if (h == INVALID_HANDLE_VALUE) return skins;
    std::vector<std::wstring> names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
    } while (FindNextFileW(h, &found));
    FindClose(h);
    std::sort(names.begin(), names.end());
    for (const std::wstring& n : names) {
        const std::wstring stem = n.substr(0, n.size() - 4);
        skins.push_back({stem, stem, app::Narrow(folder + n)});
    }
    return skins;
}

void Pump(forms::TApplication& app, int ms) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    do {
        app.ProcessMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    } while (std::chrono::steady_clock::now() < end);
}

void Repaint(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

// Every skin in turn: the gallery and the MDI window, each on top while it is read.
int WriteShots(forms::TApplication& app, skinview::TGalleryForm& gallery, const std::wstring& dir) {
    HWND mdi = skinview::OpenMdiWindow(820, 10);
    int failures = 0;
    for (int i = 0; i < static_cast<int>(gallery.Skins().size()); ++i) {
        const skinview::SkinEntry& skin = gallery.Skins()[static_cast<size_t>(i)];
        if (!gallery.ChooseSkin(i, true)) {
            ++failures;
            continue;
        }
        const std::wstring folder = dir + L"\\" + skin.fileStem;
        if (!skinview::MakeFolders(folder)) {
            ++failures;
            continue;
        }
        const struct { HWND window; const wchar_t* name; } shots[] = {
            {gallery.Handle(), L"gallery"}, {mdi, L"mdi"}};
        for (const auto& shot : shots) {
            SetForegroundWindow(shot.window);
            SetWindowPos(shot.window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
            Pump(app, 150);
            Repaint(shot.window);
            Pump(app, 150);
            if (!skinview::WriteWindowShot(shot.window, folder + L"\\" + shot.name + L".bmp")) ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::wstring shotsDir;
    for (int i = 1; i < argc; ++i) {
        if (std::wstring(argv[i]) == L"--shots" && i + 1 < argc) shotsDir = argv[++i];
    }
    LocalFree(argv);

    forms::TApplication app;
    app.Title = L"皮肤一览";
    auto* gallery = app.CreateForm<skinview::TGalleryForm>(FindSkins());
    gallery->OnOpenMdi = [] { skinview::OpenMdiWindow(820, 10); };
    gallery->ShowForm();
    if (!shotsDir.empty()) {
        while (shotsDir.size() > 1 && (shotsDir.back() == L'\\' || shotsDir.back() == L'/')) shotsDir.pop_back();
        Pump(app, 300);
        return WriteShots(app, *gallery, shotsDir);
    }
    app.Run();
    return 0;
}

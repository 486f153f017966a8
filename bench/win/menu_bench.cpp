// Opening the test catalogue's drop-down and, inside it, the largest submenu of tests
// on a large content database (ZUNO_BENCH_DB, or the sample beside the exe), each
// until its first paint is complete: with the program's native menus (skin off)
// beside the skinned menu bar. Median of 7 runs after one warm-up run each (the first
// opening fills the tests' submenu, the same work in both).
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/MainModule.h"
#include "app/MainWindow.h"
#include "bench/win/BenchUtil.h"
#include "content/ConnectionString.h"
#include "content/Recordset.h"
#include "forms/Application.h"
#include "skin/frames/WinSkinForm.h"
#include "skin/menus/WinSkinMenu.h"
#include "winutil/WideText.h"

using namespace zuno;
using namespace zuno::bench;

namespace {

constexpr UINT kMarker = WM_APP + 1;

std::wstring DatabasePath() {
    wchar_t big[MAX_PATH * 4] = {};
    if (GetEnvironmentVariableW(L"ZUNO_BENCH_DB", big, MAX_PATH * 4)) return big;
    std::printf("ZUNO_BENCH_DB not set: timing the sample content database\n");
    return Folder() + L"test.dll";
}

// Where the largest submenu of tests is: its class and subclass positions.
struct Target {
    int cls = 0;
    int sub = 0;
    int tests = 0;
};

Target LargestTestList() {
    Target t;
    forms::TMenuItem* root = app::Form1->questionmenu;
    for (int c = 0; c < root->Count(); ++c)
        for (int s = 0; s < root->Items(c)->Count(); ++s)
            if (root->Items(c)->Items(s)->Count() > t.tests) t = {c, s, root->Items(c)->Items(s)->Count()};
    return t;
}

// Every menu window on screen painted (pending paints done now) and counted.
BOOL CALLBACK PaintMenuWindow(HWND w, LPARAM count) {
    wchar_t name[8] = {};
    if (IsWindowVisible(w) && GetClassNameW(w, name, 8) && std::wstring(name) == L"#32768") {
        UpdateWindow(w);
        ++*reinterpret_cast<int*>(count);
    }
    return TRUE;
}

// One run, driven from the menu loop: a marker message posted behind each step is
// handled once the step (and the drop-down it opens) is done.
struct Run {
    Target target;
    int step = 0;
    Clock::time_point t0;
    double dropDown = 0, classMenu = 0, tests = 0;
    int menusAtEnd = 0;  // the drop-down, the subclasses and the tests: 3
    HWND owner = nullptr;
    HWND marker = nullptr;

    void Keys(WPARAM key, int times) {
        for (int i = 0; i < times; ++i) PostMessageW(owner, WM_KEYDOWN, key, 0);
        PostMessageW(marker, kMarker, 0, 0);
    }
    void Reached() {
        int menus = 0;
        EnumThreadWindows(GetCurrentThreadId(), &PaintMenuWindow, reinterpret_cast<LPARAM>(&menus));
        GdiFlush();
        const double ms = Ms(t0);
        switch (step++) {
        case 0:  // the drop-down is open, nothing selected: select the class
            dropDown = ms;
            Keys(VK_DOWN, target.cls + 1);
            break;
        case 1:
            t0 = Clock::now();
            Keys(VK_RIGHT, 1);  // its subclasses, the first one selected
            break;
        case 2:
            classMenu = ms;
            Keys(VK_DOWN, target.sub);
            break;
        case 3:
            t0 = Clock::now();
            Keys(VK_RIGHT, 1);  // the tests of the subclass
            break;
        default:
            tests = ms;
            menusAtEnd = menus;
            EndMenu();
            break;
        }
    }
};

Run* current = nullptr;

LRESULT CALLBACK MarkerProc(HWND w, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == kMarker && current) {
        current->Reached();
        return 0;
    }
    return DefWindowProcW(w, msg, wParam, lParam);
}

// Presses the catalogue's bar item as the mouse does; returns when the menu closed.
Run Open(forms::TApplication& app, HWND marker, const Target& target, bool skinned) {
    HWND w = app::Form1->Handle();
    POINT at{};
    if (skinned) {
        auto* frame = skin::frames::TWinSkinForm::FromWindow(w);
        const skin::Rect& b = frame->MenuBar()->Items().front()->BoundsRect;
        RECT wr;
        GetWindowRect(w, &wr);
        at = {wr.left + (b.left + b.right) / 2, wr.top + (b.top + b.bottom) / 2};
    } else {
        RECT r;
        GetMenuItemRect(w, GetMenu(w), 0, &r);
        at = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    Run run;
    run.target = target;
    run.owner = w;
    run.marker = marker;
    current = &run;
    run.t0 = Clock::now();
    PostMessageW(w, WM_NCLBUTTONDOWN, HTMENU, MAKELPARAM(at.x, at.y));
    PostMessageW(marker, kMarker, 0, 0);
    const auto end = Clock::now() + std::chrono::seconds(60);
    while (run.step < 5 && Clock::now() < end) {
        app.ProcessMessages();
        Sleep(1);
    }
    current = nullptr;
    app.ProcessMessages();
    return run;
}

struct Medians {
    double dropDown, classMenu, tests;
};

Medians Measure(forms::TApplication& app, HWND marker, const Target& target, bool skinned) {
    Open(app, marker, target, skinned);  // warm-up
    std::vector<double> d, c, t;
    for (int i = 0; i < 7; ++i) {
        const Run r = Open(app, marker, target, skinned);
        if (r.step < 5 || r.menusAtEnd != 3) {
            std::printf("a run did not reach the tests' submenu (step %d, %d menus open)\n", r.step, r.menusAtEnd);
            continue;
        }
        d.push_back(r.dropDown), c.push_back(r.classMenu), t.push_back(r.tests);
    }
    if (d.empty()) return {0, 0, 0};
    return {Median(d), Median(c), Median(t)};
}

}  // namespace

int wmain() {
    forms::TApplication app;
    app.Title = L"心理测试Mobix4.3";
    app::exepath = Folder();
    const std::string db = app::Narrow(DatabasePath());
    app::adoconn.Open(db);
    app::Form1 = app.CreateForm<app::TForm1>();
    // Native first: the skin off before any drop-down has been made owner-drawn.
    app::Form1->SkinData->SetActive(false);
    {
        content::Recordset classes, subclasses, tests;
        app::Form1->BuildTestCatalogue(classes, subclasses, tests);
    }
    app::Form1->ShowForm();
    WNDCLASSW wc{};
    wc.lpfnWndProc = &MarkerProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"MenuBenchMarker";
    RegisterClassW(&wc);
    HWND marker = CreateWindowW(wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    auto pump = [&](int ms) {
        const auto end = Clock::now() + std::chrono::milliseconds(ms);
        do {
            app.ProcessMessages();
            Sleep(2);
        } while (Clock::now() < end);
    };
    pump(400);
    const Target target = LargestTestList();
    std::printf("test catalogue: %d classes; largest list of tests: %d (class %d, subclass %d)\n",
                app::Form1->questionmenu->Count(), target.tests, target.cls + 1, target.sub + 1);
    if (!GetMenu(app::Form1->Handle())) {
        std::printf("the window has no native menu bar with the skin off\n");
        return 1;
    }
    const Medians native = Measure(app, marker, target, false);
    app::Form1->SkinData->SetActive(true);
    pump(600);
    auto* frame = skin::frames::TWinSkinForm::FromWindow(app::Form1->Handle());
    if (!frame || !frame->MenuBar() || GetMenu(app::Form1->Handle())) {
        std::printf("the skin did not take the menu bar\n");
        return 1;
    }
    const Medians skinned = Measure(app, marker, target, true);
    auto line = [](const char* key, const char* what, double s, double n) {
        std::printf("%-34s skinned %8.2f ms, native %8.2f ms, ratio %.2f x (target <= 2)\n", what, s, n, s / n);
        std::printf("RESULT menu_%s_skinned_ms %.2f\nRESULT menu_%s_native_ms %.2f\n", key, s, key, n);
    };
    line("dropdown", "catalogue drop-down, first paint", skinned.dropDown, native.dropDown);
    line("subclasses", "a class's subclasses, first paint", skinned.classMenu, native.classMenu);
    line("tests", "largest tests submenu, first paint", skinned.tests, native.tests);
    DestroyWindow(marker);
    app::adoconn.Close();
    return 0;
}

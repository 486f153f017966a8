// The skin engine's costs on real windows: one WM_NCPAINT of the main window, a
// region cut from a 1,024 x 768 border set, a skin switch with every window of the
// program repainted beside one unskinned repaint of the same windows, and the share
// of the skin in building and showing the main window. Prints medians.
#include <windows.h>

#include <cstdio>
#include <thread>

#include "app/MainModule.h"
#include "app/MainWindow.h"
#include "winutil/WideText.h"
#include "bench/win/BenchUtil.h"
#include "content/ConnectionString.h"
#include "forms/Application.h"
#include "search/SearchLib_Unt.h"
#include "skin/frames/GdiSurface.h"
#include "skin/frames/SkinManage.h"
#include "tools/AboutForm.h"
#include "tools/MessageForm.h"

using namespace zuno;
using namespace zuno::bench;

namespace {

void Pump(forms::TApplication& app, int ms) {
    const auto end = Clock::now() + std::chrono::milliseconds(ms);
    do {
        app.ProcessMessages();
        Sleep(2);
    } while (Clock::now() < end);
}

// A border set as a skin draws it: a 1,024 x 768 frame with rounded (key) corners.
skin::SkinBitmap BorderSet() {
    skin::SkinBitmap b(1024, 768, skin::MakePixel(40, 80, 160));
    for (int y = 0; y < 768; ++y)
        for (int x = 0; x < 1024; ++x) {
            const int dx = std::min(x, 1023 - x), dy = std::min(y, 767 - y);
            if (dx + dy < 6 || ((x * 7 + y * 3) % 97 == 0)) b.SetPixel(x, y, skin::kKeyPixel);
        }
    return b;
}

void RepaintAll(const std::vector<HWND>& windows) {
    for (HWND w : windows) RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

}  // namespace

int wmain() {
    forms::TApplication app;
    app.Title = L"心理测试Mobix4.3";
    app::exepath = Folder();
    app::adoconn.Open(content::DataSourceOf(content::BuildConnectionString(app::Narrow(app::exepath))));

    // The skin's share of building and showing the main window.
    auto t0 = Clock::now();
    app::Form1 = app.CreateForm<app::TForm1>();
    const double build = Ms(t0);
    t0 = Clock::now();
    app::Form1->ShowForm();
    HWND main = app::Form1->Handle();
    HRGN probe = CreateRectRgn(0, 0, 0, 0);
    while (GetWindowRgn(main, probe) == ERROR && Ms(t0) < 5000) app.ProcessMessages();
    const double framed = Ms(t0);
    std::vector<double> parse;
    for (int i = 0; i < 9; ++i) {
        const auto p = Clock::now();
        app::Form1->SkinData->LoadPackage();
        parse.push_back(Ms(p));
    }
    std::printf("main window built (skin data loaded): %8.2f ms; shown and framed: %8.2f ms\n", build, framed);
    std::printf("stored default skin parsed:           %8.2f ms (median of 9)\n", Median(parse));

    std::vector<double> ncpaint;
    for (int i = 0; i < 51; ++i) {
        const auto p = Clock::now();
        SendMessageW(main, WM_NCPAINT, 1, 0);
        GdiFlush();
        ncpaint.push_back(Ms(p));
    }
    std::printf("WM_NCPAINT of the main window:        %8.3f ms (median of 51)\n", Median(ncpaint));

    const skin::SkinBitmap border = BorderSet();
    std::vector<double> region;
    for (int i = 0; i < 9; ++i) {
        const auto p = Clock::now();
        HRGN r = skin::frames::RegionFromBitmap(border, 0, 0);
        region.push_back(Ms(p));
        DeleteObject(r);
    }
    std::printf("RegionFromBitmap, 1024 x 768 border:  %8.2f ms (median of 9)\n", Median(region));

    tools::msg = app.CreateForm<tools::Tmsg>();
    search::SearchLib = app.CreateForm<search::TSearchLib>();
    tools::aboutzuno = app.CreateForm<tools::Taboutzuno>();
    app::Form1->showmsg(L"测试", L"版本太旧", L"知道了");
    app::Form1->aboutClick();
    app::Form1->SearchLibMenuClick();
    Pump(app, 600);
    const std::vector<HWND> windows = {main, tools::msg->Handle(), tools::aboutzuno->Handle(),
                                       search::SearchLib->Handle()};
    const std::wstring skins = Folder() + L"skinshots\\";
    std::vector<double> switches, loads, refreshes;
    for (int i = 0; i < 7; ++i) {
        const std::wstring file = skins + L"skin" + std::to_wstring(2 + i % 6) + L".skn";
        const auto p = Clock::now();
        app::Form1->SkinData->SetSkinFile(app::Narrow(file));
        loads.push_back(Ms(p));
        skin::frames::SkinManager->RunCommand();  // what the 250 ms timer would run
        refreshes.push_back(Ms(p) - loads.back());
        RepaintAll(windows);
        GdiFlush();
        switches.push_back(Ms(p));
    }
    std::vector<double> skinnedRepaint;
    for (int i = 0; i < 9; ++i) {
        const auto p = Clock::now();
        RepaintAll(windows);
        GdiFlush();
        skinnedRepaint.push_back(Ms(p));
    }
    app::Form1->SkinData->SetActive(false);
    Pump(app, 400);
    std::vector<double> plain;
    for (int i = 0; i < 9; ++i) {
        const auto p = Clock::now();
        RepaintAll(windows);
        GdiFlush();
        plain.push_back(Ms(p));
    }
    const double sw = Median(switches), pl = Median(plain);
    std::printf("skin switch, 4 windows repainted:     %8.2f ms (median of 7; package read %.2f ms, frames "
                "resized and reshaped %.2f ms)\n",
                sw, Median(loads), Median(refreshes));
    std::printf("repaint of the 4 windows, skinned:    %8.2f ms; unskinned: %8.2f ms; switch / unskinned = %.2f x\n",
                Median(skinnedRepaint), pl, sw / pl);
    DeleteObject(probe);
    app::adoconn.Close();
    return 0;
}

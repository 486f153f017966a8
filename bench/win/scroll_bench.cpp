// Scrolling the longest sample article from top to bottom by dragging the display
// page's scroll-bar thumb in 50 steps, skinned and unskinned: each step is what the
// scroll-bar control sends while its thumb is dragged (SB_THUMBTRACK at the new
// position), then the window is brought up to date. Prints medians of 7 runs.
#include <windows.h>

#include <cstdio>

#include "app/MainModule.h"
#include "app/MainWindow.h"
#include "bench/win/BenchUtil.h"
#include "content/ConnectionString.h"
#include "forms/Application.h"
#include "winutil/WideText.h"

using namespace zuno;
using namespace zuno::bench;

namespace {

constexpr char kLongestArticle[] = "20";  // 心理学简史与常见误区, the longest sample article
constexpr int kSteps = 50;

void Pump(forms::TApplication& app, int ms) {
    const auto end = Clock::now() + std::chrono::milliseconds(ms);
    do {
        app.ProcessMessages();
        Sleep(2);
    } while (Clock::now() < end);
}

void Send(HWND form, HWND bar, int code, int pos) {
    SendMessageW(form, WM_VSCROLL, MAKEWPARAM(code, pos & 0xFFFF), reinterpret_cast<LPARAM>(bar));
}

// One drag from the top to the bottom: the thumb moves in 50 equal steps.
double Drag(forms::TApplication& app) {
    forms::TScrollBar* bar = app::Form1->ScrollBar;
    HWND form = app::Form1->Handle(), h = bar->Handle();
    bar->SetPosition(0);
    Pump(app, 50);
    const int top = bar->PageSize() > 0 ? bar->Max() - bar->PageSize() + 1 : bar->Max();
    const auto t0 = Clock::now();
    for (int i = 1; i <= kSteps; ++i) {
        const int pos = bar->Min() + (top - bar->Min()) * i / kSteps;
        SCROLLINFO si{sizeof si, SIF_POS};
        si.nPos = pos;
        SetScrollInfo(h, SB_CTL, &si, FALSE);  // where the control's own drag puts it
        Send(form, h, SB_THUMBTRACK, pos);
        RedrawWindow(form, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    Send(form, h, SB_THUMBPOSITION, top);
    Send(form, h, SB_ENDSCROLL, 0);
    RedrawWindow(form, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
    return Ms(t0);
}

}  // namespace

int wmain() {
    forms::TApplication app;
    app.Title = L"心理测试Mobix4.3";
    app::exepath = Folder();
    app::adoconn.Open(content::DataSourceOf(content::BuildConnectionString(app::Narrow(app::exepath))));
    app::Form1 = app.CreateForm<app::TForm1>();
    app::Form1->ShowForm();
    Pump(app, 400);
    app::Form1->OpenArticle(kLongestArticle, "心理学简史与常见误区");
    Pump(app, 300);
    if (!app::Form1->ScrollBar->Visible()) {
        std::printf("the article did not overflow the page: nothing to scroll\n");
        return 1;
    }
    std::printf("scroll range 0 .. %d, page %d\n", app::Form1->ScrollBar->Max(), app::Form1->ScrollBar->PageSize());
    std::vector<double> skinned, plain;
    for (int i = 0; i < 7; ++i) skinned.push_back(Drag(app));
    app::Form1->SkinData->SetActive(false);
    Pump(app, 400);
    for (int i = 0; i < 7; ++i) plain.push_back(Drag(app));
    const double s = Median(skinned), p = Median(plain);
    std::printf("thumb drag top to bottom, %d steps: skinned %8.2f ms, unskinned %8.2f ms, ratio %.2f x (target <= 1.5)\n",
                kSteps, s, p, s / p);
    app::adoconn.Close();
    return 0;
}

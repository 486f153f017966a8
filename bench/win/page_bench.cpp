// Display-page costs on the real main window under Wine: laying out a question of
// twelve long options below a picture (Next pressed until the page is painted),
// beside one plain repaint of the window; and building the test catalogue from a
// large content database (ZUNO_BENCH_DB) with the splash form's progress text.
#include <windows.h>
#include <psapi.h>

#include "bench/win/BenchUtil.h"
#include "bench/win/LongPageDatabase.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "app/MainModule.h"
#include "app/MainWindow.h"
#include "app/SplashForm.h"
#include "content/ConnectionString.h"
#include "forms/Application.h"
#include "winutil/WideText.h"

using namespace zuno;

using namespace zuno::bench;

namespace {

void PumpUntilPainted(HWND hwnd) {
    UpdateWindow(hwnd);
    forms::Application()->ProcessMessages();
}

}  // namespace

int wmain() {
    forms::TApplication application;
    auto* form = application.CreateForm<app::TForm1>();
    form->ShowForm();
    const std::string db = MakeLongPageDatabase();
    app::adoconn.Open(db);
    form->ADOQuery1ConnectionString = content::BuildConnectionString("");
    form->ADOQuery1ConnectionString.replace(form->ADOQuery1ConnectionString.find("Data Source=") + 12, 8, db);

    std::vector<double> page, repaint;
    for (int i = 0; i < 15; ++i) {
        form->OpenQuestion("BENCH001", "长选项测试");
        PumpUntilPainted(form->Handle());
        const auto t0 = Clock::now();
        form->NextButtonClick();
        PumpUntilPainted(form->Handle());
        page.push_back(Ms(t0));
        const auto t1 = Clock::now();
        InvalidateRect(form->Handle(), nullptr, TRUE);
        RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        repaint.push_back(Ms(t1));
    }
    std::printf("question with picture and 12 long options: %7.2f ms (Next to painted)\n", Median(page));
    std::printf("plain repaint of the main window:          %7.2f ms  -> ratio %.1f\n", Median(repaint),
                Median(page) / Median(repaint));
    app::adoconn.Close();

    wchar_t big[MAX_PATH * 4];
    if (!GetEnvironmentVariableW(L"ZUNO_BENCH_DB", big, MAX_PATH * 4)) {
        std::printf("set ZUNO_BENCH_DB to a large content database to time the catalogue build\n");
        return 0;
    }
    app::adoconn.Open(app::Narrow(big));
    app::flash = new app::Tflash(&application);
    app::flash->ShowForm();
    auto* fresh = application.CreateForm<app::TForm1>();
    content::Recordset a, b, c;
    const auto t0 = Clock::now();
    fresh->BuildTestCatalogue(a, b, c);
    const double withSplash = Ms(t0);
    delete app::flash;
    app::flash = nullptr;
    auto* quiet = application.CreateForm<app::TForm1>();
    PROCESS_MEMORY_COUNTERS m0{sizeof m0}, m1{sizeof m1};
    GetProcessMemoryInfo(GetCurrentProcess(), &m0, sizeof m0);
    const auto t1 = Clock::now();
    quiet->BuildTestCatalogue(a, b, c);
    const double menusOnly = Ms(t1);
    GetProcessMemoryInfo(GetCurrentProcess(), &m1, sizeof m1);
    const auto kib = [](SIZE_T bytes) { return static_cast<size_t>(bytes / 1024); };
    std::printf("working set %zu -> %zu KiB, private %zu -> %zu KiB\n", kib(m0.WorkingSetSize), kib(m1.WorkingSetSize),
                kib(m0.PagefileUsage), kib(m1.PagefileUsage));
    std::printf("test catalogue of the large database:      %7.0f ms with the splash progress, %.0f ms without\n",
                withSplash, menusOnly);
    app::adoconn.Close();
    return 0;
}

// The skinned controls on the real main window under Wine: Next pressed until the
// next question is painted with all 24 option buttons, the buttons and the group box
// wrapped by the default skin, beside one plain repaint of the window; once with the
// same option texts on the next page, once with new texts and heights; then all of it
// with skinning switched off.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/MainModule.h"
#include "app/MainWindow.h"
#include "bench/win/BenchUtil.h"
#include "bench/win/LongPageDatabase.h"
#include "content/ConnectionString.h"
#include "forms/Application.h"
#include "skin/controls/SkinControl.h"
#include "skin/frames/WinSkinData.h"
#include "skin/frames/WinSkinForm.h"

using namespace zuno;
using namespace zuno::bench;

namespace {

void Pump(int ms) {
    const auto end = Clock::now() + std::chrono::milliseconds(ms);
    do {
        forms::Application()->ProcessMessages();
        Sleep(5);
    } while (Clock::now() < end);
}

void PumpUntilPainted(HWND hwnd) {
    UpdateWindow(hwnd);
    forms::Application()->ProcessMessages();
}

int WrappedOptions(app::TForm1* form) {
    auto* frame = skin::frames::TWinSkinForm::FromWindow(form->Handle());
    if (!frame) return 0;
    int n = 0;
    for (skin::controls::TSkinControl* s : frame->Wrappers)
        for (int i = 0; i < 12; ++i)
            n += s->Window == form->RadioButton[i]->Handle() || s->Window == form->CheckBox[i]->Handle();
    return n;
}

// Median of Next-to-painted and of a plain repaint, in ms. "BENCH001" shows the same
// option texts on both pages, "BENCH002" new texts and heights on the second.
std::pair<double, double> Measure(app::TForm1* form, const char* test = "BENCH001") {
    std::vector<double> page, repaint;
    for (int i = 0; i < 15; ++i) {
        form->OpenQuestion(test, "长选项测试");
        PumpUntilPainted(form->Handle());
        const auto t0 = Clock::now();
        form->NextButtonClick();
        PumpUntilPainted(form->Handle());
        page.push_back(Ms(t0));
        const auto t1 = Clock::now();
        RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        repaint.push_back(Ms(t1));
    }
    return {Median(page), Median(repaint)};
}

}  // namespace

int wmain() {
    forms::TApplication application;
    auto* form = application.CreateForm<app::TForm1>();
    form->ShowForm();
    Pump(400);  // the skin manager frames the window 250 ms after the skin is loaded
    const std::string db = MakeLongPageDatabase();
    app::adoconn.Open(db);
    form->ADOQuery1ConnectionString = content::BuildConnectionString("");
    form->ADOQuery1ConnectionString.replace(form->ADOQuery1ConnectionString.find("Data Source=") + 12, 8, db);

    const int wrapped = WrappedOptions(form);
    if (wrapped != 24) {
        std::printf("only %d of the 24 option buttons are skinned: no measurement\n", wrapped);
        return 1;
    }
    const auto [skinnedPage, skinnedRepaint] = Measure(form);
    const auto [skinnedNew, skinnedNewRepaint] = Measure(form, "BENCH002");
    std::printf("skinned:   Next to the painted question: %7.2f ms; plain repaint %7.2f ms -> ratio %.2f\n",
                skinnedPage, skinnedRepaint, skinnedPage / skinnedRepaint);
    std::printf("skinned:   the same, new option texts:   %7.2f ms; plain repaint %7.2f ms -> ratio %.2f\n",
                skinnedNew, skinnedNewRepaint, skinnedNew / skinnedNewRepaint);
    form->SkinData->SetActive(false);
    Pump(400);
    const auto [plainPage, plainRepaint] = Measure(form);
    const auto [plainNew, plainNewRepaint] = Measure(form, "BENCH002");
    std::printf("unskinned: Next to the painted question: %7.2f ms; plain repaint %7.2f ms -> ratio %.2f\n",
                plainPage, plainRepaint, plainPage / plainRepaint);
    std::printf("unskinned: the same, new option texts:   %7.2f ms; plain repaint %7.2f ms -> ratio %.2f\n",
                plainNew, plainNewRepaint, plainNew / plainNewRepaint);
    std::printf("skinned Next against the unskinned repaint: ratio %.2f\n", skinnedPage / plainRepaint);
    app::adoconn.Close();
    return 0;
}

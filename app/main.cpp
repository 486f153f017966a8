// Program entry of 心理测试Mobix: the start-up sequence — splash, title, main window
// (its creation step fills everything from the settings and the content database),
// message box, version gate, search dialog, about box — then the message loop.
#include <windows.h>

#include "app/MainModule.h"
#include "app/MainWindow.h"
#include "app/SplashForm.h"
#include "app/StartupTrace.h"
#include "app/core/Settings.h"
#include "forms/Application.h"
#include "forms/Errors.h"
#include "search/SearchLib_Unt.h"
#include "tools/AboutForm.h"
#include "tools/MessageForm.h"
#include "winutil/WideText.h"

using namespace zuno;

namespace {

constexpr wchar_t kVersionTooOld[] =
    L"尊敬的客户，你现在正在使用的Mobix的程序版本过旧，一些新的功能已不能支持，建议你去Mobix的网站上下载最新的版本！";

int RunProgram() {
    forms::TApplication application;
    app::TraceStep("application object");

    app::flash = new app::Tflash(&application);
    app::flash->ShowForm();
    app::TraceStep("splash window made and shown");
    app::flash->Repaint();
    app::TraceStep("splash shown");

    application.Title = L"心理测试Mobix4.3";

    app::Form1 = application.CreateForm<app::TForm1>();
    app::TraceStep("main window object");
    app::Form1->DoCreate();
    app::TraceStep("FormCreate");
    app::Form1->ShowForm();
    app::Form1->Repaint();
    app::TraceStep("main window shown");

    delete app::flash;
    app::flash = nullptr;

    app::TraceStep("splash freed");
    tools::msg = application.CreateForm<tools::Tmsg>();
    app::TraceStep("message box");

    // An unreadable version ends the program after the error box.
    try {
        if (app::VersionIsNewer(app::softversion)) app::Form1->showmsg(kVersionTooOld, L"版本太旧", L"知道了");
    } catch (const std::exception& e) {
        forms::HandleException(e);
        return 1;
    }

    search::SearchLib = application.CreateForm<search::TSearchLib>();
    tools::aboutzuno = application.CreateForm<tools::Taboutzuno>();
    app::TraceStep("search dialog and about box");
    app::WriteStartupTrace();

    application.Run();
    // However the program ends (Esc included), nothing written to the log is lost.
    app::Form1->CloseResultLog();
    app::adoconn.Close();
    return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // The common controls are loaded by the first window that is one of them.
    app::TraceStep("process started");
    return RunProgram();
}

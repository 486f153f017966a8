// Screenshots of the main window (greeting, then a question with word-wrapped
// options), an open catalogue drop-down with its submenu, the message box, the about
// box and the search dialog in the default skin and every shipped skin, written as BMP
// files to skinshots/ beside the test for review; each one must show a framed window
// or skinned menu windows.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <memory>
#include <thread>

#include "app/MainModule.h"
#include "app/MainWindow.h"
#include "winutil/WideText.h"
#include "content/ConnectionString.h"
#include "content/Recordset.h"
#include "forms/Application.h"
#include "search/SearchLib_Unt.h"
#include "skin/draw/BmpEncoder.h"
#include "skin/frames/SkinManage.h"
#include "skin/frames/WinSkinForm.h"
#include "skin/menus/WinSkinMenu.h"
#include "skin/menus/WinSkinPopMenu.h"
#include "tests/win/ProgramUnderTest.h"
#include "tools/AboutForm.h"
#include "tools/MessageForm.h"

namespace {

using namespace zuno;

void Pump(forms::TApplication& app, int ms) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    do {
        app.ProcessMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    } while (std::chrono::steady_clock::now() < end);
}

// A part of the screen as it is (corners outside a region show what lies behind).
void CaptureRect(RECT r, const std::wstring& path) {
    const int w = r.right - r.left, h = r.bottom - r.top;
    skin::SkinBitmap pixels(w, h);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof bi.bmiHeader, w, -h, 1, 32, BI_RGB};
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(h), pixels.Row(0), &bi, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    const std::vector<std::uint8_t> bytes = skin::EncodeBmp24(pixels);
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

void Capture(HWND window, const std::wstring& path) {
    RECT r;
    GetWindowRect(window, &r);
    CaptureRect(r, path);
}

// Drives an open drop-down from its own menu loop: Down selects the first item (a class
// of the catalogue; opened by the mouse, nothing is selected before), Right opens its
// submenu; the main window and every menu window are captured together, then the menu
// ends.
struct MenuShot {
    HWND window = nullptr;
    std::wstring path;
    int tick = 0;
    std::size_t menuWindows = 0;
    static MenuShot* current;
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        MenuShot& s = *current;
        if (++s.tick == 2) {
            PostMessageW(s.window, WM_KEYDOWN, VK_DOWN, 0);
            PostMessageW(s.window, WM_KEYDOWN, VK_RIGHT, 0);
        }
        if (s.tick < 4) return;
        RECT all;
        GetWindowRect(s.window, &all);
        s.menuWindows = 0;
        for (skin::menus::TWinSkinPopMenu* m : skin::frames::SkinManager->MenuWrappers) {
            if (!IsWindowVisible(m->Window())) continue;
            RECT r;
            GetWindowRect(m->Window(), &r);
            UnionRect(&all, &all, &r);
            ++s.menuWindows;
        }
        CaptureRect(all, s.path);
        EndMenu();
    }
};
MenuShot* MenuShot::current = nullptr;

std::size_t CaptureOpenCatalogue(HWND window, const std::wstring& path) {
    auto* frame = skin::frames::TWinSkinForm::FromWindow(window);
    if (!frame || !frame->MenuBar() || frame->MenuBar()->Items().empty()) return 0;
    const skin::Rect& item = frame->MenuBar()->Items().front()->BoundsRect;
    RECT r;
    GetWindowRect(window, &r);
    MenuShot shot;
    shot.window = window;
    shot.path = path;
    MenuShot::current = &shot;
    const UINT_PTR timer = SetTimer(nullptr, 0, 150, &MenuShot::Tick);
    SendMessageW(window, WM_NCLBUTTONDOWN, HTMENU, MAKELPARAM(r.left + item.left + 4, r.top + item.top + 4));
    KillTimer(nullptr, timer);
    return shot.menuWindows;
}

bool Framed(HWND window) { return SendMessageW(window, skin::frames::SKINMSG_QUERY, 0, 0) == 1; }

TEST(SkinScreens, EveryShippedSkinOnTheProgramsWindows) {
    const std::wstring folder = wintest::ExeFolder() + L"skinshots\\";
    std::vector<std::wstring> skins = {L""};  // the default skin stored in the program
    for (int i = 1;; ++i) {
        const std::wstring name = L"skin" + std::to_wstring(i) + L".skn";
        if (GetFileAttributesW((folder + name).c_str()) == INVALID_FILE_ATTRIBUTES) break;
        skins.push_back(name);
    }
    ASSERT_GE(skins.size(), 7u) << "six shipped skins beside the default";

    forms::TApplication app;
    app.Title = L"心理测试Mobix4.3";
    app.OnException = [](const std::wstring& text) { ADD_FAILURE() << app::Narrow(text); };
    app::exepath = wintest::ExeFolder();
    app::adoconn.Open(content::DataSourceOf(content::BuildConnectionString(app::Narrow(app::exepath))));
    app::Form1 = app.CreateForm<app::TForm1>();
    {
        content::Recordset classes, subclasses, tests;
        app::Form1->BuildTestCatalogue(classes, subclasses, tests);
    }
    app::Form1->SetBounds(20, 20, app::Form1->Width(), app::Form1->Height());
    app::Form1->ShowForm();
    tools::msg = app.CreateForm<tools::Tmsg>();
    search::SearchLib = app.CreateForm<search::TSearchLib>();
    tools::aboutzuno = app.CreateForm<tools::Taboutzuno>();
    Pump(app, 300);
    for (const std::wstring& skin : skins) {
        if (!skin.empty()) {
            app::Form1->SkinData->SetSkinFile(app::Narrow(folder + skin));
            Pump(app, 400);
        }
        const std::wstring stem = folder + (skin.empty() ? L"default" : skin.substr(0, skin.size() - 4));
        app::Form1->ShowForm();
        Pump(app, 200);
        EXPECT_TRUE(Framed(app::Form1->Handle()));
        Capture(app::Form1->Handle(), stem + L"-main.bmp");
        EXPECT_EQ(CaptureOpenCatalogue(app::Form1->Handle(), stem + L"-menu.bmp"), 2u)
            << "the catalogue drop-down and its submenu, both skinned";
        Pump(app, 100);
        app::Form1->OpenQuestion("T0000002", "选项换行");
        // The sample options are short: one is made to wrap, the ones below move down.
        app::Form1->RadioButton[0]->SetCaption(std::wstring(36, L'长') + L"的选项文字会换到第二行。");
        app::Form1->RadioButton[0]->SetHeight(44);
        for (int i = 1; i < 12; ++i) app::Form1->RadioButton[i]->SetTop(app::Form1->RadioButton[i]->Top() + 24);
        Pump(app, 200);
        Capture(app::Form1->Handle(), stem + L"-question.bmp");
        // Back to the greeting as the program first shows it: an empty page.
        app::Form1->selectinit();
        app::Form1->Formshow();
        app::Form1->showmsg(L"尊敬的客户，你现在正在使用的Mobix的程序版本过旧。", L"版本太旧", L"知道了");
        Pump(app, 300);
        EXPECT_TRUE(Framed(tools::msg->Handle()));
        Capture(tools::msg->Handle(), stem + L"-message.bmp");
        tools::msg->OKButtonClick();
        app::Form1->aboutClick();
        Pump(app, 300);
        EXPECT_TRUE(Framed(tools::aboutzuno->Handle()));
        Capture(tools::aboutzuno->Handle(), stem + L"-about.bmp");
        tools::aboutzuno->Close();
        app::Form1->SearchLibMenuClick();
        Pump(app, 300);
        EXPECT_TRUE(Framed(search::SearchLib->Handle()));
        Capture(search::SearchLib->Handle(), stem + L"-search.bmp");
        search::SearchLib->Close();
        Pump(app, 100);
    }
    app::adoconn.Close();
}

}  // namespace

// The skin engine on a small plain Win32 MDI program: children framed when the
// client creates them, a maximised child's buttons in the parent's menu bar with
// the children's frames handed back to Windows, restore bringing the frames back,
// and the parent left working when the last child closes.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <memory>
#include <thread>
#include <vector>

#include "forms/Application.h"
#include "forms/Form.h"
#include "skin/frames/SkinManage.h"
#include "skin/frames/WinSkinData.h"
#include "skin/frames/WinSkinForm.h"
#include "tests/win/SkinFixture.h"
#include "tests/win/PumpMessages.h"

namespace {

using namespace zuno;
using namespace zuno::wintest;
using skin::frames::SkinManager;

LRESULT CALLBACK MdiFrameProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    auto client = reinterpret_cast<HWND>(GetWindowLongPtrW(w, GWLP_USERDATA));
    return DefFrameProcW(w, client, msg, wp, lp);
}

LRESULT CALLBACK MdiChildProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) { return DefMDIChildProcW(w, msg, wp, lp); }

class SkinMdiTest : public ::testing::Test {
protected:
    void SetUp() override {
        app = std::make_unique<forms::TApplication>();
        host = app->CreateForm<forms::TForm>(L"MdiSkinHost");
        data = new skin::frames::TSkinData(host);
        data->BeginLoading();
        data->PackageStream = FlatSkinPackage();
        ASSERT_TRUE(data->LoadPackage());
        data->SetActive(true);
        data->Loaded();
        HINSTANCE inst = GetModuleHandleW(nullptr);
        WNDCLASSW fc{0, MdiFrameProc, 0, 0, inst, nullptr, LoadCursorW(nullptr, IDC_ARROW),
                     reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1), nullptr, L"ZunoMdiFrame"};
        WNDCLASSW cc{0, MdiChildProc, 0, 0, inst, nullptr, LoadCursorW(nullptr, IDC_ARROW),
                     reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), nullptr, L"ZunoMdiChild"};
        RegisterClassW(&fc);
        RegisterClassW(&cc);
        CreateFrame();
        ShowFrame();
    }
    // The frame window with its client, not shown yet: nothing is framed before the
    // first activation.
    void CreateFrame() {
        HINSTANCE inst = GetModuleHandleW(nullptr);
        windowMenu = CreatePopupMenu();
        AppendMenuW(windowMenu, MF_STRING, 100, L"层叠");
        HMENU bar = CreateMenu();
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(windowMenu), L"窗口");
        frame = CreateWindowExW(0, L"ZunoMdiFrame", L"MDI", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 60, 60, 520,
                                400, nullptr, bar, inst, nullptr);
        CLIENTCREATESTRUCT ccs{windowMenu, 1000};
        client = CreateWindowExW(0, L"MDIClient", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 100, 100,
                                 frame, nullptr, inst, &ccs);
        SetWindowLongPtrW(frame, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(client));
    }
    void ShowFrame() {
        ShowWindow(frame, SW_SHOW);
        SetForegroundWindow(frame);
        Pump(200);
    }
    void TearDown() override {
        if (IsWindow(frame)) DestroyWindow(frame);
        app.reset();
    }
    void Pump(int ms) {
        zuno::wintest::PumpFor(*app, ms);
    }
    // Creates a child the way a program asks the client for one, then has the
    // client refresh the frame menu.
    HWND NewChild(const wchar_t* title, int x, int y) {
        HWND child = CreateChild(title, x, y, 0);
        nativeClient = ClientSize(child);
        SendMessageW(client, WM_MDIREFRESHMENU, 0, 0);
        Pump(150);
        return child;
    }
    HWND CreateChild(const wchar_t* title, int x, int y, DWORD extraStyle) {
        MDICREATESTRUCTW mcs{L"ZunoMdiChild", title, GetModuleHandleW(nullptr), x, y, 220, 160,
                             WS_OVERLAPPEDWINDOW | extraStyle, 0};
        return reinterpret_cast<HWND>(SendMessageW(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
    }
    static SIZE ClientSize(HWND w) {
        RECT r;
        GetClientRect(w, &r);
        return {r.right, r.bottom};
    }
    static bool HasRegion(HWND w) {
        HRGN probe = CreateRectRgn(0, 0, 0, 0);
        const bool has = GetWindowRgn(w, probe) != ERROR;
        DeleteObject(probe);
        return has;
    }
    static bool Skinned(HWND w) { return SendMessageW(w, skin::frames::SKINMSG_QUERY, 0, 0) == 1; }
    static LONG_PTR Style(HWND w) { return GetWindowLongPtrW(w, GWL_STYLE); }
    // Centre of an MDI button in the parent's menu strip, in screen coordinates.
    POINT MdiButton(int xcoord) const {
        RECT r;
        GetWindowRect(frame, &r);
        const int y = (GetSystemMetrics(SM_CYMENU) - kFixMdiButton) / 2 + kFixTopHeight;
        return {r.right - xcoord - kFixRightWidth + kFixMdiButton / 2, r.top + y + kFixMdiButton / 2};
    }
    static COLORREF ScreenPixel(POINT p) {
        HDC dc = GetDC(nullptr);
        const COLORREF c = GetPixel(dc, p.x, p.y);
        ReleaseDC(nullptr, dc);
        return c;
    }
    // The pixels of the parent's caption strip as shown on screen.
    std::vector<COLORREF> CaptionPixels() const {
        RECT r;
        GetWindowRect(frame, &r);
        std::vector<COLORREF> pixels;
        HDC dc = GetDC(nullptr);
        for (int y = r.top + 4; y < r.top + kFixTopHeight - 2; y += 2)
            for (int x = r.left + kFixLeftWidth; x < r.right - kFixRightWidth; ++x) pixels.push_back(GetPixel(dc, x, y));
        ReleaseDC(nullptr, dc);
        return pixels;
    }
    void Click(POINT p) {
        SendMessageW(frame, WM_NCLBUTTONDOWN, HTMENU, MAKELPARAM(p.x, p.y));
        SendMessageW(frame, WM_NCLBUTTONUP, HTMENU, MAKELPARAM(p.x, p.y));
        Pump(150);
    }

    std::unique_ptr<forms::TApplication> app;
    forms::TForm* host = nullptr;
    skin::frames::TSkinData* data = nullptr;
    HMENU windowMenu = nullptr;
    HWND frame = nullptr;
    HWND client = nullptr;
    SIZE nativeClient{};  // of the last child created, before it was framed
};

TEST_F(SkinMdiTest, MaximisedChildMovesItsButtonsToTheMenuBarAndRestoreBringsTheFramesBack) {
    ASSERT_TRUE(Skinned(frame));
    ASSERT_EQ(SkinManager->MdiClientWindow, client);
    HWND first = NewChild(L"甲", 0, 0);
    HWND second = NewChild(L"乙", 40, 30);
    const SIZE firstClient = ClientSize(first);
    for (HWND c : {first, second}) {
        EXPECT_TRUE(Skinned(c));
        EXPECT_TRUE(HasRegion(c));
        EXPECT_FALSE(Style(c) & WS_SYSMENU) << "a framed child's own buttons are the skin's";
        EXPECT_TRUE((Style(c) & WS_CAPTION) == WS_CAPTION) << "an MDI child keeps its caption bits";
    }
    EXPECT_EQ(ClientSize(second).cx, nativeClient.cx) << "client kept through framing";
    EXPECT_EQ(ClientSize(second).cy, nativeClient.cy);
    {
        RECT r;
        GetWindowRect(second, &r);
        HDC dc = GetDC(nullptr);
        EXPECT_EQ(GetPixel(dc, r.left + 2, (r.top + r.bottom) / 2), kFixLeft) << "the active child's skinned border";
        ReleaseDC(nullptr, dc);
    }
    EXPECT_EQ(ScreenPixel(MdiButton(16)), kFixMenuBar) << "no MDI buttons while no child is maximised";

    SendMessageW(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(second), 0);
    Pump(200);
    EXPECT_TRUE(SkinManager->MdiMaximised);
    for (HWND c : {first, second}) {
        EXPECT_FALSE(HasRegion(c)) << "Windows draws a maximised child's frame";
        EXPECT_TRUE(Style(c) & WS_SYSMENU) << "caption styles restored";
    }
    {
        RECT r;
        GetWindowRect(client, &r);
        EXPECT_NE(ScreenPixel({r.right - 10, r.bottom - 10}), GetSysColor(COLOR_APPWORKSPACE))
            << "the maximised child is painted whole, not cut to its old outline";
    }
    EXPECT_EQ(ScreenPixel(MdiButton(48)), kFixMdiMin);
    EXPECT_EQ(ScreenPixel(MdiButton(32)), kFixMdiRestore);
    EXPECT_EQ(ScreenPixel(MdiButton(16)), kFixMdiClose);

    Click(MdiButton(32));  // the restore button of the menu bar
    EXPECT_FALSE(IsZoomed(second));
    EXPECT_FALSE(SkinManager->MdiMaximised);
    for (HWND c : {first, second}) {
        EXPECT_TRUE(HasRegion(c)) << "frames back after restore";
        EXPECT_FALSE(Style(c) & WS_SYSMENU);
    }
    EXPECT_EQ(ClientSize(first).cx, firstClient.cx);
    EXPECT_EQ(ClientSize(first).cy, firstClient.cy);
    EXPECT_EQ(ScreenPixel(MdiButton(16)), kFixMenuBar) << "MDI buttons gone";
}

TEST_F(SkinMdiTest, ClosingTheMaximisedAndTheLastChildLeavesTheParentWorking) {
    HWND first = NewChild(L"甲", 0, 0);
    HWND second = NewChild(L"乙", 40, 30);
    SendMessageW(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(second), 0);
    Pump(200);
    ASSERT_TRUE(SkinManager->MdiMaximised);
    Click(MdiButton(16));  // the close button of the menu bar closes the maximised child
    EXPECT_FALSE(IsWindow(second));
    BOOL maximised = FALSE;
    SendMessageW(client, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximised));
    EXPECT_EQ(SkinManager->MdiMaximised, maximised != FALSE) << "the flag follows the child now active";
    EXPECT_EQ(SkinManager->MdiChildFrameCount(), 1);

    SendMessageW(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(first), 0);
    Pump(150);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_EQ(SkinManager->MdiChildFrameCount(), 0);
    EXPECT_FALSE(SkinManager->MdiMaximised);
    EXPECT_TRUE(Skinned(frame));
    EXPECT_EQ(ScreenPixel(MdiButton(16)), kFixMenuBar);
    HWND again = NewChild(L"丙", 10, 10);
    EXPECT_TRUE(Skinned(again)) << "a child created after the last one closed is framed too";
}

// A program that opens its children before its frame window is first shown: the
// frame, skinned at its first activation, takes the children with it.
TEST_F(SkinMdiTest, ChildrenOpenedBeforeTheParentIsFramedAreFramedWithIt) {
    for (const bool maximised : {false, true}) {
        SCOPED_TRACE(maximised ? "maximised child" : "normal child");
        DestroyWindow(frame);
        Pump(100);
        CreateFrame();
        HWND child = CreateChild(L"甲", 10, 10, maximised ? WS_MAXIMIZE : 0);
        const SIZE before = ClientSize(child);
        ASSERT_FALSE(Skinned(child));
        ShowFrame();
        ASSERT_TRUE(Skinned(frame));
        EXPECT_TRUE(Skinned(child));
        EXPECT_EQ(SkinManager->MdiChildFrameCount(), 1);
        EXPECT_EQ(SkinManager->MdiMaximised, maximised);
        if (maximised) {
            EXPECT_FALSE(HasRegion(child)) << "Windows draws a maximised child's frame";
            EXPECT_EQ(ScreenPixel(MdiButton(16)), kFixMdiClose) << "its buttons in the parent's menu bar";
            continue;
        }
        EXPECT_TRUE(HasRegion(child));
        EXPECT_FALSE(Style(child) & WS_SYSMENU) << "the skin's buttons replace the child's own";
        EXPECT_EQ(ClientSize(child).cx, before.cx) << "client kept through framing";
        EXPECT_EQ(ClientSize(child).cy, before.cy);
        RECT r;
        GetWindowRect(child, &r);
        EXPECT_EQ(ScreenPixel({r.left + 2, (r.top + r.bottom) / 2}), kFixLeft) << "the child's skinned border";
    }
}

// Windows names the maximised child in the parent's title, "<parent> - [<child>]";
// the skinned caption shows that title and the plain one again after restore.
TEST_F(SkinMdiTest, ParentCaptionNamesTheMaximisedChild) {
    HWND child = NewChild(L"乙", 10, 10);
    const skin::frames::TWinSkinForm* parent = skin::frames::TWinSkinForm::FromWindow(frame);
    ASSERT_NE(parent, nullptr);
    const std::vector<COLORREF> plain = CaptionPixels();

    SendMessageW(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child), 0);
    Pump(200);
    wchar_t title[64] = {};
    GetWindowTextW(frame, title, 64);
    EXPECT_STREQ(title, L"MDI - [乙]");
    EXPECT_EQ(parent->Text(), L"MDI - [乙]");
    EXPECT_NE(CaptionPixels(), plain) << "the caption is painted with the new title";

    SendMessageW(client, WM_MDIRESTORE, reinterpret_cast<WPARAM>(child), 0);
    Pump(200);
    EXPECT_EQ(parent->Text(), L"MDI");
    EXPECT_EQ(CaptionPixels(), plain);
}

// The active child's frame shows the parent's activation, as Windows passes it on.
TEST_F(SkinMdiTest, ActiveChildFollowsItsParentsActivation) {
    HWND child = NewChild(L"甲", 10, 10);
    auto border = [&] {
        RECT r;
        GetWindowRect(child, &r);
        return ScreenPixel({r.left + 2, (r.top + r.bottom) / 2});
    };
    EXPECT_EQ(border(), kFixLeft);
    HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE | WS_CAPTION, 700, 500, 100, 80,
                                 nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetForegroundWindow(other);
    Pump(200);
    EXPECT_EQ(border(), kFixLeftInactive);
    SetForegroundWindow(frame);
    Pump(200);
    EXPECT_EQ(border(), kFixLeft);
    DestroyWindow(other);
}

}  // namespace

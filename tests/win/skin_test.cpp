// The skin engine on real windows: frames painted from a flat-colour fixture skin
// and read back from the screen, hit testing and title-button mouse handling, the
// manager's refusals, system dialogs framed, skin changes reaching every frame.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <map>
#include <memory>
#include <thread>

#include "forms/Application.h"
#include "forms/Menus.h"
#include "forms/Form.h"
#include "skin/frames/SkinManage.h"
#include "skin/frames/WinSkinData.h"
#include "skin/frames/WinSkinForm.h"
#include "tests/win/SkinFixture.h"
#include "tests/win/PumpMessages.h"

namespace {

using namespace zuno;
using namespace zuno::forms;
using namespace zuno::wintest;
using skin::frames::SkinManager;
using skin::frames::TWinSkinForm;

class SkinTest : public ::testing::Test {
protected:
    void SetUp() override {
        app = std::make_unique<TApplication>();
        app->OnException = [this](const std::wstring& text) { errors.push_back(text); };
        host = app->CreateForm<TForm>(L"SkinHost");
        data = new skin::frames::TSkinData(host);
        data->BeginLoading();
        data->PackageStream = FlatSkinPackage();
        ASSERT_TRUE(data->LoadPackage());
        data->SetActive(true);
        data->Loaded();
    }
    void TearDown() override { app.reset(); }
    // Runs the message loop for a while (the manager's commands wait 250 ms).
    void Pump(int ms = 50) {
        zuno::wintest::PumpFor(*app, ms);
    }
    TForm* ShowForm(const wchar_t* name, int cw, int ch, TFormBorderStyle border = TFormBorderStyle::bsSizeable) {
        auto* f = app->CreateForm<TForm>(name);
        f->BorderStyle = border;
        f->SetClientSize(cw, ch);
        f->SetBounds(100, 100, f->Width(), f->Height());
        f->ShowForm();
        Pump(150);
        return f;
    }
    // A form not yet shown, with a client area of 300 × 150 and a one-item main menu.
    TForm* MenuForm(const wchar_t* name, const wchar_t* caption) {
        auto* f = app->CreateForm<TForm>(name);
        auto* menu = new TMainMenu(f);
        auto* item = new TMenuItem(f);
        item->SetCaption(caption);
        menu->Items()->Add(item);
        f->SetMenu(menu);
        f->SetClientSize(300, 150);
        return f;
    }
    static COLORREF ScreenPixel(HWND w, int x, int y) {
        RECT r;
        GetWindowRect(w, &r);
        HDC dc = GetDC(nullptr);
        const COLORREF c = GetPixel(dc, r.left + x, r.top + y);
        ReleaseDC(nullptr, dc);
        return c;
    }
    static SIZE WindowSize(HWND w) {
        RECT r;
        GetWindowRect(w, &r);
        return {r.right - r.left, r.bottom - r.top};
    }
    static SIZE ClientSize(HWND w) {
        RECT r;
        GetClientRect(w, &r);
        return {r.right, r.bottom};
    }
    // Loads a package through a file, as the skin menu does.
    void ChangeSkin(const std::vector<std::uint8_t>& bytes) {
        wchar_t dir[MAX_PATH];
        GetTempPathW(MAX_PATH, dir);
        const std::wstring path = std::wstring(dir) + L"skin-change-test.skn";
        HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(h);
        char narrow[MAX_PATH * 4];  // skin paths are UTF-8
        WideCharToMultiByte(CP_UTF8, 0, path.c_str(), -1, narrow, sizeof narrow, nullptr, nullptr);
        data->SetSkinFile(narrow);
        DeleteFileW(path.c_str());
    }
    static bool InRegion(HWND w, int x, int y) {
        HRGN rgn = CreateRectRgn(0, 0, 0, 0);
        const bool in = GetWindowRgn(w, rgn) != ERROR && PtInRegion(rgn, x, y);
        DeleteObject(rgn);
        return in;
    }

    std::unique_ptr<TApplication> app;
    TForm* host = nullptr;
    skin::frames::TSkinData* data = nullptr;
    std::vector<std::wstring> errors;
};

TEST_F(SkinTest, FramePaintedFromTheSkinAroundAnUnchangedClientArea) {
    TForm* f = ShowForm(L"Painted", 300, 200);
    HWND w = f->Handle();
    ASSERT_EQ(SendMessageW(w, skin::frames::SKINMSG_QUERY, 0, 0), 1);
    EXPECT_EQ(ClientSize(w).cx, 300);
    EXPECT_EQ(ClientSize(w).cy, 200);
    const SIZE s = WindowSize(w);
    EXPECT_EQ(s.cx, 300 + kFixLeftWidth + kFixRightWidth);
    EXPECT_EQ(s.cy, 200 + kFixTopHeight + kFixBottomHeight);
    struct Probe { int x, y; COLORREF colour; const char* what; } probes[] = {
        {2, s.cy / 2, kFixLeft, "left border"},
        {s.cx - 3, s.cy / 2, kFixRight, "right border"},
        {s.cx / 2, s.cy - 3, kFixBottom, "bottom border"},
        {s.cx - 70, 2, kFixTop, "caption background"},
        {s.cx - 22 + 8, 4 + 7, kFixClose, "close button"},
        {s.cx - 40 + 8, 4 + 7, kFixMax, "maximise button (not maximised)"},
    };
    for (const Probe& p : probes) EXPECT_EQ(ScreenPixel(w, p.x, p.y), p.colour) << p.what;
    EXPECT_FALSE(InRegion(w, kFixLeftWidth, 0)) << "magenta corner of the top piece";
    EXPECT_FALSE(InRegion(w, s.cx - kFixRightWidth - 1, 0));
    EXPECT_TRUE(InRegion(w, kFixLeftWidth + 2, 0));
    EXPECT_TRUE(InRegion(w, s.cx / 2, s.cy / 2));
}

// A window is framed as it is activated, when it is already on screen: it takes its
// skinned shape there and then, so its first paint is the skinned one (waiting for the
// posted first show, the native frame and caption showed meanwhile).
TEST_F(SkinTest, WindowIsSkinnedFromItsFirstPaint) {
    TForm* f = MenuForm(L"FirstPaint", L"甲");
    f->SetBounds(100, 100, f->Width(), f->Height());
    f->ShowForm();
    // No message has been handled since: only what happened while showing counts.
    HWND w = f->Handle();
    const SIZE s = WindowSize(w);
    EXPECT_EQ(s.cx, 300 + kFixLeftWidth + kFixRightWidth);
    EXPECT_EQ(s.cy, 150 + kFixTopHeight + GetSystemMetrics(SM_CYMENU) + kFixBottomHeight);
    EXPECT_FALSE(InRegion(w, kFixLeftWidth, 0)) << "skinned outline";
    EXPECT_TRUE(InRegion(w, kFixLeftWidth + 2, 0));
    Pump(100);
    EXPECT_EQ(WindowSize(w).cx, s.cx) << "the posted first show changes nothing";
    EXPECT_EQ(WindowSize(w).cy, s.cy);
    EXPECT_EQ(ScreenPixel(w, s.cx - 70, 2), kFixTop) << "caption";
    EXPECT_EQ(ScreenPixel(w, 2, s.cy / 2), kFixLeft) << "left border";
    EXPECT_EQ(ClientSize(w).cx, 300);
    EXPECT_EQ(ClientSize(w).cy, 150);
}

// What a form's window looked like when it was told it is being shown, before it
// was mapped: its native menu and whether it had its skinned outline.
struct ShowingState {
    HWND window = nullptr;
    bool seen = false;
    bool nativeMenu = false;
    bool outline = false;
};
ShowingState showing;

LRESULT CALLBACK WatchShowing(int code, WPARAM wParam, LPARAM lParam) {
    const auto* m = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && m->hwnd == showing.window && m->message == WM_SHOWWINDOW && m->wParam && !showing.seen) {
        showing.seen = true;
        showing.nativeMenu = GetMenu(m->hwnd) != nullptr;
        HRGN r = CreateRectRgn(0, 0, 0, 0);
        showing.outline = GetWindowRgn(m->hwnd, r) != ERROR;
        DeleteObject(r);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(SkinTest, FormIsFramedBeforeItIsMapped) {
    TForm* f = MenuForm(L"Premapped", L"甲");
    showing = {f->Handle()};
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, WatchShowing, nullptr, GetCurrentThreadId());
    f->ShowForm();
    UnhookWindowsHookEx(hook);
    ASSERT_TRUE(showing.seen);
    EXPECT_FALSE(showing.nativeMenu) << "the skin's menu bar replaces the native one before the window appears";
    EXPECT_TRUE(showing.outline) << "the window appears in its skinned outline";
    EXPECT_EQ(ClientSize(f->Handle()).cx, 300);
    EXPECT_EQ(ClientSize(f->Handle()).cy, 150);
}

TEST_F(SkinTest, InactiveWindowShowsTheSecondFrames) {
    TForm* first = ShowForm(L"First", 200, 120);
    TForm* second = ShowForm(L"Second", 200, 120);
    second->SetBounds(400, 100, second->Width(), second->Height());
    Pump(100);
    HWND w = first->Handle();
    const SIZE s = WindowSize(w);
    EXPECT_EQ(ScreenPixel(w, 2, s.cy / 2), kFixLeftInactive);
    EXPECT_EQ(ScreenPixel(w, s.cx / 2, s.cy - 3), kFixBottomInactive);
    EXPECT_EQ(ScreenPixel(w, s.cx - 22 + 8, 4 + 7), RGB(90, 90, 90)) << "buttons show frame 4 while inactive";
    // While inactive, moving over a button highlights nothing.
    RECT r;
    GetWindowRect(w, &r);
    SendMessageW(w, WM_NCMOUSEMOVE, HTCAPTION, MAKELPARAM(r.left + s.cx - 22 + 8, r.top + 11));
    EXPECT_EQ(ScreenPixel(w, s.cx - 22 + 8, 4 + 7), RGB(90, 90, 90));
    EXPECT_EQ(ScreenPixel(second->Handle(), 2, 50), kFixLeft);
}

TEST_F(SkinTest, HitTestingOfTopRowsCaptionAndMenuStrip) {
    TForm* f = MenuForm(L"Hits", L"文件");
    f->ShowForm();
    Pump(150);
    HWND w = f->Handle();
    ASSERT_FALSE(GetMenu(w)) << "the frame draws the menu bar itself";
    EXPECT_EQ(ClientSize(w).cy, 150);
    RECT r;
    GetWindowRect(w, &r);
    const int menuHeight = GetSystemMetrics(SM_CYMENU);
    EXPECT_EQ(r.bottom - r.top, 150 + kFixTopHeight + kFixBottomHeight + menuHeight);
    auto hit = [&](int x, int y) {
        return SendMessageW(w, WM_NCHITTEST, 0, MAKELPARAM(r.left + x, r.top + y));
    };
    EXPECT_NE(hit(150, 1), HTCAPTION) << "the top rows keep the default answer (sizing)";
    EXPECT_EQ(hit(150, 10), HTCAPTION);
    EXPECT_EQ(hit(250, kFixTopHeight + menuHeight / 2), HTMENU);
    EXPECT_EQ(hit(150, kFixTopHeight + menuHeight + 20), HTCLIENT);
}

TEST_F(SkinTest, TitleButtonsActOnPressAndRelease) {
    TForm* f = ShowForm(L"Buttons", 300, 200);
    int closes = 0;
    f->OnClose = [&](TComponent*, TCloseAction& a) {
        ++closes;
        a = TCloseAction::caNone;
    };
    HWND w = f->Handle();
    RECT r;
    GetWindowRect(w, &r);
    const SIZE s = WindowSize(w);
    const LPARAM close = MAKELPARAM(r.left + s.cx - 22 + 8, r.top + 11);
    const LPARAM max = MAKELPARAM(r.left + s.cx - 40 + 8, r.top + 11);
    SendMessageW(w, WM_NCLBUTTONDOWN, HTCAPTION, close);
    Pump(20);
    EXPECT_EQ(ScreenPixel(w, s.cx - 22 + 8, 11), RGB(10, 10, 10)) << "pressed frame";
    SendMessageW(w, WM_NCLBUTTONUP, HTCAPTION, close);
    Pump();
    EXPECT_EQ(closes, 1);
    // Pressed on maximise, moved onto close, released there: close fires.
    SendMessageW(w, WM_NCLBUTTONDOWN, HTCAPTION, max);
    SendMessageW(w, WM_NCMOUSEMOVE, HTCAPTION, close);
    SendMessageW(w, WM_NCLBUTTONUP, HTCAPTION, close);
    Pump();
    EXPECT_EQ(closes, 2);
    EXPECT_FALSE(IsZoomed(w));
    // Maximise and restore swap the visibility-1/2 pair.
    SendMessageW(w, WM_NCLBUTTONDOWN, HTCAPTION, max);
    SendMessageW(w, WM_NCLBUTTONUP, HTCAPTION, max);
    Pump(150);
    ASSERT_TRUE(IsZoomed(w));
    const SIZE z = WindowSize(w);
    EXPECT_EQ(ScreenPixel(w, z.cx - 40 + 8, 4 + 7), kFixRestore);
    GetWindowRect(w, &r);
    SendMessageW(w, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(r.left + z.cx - 40 + 8, r.top + 11));
    SendMessageW(w, WM_NCLBUTTONUP, HTCAPTION, MAKELPARAM(r.left + z.cx - 40 + 8, r.top + 11));
    Pump(150);
    EXPECT_FALSE(IsZoomed(w));
    EXPECT_EQ(ClientSize(w).cx, 300);
    EXPECT_EQ(ScreenPixel(w, WindowSize(w).cx - 40 + 8, 11), kFixMax);
}

TEST_F(SkinTest, MenuBarItemsRunTheirCommandAndFollowMenuChanges) {
    auto* f = app->CreateForm<TForm>(L"MenuBar");
    auto* menu = new TMainMenu(f);
    auto* first = new TMenuItem(f);
    first->SetCaption(L"甲");
    int clicks = 0;
    first->OnClick = [&](TMenuItem*) { ++clicks; };
    menu->Items()->Add(first);
    f->SetMenu(menu);
    f->SetClientSize(300, 150);
    f->ShowForm();
    Pump(150);
    HWND w = f->Handle();
    RECT r;
    GetWindowRect(w, &r);
    const int barY = r.top + kFixTopHeight + GetSystemMetrics(SM_CYMENU) / 2;
    // The first item starts 6 pixels into a bar without an image.
    SendMessageW(w, WM_NCLBUTTONDOWN, HTMENU, MAKELPARAM(r.left + kFixLeftWidth + 6 + 4, barY));
    Pump();
    EXPECT_EQ(clicks, 1) << "an item without a drop-down runs its command";
    EXPECT_EQ(SendMessageW(w, WM_SYSCOMMAND, SC_KEYMENU, 0), 1) << "Alt alone does nothing";
    // A new top-level item reaches the bar; the window's native menu stays off.
    auto* second = new TMenuItem(f);
    second->SetCaption(L"乙");
    menu->Items()->Add(second);
    Pump();
    EXPECT_FALSE(GetMenu(w));
    EXPECT_EQ(ClientSize(w).cy, 150);
    TWinSkinForm* frame = TWinSkinForm::FromWindow(w);
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->FindAccelItem(L'X'), nullptr);
}

TEST_F(SkinTest, ManagerRefusesWhatItMustNotFrame) {
    ASSERT_TRUE(SkinManager);
    TForm* framed = ShowForm(L"Framed", 100, 60);
    EXPECT_FALSE(SkinManager->SkinWindow(framed->Handle())) << "never framed twice";
    auto* tagged = app->CreateForm<TForm>(L"Tagged");
    tagged->Tag = 99;
    tagged->SetClientSize(100, 60);
    tagged->ShowForm();
    Pump(100);
    EXPECT_NE(SendMessageW(tagged->Handle(), skin::frames::SKINMSG_QUERY, 0, 0), 1);
    HWND child = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, framed->Handle(), nullptr,
                                 nullptr, nullptr);
    EXPECT_FALSE(SkinManager->SkinWindow(child));
    for (const wchar_t* cls : {L"TApplication", L"SysMonthCal32"}) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.lpszClassName = cls;
        RegisterClassW(&wc);
        HWND plain = CreateWindowExW(0, cls, L"", WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 0, 80, 40, nullptr, nullptr,
                                     nullptr, nullptr);
        EXPECT_FALSE(SkinManager->SkinWindow(plain));
        DestroyWindow(plain);
    }
    EXPECT_TRUE(errors.empty());
}

// Closes the first dialog ("#32770") of this thread once it is framed, noting what
// the frame made of it.
struct DialogProbe {
    bool framed = false;
    SIZE window{};
    std::wstring caption;
    static DialogProbe* current;
    static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
        EnumThreadWindows(GetCurrentThreadId(), [](HWND h, LPARAM) -> BOOL {
            wchar_t cls[16] = {};
            GetClassNameW(h, cls, 16);
            if (std::wstring(cls) != L"#32770" || !IsWindowVisible(h)) return TRUE;
            HRGN probe = CreateRectRgn(0, 0, 0, 0);
            const bool done = GetWindowRgn(h, probe) != ERROR;
            DeleteObject(probe);
            if (!done) return FALSE;  // not resized yet: next tick
            current->framed = SendMessageW(h, skin::frames::SKINMSG_QUERY, 0, 0) == 1;
            RECT r;
            GetWindowRect(h, &r);
            current->window = {r.right - r.left, r.bottom - r.top};
            PostMessageW(h, WM_COMMAND, IDCANCEL, 0);
            PostMessageW(h, WM_CLOSE, 0, 0);
            return FALSE;
        }, 0);
    }
};
DialogProbe* DialogProbe::current = nullptr;

TEST_F(SkinTest, MessageBoxIsFramedAndWidenedForALongCaption) {
    TForm* owner = ShowForm(L"BoxOwner", 200, 100);
    DialogProbe probe;
    DialogProbe::current = &probe;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, &DialogProbe::Tick);
    const std::wstring caption(60, L'长');  // 120 bytes in code page 936
    MessageBoxW(owner->Handle(), L"短", caption.c_str(), MB_OK);
    KillTimer(nullptr, timer);
    EXPECT_TRUE(probe.framed);
    HDC dc = GetDC(nullptr);
    NONCLIENTMETRICSW ncm{};
    ncm.cbSize = sizeof ncm;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0);
    HFONT font = CreateFontIndirectW(&ncm.lfCaptionFont);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE space{};
    GetTextExtentPoint32W(dc, L" ", 1, &space);
    SelectObject(dc, old);
    DeleteObject(font);
    ReleaseDC(nullptr, dc);
    EXPECT_GE(probe.window.cx, (120 + 7) * space.cx + kFixLeftWidth + kFixRightWidth);
}

TEST_F(SkinTest, FontDialogIsFramed) {
    TForm* owner = ShowForm(L"FontOwner", 200, 100);
    DialogProbe probe;
    DialogProbe::current = &probe;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, &DialogProbe::Tick);
    TFontDialog dialog(nullptr);
    dialog.Execute(owner->Handle());
    KillTimer(nullptr, timer);
    EXPECT_TRUE(probe.framed);
}

TEST_F(SkinTest, SkinChangeReachesEveryFrameAndDetachKeepsTheClientArea) {
    TForm* a = ShowForm(L"ChangeA", 220, 120);
    TForm* b = ShowForm(L"ChangeB", 180, 90);
    int changes = 0;
    data->OnSkinChanged = [&](skin::TSkinData&) { ++changes; };
    // The same fixture with the left border in another colour and wider.
    const COLORREF newLeft = RGB(255, 128, 0);
    ChangeSkin(FlatSkinPackage(newLeft, 9));
    ASSERT_FALSE(data->NoSkin);
    Pump(100);
    EXPECT_EQ(changes, 0) << "the refresh waits for the command timer";
    Pump(400);
    EXPECT_EQ(changes, 1);
    for (TForm* f : {a, b}) {
        EXPECT_EQ(ScreenPixel(f->Handle(), 7, 40), newLeft) << "repainted with the new skin";
        EXPECT_EQ(SendMessageW(f->Handle(), skin::frames::SKINMSG_QUERY, 0, 0), 1);
    }
    EXPECT_EQ(ClientSize(a->Handle()).cx, 220);
    EXPECT_EQ(ClientSize(a->Handle()).cy, 120);
    EXPECT_EQ(WindowSize(a->Handle()).cx, 220 + 9 + kFixRightWidth);
    EXPECT_EQ(ClientSize(b->Handle()).cy, 90);

    data->SetActive(false);
    Pump(400);
    for (TForm* f : {a, b}) {
        EXPECT_NE(SendMessageW(f->Handle(), skin::frames::SKINMSG_QUERY, 0, 0), 1);
        HRGN probe = CreateRectRgn(0, 0, 0, 0);
        EXPECT_EQ(GetWindowRgn(f->Handle(), probe), ERROR) << "region removed";
        DeleteObject(probe);
    }
    EXPECT_EQ(ClientSize(a->Handle()).cx, 220);
    EXPECT_EQ(ClientSize(a->Handle()).cy, 120);
    EXPECT_EQ(ClientSize(b->Handle()).cx, 180);
    EXPECT_EQ(ClientSize(b->Handle()).cy, 90);
}

// Counts the frame paints each window of the thread receives.
std::map<HWND, int> ncPaints;
LRESULT CALLBACK CountNcPaint(int code, WPARAM wp, LPARAM lp) {
    if (code >= 0 && reinterpret_cast<CWPSTRUCT*>(lp)->message == WM_NCPAINT)
        ++ncPaints[reinterpret_cast<CWPSTRUCT*>(lp)->hwnd];
    return CallNextHookEx(nullptr, code, wp, lp);
}

TEST_F(SkinTest, SkinOfTheSameSizeReshapesEveryOutlineAndPaintsEachFrameOnce) {
    TForm* a = ShowForm(L"ReshapeA", 220, 120);
    TForm* b = ShowForm(L"ReshapeB", 180, 90);
    b->SetBounds(400, 100, b->Width(), b->Height());
    Pump(100);
    for (TForm* f : {a, b}) ASSERT_FALSE(InRegion(f->Handle(), kFixLeftWidth, 0)) << "rounded corner";
    ncPaints.clear();
    HHOOK counter = SetWindowsHookExW(WH_CALLWNDPROC, CountNcPaint, nullptr, GetCurrentThreadId());
    ChangeSkin(FlatSkinPackage(kFixLeft, kFixLeftWidth, false));
    Pump(400);
    UnhookWindowsHookEx(counter);
    for (TForm* f : {a, b}) {
        EXPECT_TRUE(InRegion(f->Handle(), kFixLeftWidth, 0)) << "square corner of the new skin";
        EXPECT_EQ(ncPaints[f->Handle()], 1) << "resized and reshaped, then painted once";
    }
}

}  // namespace

namespace {

constexpr UINT kAskOwnProc = WM_APP + 7;
WNDPROC stackedNext = nullptr;
int stackedSeen = 0;

LRESULT CALLBACK OwnProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    return msg == kAskOwnProc ? 42 : DefWindowProcW(w, msg, wp, lp);
}

// Another subclass installed on top of the frame's procedure.
LRESULT CALLBACK StackedProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == kAskOwnProc) ++stackedSeen;
    return CallWindowProcW(stackedNext, w, msg, wp, lp);
}

TEST_F(SkinTest, FrameUnderAnotherSubclassPassesMessagesOnAfterItLetsGo) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = OwnProc;
    wc.lpszClassName = L"ZunoStackedPlain";
    RegisterClassW(&wc);
    HWND w = CreateWindowExW(0, wc.lpszClassName, L"Stacked", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 120, 120, 240, 160,
                             nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(w);
    Pump(150);
    ASSERT_EQ(SendMessageW(w, skin::frames::SKINMSG_QUERY, 0, 0), 1);
    stackedNext = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&StackedProc)));
    data->SetActive(false);
    Pump(400);
    // The frame is gone; its place in the chain reaches the window's own procedure.
    EXPECT_NE(SendMessageW(w, skin::frames::SKINMSG_QUERY, 0, 0), 1);
    EXPECT_EQ(SendMessageW(w, kAskOwnProc, 0, 0), 42);
    data->SetActive(true);
    Pump(400);
    ASSERT_TRUE(SkinManager->SkinWindow(w)) << "as at its next activation";
    Pump(50);
    // Framed again in the same place, without a loop between the two subclasses.
    EXPECT_EQ(SendMessageW(w, skin::frames::SKINMSG_QUERY, 0, 0), 1);
    stackedSeen = 0;
    EXPECT_EQ(SendMessageW(w, kAskOwnProc, 0, 0), 42);
    EXPECT_EQ(stackedSeen, 1);
    DestroyWindow(w);
    Pump(50);
    EXPECT_TRUE(errors.empty());
}

}  // namespace

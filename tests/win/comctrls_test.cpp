// The form layer's common controls on real windows, and the thumb drag's local
// message loop: the requests it sends, and that it ends on lost capture, a destroyed
// window and WM_QUIT without spinning.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "forms/Application.h"
#include "forms/ComCtrls.h"
#include "forms/Form.h"
#include "forms/Panels.h"
#include "skin/scrollbars/ThumbTrack.h"

namespace {

using namespace zuno::forms;
using namespace zuno::skin::scrollbars;

class ComCtrlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&icc);
        app = std::make_unique<TApplication>();
        app->OnException = [this](const std::wstring& text) { errors.push_back(text); };
        form = app->CreateForm<TForm>(L"ComCtrlsProbe");
        form->SetClientSize(500, 400);
    }
    void TearDown() override {
        app.reset();
        EXPECT_TRUE(errors.empty());
    }
    template <class T>
    T* Make(int left, int top, int width, int height, TWinControl* parent = nullptr) {
        auto* c = new T(form);
        c->SetParent(parent ? parent : form);
        c->SetBounds(left, top, width, height);
        return c;
    }
    void Show() {
        form->ShowForm();
        app->ProcessMessages();
    }
    std::unique_ptr<TApplication> app;
    TForm* form = nullptr;
    std::vector<std::wstring> errors;
};

TEST_F(ComCtrlsTest, PageControlShowsOnlyTheActivePageAndFollowsTheTabs) {
    auto* pages = Make<TPageControl>(10, 10, 300, 200);
    TTabSheet* first = pages->AddPage(L"第一页");
    TTabSheet* second = pages->AddPage(L"第二页");
    int changes = 0;
    pages->OnChange = [&](TComponent*) { ++changes; };
    Show();
    EXPECT_TRUE(IsWindowVisible(first->Handle()));
    EXPECT_FALSE(IsWindowVisible(second->Handle()));
    const RECT display = pages->DisplayRect();
    EXPECT_EQ(second->Left(), display.left);
    EXPECT_EQ(second->Width(), display.right - display.left);
    // A click on the second tab, as the user gives it.
    RECT tab{};
    SendMessageW(pages->Handle(), TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&tab));
    const LPARAM at = MAKELPARAM((tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
    SendMessageW(pages->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(pages->Handle(), WM_LBUTTONUP, 0, at);
    app->ProcessMessages();
    EXPECT_EQ(pages->TabIndex(), 1);
    EXPECT_EQ(pages->ActivePage(), second);
    EXPECT_TRUE(IsWindowVisible(second->Handle()));
    EXPECT_FALSE(IsWindowVisible(first->Handle()));
    EXPECT_EQ(changes, 1);
}

TEST_F(ComCtrlsTest, TabPositionsBecomeStyles) {
    struct Case { TTabPosition pos; LONG_PTR bits; } cases[] = {
        {TTabPosition::tpTop, 0}, {TTabPosition::tpBottom, TCS_BOTTOM},
        {TTabPosition::tpLeft, TCS_VERTICAL}, {TTabPosition::tpRight, TCS_VERTICAL | TCS_BOTTOM},
    };
    for (const Case& c : cases) {
        auto* tabs = new TTabControl(form);
        tabs->TabPosition = c.pos;  // a style: set before the window exists
        tabs->SetParent(form);
        tabs->AddTab(L"甲");
        const LONG_PTR style = GetWindowLongPtrW(tabs->Handle(), GWL_STYLE);
        EXPECT_EQ(style & (TCS_VERTICAL | TCS_BOTTOM), c.bits) << int(c.pos);
    }
}

TEST_F(ComCtrlsTest, StatusProgressTrackAndUpDownKeepTheirValues) {
    auto* status = Make<TStatusBar>(0, 0, 400, 20);
    status->Panels = {{L"就绪", 100}, {L"", 80, TAlignment::taCenter, TStatusPanelBevel::pbRaised}, {L"末", 50}};
    auto* progress = Make<TProgressBar>(10, 40, 200, 16);
    progress->SetRange(0, 120);
    progress->SetPosition(30);
    auto* track = Make<TTrackBar>(10, 70, 200, 40);
    track->SetRange(0, 20);
    track->SetPosition(25);  // clamped
    auto* updown = Make<TUpDown>(220, 40, 17, 30);
    updown->SetRange(0, 9);
    updown->SetPosition(4);
    std::vector<bool> steps;
    updown->OnClickButton = [&](TComponent*, bool up) { steps.push_back(up); };
    Show();
    status->PanelsChanged();
    EXPECT_EQ(SendMessageW(status->Handle(), SB_GETPARTS, 0, 0), 3);
    RECT last{};
    ASSERT_TRUE(SendMessageW(status->Handle(), SB_GETRECT, 2, reinterpret_cast<LPARAM>(&last)));
    RECT client{};
    GetClientRect(status->Handle(), &client);
    EXPECT_GE(last.right, client.right - 2);  // the last panel runs to the bar's end
    EXPECT_EQ(SendMessageW(progress->Handle(), PBM_GETPOS, 0, 0), 30);
    EXPECT_EQ(SendMessageW(progress->Handle(), PBM_GETRANGE, 0, 0), 120);
    EXPECT_EQ(track->Position(), 20);
    EXPECT_EQ(SendMessageW(updown->Handle(), UDM_GETPOS32, 0, 0), 4);
    // A press on the upper half steps up.
    SendMessageW(updown->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 4));
    SendMessageW(updown->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(8, 4));
    app->ProcessMessages();
    ASSERT_EQ(steps.size(), 1u);
    EXPECT_TRUE(steps[0]);
    EXPECT_EQ(updown->Position(), 5);
}

TEST_F(ComCtrlsTest, ToolBarClicksAndDrawsThroughItsHandler) {
    auto* bar = Make<TToolBar>(0, 0, 400, 28);
    TToolButton* open = bar->AddButton(L"打开");
    TToolButton* off = bar->AddButton(L"停用");
    off->Enabled = false;
    int clicks = 0;
    open->OnClick = [&](TComponent*) { ++clicks; };
    std::vector<TToolButton*> drawn;
    bar->OnCustomDrawButton = [&](TToolBar* sender, TToolButton* b, UINT, HDC dc, bool&) {
        EXPECT_NE(dc, nullptr);
        EXPECT_FALSE(sender->FacesPainted) << "a painter's claim holds for its own button only";
        sender->FacesPainted = true;
        drawn.push_back(b);
    };
    Show();
    UpdateWindow(bar->Handle());
    RedrawWindow(bar->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_NE(std::find(drawn.begin(), drawn.end(), open), drawn.end());
    EXPECT_NE(std::find(drawn.begin(), drawn.end(), off), drawn.end());
    const RECT r = open->BoundsRect();
    EXPECT_GT(r.right, r.left);
    const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    SendMessageW(bar->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(bar->Handle(), WM_LBUTTONUP, 0, at);
    app->ProcessMessages();
    EXPECT_EQ(clicks, 1);
}

TEST_F(ComCtrlsTest, ListViewHasItsHeaderAndRows) {
    auto* list = Make<TListView>(10, 10, 300, 150);
    list->AddColumn({L"名称", 120});
    list->AddColumn({L"大小", 80, TAlignment::taRightJustify});
    for (int i = 0; i < 30; ++i) list->AddItem({L"条目" + std::to_wstring(i), std::to_wstring(i * 10)});
    Show();
    HWND header = list->HeaderHandle();
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageW(list->Handle(), LVM_GETITEMCOUNT, 0, 0), 30);
    wchar_t text[32]{};
    LVITEMW item{};
    item.iSubItem = 1;
    item.pszText = text;
    item.cchTextMax = 32;
    SendMessageW(list->Handle(), LVM_GETITEMTEXTW, 7, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(text, L"70");
    list->SetItemIndex(3);
    EXPECT_EQ(list->ItemIndex(), 3);
    EXPECT_TRUE(GetWindowLongPtrW(list->Handle(), GWL_STYLE) & WS_VSCROLL);  // 30 rows overflow
}

TEST_F(ComCtrlsTest, ScrollBoxMovesItsChildren) {
    auto* box = Make<TScrollBox>(10, 10, 200, 150);
    auto* deep = Make<TPanel>(0, 400, 100, 50, box);
    Show();
    box->Realign();
    SCROLLINFO si{sizeof si, SIF_ALL};
    GetScrollInfo(box->Handle(), SB_VERT, &si);
    EXPECT_EQ(si.nMax, 449);
    SendMessageW(box->Handle(), WM_VSCROLL, SB_BOTTOM, 0);
    RECT client{};
    GetClientRect(box->Handle(), &client);
    EXPECT_EQ(box->VertPosition(), 450 - client.bottom);
    EXPECT_EQ(deep->Top(), 400 - box->VertPosition());
    RECT r{};
    GetWindowRect(deep->Handle(), &r);
    MapWindowPoints(nullptr, box->Handle(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.top, deep->Top());
    SendMessageW(box->Handle(), WM_VSCROLL, SB_TOP, 0);
    EXPECT_EQ(deep->Top(), 400);
}

// ---- thumb drag ----------------------------------------------------------------

struct Recorder {
    std::vector<int> codes;
    std::vector<int> positions;
};

LRESULT CALLBACK RecordProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* rec = reinterpret_cast<Recorder*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (rec && msg == WM_VSCROLL) {
        rec->codes.push_back(LOWORD(wp));
        rec->positions.push_back(HIWORD(wp));
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

class ThumbTrackTest : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSW wc{};
        wc.lpfnWndProc = RecordProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"ThumbTrackProbe";
        RegisterClassW(&wc);
        hwnd = CreateWindowExW(0, L"ThumbTrackProbe", L"", WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_VISIBLE,
                               50, 50, 200, 220, nullptr, nullptr, wc.hInstance, nullptr);
        ASSERT_NE(hwnd, nullptr);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&rec));
        SCROLLINFO si{sizeof si, SIF_ALL};
        si.nMax = 99;
        si.nPage = 10;
        si.nPos = 45;
        SetScrollInfo(hwnd, SB_VERT, &si, FALSE);
        drag.window = hwnd;
        drag.start = {100, 200};
        drag.metrics = {16, 148, 15, 67};
        drag.values = {0, 99, 10, 45, 45};
        MSG m;
        while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&m);
    }
    void TearDown() override {
        if (IsWindow(hwnd)) DestroyWindow(hwnd);
        MSG m;
        while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&m);
    }
    // A mouse move `dy` pixels below the press, in the window's client coordinates.
    void PostMove(int dy) {
        POINT p{drag.start.x, drag.start.y + dy};
        ScreenToClient(hwnd, &p);
        PostMessageW(hwnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    }
    void DispatchPending() {
        MSG m;
        while (PeekMessageW(&m, hwnd, 0, 0, PM_REMOVE)) DispatchMessageW(&m);
    }
    HWND hwnd = nullptr;
    Recorder rec;
    ThumbDrag drag;
};

TEST_F(ThumbTrackTest, DragToTheEndReportsTrackPositionThenEnd) {
    PostMove(10);
    PostMove(10);   // the same position again: no second report
    PostMove(81);   // the end of the track: 99 >= 89 reports 90
    PostMessageW(hwnd, WM_LBUTTONUP, 0, 0);
    std::vector<int> thumbs;
    EXPECT_EQ(TrackThumb(drag, [&](int t) { thumbs.push_back(t); }), TrackEnd::Released);
    DispatchPending();
    EXPECT_EQ(rec.codes, (std::vector<int>{SB_THUMBTRACK, SB_THUMBTRACK, SB_THUMBPOSITION, SB_ENDSCROLL}));
    EXPECT_EQ(rec.positions[0], 52);
    EXPECT_EQ(rec.positions[1], 90);
    EXPECT_EQ(rec.positions[2], 90);
    EXPECT_EQ(thumbs, (std::vector<int>{77, 133}));
    SCROLLINFO si{sizeof si, SIF_POS};
    GetScrollInfo(hwnd, SB_VERT, &si);
    EXPECT_EQ(si.nPos, 90);
    EXPECT_NE(GetCapture(), hwnd);
}

TEST_F(ThumbTrackTest, ReleaseWithoutMovingReportsTheStartPosition) {
    PostMessageW(hwnd, WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(TrackThumb(drag, nullptr), TrackEnd::Released);
    DispatchPending();
    EXPECT_EQ(rec.codes, (std::vector<int>{SB_THUMBPOSITION, SB_ENDSCROLL}));
    EXPECT_EQ(rec.positions[0], 45);
}

TEST_F(ThumbTrackTest, EndsWhenCaptureIsLostOrTheWindowDies) {
    // The capture goes while the drag runs (as when a message box pops up).
    SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        ReleaseCapture();
    });
    EXPECT_EQ(TrackThumb(drag, nullptr), TrackEnd::CaptureLost);
    DispatchPending();
    EXPECT_EQ(rec.codes, (std::vector<int>{SB_THUMBPOSITION, SB_ENDSCROLL}));

    static HWND victim;
    victim = hwnd;
    SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        DestroyWindow(victim);
    });
    EXPECT_EQ(TrackThumb(drag, nullptr), TrackEnd::Destroyed);
    EXPECT_FALSE(IsWindow(hwnd));
}

TEST_F(ThumbTrackTest, HandsWmQuitOnAndWaitsWithoutSpinning) {
    // Nothing arrives for 300 ms: a loop that polls would burn that time on the CPU.
    SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        PostQuitMessage(7);
    });
    FILETIME created, exited, kernel0, user0, kernel1, user1;
    GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel0, &user0);
    EXPECT_EQ(TrackThumb(drag, nullptr), TrackEnd::Quit);
    GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel1, &user1);
    auto ticks = [](FILETIME f) { return (ULONGLONG(f.dwHighDateTime) << 32) | f.dwLowDateTime; };
    const ULONGLONG busy = (ticks(user1) - ticks(user0)) + (ticks(kernel1) - ticks(kernel0));
    EXPECT_LT(busy, 1500000u);  // under 150 ms of the 300 (100-ns units)
    MSG m{};
    EXPECT_TRUE(PeekMessageW(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(m.wParam, 7u);
    DispatchPending();
    EXPECT_EQ(rec.codes, (std::vector<int>{SB_THUMBPOSITION, SB_ENDSCROLL}));
}

}  // namespace

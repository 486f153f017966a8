// The scroll-bar and common-control wrappers on real windows, skinned from a skin
// in flat colours: every skin frame has its own colour, so a pixel read back from
// the screen names the frame drawn there. One test per family, at the frames the
// layout rules compute; the thumb drag's requests; the display page's scroll bar.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "app/MainModule.h"
#include "app/MainWindow.h"
#include "content/ConnectionString.h"
#include "forms/Application.h"
#include "forms/ComCtrls.h"
#include "forms/Form.h"
#include "forms/StdCtrls.h"
#include "skin/commonctrls/core/ControlLayout.h"
#include "skin/controls/SkinControl.h"
#include "skin/draw/BmpEncoder.h"
#include "skin/frames/WinSkinData.h"
#include "skin/frames/WinSkinForm.h"
#include "skin/package/LzhEncoder.h"
#include "skin/scrollbars/core/ScrollGeometry.h"
#include "tests/win/ProgramUnderTest.h"
#include "tests/win/PumpMessages.h"
#include "winutil/WideText.h"

namespace {

using namespace zuno;
using namespace zuno::forms;
using skin::Pixel32;
using skin::SkinBitmap;

COLORREF ArrowColour(int frame) { return RGB(frame * 10, 200 - frame * 5, 30); }
constexpr COLORREF kShaft = RGB(60, 160, 60);
constexpr COLORREF kThumb = RGB(200, 100, 0), kThumbPressed = RGB(100, 50, 0);
constexpr COLORREF kTabFrames[5] = {RGB(0, 120, 200), RGB(0, 60, 100), RGB(90, 90, 90), RGB(91, 91, 91), RGB(92, 92, 92)};
constexpr COLORREF kBorder = RGB(150, 0, 0);
constexpr COLORREF kPanelFrames[3] = {RGB(0, 0, 160), RGB(160, 0, 0), RGB(0, 160, 0)};
constexpr COLORREF kProgressBack = RGB(220, 220, 220), kProgressFill = RGB(0, 180, 0);
COLORREF UpDownColour(int frame) { return RGB(0, 30 * frame, 90); }
constexpr COLORREF kTrackThumb = RGB(250, 120, 0);
constexpr COLORREF kHeader = RGB(120, 120, 220), kHeaderText = RGB(250, 250, 0);
constexpr COLORREF kFace = RGB(240, 240, 240), kButtonText = RGB(0, 0, 160);
constexpr COLORREF kToolFrames[5] = {RGB(30, 0, 0), RGB(0, 30, 0), RGB(0, 0, 30), RGB(30, 30, 0), RGB(0, 30, 30)};

Pixel32 P(COLORREF c) { return skin::MakePixel(GetRValue(c), GetGValue(c), GetBValue(c)); }

SkinBitmap Frames(int w, int h, int n, COLORREF (*colour)(int)) {
    SkinBitmap b(w * n, h);
    for (int i = 0; i < n; ++i) b.Fill({i * w, 0, (i + 1) * w, h}, P(colour(i + 1)));
    return b;
}

template <std::size_t N>
SkinBitmap Frames(int w, int h, const COLORREF (&colours)[N]) {
    SkinBitmap b(w * static_cast<int>(N), h);
    for (std::size_t i = 0; i < N; ++i) b.Fill({int(i) * w, 0, int(i + 1) * w, h}, P(colours[i]));
    return b;
}

skin::SkinPackageMember Bmp(std::string name, const SkinBitmap& b) { return {std::move(name), skin::EncodeBmp24(b)}; }

std::vector<std::uint8_t> CommonControlsSkin() {
    const std::string ini =
        "[Personality]\r\nSkinName=flat controls\r\n"
        "[Colours]\r\nButtonFace=240 240 240\r\nButtonText=0 0 160\r\nButtonShadow=50 50 50\r\nScrollbar=10 10 10\r\n"
        "[Scrollbar]\r\nImage=arrows.bmp\r\n"
        "[HorzScroll]\r\nImage=shaft.bmp\r\n[VertScroll]\r\nImage=shaft.bmp\r\n"
        "[HorzScrollThumb]\r\nImage=thumb.bmp\r\nFrameCount=2\r\n"
        "[VertScrollThumb]\r\nImage=thumb.bmp\r\nFrameCount=2\r\n"
        "[Tabs]\r\nImage=tabs.bmp\r\nBorder=border.bmp\r\n"
        "[StatusBarEdges]\r\nImage=panels.bmp\r\n"
        "[Progress]\r\nBitmap=progress.bmp\r\n"
        "[UpDown.Vert]\r\nImage=updown.bmp\r\n"
        "[Trackbar.ThumbHorz]\r\nImage=trackthumb.bmp\r\n"
        "[Headerbar]\r\nImage=header.bmp\r\nNormalColour2=250 250 0\r\n"
        "[Buttons]\r\nBitmap=buttons.bmp\r\n";
    const COLORREF thumbs[] = {kThumb, kThumbPressed};
    const COLORREF progress[] = {kProgressBack, kProgressFill};
    const COLORREF shaft[] = {kShaft, kShaft, kShaft, kShaft};
    const COLORREF track[] = {RGB(1, 1, 1), kTrackThumb, RGB(2, 2, 2), RGB(3, 3, 3), RGB(4, 4, 4)};
    const COLORREF header[] = {kHeader, RGB(5, 5, 5), RGB(6, 6, 6), RGB(7, 7, 7), RGB(8, 8, 8)};
    std::vector<skin::SkinPackageMember> m;
    m.push_back({"skin.ini", std::vector<std::uint8_t>(ini.begin(), ini.end())});
    m.push_back(Bmp("arrows.bmp", Frames(4, 4, 23, ArrowColour)));
    m.push_back(Bmp("shaft.bmp", Frames(4, 4, shaft)));
    m.push_back(Bmp("thumb.bmp", Frames(4, 4, thumbs)));
    m.push_back(Bmp("tabs.bmp", Frames(8, 8, kTabFrames)));
    m.push_back(Bmp("border.bmp", SkinBitmap(12, 12, P(kBorder))));
    m.push_back(Bmp("panels.bmp", Frames(6, 6, kPanelFrames)));
    m.push_back(Bmp("progress.bmp", Frames(6, 6, progress)));
    m.push_back(Bmp("updown.bmp", Frames(6, 6, 8, UpDownColour)));
    m.push_back(Bmp("trackthumb.bmp", Frames(6, 6, track)));
    m.push_back(Bmp("header.bmp", Frames(6, 6, header)));
    m.push_back(Bmp("buttons.bmp", Frames(6, 6, kToolFrames)));
    return skin::WriteSkinPackage(m);
}

class SkinCommonControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetCursorPos(0, 0);
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&icc);
        app = std::make_unique<TApplication>();
        app->OnException = [this](const std::wstring& text) { errors.push_back(text); };
        form = app->CreateForm<TForm>(L"CommonControlsHost");
        form->SetClientSize(520, 360);
        form->SetBounds(60, 60, form->Width(), form->Height());
        data = new skin::frames::TSkinData(form);
        data->BeginLoading();
        data->PackageStream = CommonControlsSkin();
        ASSERT_TRUE(data->LoadPackage());
        data->SetActive(true);
        data->Loaded();
    }
    void TearDown() override {
        app.reset();
        EXPECT_TRUE(errors.empty());
    }
    void Pump(int ms = 50) {
        zuno::wintest::PumpFor(*app, ms);
    }
    template <class T>
    T* Add(int x, int y, int w, int h) {
        auto* c = new T(form);
        c->SetParent(form);
        c->SetBounds(x, y, w, h);
        return c;
    }
    void Show() {
        form->ShowForm();
        Pump(300);
    }
    std::string WrapperClass(TWinControl* c) {
        auto* frame = skin::frames::TWinSkinForm::FromWindow(form->Handle());
        if (!frame) return "no frame";
        for (auto* s : frame->Wrappers)
            if (s->Window == c->HandleIfAllocated()) return std::string(s->ClassName());
        return "none";
    }
    // A pixel of a window as shown on screen, in window coordinates.
    static COLORREF Pixel(HWND w, int x, int y) {
        RECT r;
        GetWindowRect(w, &r);
        HDC dc = GetDC(nullptr);
        const COLORREF c = GetPixel(dc, r.left + x, r.top + y);
        ReleaseDC(nullptr, dc);
        return c;
    }
    // Whether text in the colour shows in the rectangle (window coordinates) over the
    // background: smoothed glyphs blend the two, so a pixel on the line from the
    // background towards the colour (roughly: smoothing is not linear), a quarter of
    // the way or more, counts.
    static bool ShowsText(HWND w, RECT r, COLORREF colour, COLORREF background) {
        const int to[3] = {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
        const int from[3] = {GetRValue(background), GetGValue(background), GetBValue(background)};
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) {
                const COLORREF c = Pixel(w, x, y);
                const int at[3] = {GetRValue(c), GetGValue(c), GetBValue(c)};
                double lo = 2, hi = -1;
                for (int k = 0; k < 3; ++k) {
                    if (std::abs(to[k] - from[k]) < 40) continue;
                    const double t = double(at[k] - from[k]) / (to[k] - from[k]);
                    lo = std::min(lo, t), hi = std::max(hi, t);
                }
                if (hi >= lo && lo >= 0.25 && hi - lo <= 0.35) return true;
            }
        return false;
    }
    std::unique_ptr<TApplication> app;
    TForm* form = nullptr;
    skin::frames::TSkinData* data = nullptr;
    std::vector<std::wstring> errors;
};

TEST_F(SkinCommonControlsTest, ScrollBarControlShowsArrowsThumbAndThePressedArrow) {
    auto* bar = new TScrollBar(form);
    bar->Kind = TScrollBarKind::sbVertical;
    bar->SetParent(form);
    bar->SetBounds(10, 10, 17, 200);
    bar->SetParams(50, 0, 100);
    Show();
    ASSERT_EQ(WrapperClass(bar), "TSkinScControl");
    HWND h = bar->Handle();
    const int s = GetSystemMetrics(SM_CXHSCROLL);
    skin::scrollbars::BarMetrics m;
    ASSERT_TRUE(skin::scrollbars::ComputeControlThumb(200, s, 0, 100, 0, 50, 8, GetSystemMetrics(SM_CXHTHUMB), m));
    EXPECT_EQ(Pixel(h, 8, 2), ArrowColour(9));
    EXPECT_EQ(Pixel(h, 8, 197), ArrowColour(13));
    EXPECT_EQ(Pixel(h, 8, s + m.ThumbPos + m.ThumbSize / 2), kThumb);
    EXPECT_EQ(Pixel(h, 8, s + 2), kShaft);
    // What the control sends while its up arrow is held: the arrow shows frame 10.
    SendMessageW(form->Handle(), WM_VSCROLL, SB_LINEUP, reinterpret_cast<LPARAM>(h));
    Pump();
    EXPECT_EQ(Pixel(h, 8, 2), ArrowColour(10));
    EXPECT_EQ(bar->Position(), 49);
    SendMessageW(form->Handle(), WM_VSCROLL, SB_ENDSCROLL, reinterpret_cast<LPARAM>(h));
    Pump();
    EXPECT_EQ(Pixel(h, 8, 2), ArrowColour(9));
}

TEST_F(SkinCommonControlsTest, MemoThumbDragReportsTrackThenPositionThenEnd) {
    auto* memo = Add<TMemo>(40, 10, 200, 150);
    memo->SetScrollBars(TScrollStyle::ssVertical);
    std::vector<std::wstring> lines;
    for (int i = 0; i < 200; ++i) lines.push_back(L"第" + std::to_wstring(i) + L"行");
    memo->SetLines(lines);
    std::vector<int> codes;
    TWndMethod inner = memo->WindowProc;
    memo->WindowProc = [&codes, inner](TMessage& m) {
        if (m.Msg == WM_VSCROLL) codes.push_back(LOWORD(m.WParam));
        inner(m);
    };
    Show();
    ASSERT_EQ(WrapperClass(memo), "TSkinScrollbar");
    HWND h = memo->Handle();
    RECT w, client;
    GetWindowRect(h, &w);
    GetClientRect(h, &client);
    const int s = GetSystemMetrics(SM_CXHSCROLL);
    const int barX = w.left + (w.right - w.left) - s / 2 - 2;  // inside the vertical bar
    SCROLLINFO si{sizeof si, SIF_ALL};
    GetScrollInfo(h, SB_VERT, &si);
    skin::scrollbars::BarMetrics m;
    const int edge = ((w.right - w.left) - client.right - s) / 2;
    ASSERT_TRUE(skin::scrollbars::ComputeThumb((w.bottom - w.top) - 2 * edge, s,
                                               {si.nMin, si.nMax, si.nPage, si.nPos, 0}, 8,
                                               GetSystemMetrics(SM_CXHTHUMB), m));
    POINT thumb{barX, w.top + edge + s + m.ThumbPos + m.ThumbSize / 2};
    EXPECT_EQ(Pixel(h, thumb.x - w.left, thumb.y - w.top), kThumb);
    // Drag it 40 pixels down, then let go.
    POINT to{thumb.x, thumb.y + 40};
    ScreenToClient(h, &to);
    PostMessageW(h, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
    PostMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
    SendMessageW(h, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(thumb.x, thumb.y));
    Pump(100);
    ASSERT_GE(codes.size(), 3u);
    EXPECT_EQ(codes[0], SB_THUMBTRACK);
    EXPECT_EQ(codes[codes.size() - 2], SB_THUMBPOSITION);
    EXPECT_EQ(codes.back(), SB_ENDSCROLL);
    EXPECT_GT(SendMessageW(h, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(SkinCommonControlsTest, StatusPanelsProgressTrackBarAndUpDownAtTheirFrames) {
    auto* status = Add<TStatusBar>(0, 330, 520, 22);
    status->SetSizeGrip(false);
    status->Panels = {{L"", 100}, {L"", 100, TAlignment::taLeftJustify, TStatusPanelBevel::pbRaised},
                      {L"", 100, TAlignment::taLeftJustify, TStatusPanelBevel::pbNone}};
    auto* progress = Add<TProgressBar>(10, 10, 200, 16);
    progress->SetRange(0, 120);
    progress->SetPosition(30);
    auto* track = Add<TTrackBar>(10, 40, 200, 40);
    track->SetPosition(5);
    auto* updown = Add<TUpDown>(230, 10, 17, 31);
    Show();
    status->PanelsChanged();
    RedrawWindow(status->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(WrapperClass(status), "TSkinStatusBar");
    EXPECT_EQ(WrapperClass(progress), "TSkinProgress");
    for (int i = 0; i < 3; ++i) {
        RECT q{};
        SendMessageW(status->Handle(), SB_GETRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&q));
        EXPECT_EQ(Pixel(status->Handle(), q.left + 3, q.bottom - 2), kPanelFrames[i]) << i;
    }
    EXPECT_EQ(Pixel(status->Handle(), 518, 11), kPanelFrames[2]);  // the last panel reaches the end
    // 30 of 120 over 200 pixels fills to x = 50.
    EXPECT_EQ(Pixel(progress->Handle(), 49, 8), kProgressFill);
    EXPECT_EQ(Pixel(progress->Handle(), 50, 8), kProgressBack);
    RECT thumb{};
    SendMessageW(track->Handle(), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    EXPECT_EQ(Pixel(track->Handle(), (thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2), kTrackThumb);
    // Pressed over the lower half: frame 1 above, frame 6 below.
    RECT r;
    GetWindowRect(updown->Handle(), &r);
    SetCursorPos(r.left + 8, r.top + 24);
    SendMessageW(updown->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 24));
    EXPECT_EQ(Pixel(updown->Handle(), 8, 5), UpDownColour(1));
    EXPECT_EQ(Pixel(updown->Handle(), 8, 24), UpDownColour(6));
    SendMessageW(updown->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(8, 24));
    SetCursorPos(0, 0);
}

TEST_F(SkinCommonControlsTest, TabsAndHeaderItemsAtTheirFrames) {
    auto* pages = Add<TPageControl>(10, 10, 240, 150);
    pages->AddPage(L"甲");
    pages->AddPage(L"乙");
    auto* list = Add<TListView>(260, 10, 240, 150);
    list->AddColumn({L"名称", 100});
    list->AddColumn({L"说明", 80, TAlignment::taCenter});
    list->AddItem({L"一", L"二"});
    Show();
    EXPECT_EQ(WrapperClass(pages), "TSkinTab");
    EXPECT_EQ(WrapperClass(list), "TSkinListView");
    HWND t = pages->Handle();
    for (int i = 0; i < 2; ++i) {
        RECT item{};
        SendMessageW(t, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        // Inside the tab, off its caption: the focused tab shows frame 2, the other frame 1.
        EXPECT_EQ(Pixel(t, item.left + 2, item.top + 3), kTabFrames[i == 0 ? 1 : 0]) << i;
    }
    RECT display{0, 0, 240, 150};
    SendMessageW(t, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    EXPECT_EQ(Pixel(t, display.left - 4, (display.top + display.bottom) / 2), kBorder);  // the page border
    HWND header = list->HeaderHandle();
    RECT item{};
    SendMessageW(header, HDM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(Pixel(header, item.left + 2, item.bottom - 2), kHeader);
    EXPECT_EQ(Pixel(header, item.right + 5, item.bottom - 2), kHeader);  // past the last item
    EXPECT_TRUE(ShowsText(header, item, kHeaderText, kHeader)) << "captions in the Headerbar's text colour";
}

// Tabs on every side: the strip painted lying down and turned puts each tab's frame
// at the rectangle the control reports; inside the page border the face shows.
TEST_F(SkinCommonControlsTest, TabsOnEverySideAtTheirFramesWithTheFaceInside) {
    const TTabPosition sides[] = {TTabPosition::tpTop, TTabPosition::tpBottom, TTabPosition::tpLeft,
                                  TTabPosition::tpRight};
    std::vector<TTabControl*> tabs;
    for (int i = 0; i < 4; ++i) {
        auto* t = new TTabControl(form);
        t->TabPosition = sides[i];
        t->SetParent(form);
        t->SetBounds(10 + (i % 2) * 250, 10 + (i / 2) * 160, 240, 150);
        t->AddTab(L"甲");
        t->AddTab(L"乙");
        tabs.push_back(t);
    }
    Show();
    for (int side = 0; side < 4; ++side) {
        SCOPED_TRACE(side);
        HWND t = tabs[static_cast<size_t>(side)]->Handle();
        ASSERT_EQ(WrapperClass(tabs[static_cast<size_t>(side)]), "TSkinTab");
        for (int i = 0; i < 2; ++i) {
            RECT item{};
            SendMessageW(t, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
            EXPECT_EQ(Pixel(t, item.left + 3, item.top + 3), kTabFrames[i == 0 ? 1 : 0]) << i;
        }
        RECT display{0, 0, 240, 150};
        SendMessageW(t, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
        EXPECT_EQ(Pixel(t, (display.left + display.right) / 2, (display.top + display.bottom) / 2), kFace);
    }
}

// Pages, scroll boxes and track bars take the face colour the skin gives the form.
TEST_F(SkinCommonControlsTest, PagesScrollBoxesAndTrackBarsShowTheFace) {
    auto* pages = Add<TPageControl>(10, 10, 200, 150);
    pages->AddPage(L"甲");
    auto* box = Add<TScrollBox>(220, 10, 150, 150);
    auto* track = Add<TTrackBar>(10, 170, 200, 40);
    Show();
    const RECT display = pages->DisplayRect();
    const struct { HWND window; POINT at; } places[] = {
        {pages->Pages(0)->Handle(), {(display.right - display.left) / 2, (display.bottom - display.top) / 2}},
        {box->Handle(), {75, 75}},
        {track->Handle(), {2, 2}},
    };
    for (const auto& p : places) EXPECT_EQ(Pixel(p.window, p.at.x, p.at.y), kFace) << p.at.x;
}

// Tool buttons: captions without a skin frame in the skin's button text colour; a
// checked button shows the pressed frame, a hot one the mouse-over frame.
TEST_F(SkinCommonControlsTest, ToolButtonsCaptionsAndFrames) {
    auto* bar = Add<TToolBar>(0, 0, 520, 30);
    TToolButton* plain = bar->AddButton(L"新建");
    TToolButton* next = bar->AddButton(L"打开");
    TToolButton* down = bar->AddButton(L"按下");
    down->Check = true;
    down->Down = true;
    TToolButton* off = bar->AddButton(L"停用");
    off->Enabled = false;
    Show();
    HWND h = bar->Handle();
    for (TToolButton* b : {plain, next}) EXPECT_TRUE(ShowsText(h, b->BoundsRect(), kButtonText, kFace)) << b->Caption;
    const RECT o = off->BoundsRect();
    bool white = false;  // the system's etched highlight, brighter than the face
    for (int y = o.top; y < o.bottom; ++y)
        for (int x = o.left; x < o.right; ++x) white = white || Pixel(h, x, y) == RGB(255, 255, 255);
    EXPECT_FALSE(white) << "no etched highlight beside a disabled caption";
    const RECT d = down->BoundsRect();
    EXPECT_EQ(Pixel(h, d.left + 2, d.top + 2), kToolFrames[1]) << "frame 2 for a down button";
    RECT p = plain->BoundsRect();
    EXPECT_NE(Pixel(h, p.left + 2, p.top + 2), kToolFrames[0]) << "no frame without a state";
    RECT w;
    GetWindowRect(h, &w);
    SetCursorPos(w.left + p.left + 3, w.top + p.top + 3);
    SendMessageW(h, WM_MOUSEMOVE, 0, MAKELPARAM(p.left + 3, p.top + 3));
    Pump(100);
    EXPECT_EQ(Pixel(h, p.left + 2, p.top + 2), kToolFrames[3]) << "frame 4 under the mouse";
    SetCursorPos(0, 0);
    EXPECT_TRUE(bar->FacesPainted);
    data->SetActive(false);  // unskinned, the tool bar draws its own faces again
    Pump(400);
    RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_FALSE(bar->FacesPainted);
    EXPECT_NE(Pixel(h, d.left + 2, d.top + 2), kToolFrames[1]);
}

// The main window's display page: its scroll bar scrolls the longest sample article.
TEST(SkinDisplayPage, ScrollBarScrollsTheLongArticle) {
    TApplication app;
    app::adoconn.Open(content::DataSourceOf(content::BuildConnectionString(app::Narrow(wintest::ExeFolder()))));
    auto* form = app.CreateForm<app::TForm1>();
    form->ShowForm();
    auto pump = [&app] {
        for (int i = 0; i < 40; ++i) {
            app.ProcessMessages();
            Sleep(5);
        }
    };
    pump();
    form->OpenArticle("20", "心理学简史与常见误区");
    pump();
    ASSERT_TRUE(form->ScrollBar->Visible());
    auto* frame = skin::frames::TWinSkinForm::FromWindow(form->Handle());
    ASSERT_NE(frame, nullptr);
    bool wrapped = false;
    for (auto* s : frame->Wrappers) wrapped = wrapped || (s->Window == form->ScrollBar->Handle() && s->ClassName() == "TSkinScControl");
    EXPECT_TRUE(wrapped);
    const int top = form->Label1->Top();
    HWND bar = form->ScrollBar->Handle();
    const int end = form->ScrollBar->Max();
    SCROLLINFO si{sizeof si, SIF_POS};
    si.nPos = end;
    SetScrollInfo(bar, SB_CTL, &si, FALSE);
    SendMessageW(form->Handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, end & 0xFFFF), reinterpret_cast<LPARAM>(bar));
    SendMessageW(form->Handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, end & 0xFFFF), reinterpret_cast<LPARAM>(bar));
    SendMessageW(form->Handle(), WM_VSCROLL, SB_ENDSCROLL, reinterpret_cast<LPARAM>(bar));
    pump();
    EXPECT_EQ(form->ScrollBar->Position(), end);
    EXPECT_LT(form->Label1->Top(), top - 1000);  // the text moved up by most of its length
    app::adoconn.Close();
}

}  // namespace

// The control wrappers on real windows, skinned from the flat-colour fixture:
// discovery (what gets which wrapper), the pixels of every wrapper family by state,
// and the controls' behaviour kept under the skin.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <thread>
#include <utility>
#include <vector>

#include "forms/Application.h"
#include "forms/Buttons.h"
#include "forms/ExtCtrls.h"
#include "forms/Form.h"
#include "forms/Messages.h"
#include "forms/Panels.h"
#include "forms/StdCtrls.h"
#include "skin/controls/SkinControl.h"
#include "skin/frames/SkinManage.h"
#include "skin/frames/WinSkinData.h"
#include "skin/frames/WinSkinForm.h"
#include "tests/win/SkinFixture.h"
#include "tests/win/PumpMessages.h"

namespace {

using namespace zuno;
using namespace zuno::forms;
using namespace zuno::wintest;
using skin::controls::TSkinControl;
using skin::frames::TWinSkinForm;

// Classes of other vendors' libraries, known to the skin only by name.
class TLMDGroupBox : public TCustomPanel {
    ZUNO_COMPONENT_CLASS(TLMDGroupBox, TCustomPanel)
public:
    explicit TLMDGroupBox(TComponent* owner) : TCustomPanel(owner) {}
};

class SkinControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetCursorPos(0, 0);  // away from every control
        app = std::make_unique<TApplication>();
        app->OnException = [this](const std::wstring& text) { errors.push_back(text); };
        host = app->CreateForm<TForm>(L"ControlsHost");
        data = new skin::frames::TSkinData(host);
        data->BeginLoading();
        data->PackageStream = ControlsSkinPackage();
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
    TForm* NewForm(const wchar_t* name, int cw = 300, int ch = 200) {
        auto* f = app->CreateForm<TForm>(name);
        f->SetClientSize(cw, ch);
        f->SetBounds(100, 100, f->Width(), f->Height());
        return f;
    }
    void Show(TForm* f) {
        f->ShowForm();
        Pump(200);
    }
    template <class T>
    T* Add(TForm* f, TWinControl* parent, int x, int y, int w, int h, const wchar_t* caption = L"",
           TComponent* owner = nullptr) {
        auto* c = new T(owner ? owner : f);
        c->SetParent(parent ? parent : f);
        c->SetBounds(x, y, w, h);
        c->SetCaption(caption);
        return c;
    }
    static TWinSkinForm* FrameOf(TForm* f) { return TWinSkinForm::FromWindow(f->Handle()); }
    // The wrapper of a control: by window, or by window-less control.
    static TSkinControl* WrapperOf(TForm* f, TControl* c) {
        TWinSkinForm* frame = FrameOf(f);
        if (!frame) return nullptr;
        auto* w = dynamic_cast<TWinControl*>(c);
        for (TSkinControl* s : frame->Wrappers)
            if ((w && s->Window == w->HandleIfAllocated()) || (s->GraphicControl && s->GraphicControl == c)) return s;
        return nullptr;
    }
    static std::string WrapperClass(TForm* f, TControl* c) {
        TSkinControl* s = WrapperOf(f, c);
        return s ? std::string(s->ClassName()) : "none";
    }
    // A pixel of a control's window as shown on screen.
    static COLORREF Pixel(TWinControl* c, int x, int y) {
        RECT r;
        GetWindowRect(c->Handle(), &r);
        HDC dc = GetDC(nullptr);
        const COLORREF colour = GetPixel(dc, r.left + x, r.top + y);
        ReleaseDC(nullptr, dc);
        return colour;
    }
    // The pixel of the control that differs most from `face` in green.
    static COLORREF TextPixel(TWinControl* c, COLORREF face) {
        RECT r;
        GetWindowRect(c->Handle(), &r);
        return TextPixelIn(r, face);
    }
    // The same over a part of the screen.
    static COLORREF TextPixelIn(const RECT& r, COLORREF face) {
        HDC dc = GetDC(nullptr);
        COLORREF best = face;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) {
                const COLORREF p = GetPixel(dc, x, y);
                if (std::abs(GetGValue(p) - GetGValue(face)) > std::abs(GetGValue(best) - GetGValue(face))) best = p;
            }
        ReleaseDC(nullptr, dc);
        return best;
    }

    // Smoothed text: its strongest pixel is the text colour, give or take a little.
    static bool Near(COLORREF a, COLORREF b) {
        return std::abs(GetRValue(a) - GetRValue(b)) < 64 && std::abs(GetGValue(a) - GetGValue(b)) < 64 &&
               std::abs(GetBValue(a) - GetBValue(b)) < 64;
    }

    std::unique_ptr<TApplication> app;
    TForm* host = nullptr;
    skin::frames::TSkinData* data = nullptr;
    std::vector<std::wstring> errors;
};

// ---- Discovery -------------------------------------------------------------------

TEST_F(SkinControlsTest, DiscoveryFollowsTagsControlSetAndClassNameMap) {
    data->SkinControls.Exclude(skin::TSkinControlType::xcBitBtn);
    data->Skin3rd.insert(data->Skin3rd.begin(), "TPanel=nil");
    TForm* f = NewForm(L"Discovery", 400, 300);
    auto* plain = Add<TButton>(f, nullptr, 10, 10, 80, 30, L"plain");
    auto* tagged = Add<TButton>(f, nullptr, 100, 10, 80, 30, L"tag 199");
    tagged->Tag = 199;
    auto* bitmap = Add<TBitBtn>(f, nullptr, 190, 10, 80, 30, L"bitmap");
    auto* lmd = Add<TLMDGroupBox>(f, nullptr, 10, 50, 150, 100, L"lmd");
    auto* panel = Add<TPanel>(f, nullptr, 170, 50, 150, 100, L"nil");
    auto* inPanel = Add<TButton>(f, panel, 10, 10, 80, 30, L"in nil", panel);
    Show(f);
    struct Case {
        TControl* control;
        const char* wrapper;
        const char* why;
    } cases[] = {
        {plain, "TSkinButton", "a push button"},
        {tagged, "none", "Tag 199 mod 100 is DisableTag 99"},
        {bitmap, "none", "a bitmap button without xcBitBtn is not even a plain button"},
        {lmd, "TSkinGroupBox", "TLMDGroupBox takes the first class-name line"},
        {panel, "none", "kind nil"},
        {inPanel, "none", "nil stops the walk into the panel"},
    };
    for (const Case& c : cases) EXPECT_EQ(WrapperClass(f, c.control), c.wrapper) << c.why;
}

// Controls placed after the frame attached (the main window places its hidden
// option buttons after its first paint) are wrapped as they join, exactly once.
TEST_F(SkinControlsTest, ControlsPlacedAfterAttachAreWrappedOnce) {
    TForm* f = NewForm(L"Late", 400, 200);
    auto* box = Add<TGroupBox>(f, nullptr, 10, 50, 300, 120, L"box");
    auto* waiting = new TButton(f);  // the form's, not yet placed on a window
    waiting->SetBounds(10, 10, 80, 30);
    waiting->SetCaption(L"waiting");
    Show(f);
    EXPECT_FALSE(waiting->HandleAllocated()) << "attaching makes no window for a control not placed";
    EXPECT_EQ(WrapperClass(f, waiting), "none");
    waiting->SetParent(f);
    auto* inBox = Add<TButton>(f, box, 10, 20, 80, 30, L"in box");
    auto* check = Add<TCheckBox>(f, box, 10, 60, 120, 24, L"check");
    Pump(200);
    struct Case {
        TWinControl* control;
        const char* wrapper;
        const char* what;
    } cases[] = {{waiting, "TSkinButton", "placed on the form"},
                 {inBox, "TSkinButton", "placed in a group box"},
                 {check, "TSkinCheckBox", "a check box in the group box"}};
    for (const Case& c : cases) {
        EXPECT_EQ(WrapperClass(f, c.control), c.wrapper) << c.what;
        int wrappers = 0;
        for (TSkinControl* s : FrameOf(f)->Wrappers) wrappers += s->Window == c.control->Handle();
        EXPECT_EQ(wrappers, 1) << c.what;
    }
    EXPECT_EQ(Pixel(waiting, 3, 3), kFixButtonFrames[0]) << "painted by the skin";
    EXPECT_EQ(Pixel(inBox, 3, 3), kFixButtonFrames[0]) << "painted by the skin";
}

// A hidden control whose window waits until needed gets none with its parent's; when
// it is shown or its handle is asked for, it is wrapped once, before it is visible.
TEST_F(SkinControlsTest, WindowsMadeOnDemandAreWrappedBeforeTheyShow) {
    TForm* f = NewForm(L"OnDemand", 400, 200);
    auto* box = Add<TGroupBox>(f, nullptr, 10, 10, 300, 150, L"box");
    auto onDemand = [&](auto* c) {
        c->HandleOnDemand = true;
        c->SetVisible(false);
        return c;
    };
    auto* shown = onDemand(Add<TButton>(f, box, 10, 20, 80, 30, L"shown"));
    auto* asked = onDemand(Add<TCheckBox>(f, box, 10, 60, 120, 24, L"asked"));
    auto* visible = Add<TButton>(f, box, 100, 20, 80, 30, L"visible");
    visible->HandleOnDemand = true;  // visible from the start: made with its parent
    Show(f);
    EXPECT_TRUE(visible->HandleAllocated());
    EXPECT_FALSE(shown->HandleAllocated()) << "no window while hidden";
    EXPECT_FALSE(asked->HandleAllocated()) << "no window while hidden";

    std::vector<std::pair<TControl*, bool>> announced;  // control, visible when announced
    const TWndMethod saved = f->WindowProc;
    f->WindowProc = [&](TMessage& m) {
        if (m.Msg == CM_CONTROLLISTCHANGE) {
            auto* c = reinterpret_cast<TWinControl*>(m.WParam);
            announced.emplace_back(c, IsWindowVisible(c->HandleIfAllocated()) != FALSE);
        }
        saved(m);
    };
    shown->SetVisible(true);
    const HWND askedWindow = asked->Handle();
    Pump(200);
    f->WindowProc = saved;

    ASSERT_EQ(announced.size(), 2u);
    EXPECT_EQ(announced[0], std::make_pair(static_cast<TControl*>(shown), false)) << "announced before it shows";
    EXPECT_EQ(announced[1], std::make_pair(static_cast<TControl*>(asked), false));
    EXPECT_TRUE(IsWindowVisible(shown->Handle()));
    EXPECT_FALSE(IsWindowVisible(askedWindow)) << "asking for the handle does not show it";
    EXPECT_EQ(GetParent(askedWindow), box->Handle());
    struct Case {
        TWinControl* control;
        const char* wrapper;
    } cases[] = {{shown, "TSkinButton"}, {asked, "TSkinCheckBox"}, {visible, "TSkinButton"}};
    for (const Case& c : cases) {
        int wrappers = 0;
        for (TSkinControl* s : FrameOf(f)->Wrappers) wrappers += s->Window == c.control->Handle();
        EXPECT_EQ(wrappers, 1) << c.wrapper;
        EXPECT_EQ(WrapperClass(f, c.control), c.wrapper);
    }
    EXPECT_EQ(Pixel(shown, 3, 3), kFixButtonFrames[0]) << "painted by the skin";
}

// ---- Push buttons ------------------------------------------------------------------

TEST_F(SkinControlsTest, ButtonFramesByStateAndNoClickWhenReleasedOutside) {
    TForm* f = NewForm(L"Buttons", 400, 120);
    auto* focus = Add<TButton>(f, nullptr, 10, 10, 80, 30, L"focus");
    auto* normal = Add<TButton>(f, nullptr, 100, 10, 80, 30, L"normal");
    auto* byDefault = Add<TButton>(f, nullptr, 190, 10, 80, 30, L"default");
    byDefault->Default = true;
    auto* disabled = Add<TButton>(f, nullptr, 280, 10, 80, 30, L"off");
    disabled->SetEnabled(false);
    int clicks = 0;
    normal->OnClick = [&](TComponent*) { ++clicks; };
    Show(f);
    focus->SetFocus();
    Pump(100);
    EXPECT_EQ(Pixel(normal, 3, 3), kFixButtonFrames[0]) << "frame 1";
    EXPECT_EQ(Pixel(focus, 3, 3), kFixButtonFrames[3]) << "focused: frame 4";
    EXPECT_EQ(Pixel(byDefault, 3, 3), kFixButtonFrames[4]) << "default: frame 5";
    EXPECT_EQ(Pixel(disabled, 3, 3), kFixButtonFrames[2]) << "disabled: frame 3";
    // Captions are smoothed: their strongest pixel shows the text colour.
    EXPECT_GE(TextPixel(disabled, kFixButtonFrames[2]), RGB(0x70, 0x70, 0x70)) << "grey caption";
    EXPECT_LE(TextPixel(disabled, kFixButtonFrames[2]), RGB(0x80, 0x80, 0x80)) << "grey caption";
    EXPECT_TRUE(Near(TextPixel(normal, kFixButtonFrames[0]), kFixButtonText)) << "the skin's text colour";

    // The frame's hover timer checks where the mouse really is.
    const RECT at = normal->BoundsRect();
    POINT centre{(at.left + at.right) / 2, (at.top + at.bottom) / 2};
    ClientToScreen(f->Handle(), &centre);
    SetCursorPos(centre.x, centre.y);
    SendMessageW(normal->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    Pump(50);
    EXPECT_EQ(Pixel(normal, 3, 3), kFixButtonFrames[3]) << "hot: frame 4";
    SendMessageW(normal->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    Pump(50);
    EXPECT_EQ(Pixel(normal, 3, 3), kFixButtonFrames[1]) << "pressed: frame 2";
    // The mouse leaves with the button held and is released elsewhere.
    SetCursorPos(0, 0);
    normal->Perform(CM_MOUSELEAVE);
    SendMessageW(f->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 100));
    Pump(50);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(Pixel(normal, 3, 3), kFixButtonFrames[3]) << "no longer pressed, focused since the press";
    SendMessageW(normal->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(normal->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    Pump(50);
    EXPECT_EQ(clicks, 1) << "pressed and released inside";
    SendMessageW(normal->Handle(), WM_KEYDOWN, VK_SPACE, 0);
    SendMessageW(normal->Handle(), WM_KEYUP, VK_SPACE, 0xC0000001);
    Pump(50);
    EXPECT_EQ(clicks, 2) << "space still clicks";
}

TEST_F(SkinControlsTest, WrappersLetGoOnNoSkinAndWhenTheirControlGoesFirst) {
    TForm* f = NewForm(L"Detach", 300, 100);
    auto* kept = Add<TButton>(f, nullptr, 10, 10, 80, 30, L"kept");
    auto* gone = Add<TButton>(f, nullptr, 100, 10, 80, 30, L"gone");
    int clicks = 0;
    kept->OnClick = [&](TComponent*) { ++clicks; };
    Show(f);
    ASSERT_NE(WrapperOf(f, gone), nullptr);
    const size_t before = FrameOf(f)->Wrappers.size();
    delete gone;
    EXPECT_EQ(FrameOf(f)->Wrappers.size(), before - 1) << "the wrapper went with its control";
    // Skinning off: the frames let go, the button is the system's again and still clicks.
    data->SetActive(false);
    Pump(400);
    EXPECT_EQ(FrameOf(f), nullptr);
    EXPECT_NE(Pixel(kept, 3, 3), kFixButtonFrames[0]);
    SendMessageW(kept->Handle(), BM_CLICK, 0, 0);
    Pump(50);
    EXPECT_EQ(clicks, 1);
}

// ---- Check boxes and radio buttons -----------------------------------------------

TEST_F(SkinControlsTest, CheckAndRadioGlyphCellsByState) {
    TForm* f = NewForm(L"Checks", 400, 260);
    auto make = [&](auto* c, int row, int column) {
        c->SetParent(f);
        c->SetBounds(10 + column * 190, 10 + row * 30, 180, 24);
        c->SetCaption(L"选项");
        return c;
    };
    auto* unchecked = make(new TCheckBox(f), 0, 0);
    auto* checked = make(new TCheckBox(f), 1, 0);
    checked->SetChecked(true);
    auto* offChecked = make(new TCheckBox(f), 2, 0);
    offChecked->SetChecked(true);
    offChecked->SetEnabled(false);
    auto* grey = make(new TCheckBox(f), 3, 0);
    grey->SetState(TCheckBoxState::cbGrayed);
    auto* radioOn = make(new TRadioButton(f), 0, 1);
    radioOn->SetChecked(true);
    auto* radioOff = make(new TRadioButton(f), 1, 1);
    auto* radioDisabled = make(new TRadioButton(f), 2, 1);
    radioDisabled->SetEnabled(false);
    Show(f);
    const int mid = 12;
    struct Case {
        TWinControl* c;
        int x;
        COLORREF colour;
        const char* what;
    } cases[] = {
        {unchecked, 2, kFixCheckFrames[0], "check box: cell from x 2"},
        {unchecked, 14, kFixCheckFrames[0], "check box: 13 pixels wide"},
        {unchecked, 1, kFixFace, "check box: erased face left of the cell"},
        {unchecked, 15, kFixFace, "check box: erased face right of the cell"},
        {checked, 8, kFixCheckFrames[1], "checked: frame 2"},
        {offChecked, 8, kFixCheckFrames[3], "disabled and checked: frame 4"},
        {grey, 8, kFixCheckFrames[3], "indeterminate: frame 4"},
        {radioOff, 0, kFixRadioFrames[0], "radio button: cell from x 0"},
        {radioOff, 13, kFixFace, "radio button: erased after 13 pixels"},
        {radioOn, 6, kFixRadioFrames[4], "8 radio frames: checked is frame 5"},
        {radioDisabled, 6, kFixRadioFrames[3], "8 radio frames: disabled is frame 4"},
    };
    for (const Case& c : cases) EXPECT_EQ(Pixel(c.c, c.x, mid), c.colour) << c.what;
    // Clicking keeps working and the glyph follows.
    SendMessageW(radioOff->Handle(), BM_CLICK, 0, 0);
    Pump(50);
    EXPECT_TRUE(radioOff->Checked());
    EXPECT_FALSE(radioOn->Checked());
    EXPECT_EQ(Pixel(radioOff, 6, mid), kFixRadioFrames[4]);
    EXPECT_EQ(Pixel(radioOn, 6, mid), kFixRadioFrames[0]);
    SendMessageW(unchecked->Handle(), BM_CLICK, 0, 0);
    Pump(50);
    EXPECT_TRUE(unchecked->Checked());
    EXPECT_EQ(Pixel(unchecked, 8, mid), kFixCheckFrames[1]);
}

// The control's own painting goes to an off-screen buffer and the glyph is painted over
// it there: while the system paints the check box, the screen still shows the finished
// state, and the new picture arrives whole.
struct PaintSpy {
    static inline WNDPROC real = nullptr;
    static inline POINT probe{};
    static inline int paints = 0, onScreen = 0;
    static inline std::vector<COLORREF> seen;
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        const LRESULT r = CallWindowProcW(real, hwnd, msg, wParam, lParam);
        if (msg == WM_PAINT || msg == WM_ERASEBKGND) {
            ++paints;
            if (!wParam || GetObjectType(reinterpret_cast<HDC>(wParam)) != OBJ_MEMDC) ++onScreen;
            HDC screen = GetDC(nullptr);
            seen.push_back(GetPixel(screen, probe.x, probe.y));
            ReleaseDC(nullptr, screen);
        }
        return r;
    }
};

TEST_F(SkinControlsTest, OptionsPaintThroughABufferAndNeverShowAHalfPaintedState) {
    TForm* f = NewForm(L"Buffered", 300, 100);
    auto* option = Add<TCheckBox>(f, nullptr, 10, 10, 180, 24, L"选项");
    Show(f);
    ASSERT_EQ(Pixel(option, 8, 12), kFixCheckFrames[0]);
    RECT r;
    GetWindowRect(option->Handle(), &r);
    PaintSpy::probe = {r.left + 8, r.top + 12};
    PaintSpy::real = option->DefWndProc;
    option->DefWndProc = &PaintSpy::Proc;
    SendMessageW(option->Handle(), BM_CLICK, 0, 0);
    Pump(50);
    // (The system also draws a pressed or focused button outside WM_PAINT; the wrapper
    // paints over that at once. Only what WM_PAINT draws is checked here.)
    PaintSpy::seen.clear();
    InvalidateRect(option->Handle(), nullptr, TRUE);
    UpdateWindow(option->Handle());
    option->DefWndProc = PaintSpy::real;
    EXPECT_GT(PaintSpy::paints, 0);
    EXPECT_EQ(PaintSpy::onScreen, 0) << "the system painted straight onto the window";
    EXPECT_FALSE(PaintSpy::seen.empty());
    for (COLORREF c : PaintSpy::seen) EXPECT_EQ(c, kFixCheckFrames[1]) << "a repaint shows only the finished state";
    EXPECT_EQ(Pixel(option, 8, 12), kFixCheckFrames[1]);
}

// ---- Combo boxes, edits and group boxes ------------------------------------------

TEST_F(SkinControlsTest, ComboEditAndGroupBoxFrames) {
    TForm* f = NewForm(L"Boxes", 400, 260);
    auto* focus = Add<TButton>(f, nullptr, 300, 10, 80, 30, L"focus");
    auto* combo = new TComboBox(f);
    combo->Style = TComboBoxStyle::csDropDownList;
    combo->SetParent(f);
    combo->SetBounds(10, 10, 150, 24);
    combo->SetItems({L"一", L"二"});
    auto* edit = Add<TEdit>(f, nullptr, 10, 50, 150, 24, L"text");
    auto* bare = Add<TEdit>(f, nullptr, 170, 50, 120, 24, L"bare");
    auto* group = Add<TGroupBox>(f, nullptr, 10, 90, 200, 120, L"分组");
    Show(f);
    // Without a border the client area is the whole window: no skinned rings.
    HWND b = bare->Handle();
    SetWindowLongPtrW(b, GWL_EXSTYLE, GetWindowLongPtrW(b, GWL_EXSTYLE) & ~WS_EX_CLIENTEDGE);
    SetWindowPos(b, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    focus->SetFocus();
    Pump(100);
    RECT r;
    GetWindowRect(combo->Handle(), &r);
    const int cw = r.right - r.left, ch = r.bottom - r.top;
    EXPECT_EQ(Pixel(combo, 0, ch / 2), kFixSunkFrames[0]) << "sunk edge, frame 1";
    EXPECT_EQ(Pixel(combo, cw - 3, ch / 2), kFixComboFrames[0]) << "skin button, frame 1";
    combo->SetFocus();
    Pump(100);
    EXPECT_EQ(Pixel(combo, 0, ch / 2), kFixSunkFrames[3]) << "focused: frame 4";
    EXPECT_EQ(Pixel(combo, cw - 3, ch / 2), kFixComboFrames[3]);
    focus->SetFocus();
    Pump(50);

    EXPECT_EQ(Pixel(edit, 0, 10), kFixShadow) << "outer ring";
    EXPECT_EQ(Pixel(edit, 1, 10), RGB(255, 255, 255)) << "inner ring";
    EXPECT_NE(Pixel(bare, 0, 10), kFixShadow) << "no border, no ring";

    HDC dc = GetDC(group->Handle());
    SelectObject(dc, group->Font().Handle());
    SIZE zero{};
    GetTextExtentPoint32W(dc, L"0", 1, &zero);
    ReleaseDC(group->Handle(), dc);
    const int y = zero.cy / 2 - 1;
    EXPECT_EQ(Pixel(group, 100, y), kFixShadow) << "rounded frame, top edge";
    EXPECT_EQ(Pixel(group, 1, 60), kFixShadow) << "rounded frame, left edge";
    EXPECT_EQ(Pixel(group, 0, 60), kFixFace) << "outer ring in the face colour";
    EXPECT_EQ(Pixel(group, 1, y), kFixFace) << "the corner is rounded";
    EXPECT_EQ(Pixel(group, 9, y), kFixFace) << "the caption is drawn on the face colour";
}

// ---- Text over the skin's face ------------------------------------------------------

// Labels and captions in the system's text colour drawn on a face the skin paints take
// the skin's text colour (a dark skin's face would hide black text); colours a program
// chose stay; and without the skin the system's colour is back.
TEST_F(SkinControlsTest, TextOnTheFaceTakesTheSkinsTextColour) {
    TForm* f = NewForm(L"Texts", 420, 260);
    auto label = [&](TWinControl* parent, int x, int y, TColor font, bool transparent) {
        auto* l = new TLabel(f);
        l->SetParent(parent);
        l->Transparent = transparent;
        l->Font().Set(L"宋体", 16);
        l->Font().Color = font;
        l->Font().Changed();
        l->SetBounds(x, y, 0, 0);
        l->SetCaption(L"文字");
        return l;
    };
    auto* plain = label(f, 10, 10, clWindowText, true);
    auto* red = label(f, 80, 10, static_cast<TColor>(RGB(255, 0, 0)), true);
    auto* boxed = label(f, 150, 10, clWindowText, false);
    boxed->SetColor(static_cast<TColor>(RGB(255, 255, 0)));
    auto* group = Add<TGroupBox>(f, nullptr, 10, 50, 190, 100, L"分组标题");
    auto* inGroup = label(group, 20, 40, clWindowText, true);
    auto* panel = Add<TPanel>(f, nullptr, 210, 50, 190, 100, L"面板标题");
    auto* option = new TCheckBox(f);
    option->ParentColor = true;  // as the program's options: the face shows behind the caption
    option->SetParent(f);
    option->SetBounds(10, 170, 190, 24);
    option->SetCaption(L"选项文字");
    option->Font().Set(L"宋体", 16);
    Show(f);
    auto screenRect = [&](TControl* c) {
        RECT r = c->BoundsRect();
        MapWindowPoints(static_cast<TWinControl*>(c->Parent())->Handle(), nullptr, reinterpret_cast<POINT*>(&r), 2);
        return r;
    };
    RECT groupCaption;
    GetWindowRect(group->Handle(), &groupCaption);
    groupCaption.bottom = groupCaption.top + 16;
    RECT optionText;
    GetWindowRect(option->Handle(), &optionText);
    optionText.left += 20;
    struct Case {
        RECT where;
        COLORREF face, text;
        const char* what;
    } cases[] = {
        {screenRect(plain), kFixFace, kFixButtonText, "transparent label on the form"},
        {screenRect(red), kFixFace, RGB(255, 0, 0), "a colour chosen on purpose stays"},
        {screenRect(boxed), RGB(255, 255, 0), RGB(0, 0, 0), "a label on its own colour keeps black"},
        {screenRect(inGroup), kFixFace, kFixButtonText, "label in a group box"},
        {groupCaption, kFixFace, kFixButtonText, "group-box caption"},
        {screenRect(panel), kFixFace, kFixButtonText, "panel caption"},
        {optionText, kFixFace, kFixButtonText, "caption of a check box on the form's face"},
    };
    for (const Case& c : cases) EXPECT_TRUE(Near(TextPixelIn(c.where, c.face), c.text)) << c.what;
    data->SetActive(false);
    Pump(400);
    EXPECT_TRUE(Near(TextPixelIn(screenRect(plain), ColorToRGB(clBtnFace)), GetSysColor(COLOR_WINDOWTEXT)))
        << "without the skin the system's colour is back";
}

// ---- Plain windows -----------------------------------------------------------------

// A dialog template in memory: an owner-drawn push button and a plain one.
std::vector<WORD> DialogTemplate() {
    std::vector<WORD> t;
    auto dword = [&](DWORD v) { t.push_back(LOWORD(v)), t.push_back(HIWORD(v)); };
    auto align = [&] {
        if (t.size() % 2) t.push_back(0);
    };
    dword(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE);
    dword(0);
    t.push_back(2);                                        // items
    for (WORD v : {10, 10, 160, 60}) t.push_back(v);       // x, y, cx, cy (dialog units)
    t.insert(t.end(), {0, 0});                             // no menu, default class
    for (wchar_t c : std::wstring(L"Probe")) t.push_back(c);
    t.push_back(0);
    auto item = [&](DWORD style, WORD id, const wchar_t* text, short x) {
        align();
        dword(WS_CHILD | WS_VISIBLE | style);
        dword(0);
        for (WORD v : {static_cast<WORD>(x), WORD(10), WORD(60), WORD(14)}) t.push_back(v);
        t.push_back(id);
        t.insert(t.end(), {0xFFFF, 0x0080});               // BUTTON
        for (const wchar_t* c = text; *c; ++c) t.push_back(*c);
        t.push_back(0);
        t.push_back(0);                                    // no creation data
    };
    item(BS_OWNERDRAW, 100, L"drawn", 5);
    item(BS_PUSHBUTTON, 101, L"plain", 80);
    return t;
}

TEST_F(SkinControlsTest, DialogButtonsAreWrappedByClassAndStyle) {
    TForm* owner = NewForm(L"DialogOwner", 200, 100);
    Show(owner);
    const std::vector<WORD> t = DialogTemplate();
    HWND dialog = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<const DLGTEMPLATE*>(t.data()),
                                             owner->Handle(), [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return 0; }, 0);
    ASSERT_TRUE(dialog);
    SetActiveWindow(dialog);
    Pump(300);
    ASSERT_EQ(SendMessageW(dialog, skin::frames::SKINMSG_QUERY, 0, 0), 1);
    TSkinControl* drawn = TSkinControl::FromWindow(GetDlgItem(dialog, 100));
    TSkinControl* plain = TSkinControl::FromWindow(GetDlgItem(dialog, 101));
    ASSERT_TRUE(drawn);
    ASSERT_TRUE(plain);
    EXPECT_EQ(drawn->ClassName(), "TSkinCheckBox") << "style 11 and 3 = 3";
    EXPECT_EQ(plain->ClassName(), "TSkinButton");
    // The plain window's button posts its command to the dialog, as a real one does.
    SendMessageW(plain->Window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageW(plain->Window, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    MSG m{};
    bool posted = false;
    while (PeekMessageW(&m, dialog, WM_COMMAND, WM_COMMAND, PM_REMOVE)) posted = posted || LOWORD(m.wParam) == 101;
    EXPECT_TRUE(posted);
    DestroyWindow(dialog);
    Pump(50);
    EXPECT_EQ(TSkinControl::FromWindow(GetDlgItem(dialog, 100)), nullptr);
}

}  // namespace

// The form layer's bitmap and speed buttons, panels, radio groups and memos on real
// windows: click, keyboard and focus as a user works them, the notifications a
// control's replaced handler receives, and reading published properties by name.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "forms/Application.h"
#include "forms/Buttons.h"
#include "forms/Form.h"
#include "forms/Panels.h"
#include "forms/Properties.h"
#include "forms/StdCtrls.h"

namespace {

using namespace zuno::forms;

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        app = std::make_unique<TApplication>();
        app->OnException = [this](const std::wstring& text) { errors.push_back(text); };
        form = app->CreateForm<TForm>(L"ControlsProbe");
        form->SetClientSize(400, 300);
    }
    void TearDown() override {
        app.reset();
        SetKeyboardState(std::array<BYTE, 256>{}.data());
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
    // Feeds a key press through the loop's keyboard handling, as the user's would go.
    bool Key(HWND target, WORD vk, bool shift = false) {
        std::array<BYTE, 256> state{};
        if (shift) state[VK_SHIFT] = 0x80;
        SetKeyboardState(state.data());
        const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)) << 16 | 1;
        MSG msg{target, WM_KEYDOWN, vk, scan};
        const bool consumed = app->PreTranslate(msg);
        if (!consumed) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
            msg.message = WM_KEYUP;
            msg.lParam |= 0xC0000000;
            DispatchMessageW(&msg);
        }
        SetKeyboardState(std::array<BYTE, 256>{}.data());
        app->ProcessMessages();
        return consumed;
    }
    // A press and release of the left button at two places of a window's client area.
    void Drag(HWND hwnd, POINT down, POINT up) {
        SendMessageW(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(down.x, down.y));
        SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(down.x, down.y));
        SendMessageW(hwnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(up.x, up.y));
        SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(up.x, up.y));
        app->ProcessMessages();
    }
    static COLORREF PixelOf(HWND hwnd, int x, int y) {
        UpdateWindow(hwnd);
        HDC dc = GetDC(hwnd);
        const COLORREF c = GetPixel(dc, x, y);
        ReleaseDC(hwnd, dc);
        return c;
    }
    std::unique_ptr<TApplication> app;
    TForm* form = nullptr;
    std::vector<std::wstring> errors;
};

// 16 x 16 glyph: red, its bottom-left pixel (the transparent colour) green.
void SetRedGlyph(TBitmap& glyph) {
    std::vector<std::uint32_t> pixels(16 * 16, 0xFF0000);
    pixels[15 * 16] = 0x00FF00;
    glyph.SetPixels(16, 16, pixels.data());
}

std::wstring Text(const std::optional<TPropertyValue>& v) {
    return v && std::holds_alternative<std::wstring>(*v) ? std::get<std::wstring>(*v) : L"<none>";
}
std::string EnumName(const std::optional<TPropertyValue>& v) {
    return v && std::holds_alternative<TEnumName>(*v) ? std::get<TEnumName>(*v).Name : "<none>";
}
std::int64_t Integer(const std::optional<TPropertyValue>& v) {
    return v && std::holds_alternative<std::int64_t>(*v) ? std::get<std::int64_t>(*v) : -999;
}

// ---- notifications a replaced handler receives ----------------------------------

TEST_F(ControlsTest, WindowedControlsSendMouseFocusAndEnabledNotifications) {
    auto* button = Make<TButton>(10, 10, 80, 30);
    auto* other = Make<TButton>(100, 10, 80, 30);
    Show();
    std::vector<UINT> seen;
    TWndMethod inherited = button->WindowProc;
    button->WindowProc = [&](TMessage& m) {
        if (m.Msg >= CM_BASE && m.Msg < CN_BASE) seen.push_back(m.Msg);
        inherited(m);
    };
    struct Case {
        const char* what;
        std::function<void()> act;
        UINT expected;
    };
    const Case cases[] = {
        {"mouse entered", [&] { SendMessageW(button->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5)); }, CM_MOUSEENTER},
        {"mouse left", [&] { SendMessageW(button->Handle(), WM_MOUSELEAVE, 0, 0); }, CM_MOUSELEAVE},
        {"focus left", [&] {
             button->SetFocus();
             other->SetFocus();
         }, CM_EXIT},
        {"enabled changed", [&] { button->SetEnabled(false); }, CM_ENABLEDCHANGED},
    };
    for (const Case& c : cases) {
        seen.clear();
        c.act();
        EXPECT_NE(std::find(seen.begin(), seen.end(), c.expected), seen.end()) << c.what;
    }
    button->WindowProc = inherited;
}

TEST_F(ControlsTest, WindowlessControlTellsItsHandlerWhenReleased) {
    auto* speed = Make<TSpeedButton>(10, 10, 40, 30);
    bool released = false;
    TWndMethod inherited = speed->WindowProc;
    speed->WindowProc = [&](TMessage& m) {
        if (m.Msg == CM_RELEASE) released = true;
        inherited(m);
    };
    delete speed;
    EXPECT_TRUE(released);
}

// ---- bitmap button --------------------------------------------------------------

TEST_F(ControlsTest, BitBtnClicksByMouseSpaceAndEnterShowsItsGlyphAndLeavesFocusToTheForm) {
    auto* before = Make<TButton>(10, 60, 80, 30);
    auto* bit = Make<TBitBtn>(10, 10, 120, 40);
    bit->SetCaption(L"确定");
    SetRedGlyph(bit->Glyph.Glyph());
    int clicks = 0;
    bit->OnClick = [&](TComponent*) { ++clicks; };
    Show();
    Drag(bit->Handle(), {20, 20}, {20, 20});
    EXPECT_EQ(clicks, 1);
    Drag(bit->Handle(), {20, 20}, {300, 200});
    EXPECT_EQ(clicks, 1) << "released outside: no click";
    before->SetFocus();
    EXPECT_TRUE(Key(before->Handle(), VK_TAB));
    EXPECT_EQ(GetFocus(), bit->Handle()) << "Tab reaches the bitmap button";
    Key(bit->Handle(), VK_SPACE);
    EXPECT_EQ(clicks, 2);
    EXPECT_TRUE(Key(bit->Handle(), VK_RETURN)) << "Enter presses the focused button";
    EXPECT_EQ(clicks, 3);
    // Glyph left of the caption, both centred together: the glyph's middle is red,
    // and its transparent corner shows the face.
    RECT r;
    GetClientRect(bit->Handle(), &r);
    HDC dc = GetDC(bit->Handle());
    HGDIOBJ old = SelectObject(dc, bit->Font().Handle());
    SIZE text{};
    GetTextExtentPoint32W(dc, L"确定", 2, &text);
    SelectObject(dc, old);
    ReleaseDC(bit->Handle(), dc);
    const int inner = r.right - 2 * 3;  // frame, edge and content inset
    const int glyphX = 3 + (inner - (16 + 4 + text.cx)) / 2;
    const int glyphY = 3 + (r.bottom - 6 - 16 + 1) / 2;
    EXPECT_EQ(PixelOf(bit->Handle(), glyphX + 8, glyphY + 8), RGB(255, 0, 0));
    EXPECT_NE(PixelOf(bit->Handle(), glyphX, glyphY + 15), RGB(0, 255, 0));
    for (const bool hide : {true, false}) {
        bit->SetVisible(true);
        bit->SetEnabled(true);
        bit->SetFocus();
        if (hide)
            bit->SetVisible(false);
        else
            bit->SetEnabled(false);
        EXPECT_EQ(GetFocus(), form->Handle()) << "the form takes the focus of a button " << (hide ? "hidden" : "disabled");
    }
}

// ---- speed buttons ----------------------------------------------------------------

TEST_F(ControlsTest, SpeedButtonsClickOnReleaseInsideAndLatchInTheirGroup) {
    auto* a = Make<TSpeedButton>(10, 10, 40, 30);
    auto* b = Make<TSpeedButton>(60, 10, 40, 30);
    a->GroupIndex = b->GroupIndex = 1;
    std::vector<TComponent*> clicked;
    a->OnClick = b->OnClick = [&](TComponent* s) { clicked.push_back(s); };
    Show();
    HWND surface = form->Handle();
    Drag(surface, {20, 20}, {20, 20});
    EXPECT_TRUE(a->Down());
    Drag(surface, {70, 20}, {200, 200});
    EXPECT_FALSE(b->Down()) << "released outside: nothing happens";
    Drag(surface, {70, 20}, {75, 25});
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(a->Down()) << "one latched button per group";
    EXPECT_EQ(clicked, (std::vector<TComponent*>{a, b}));
    Drag(surface, {70, 20}, {70, 20});
    EXPECT_TRUE(b->Down()) << "without AllowAllUp the latched button stays down";
    b->AllowAllUp = true;
    Drag(surface, {70, 20}, {70, 20});
    EXPECT_FALSE(b->Down());
    EXPECT_TRUE(b->MouseInside);
    SendMessageW(surface, WM_MOUSEMOVE, 0, MAKELPARAM(300, 200));
    EXPECT_FALSE(b->MouseInside);
    a->SetEnabled(false);
    Drag(surface, {20, 20}, {20, 20});
    EXPECT_EQ(clicked.size(), 4u) << "a disabled button takes no click";
}

// ---- panel ------------------------------------------------------------------------

TEST_F(ControlsTest, PanelClicksHoldsControlsAndDrawsItsBevel) {
    auto* panel = Make<TPanel>(10, 10, 200, 100);
    panel->SetCaption(L"面板");
    panel->SetColor(RGB(10, 120, 200));
    auto* inside = Make<TButton>(10, 10, 60, 25, panel);
    int panelClicks = 0, buttonClicks = 0;
    panel->OnClick = [&](TComponent*) { ++panelClicks; };
    inside->OnClick = [&](TComponent*) { ++buttonClicks; };
    Show();
    Drag(panel->Handle(), {150, 80}, {150, 80});
    Drag(panel->Handle(), {150, 80}, {300, 300});
    SendMessageW(inside->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(panelClicks, 1);
    EXPECT_EQ(buttonClicks, 1);
    EXPECT_EQ(GetParent(inside->Handle()), panel->Handle());
    EXPECT_EQ(PixelOf(panel->Handle(), 0, 0), GetSysColor(COLOR_BTNHIGHLIGHT)) << "raised: light top-left";
    EXPECT_EQ(PixelOf(panel->Handle(), 199, 99), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(PixelOf(panel->Handle(), 150, 20), RGB(10, 120, 200));
    panel->SetBevelOuter(TBevelCut::bvLowered);
    EXPECT_EQ(PixelOf(panel->Handle(), 0, 0), GetSysColor(COLOR_BTNSHADOW));
}

// ---- radio group -------------------------------------------------------------------

TEST_F(ControlsTest, RadioGroupSelectsByClickArrowsAndTabsToItsCheckedItem) {
    auto* first = Make<TButton>(220, 10, 80, 30);
    auto* group = Make<TRadioGroup>(10, 10, 200, 120);
    group->SetCaption(L"性别");
    group->SetItems({L"男", L"女", L"不说"});
    std::vector<int> clicks;
    group->OnClick = [&](TComponent*) { clicks.push_back(group->ItemIndex()); };
    Show();
    ASSERT_EQ(group->ButtonCount(), 3);
    EXPECT_EQ(group->ItemIndex(), -1);
    EXPECT_LT(group->Buttons(0)->Top(), group->Buttons(1)->Top()) << "one column, top to bottom";
    SendMessageW(group->Buttons(1)->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(group->ItemIndex(), 1);
    EXPECT_TRUE(group->Buttons(1)->Checked());
    EXPECT_TRUE(Key(group->Buttons(1)->Handle(), VK_DOWN));
    EXPECT_EQ(group->ItemIndex(), 2);
    EXPECT_FALSE(group->Buttons(1)->Checked());
    EXPECT_EQ(clicks, (std::vector<int>{1, 2}));
    first->SetFocus();
    EXPECT_TRUE(Key(first->Handle(), VK_TAB));
    EXPECT_EQ(GetFocus(), group->Buttons(2)->Handle()) << "Tab enters the group at its checked item";
    EXPECT_TRUE(Key(group->Buttons(2)->Handle(), VK_TAB));
    EXPECT_EQ(GetFocus(), first->Handle()) << "and leaves it with the next Tab";
    group->SetItems({L"是", L"否"});
    EXPECT_EQ(group->ItemIndex(), -1) << "the checked item is gone";
    group->SetItemIndex(1);
    EXPECT_TRUE(group->Buttons(1)->Checked());
}

// ---- memo --------------------------------------------------------------------------

TEST_F(ControlsTest, MemoTakesReturnsAndPassesTabUnlessItWantsTabs) {
    auto* memo = Make<TMemo>(10, 10, 200, 100);
    auto* next = Make<TButton>(220, 10, 80, 30);
    memo->TabStop = next->TabStop = true;
    memo->SetLines({L"第一行", L"second"});
    Show();
    EXPECT_EQ(memo->Lines(), (std::vector<std::wstring>{L"第一行", L"second"}));
    EXPECT_TRUE(GetWindowLongW(memo->Handle(), GWL_STYLE) & ES_MULTILINE);
    memo->SetFocus();
    SendMessageW(memo->Handle(), EM_SETSEL, 3, 3);
    Key(memo->Handle(), VK_RETURN);
    EXPECT_EQ(memo->Lines(), (std::vector<std::wstring>{L"第一行", L"", L"second"})) << "Enter starts a line";
    EXPECT_TRUE(Key(memo->Handle(), VK_TAB));
    EXPECT_EQ(GetFocus(), next->Handle()) << "Tab moves on";
    memo->WantTabs = true;
    memo->SetFocus();
    EXPECT_FALSE(Key(memo->Handle(), VK_TAB)) << "a memo that wants tabs keeps the key";
    EXPECT_EQ(GetFocus(), memo->Handle());
    memo->SetWordWrap(false);
    EXPECT_EQ(memo->Lines().size(), 3u) << "re-created with its text";
}

// ---- properties by name ---------------------------------------------------------------

TEST_F(ControlsTest, PropertiesReadByNameAndNothingForUnknownNames) {
    auto* bit = Make<TBitBtn>(10, 10, 80, 30);
    bit->SetCaption(L"确定");
    bit->Default = true;
    bit->Glyph.SetNumGlyphs(2);
    bit->Glyph.SetLayout(TButtonLayout::blGlyphTop);
    auto* speed = Make<TSpeedButton>(100, 10, 30, 30);
    speed->SetFlat(true);
    speed->GroupIndex = 3;
    speed->SetDown(true);
    speed->Glyph.SetMargin(2);
    auto* check = Make<TCheckBox>(10, 50, 80, 20);
    check->SetChecked(true);
    auto* edit = Make<TEdit>(10, 80, 80, 20);
    edit->SetText(L"关键字");
    auto* panel = Make<TPanel>(200, 10, 80, 80);
    auto* group = Make<TRadioGroup>(200, 100, 120, 80);
    group->SetItems({L"甲", L"乙"});
    group->SetItemIndex(1);
    auto* memo = Make<TMemo>(10, 120, 80, 60);

    EXPECT_EQ(Text(ReadProperty(*bit, "Caption")), L"确定");
    EXPECT_EQ(EnumName(ReadProperty(*bit, "Default")), "True");
    EXPECT_EQ(EnumName(ReadProperty(*bit, "default")), "True") << "names ignore letter case";
    EXPECT_EQ(Integer(ReadProperty(*bit, "NumGlyphs")), 2);
    EXPECT_EQ(Integer(ReadProperty(*bit, "Margin")), -1);
    EXPECT_EQ(Integer(ReadProperty(*bit, "Spacing")), 4);
    EXPECT_EQ(EnumName(ReadProperty(*bit, "Layout")), "blGlyphTop");
    auto glyph = ReadProperty(*bit, "Glyph");
    ASSERT_TRUE(glyph && std::holds_alternative<TBitmap*>(*glyph));
    EXPECT_EQ(std::get<TBitmap*>(*glyph), &bit->Glyph.Glyph());
    auto font = ReadProperty(*bit, "Font");
    ASSERT_TRUE(font && std::holds_alternative<TFont*>(*font));
    EXPECT_EQ(std::get<TFont*>(*font), &bit->Font());

    EXPECT_EQ(EnumName(ReadProperty(*speed, "Flat")), "True");
    EXPECT_EQ(EnumName(ReadProperty(*speed, "Down")), "True");
    EXPECT_EQ(EnumName(ReadProperty(*speed, "Transparent")), "True");
    EXPECT_EQ(Integer(ReadProperty(*speed, "Margin")), 2);
    EXPECT_EQ(EnumName(ReadProperty(*speed, "Layout")), "blGlyphLeft");
    EXPECT_EQ(EnumName(ReadProperty(*check, "Checked")), "True");
    EXPECT_EQ(EnumName(ReadProperty(*check, "State")), "cbChecked");
    EXPECT_EQ(Text(ReadProperty(*edit, "Text")), L"关键字");
    EXPECT_EQ(EnumName(ReadProperty(*panel, "BevelOuter")), "bvRaised");
    EXPECT_EQ(EnumName(ReadProperty(*panel, "Alignment")), "taCenter");
    EXPECT_EQ(Integer(ReadProperty(*group, "ItemIndex")), 1);
    EXPECT_EQ(EnumName(ReadProperty(*memo, "WordWrap")), "True");
    EXPECT_EQ(EnumName(ReadProperty(*memo, "ScrollBars")), "ssNone");
    EXPECT_EQ(Integer(ReadProperty(*memo, "Width")), 80);

    struct Missing {
        TComponent* component;
        const char* name;
    };
    const Missing missing[] = {
        {edit, "Caption"},   {check, "Default"}, {bit, "Checked"}, {panel, "Glyph"},
        {memo, "Caption"},   {speed, "Default"}, {bit, "Flat"},    {bit, "NoSuchProperty"},
        {group, "Checked"},  {bit, ""},
    };
    for (const Missing& m : missing) EXPECT_FALSE(ReadProperty(*m.component, m.name)) << m.name;
}

// ---- batched window changes ------------------------------------------------------

// A window's rectangle in its parent's client area: left, top, right, bottom.
std::array<LONG, 4> PlaceIn(HWND hwnd) {
    RECT r;
    GetWindowRect(hwnd, &r);
    MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right, r.bottom};
}

TEST_F(ControlsTest, UpdateGivesEachWindowOnlyItsNetChangeAtTheEnd) {
    auto* panel = Make<TPanel>(10, 10, 300, 200);
    auto* kept = Make<TButton>(10, 10, 80, 25, panel);    // hidden and shown again
    auto* moved = Make<TButton>(10, 40, 80, 25, panel);   // hidden, moved, shown
    auto* gone = Make<TButton>(10, 70, 80, 25, panel);    // hidden, has the focus
    auto* back = Make<TButton>(10, 100, 80, 25, panel);   // hidden before, shown
    back->SetVisible(false);
    Show();
    gone->SetFocus();
    std::vector<UINT> keptMoves;
    TWndMethod inherited = kept->WindowProc;
    kept->WindowProc = [&](TMessage& m) {
        if (m.Msg == WM_WINDOWPOSCHANGING || m.Msg == WM_SHOWWINDOW) keptMoves.push_back(m.Msg);
        inherited(m);
    };

    form->BeginUpdate();
    for (TButton* b : {kept, moved, gone}) b->SetVisible(false);
    moved->SetBounds(120, 40, 90, 30);
    kept->SetVisible(true);
    moved->SetVisible(true);
    back->SetVisible(true);
    EXPECT_FALSE(IsWindowVisible(back->Handle())) << "nothing reaches the windows while the update is open";
    EXPECT_EQ(PlaceIn(moved->Handle()), (std::array<LONG, 4>{10, 40, 90, 65}));
    EXPECT_EQ(GetFocus(), gone->Handle());
    form->EndUpdate();

    EXPECT_TRUE(keptMoves.empty()) << "a window whose net change is none is left alone";
    EXPECT_TRUE(IsWindowVisible(kept->Handle()));
    EXPECT_TRUE(IsWindowVisible(moved->Handle()));
    EXPECT_EQ(PlaceIn(moved->Handle()), (std::array<LONG, 4>{120, 40, 210, 70}));
    EXPECT_FALSE(IsWindowVisible(gone->Handle()));
    EXPECT_EQ(GetFocus(), form->Handle()) << "the focus leaves a window that is hidden";
    EXPECT_TRUE(IsWindowVisible(back->Handle()));
    kept->WindowProc = inherited;

    // Focus given inside an update shows its window at once; an inner update is
    // applied with the outer one.
    form->BeginUpdate();
    panel->BeginUpdate();
    gone->SetVisible(true);
    gone->SetFocus();
    EXPECT_TRUE(IsWindowVisible(gone->Handle()));
    EXPECT_EQ(GetFocus(), gone->Handle());
    kept->SetLeft(200);
    panel->EndUpdate();
    EXPECT_EQ(PlaceIn(kept->Handle())[0], 10) << "the outer update is still open";
    form->EndUpdate();
    EXPECT_EQ(PlaceIn(kept->Handle())[0], 200);
}

}  // namespace

// The skinned menu bar and its drop-downs on real windows with the flat-colour
// fixture skin: bar pixels, popup pixels read back while the drop-down is open,
// sliding between drop-downs by arrow keys, Alt + letter, handlers and links that
// must not outlive their windows, and the program's catalogue menus.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <functional>
#include <memory>
#include <thread>

#include "app/MainModule.h"
#include "app/MainWindow.h"
#include "content/ConnectionString.h"
#include "content/Recordset.h"
#include "forms/Application.h"
#include "forms/Form.h"
#include "forms/Menus.h"
#include "skin/frames/SkinManage.h"
#include "skin/frames/WinSkinData.h"
#include "skin/frames/WinSkinForm.h"
#include "skin/menus/WinSkinMenu.h"
#include "skin/menus/WinSkinPopMenu.h"
#include "runner/core/Gbk.h"
#include "search/SearchLib_Unt.h"
#include "tests/win/ProgramUnderTest.h"
#include "tests/win/SkinFixture.h"
#include "tests/win/PumpMessages.h"
#include "winutil/WideText.h"

namespace {

using namespace zuno;
using namespace zuno::forms;
using namespace zuno::wintest;
using skin::frames::SkinManager;
using skin::frames::TWinSkinForm;

// Calls the script on every tick of a thread timer, also while a menu loop runs,
// until it returns true.
struct Script {
    std::function<bool(int tick)> step;
    int tick = 0;
    bool done = false;
    UINT_PTR timer = 0;
    static Script* current;
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        Script* s = current;
        if (!s || s->done) return;
        s->done = s->step(++s->tick);
    }
    explicit Script(std::function<bool(int)> f) : step(std::move(f)) {
        current = this;
        timer = SetTimer(nullptr, 0, 60, &Tick);
    }
    ~Script() {
        KillTimer(nullptr, timer);
        current = nullptr;
    }
};
Script* Script::current = nullptr;

// The visible skinned menu windows, in creation order.
std::vector<HWND> MenuWindows() {
    std::vector<HWND> out;
    for (skin::menus::TWinSkinPopMenu* m : SkinManager->MenuWrappers)
        if (IsWindowVisible(m->Window())) out.push_back(m->Window());
    return out;
}

void PostKey(HWND w, WPARAM key) { PostMessageW(w, WM_KEYDOWN, key, 0); }

// The screen as a 32-bit picture of one rectangle.
struct Screen {
    RECT at{};
    std::vector<std::uint32_t> pixels;
    explicit Screen(RECT r) : at(r), pixels(static_cast<size_t>((r.right - r.left) * (r.bottom - r.top))) {
        const int w = r.right - r.left, h = r.bottom - r.top;
        HDC screen = GetDC(nullptr);
        HDC memory = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
        SelectObject(memory, old);
        BITMAPINFO bi{};
        bi.bmiHeader = {sizeof bi.bmiHeader, w, -h, 1, 32, BI_RGB};
        GetDIBits(memory, bitmap, 0, static_cast<UINT>(h), pixels.data(), &bi, DIB_RGB_COLORS);
        DeleteObject(bitmap);
        DeleteDC(memory);
        ReleaseDC(nullptr, screen);
    }
    // Screen coordinates.
    COLORREF At(int x, int y) const {
        const std::uint32_t p = pixels[static_cast<size_t>((y - at.top) * (at.right - at.left) + (x - at.left))];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    int Count(RECT r, COLORREF c) const {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) n += At(x, y) == c;
        return n;
    }
    // Bounding box of the pixels of colour c inside r; empty when none.
    RECT Box(RECT r, COLORREF c) const {
        RECT box{r.right, r.bottom, r.left, r.top};
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                if (At(x, y) == c) box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y),
                                          std::max<LONG>(box.right, x + 1), std::max<LONG>(box.bottom, y + 1)};
        return box;
    }
};

class SkinMenuTest : public ::testing::Test {
protected:
    void SetUp() override { Start(FlatSkinPackage()); }
    void Start(std::vector<std::uint8_t> package) {
        app = std::make_unique<TApplication>();
        app->OnException = [this](const std::wstring& text) { errors.push_back(text); };
        host = app->CreateForm<TForm>(L"MenuHost");
        data = new skin::frames::TSkinData(host);
        data->BeginLoading();
        data->PackageStream = std::move(package);
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
    void PumpUntil(const Script& s, int ms = 6000) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        while (!s.done && std::chrono::steady_clock::now() < end) {
            app->ProcessMessages();
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
    TMenuItem* Item(TMenuItem* parent, const wchar_t* caption, std::function<void()> click = {}) {
        auto* item = new TMenuItem(form);
        item->SetCaption(caption);
        if (click) item->OnClick = [click](TMenuItem*) { click(); };
        parent->Add(item);
        return item;
    }
    void ShowWithMenu() {
        form->SetMenu(menu);
        form->SetClientSize(320, 160);
        form->SetBounds(100, 100, form->Width(), form->Height());
        form->ShowForm();
        Pump(200);
        frame = TWinSkinForm::FromWindow(form->Handle());
        ASSERT_TRUE(frame && frame->MenuBar());
    }
    // Presses the bar item as the mouse would; returns when its drop-down closed.
    void PressBarItem(int index) {
        const skin::Rect& b = frame->MenuBar()->Items()[static_cast<size_t>(index)]->BoundsRect;
        RECT r;
        GetWindowRect(form->Handle(), &r);
        SendMessageW(form->Handle(), WM_NCLBUTTONDOWN, HTMENU, MAKELPARAM(r.left + b.left + 3, r.top + b.top + 3));
    }
    HMENU DropDown(int index) const { return frame->MenuBar()->Items()[static_cast<size_t>(index)]->DropDown; }

    std::unique_ptr<TApplication> app;
    TForm* host = nullptr;
    skin::frames::TSkinData* data = nullptr;
    TForm* form = nullptr;
    TMainMenu* menu = nullptr;
    TWinSkinForm* frame = nullptr;
    std::vector<std::wstring> errors;
};

// Where a monochrome bitmap is black.
RECT BlackPixels(HBITMAP mono) {
    BITMAP bm{};
    GetObjectW(mono, sizeof bm, &bm);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, mono);
    RECT box{bm.bmWidth, bm.bmHeight, 0, 0};
    for (int y = 0; y < bm.bmHeight; ++y)
        for (int x = 0; x < bm.bmWidth; ++x)
            if (GetPixel(dc, x, y) == RGB(0, 0, 0))
                box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x + 1),
                       std::max<LONG>(box.bottom, y + 1)};
    SelectObject(dc, old);
    DeleteDC(dc);
    return box;
}

int MenuTextWidth(const std::wstring& text) {
    NONCLIENTMETRICSW ncm{};
    ncm.cbSize = sizeof ncm;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0);
    HDC dc = GetDC(nullptr);
    HFONT font = CreateFontIndirectW(&ncm.lfMenuFont);
    HGDIOBJ old = SelectObject(dc, font);
    RECT r{};
    DrawTextW(dc, text.c_str(), -1, &r, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
    SelectObject(dc, old);
    DeleteObject(font);
    ReleaseDC(nullptr, dc);
    return r.right;
}

// The bar's first item starts 6 pixels in without a bar image, at the image's left
// cap + 4 with one, at 12 when that is wider than the bar; items are caption + 10
// wide; the hovered item is framed in ButtonHilight; a disabled caption is grey.
TEST_F(SkinMenuTest, BarItemsPlacedFramedAndGreyed) {
    struct Case { int menuBarLeft; int start; } cases[] = {{-1, 6}, {10, 14}, {5000, 12}};
    for (const Case& c : cases) {
        if (c.menuBarLeft >= 0) {
            app.reset();
            Start(FlatSkinPackage(kFixLeft, kFixLeftWidth, true, c.menuBarLeft));
        }
        form = app->CreateForm<TForm>(L"Bar");
        menu = new TMainMenu(form);
        Item(menu->Items(), L"文件");
        TMenuItem* off = Item(menu->Items(), L"禁用");
        off->SetEnabled(false);
        ShowWithMenu();
        HWND w = form->Handle();
        RECT r;
        GetWindowRect(w, &r);
        const int left = r.left + kFixLeftWidth + c.start, width = MenuTextWidth(L"文件") + 10;
        const int y = r.top + kFixTopHeight;
        // The pointer really there, so that the hover timer keeps the item hot while
        // the window's drawing reaches the screen.
        SetCursorPos(left + 3, y + 5);
        SendMessageW(w, WM_NCMOUSEMOVE, HTMENU, MAKELPARAM(left + 3, y + 5));
        Pump(80);
        Screen s({r.left, r.top, r.right, r.bottom});
        EXPECT_EQ(s.At(left, y + 5), kFixButtonHilight) << c.start;
        EXPECT_EQ(s.At(left + width - 1, y + 5), kFixButtonHilight) << c.start;
        EXPECT_NE(s.At(left - 1, y + 5), kFixButtonHilight) << c.start;
        EXPECT_NE(s.At(left + width, y + 5), kFixButtonHilight) << c.start;
        const RECT second{left + width, y, left + width + MenuTextWidth(L"禁用") + 10, y + GetSystemMetrics(SM_CYMENU) - 1};
        EXPECT_GT(s.Count(second, kFixMenuShadow), 0) << "disabled caption";
        if (c.menuBarLeft < 0) {
            EXPECT_EQ(s.Count(second, RGB(0, 0, 0)), 0);
        }
        form->Close();
        Pump(100);
    }
}

// Inside the open drop-down: the border band comes from the menu background, the
// selected item from frame 4 and the others from frame 1, a separator from the last
// rows of frame 2, a check mark centred in its 16-pixel box, disabled text grey.
TEST_F(SkinMenuTest, PopupPaintedFromTheSkin) {
    form = app->CreateForm<TForm>(L"Popup");
    menu = new TMainMenu(form);
    TMenuItem* file = Item(menu->Items(), L"文件");
    TMenuItem* open = Item(file, L"打开");
    open->SetShortCut(scCtrl | 'O');
    Item(file, L"-");
    Item(file, L"勾选")->SetChecked(true);
    Item(file, L"禁用")->SetEnabled(false);
    ShowWithMenu();
    HWND w = form->Handle();
    std::unique_ptr<Screen> shot;
    RECT popup{}, items[4]{};
    bool downSent = false;
    Script script([&](int tick) {
        if (tick > 100) {  // never opened or never selected: the checks below fail
            EndMenu();
            return true;
        }
        if (MenuWindows().empty()) return false;
        if (!downSent) {
            downSent = true;
            PostKey(w, VK_DOWN);  // opened by the mouse: nothing selected until Down
        }
        if (!(GetMenuState(DropDown(0), 0, MF_BYPOSITION) & MF_HILITE)) return false;
        GetWindowRect(MenuWindows().front(), &popup);
        for (int i = 0; i < 4; ++i) GetMenuItemRect(w, DropDown(0), static_cast<UINT>(i), &items[i]);
        shot = std::make_unique<Screen>(popup);
        EndMenu();
        return true;
    });
    PressBarItem(0);
    ASSERT_TRUE(shot) << "the drop-down opened";
    const Screen& s = *shot;
    // GetMenuItemRect's origin is not where the items are drawn everywhere: place
    // the items by the selected first item's top-left pixel, keeping their sizes.
    const RECT first = s.Box(popup, kFixItemSelected);
    ASSERT_LT(first.left, first.right);
    const int dx = first.left - items[0].left, dy = first.top - items[0].top;
    for (RECT& it : items) OffsetRect(&it, dx, dy);
    EXPECT_EQ(s.At(popup.left + 1, popup.top + 1), kFixMenuBorder);
    EXPECT_EQ(s.At(popup.right - 2, (popup.top + popup.bottom) / 2), kFixMenuBorder);
    EXPECT_EQ(s.At((popup.left + popup.right) / 2, popup.bottom - 1), kFixMenuBorder);
    auto mid = [](const RECT& r) { return (r.top + r.bottom) / 2; };
    EXPECT_EQ(s.At(items[0].right - 4, mid(items[0])), kFixItemSelected) << "first item selected by Down";
    EXPECT_EQ(s.At(items[2].right - 4, mid(items[2])), kFixItem);
    const int sx = (items[1].left + items[1].right) / 2;
    EXPECT_EQ(s.At(sx, items[1].bottom - 1), kFixSeparator);
    EXPECT_EQ(s.At(sx, items[1].bottom - kFixSeparatorRows), kFixSeparator);
    EXPECT_EQ(s.At(sx, items[1].bottom - kFixSeparatorRows - 1), kFixMenuBack) << "key rows show the background";
    // Check mark: the system's bitmap centred in the glyph box one pixel in.
    BITMAP bm{};
    HBITMAP check = LoadBitmapW(nullptr, MAKEINTRESOURCEW(32760));
    ASSERT_TRUE(check && GetObjectW(check, sizeof bm, &bm));
    const RECT glyph{items[2].left + 1 + kFixItemMargin, items[2].top + 1, items[2].left + 17 + kFixItemMargin,
                     items[2].top + 17};
    const RECT mark = s.Box({items[2].left, items[2].top, glyph.right + 2, items[2].bottom}, GetSysColor(COLOR_BTNTEXT));
    ASSERT_LT(mark.left, mark.right) << "a check mark is drawn";
    const RECT inBitmap = BlackPixels(check);
    const int x0 = glyph.left + (16 - bm.bmWidth) / 2 + 1, y0 = glyph.top + (16 - bm.bmHeight) / 2 + 1;
    EXPECT_EQ(mark.left, x0 + inBitmap.left);
    EXPECT_EQ(mark.top, y0 + inBitmap.top);
    EXPECT_EQ(mark.right, x0 + inBitmap.right);
    EXPECT_EQ(mark.bottom, y0 + inBitmap.bottom);
    const RECT disabled{glyph.right, items[3].top, items[3].right, items[3].bottom};
    EXPECT_GT(s.Count(disabled, kFixMenuShadow), 0);
    EXPECT_EQ(s.Count(disabled, kFixMenuText), 0);
    EXPECT_GT(s.Count({glyph.right, items[2].top, items[2].right, items[2].bottom}, kFixMenuText), 0);
    DeleteObject(check);
    wchar_t text[32] = {};
    GetMenuStringW(DropDown(0), open->Command(), text, 32, MF_BYCOMMAND);
    EXPECT_EQ(std::wstring(text), L"打开\tCtrl+O") << "owner-drawn items keep their text";
}

// Right slides to the next drop-down unless the item has a submenu, which it opens;
// Left goes back a level, then to the previous drop-down, wrapping round to the last
// item, which has no drop-down and so runs its command.
TEST_F(SkinMenuTest, ArrowKeysSlideBetweenDropDowns) {
    form = app->CreateForm<TForm>(L"Slide");
    menu = new TMainMenu(form);
    TMenuItem* a = Item(menu->Items(), L"&A");
    Item(a, L"a1");
    TMenuItem* b = Item(menu->Items(), L"&B");
    Item(b, L"b1");
    Item(Item(b, L"b2"), L"c1");
    int clicks = 0;
    Item(menu->Items(), L"&D", [&] { ++clicks; });
    ShowWithMenu();
    HWND w = form->Handle();
    std::vector<std::string> seen;
    int state = 0, since = 0;
    Script script([&](int tick) {
        HMENU open = frame->OpenDropDown();
        const size_t windows = MenuWindows().size();
        if (tick > 100) {  // a step never came: end the menu, the checks below fail
            EndMenu();
            return true;
        }
        auto ready = [&](HMENU want) { return open == want && tick - since >= 3; };
        switch (state) {
        case 0:
            if (!ready(DropDown(0))) return false;
            seen.push_back("A");
            PostKey(w, VK_RIGHT);
            break;
        case 1:
            if (!ready(DropDown(1))) return false;
            seen.push_back("B");
            PostKey(w, VK_DOWN);
            PostKey(w, VK_RIGHT);
            break;
        case 2:
            if (tick - since < 4) return false;
            seen.push_back("B+" + std::to_string(windows));
            PostKey(w, VK_LEFT);
            break;
        case 3:
            if (tick - since < 4) return false;
            seen.push_back(std::string(open == DropDown(1) ? "B" : "?") + "+" + std::to_string(windows));
            PostKey(w, VK_LEFT);
            break;
        case 4:
            if (!ready(DropDown(0))) return false;
            seen.push_back("A");
            PostKey(w, VK_LEFT);
            return true;
        }
        ++state;
        since = tick;
        return false;
    });
    PressBarItem(0);
    PumpUntil(script);
    Pump(300);
    EXPECT_EQ(seen, (std::vector<std::string>{"A", "B", "B+2", "B+1", "A"}));
    EXPECT_EQ(clicks, 1) << "wrapped round to the item without a drop-down";
    EXPECT_FALSE(frame->MenuTracking);
    EXPECT_EQ(frame->OpenDropDown(), nullptr);
    EXPECT_EQ(skin::menus::TrackingFrame(), nullptr);
}

// Keyboard rules of the drop-downs as in native Windows. Opened by the mouse (also by
// sliding onto it with the mouse) a drop-down has no item selected, so the first Down
// selects the first item; opened by Alt + letter or by sliding with an arrow key its
// first item is selected. Right on an item with a submenu opens the submenu, elsewhere
// it slides to the next drop-down; Left in a submenu closes it, in the drop-down
// itself it slides back (wrapping). Each case ends with Return on the item whose
// command must run.
TEST_F(SkinMenuTest, KeyboardInDropDownsAsInWindows) {
    form = app->CreateForm<TForm>(L"Keys");
    menu = new TMainMenu(form);
    std::wstring ran;
    auto leaf = [&](TMenuItem* parent, const wchar_t* caption) {
        Item(parent, caption, [&ran, caption] { ran = caption; });
    };
    TMenuItem* a = Item(menu->Items(), L"&A");
    leaf(a, L"a1");
    TMenuItem* a2 = Item(a, L"a2");
    leaf(a2, L"s1");
    leaf(a2, L"s2");
    leaf(a, L"a3");
    TMenuItem* b = Item(menu->Items(), L"&B");
    leaf(b, L"b1");
    leaf(b, L"b2");
    ShowWithMenu();
    HWND w = form->Handle();
    enum Open { Mouse, AltLetter };
    struct Phase {
        int dropDown;               // wait until this bar item's drop-down is open
        std::vector<WPARAM> keys;   // then post these keys
        int mouseTo = -1;           // or move the pointer onto this bar item
    };
    struct Case {
        const char* name;
        Open open;
        std::vector<Phase> phases;
        const wchar_t* runs;
    } cases[] = {
        {"mouse: the first Down selects the first item", Mouse, {{0, {VK_DOWN, VK_RETURN}}}, L"a1"},
        {"mouse: Right on a submenu item opens it", Mouse, {{0, {VK_DOWN, VK_DOWN, VK_RIGHT, VK_RETURN}}}, L"s1"},
        {"mouse: Right on a plain item slides on", Mouse, {{0, {VK_DOWN, VK_RIGHT}}, {1, {VK_RETURN}}}, L"b1"},
        {"mouse: Right with nothing selected slides on", Mouse, {{0, {VK_RIGHT}}, {1, {VK_DOWN, VK_RETURN}}}, L"b2"},
        {"mouse: Left in a submenu closes it", Mouse, {{0, {VK_DOWN, VK_DOWN, VK_RIGHT, VK_LEFT, VK_DOWN, VK_RETURN}}},
         L"a3"},
        {"mouse: Left in the drop-down slides back, wrapping", Mouse, {{0, {VK_DOWN, VK_LEFT}}, {1, {VK_RETURN}}}, L"b1"},
        {"mouse: sliding by mouse selects nothing", Mouse, {{0, {}, 1}, {1, {VK_DOWN, VK_RETURN}}}, L"b1"},
        {"Alt+A selects the first item", AltLetter, {{0, {VK_RETURN}}}, L"a1"},
        {"Alt+A, Down, Right opens the submenu", AltLetter, {{0, {VK_DOWN, VK_RIGHT, VK_RETURN}}}, L"s1"},
    };
    RECT wr;
    GetWindowRect(w, &wr);
    auto barPoint = [&](int index) {
        const skin::Rect& r = frame->MenuBar()->Items()[static_cast<size_t>(index)]->BoundsRect;
        return POINT{wr.left + (r.left + r.right) / 2, wr.top + (r.top + r.bottom) / 2};
    };
    BYTE saved[256] = {};
    GetKeyboardState(saved);
    for (const Case& c : cases) {
        ran.clear();
        SetCursorPos(wr.left + 40, wr.bottom - 20);  // the pointer over the client area
        Pump(60);
        size_t phase = 0;
        int since = 0;
        Script script([&](int tick) {
            if (tick > 120) {  // a phase never came: give up, the checks below fail
                EndMenu();
                return true;
            }
            if (phase == c.phases.size()) return !frame->OpenDropDown();
            const Phase& p = c.phases[phase];
            if (frame->OpenDropDown() != DropDown(p.dropDown) || MenuWindows().empty()) {
                since = tick;
                return false;
            }
            if (tick - since < 3) return false;  // let the menu loop settle
            if (p.mouseTo >= 0) {
                const POINT at = barPoint(p.mouseTo);
                SetCursorPos(at.x, at.y);
            }
            for (WPARAM k : p.keys) PostKey(w, k);
            ++phase;
            since = tick;
            return false;
        });
        if (c.open == Mouse) {
            PressBarItem(0);
        } else {
            BYTE keys[256];
            std::copy(std::begin(saved), std::end(saved), keys);
            keys[VK_MENU] = 0x80;
            SetKeyboardState(keys);
            SendMessageW(w, WM_SYSCHAR, 'a', 0x20000000);
            SetKeyboardState(saved);
        }
        PumpUntil(script);
        Pump(150);
        EXPECT_EQ(phase, c.phases.size()) << c.name;
        EXPECT_EQ(ran, c.runs) << c.name;
        EXPECT_FALSE(frame->MenuTracking) << c.name;
        EXPECT_EQ(skin::menus::TrackingFrame(), nullptr) << c.name;
    }
}

// The bar item looks pressed only while its drop-down is open: once it closes (Esc,
// a click elsewhere, a click on the item itself) the item is drawn normal at once, or
// hot when the pointer is still over it, also when the frame was painted anew while
// the drop-down was open; a hot item lets go when the pointer leaves. A click on the
// open item closes its drop-down.
TEST_F(SkinMenuTest, BarItemLetGoWhenItsDropDownCloses) {
    form = app->CreateForm<TForm>(L"LetGo");
    menu = new TMainMenu(form);
    Item(Item(menu->Items(), L"文件"), L"打开");
    Item(Item(menu->Items(), L"编辑"), L"复制");
    ShowWithMenu();
    HWND w = form->Handle();
    RECT wr;
    GetWindowRect(w, &wr);
    const skin::Rect& b = frame->MenuBar()->Items()[0]->BoundsRect;
    const RECT item{wr.left + b.left, wr.top + b.top, wr.left + b.right, wr.top + b.bottom};
    const POINT onItem{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    const POINT onClient{wr.right - 30, wr.bottom - 20};
    auto framed = [&] { return Screen(item).Count(item, kFixButtonHilight) > 0; };
    enum Close { Escape, Click };
    struct Case {
        const char* name;
        Close close;
        POINT at;        // where the pointer is when the drop-down closes
        bool repaint;    // the whole frame painted while the drop-down is open
        bool hot;        // framed afterwards
    } cases[] = {
        {"Esc, pointer elsewhere", Escape, onClient, false, false},
        {"Esc, pointer on the item", Escape, onItem, false, true},
        {"Esc, pointer on the item, frame repainted", Escape, onItem, true, true},
        {"click elsewhere, frame repainted", Click, onClient, true, false},
        {"click elsewhere", Click, onClient, false, false},
        {"click on the open item", Click, onItem, false, true},
    };
    for (const Case& c : cases) {
        SetCursorPos(onItem.x, onItem.y);
        Pump(60);
        int opened = 0, acted = 0, framedAtOnce = -1;
        bool reopened = false;
        Script script([&](int tick) {
            if (tick > 100) {  // never opened: the checks below fail
                EndMenu();
                return true;
            }
            if (!acted) {
                if (!frame->OpenDropDown()) return false;
                if (!opened) opened = tick;
                if (tick - opened < 3) return false;
                if (c.repaint) SendMessageW(w, skin::frames::SKINMSG_REPAINT, 0, 0);
                SetCursorPos(c.at.x, c.at.y);
                if (c.close == Escape) {
                    PostKey(w, VK_ESCAPE);
                } else {
                    INPUT in[2] = {};
                    in[0].type = in[1].type = INPUT_MOUSE;
                    in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
                    in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
                    SendInput(2, in, sizeof(INPUT));
                }
                acted = tick;
                return false;
            }
            if (frame->OpenDropDown()) {  // still (or again) open
                if (tick - acted < 5) return false;
                reopened = true;
                EndMenu();
                return false;
            }
            framedAtOnce = framed();  // well within the hover timer's period
            return true;
        });
        PressBarItem(0);
        PumpUntil(script);
        EXPECT_FALSE(reopened) << c.name;
        EXPECT_EQ(framedAtOnce, c.hot) << c.name;
        SetCursorPos(onClient.x, onClient.y);
        Pump(400);
        EXPECT_FALSE(framed()) << c.name << ": let go once the pointer left";
        EndMenu();
        Pump(100);
    }
}

// Alt + letter opens the item; with Shift as well it does not.
TEST_F(SkinMenuTest, AltLetterOpensTheItem) {
    form = app->CreateForm<TForm>(L"Accel");
    menu = new TMainMenu(form);
    Item(Item(menu->Items(), L"&A"), L"a1");
    Item(Item(menu->Items(), L"&B"), L"b1");
    ShowWithMenu();
    HWND w = form->Handle();
    BYTE keys[256] = {}, saved[256] = {};
    GetKeyboardState(saved);
    auto chord = [&](bool shift) {
        std::copy(std::begin(saved), std::end(saved), keys);
        keys[VK_MENU] = 0x80;
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(keys);
        SendMessageW(w, WM_SYSCHAR, 'b', 0x20000000);
        SetKeyboardState(saved);
    };
    HMENU opened = nullptr;
    Script script([&](int) {
        if (!frame->OpenDropDown()) return false;
        opened = frame->OpenDropDown();
        EndMenu();
        return true;
    });
    chord(true);
    Pump(300);
    EXPECT_EQ(opened, nullptr) << "Alt+Shift+B";
    chord(false);
    PumpUntil(script, 3000);
    EXPECT_EQ(opened, DropDown(1));
}

// Handlers given to a tool menu and the tracking link let go of a frame whose window
// is destroyed; a pending popup wrapper is forgotten when its window goes.
TEST_F(SkinMenuTest, NothingRefersToWindowsThatAreGone) {
    form = app->CreateForm<TForm>(L"Gone");
    menu = new TMainMenu(form);
    Item(Item(menu->Items(), L"&A"), L"a1");
    ShowWithMenu();
    TPopupMenu tools(nullptr);
    auto* tool = new TMenuItem(&tools);
    tool->SetCaption(L"工具");
    tools.Items()->Add(tool);
    frame->InstallMenuHandlers(tools.Items());
    EXPECT_TRUE(tool->OnAdvancedDrawItem);
    // The window dies while its drop-down is open.
    Script script([&](int tick) {
        if (tick < 3 || !frame->OpenDropDown()) return false;
        DestroyWindow(form->Handle());
        return true;
    });
    PressBarItem(0);
    PumpUntil(script, 3000);
    Pump(200);
    EXPECT_EQ(skin::menus::TrackingFrame(), nullptr);
    EXPECT_FALSE(tool->OnAdvancedDrawItem) << "removed with the frame";
    HDC dc = CreateCompatibleDC(nullptr);
    tool->DoAdvancedDraw(dc, {0, 0, 80, 20}, 0);  // draws plainly, calls nothing gone
    DeleteDC(dc);

    HWND plain = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_BORDER | WS_VISIBLE, 10, 10, 60, 40, nullptr, nullptr,
                                 nullptr, nullptr);
    auto* wrapper = new skin::menus::TWinSkinPopMenu();
    wrapper->AttachMenuWindow(plain, data);
    SendMessageW(plain, WM_NCPAINT, 1, 0);
    EXPECT_EQ(skin::menus::PendingWrapper(), wrapper) << "no menu known yet";
    DestroyWindow(plain);
    EXPECT_EQ(skin::menus::PendingWrapper(), nullptr);
    delete wrapper;
}

// The program's test catalogue: class, subclass and test submenus open skinned (the
// tests' submenu is filled as it opens and still owner-drawn), Enter starts the test.
TEST(SkinMenuProgram, CatalogueOpensSkinnedAndStartsTheChosenTest) {
    TApplication app;
    app.Title = L"心理测试Mobix4.3";
    std::vector<std::wstring> errors;
    app.OnException = [&](const std::wstring& text) { errors.push_back(text); };
    app::exepath = ExeFolder();
    app::adoconn.Open(content::DataSourceOf(content::BuildConnectionString(app::Narrow(app::exepath))));
    app::Form1 = app.CreateForm<app::TForm1>();
    app::Form1->ADOQuery1ConnectionString = content::BuildConnectionString(app::Narrow(app::exepath));
    {
        content::Recordset classes, subclasses, tests;
        app::Form1->BuildTestCatalogue(classes, subclasses, tests);
    }
    app::Form1->ShowForm();
    auto pump = [&](int ms) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        do {
            app.ProcessMessages();
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        } while (std::chrono::steady_clock::now() < end);
    };
    pump(300);
    HWND w = app::Form1->Handle();
    TWinSkinForm* frame = TWinSkinForm::FromWindow(w);
    ASSERT_TRUE(frame && frame->MenuBar());
    size_t windows = 0;
    bool ownerDrawn = false;
    std::wstring chosen;
    size_t sent = 0;  // Down and Right into the classes, Right into the subclass
    Script script([&](int tick) {
        if (tick > 150) {  // a level never opened: the checks below fail
            EndMenu();
            return true;
        }
        const size_t open = MenuWindows().size();
        if (open == 1 && sent == 0) {  // opened by the mouse: select the first class
            PostKey(w, VK_DOWN);
            PostKey(w, VK_RIGHT);
            ++sent;
        } else if (open == 2 && sent == 1) {  // the first subclass: its tests
            PostKey(w, VK_RIGHT);
            ++sent;
        }
        if (open < 3) return false;
        windows = MenuWindows().size();
        HMENU tests = GetSubMenu(GetSubMenu(frame->OpenDropDown(), 0), 0);
        MENUITEMINFOW info{sizeof info};
        info.fMask = MIIM_FTYPE | MIIM_ID;
        ownerDrawn = GetMenuItemInfoW(tests, 0, TRUE, &info) && (info.fType & MFT_OWNERDRAW);
        wchar_t text[200] = {};
        GetMenuStringW(tests, 0, text, 200, MF_BYPOSITION);
        chosen = text;
        PostKey(w, VK_RETURN);
        return true;
    });
    const skin::Rect& b = frame->MenuBar()->Items().front()->BoundsRect;
    RECT r;
    GetWindowRect(w, &r);
    SendMessageW(w, WM_NCLBUTTONDOWN, HTMENU, MAKELPARAM(r.left + b.left + 3, r.top + b.top + 3));
    pump(300);
    EXPECT_EQ(windows, 3u);
    EXPECT_TRUE(ownerDrawn) << "items filled on opening are owner-drawn too";
    EXPECT_FALSE(chosen.empty());
    EXPECT_GT(app::runState.sqcount, 0) << "the chosen test was loaded";
    EXPECT_EQ(app::runState.sqindex, 1);
    EXPECT_EQ(app::Widen(app::runState.testtitle), chosen.substr(0, app::Widen(app::runState.testtitle).size()));
    for (const std::wstring& e : errors) ADD_FAILURE() << app::Narrow(e);
    app::adoconn.Close();
}

// Waits for the help viewer's window (another process) showing ZunoHelp.chm, whose
// title names the program's instructions, and closes it.
bool CloseHelpViewer() {
    const std::wstring title = L"心理测试Mobix 4.3 使用说明";
    HWND viewer = nullptr;
    for (int i = 0; i < 200 && !viewer; ++i) {
        viewer = FindWindowW(nullptr, title.c_str());
        if (!viewer) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    if (!viewer) return false;
    DWORD pid = 0;
    GetWindowThreadProcessId(viewer, &pid);
    const bool other = pid != GetCurrentProcessId();
    HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, pid);
    PostMessageW(viewer, WM_CLOSE, 0, 0);
    if (process) {
        if (WaitForSingleObject(process, 5000) != WAIT_OBJECT_0) TerminateProcess(process, 1);
        CloseHandle(process);
    }
    return other;
}

// A modal dialog seen while a shortcut ran; the font dialog has its font name list.
struct Dialog {
    bool opened = false;
    bool fontList = false;
};

// Visible dialogs of this thread.
BOOL CALLBACK AddDialog(HWND w, LPARAM p) {
    wchar_t name[16] = {};
    if (IsWindowVisible(w) && GetClassNameW(w, name, 16) && std::wstring_view(name) == L"#32770")
        reinterpret_cast<std::vector<HWND>*>(p)->push_back(w);
    return TRUE;
}

std::vector<HWND> ThreadDialogs() {
    std::vector<HWND> out;
    EnumThreadWindows(GetCurrentThreadId(), &AddDialog, reinterpret_cast<LPARAM>(&out));
    return out;
}

std::string ClipboardText() {
    std::string text;
    if (!OpenClipboard(nullptr)) return text;
    if (HANDLE h = GetClipboardData(CF_TEXT)) {
        if (const char* p = static_cast<const char*>(GlobalLock(h))) text = p;
        GlobalUnlock(h);
    }
    CloseClipboard();
    return text;
}

// The menu's shortcuts still reach their commands once the skin has taken the native
// menu bar away: Ctrl+C copies the page, F3 shows the search dialog, Ctrl+F the font
// dialog, F1 opens the help file in the system's help viewer. The keys go to the
// control that has the focus, as typed keys would.
TEST(SkinMenuProgram, ShortcutsWorkWithoutTheNativeMenuBar) {
    TApplication app;
    app.Title = L"心理测试Mobix4.3";
    std::vector<std::wstring> errors;
    app.OnException = [&](const std::wstring& text) { errors.push_back(text); };
    app::exepath = ExeFolder();  // ZunoHelp.chm is there
    app::adoconn.Open(content::DataSourceOf(content::BuildConnectionString(app::Narrow(ExeFolder()))));
    app::Form1 = app.CreateForm<app::TForm1>();
    app::Form1->ADOQuery1ConnectionString = content::BuildConnectionString(app::Narrow(ExeFolder()));
    search::SearchLib = app.CreateForm<search::TSearchLib>();
    app::Form1->ShowForm();
    app::Form1->Formshow();
    PumpFor(app, 300);
    HWND w = app::Form1->Handle();
    TWinSkinForm* frame = TWinSkinForm::FromWindow(w);
    ASSERT_TRUE(frame && frame->MenuBar());
    ASSERT_EQ(GetMenu(w), nullptr) << "the native menu bar is gone";
    OpenClipboard(nullptr);
    EmptyClipboard();
    CloseClipboard();

    struct Case {
        const char* name;
        WORD key;
        bool ctrl;
        std::function<bool(const Dialog&)> shown;  // the visible effect
    } cases[] = {
        {"Ctrl+C", 'C', true,
         [&](const Dialog&) { return ClipboardText() == runner::GbkEncode(app::Narrow(app::Form1->PageText())); }},
        {"F3", VK_F3, false, [&](const Dialog&) { return IsWindowVisible(search::SearchLib->Handle()) != FALSE; }},
        {"Ctrl+F", 'F', true, [&](const Dialog& d) { return d.opened && d.fontList; }},
        {"F1", VK_F1, false, [&](const Dialog&) { return CloseHelpViewer(); }},
    };
    BYTE saved[256] = {};
    GetKeyboardState(saved);
    for (const Case& c : cases) {
        SetForegroundWindow(w);
        SetFocus(app::Form1->CancelButton->Handle());
        PumpFor(app, 50);
        Dialog dialog;
        int ticks = 0;
        // The font dialog is modal: the timer sees and closes them.
        Script script([&](int) {
            const std::vector<HWND> open = ThreadDialogs();
            if (!open.empty() && !dialog.opened) {
                HWND d = open.front();
                dialog.opened = true;
                dialog.fontList = GetDlgItem(d, 1136) != nullptr;
                PostMessageW(d, WM_CLOSE, 0, 0);
            }
            return ++ticks > 10;
        });
        BYTE keys[256];
        std::copy(std::begin(saved), std::end(saved), keys);
        if (c.ctrl) keys[VK_CONTROL] = 0x80;
        SetKeyboardState(keys);
        PostMessageW(GetFocus(), WM_KEYDOWN, c.key, 1);
        PumpFor(app, 100);
        SetKeyboardState(saved);
        PumpFor(app, 700);
        EXPECT_TRUE(c.shown(dialog)) << c.name;
        if (IsWindowVisible(search::SearchLib->Handle())) search::SearchLib->Close();
    }
    EXPECT_TRUE(ThreadDialogs().empty());
    for (const std::wstring& e : errors) ADD_FAILURE() << app::Narrow(e);
    app::adoconn.Close();
}

}  // namespace

// The form layer and the shell's forms in this process: window classes, menus and
// shortcuts, keyboard navigation, the error convention, the option buttons' styles,
// the message box and the about box.
#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <set>

#include "app/MainModule.h"
#include "app/MainWindow.h"
#include "app/ProfileFile.h"
#include "app/SplashForm.h"
#include "content/ConnectionString.h"
#include "content/Recordset.h"
#include "forms/Application.h"
#include "forms/Messages.h"
#include "tests/win/ProgramUnderTest.h"
#include "tests/win/PumpMessages.h"
#include "tools/AboutForm.h"
#include "tools/MessageForm.h"
#include "winutil/WideText.h"

namespace {

using namespace zuno;
using namespace zuno::forms;

class FormsTest : public ::testing::Test {
protected:
    void SetUp() override {
        app = std::make_unique<TApplication>();
        app->Title = L"心理测试Mobix4.3";
        app->OnException = [this](const std::wstring& text) { errors.push_back(text); };
    }
    void TearDown() override {
        app.reset();
        SetKeyboardState(std::array<BYTE, 256>{}.data());
    }
    void Pump() { app->ProcessMessages(); }
    // Feeds a key press through the loop's keyboard handling, as the user's would go.
    bool Key(HWND target, WORD vk, bool ctrl = false, bool shift = false) {
        std::array<BYTE, 256> state{};
        if (ctrl) state[VK_CONTROL] = 0x80;
        if (shift) state[VK_SHIFT] = 0x80;
        SetKeyboardState(state.data());
        MSG msg{target, WM_KEYDOWN, vk, 0};
        const bool consumed = app->PreTranslate(msg);
        SetKeyboardState(std::array<BYTE, 256>{}.data());
        return consumed;
    }
    std::unique_ptr<TApplication> app;
    std::vector<std::wstring> errors;
};

std::wstring MenuString(HMENU menu, int pos) {
    wchar_t buf[128] = {};
    GetMenuStringW(menu, static_cast<UINT>(pos), buf, 128, MF_BYPOSITION);
    return buf;
}

TEST_F(FormsTest, FormWindowClassIsTPlusName) {
    auto* form = app->CreateForm<TForm>(L"Probe");
    form->SetClientSize(200, 100);
    form->ShowForm();
    wchar_t cls[64];
    GetClassNameW(form->Handle(), cls, 64);
    EXPECT_STREQ(cls, L"TProbe");
    RECT r;
    GetClientRect(form->Handle(), &r);
    EXPECT_EQ(r.right, 200);
    EXPECT_EQ(r.bottom, 100);
    EXPECT_EQ(app->MainForm(), form);
}

// The splash form's way of showing: on top of the active window, which keeps the focus,
// also when shown again from behind it; a form shown normally then takes the focus.
TEST_F(FormsTest, FormShownWithoutActivationGoesOnTopAndLeavesTheFocus) {
    auto* first = app->CreateForm<TForm>(L"First");
    first->SetClientSize(200, 100);
    first->ShowForm();
    auto* quiet = new TForm(app.get(), L"Quiet");
    quiet->ActivateOnShow = false;
    quiet->SetClientSize(100, 50);
    const auto above = [](HWND upper, HWND lower) {
        for (HWND h = GetWindow(upper, GW_HWNDNEXT); h; h = GetWindow(h, GW_HWNDNEXT))
            if (h == lower) return true;
        return false;
    };
    for (const char* round : {"first show", "shown again after the other came to the front"}) {
        quiet->ShowForm();
        Pump();
        EXPECT_TRUE(IsWindowVisible(quiet->Handle())) << round;
        EXPECT_EQ(GetActiveWindow(), first->Handle()) << round;
        EXPECT_FALSE(quiet->Active()) << round;
        EXPECT_TRUE(above(quiet->Handle(), first->Handle())) << round;
        first->ShowForm();
        Pump();
    }
    auto* next = new TForm(app.get(), L"Next");
    next->SetClientSize(100, 50);
    next->ShowForm();
    EXPECT_EQ(GetActiveWindow(), next->Handle());
    delete next;
    delete quiet;
}

// A form leaves the screen before it is taken apart: its skin frame lets go of the
// window first, and the bare window must not be seen in between. Checked where the
// frame is told: when a form closes to be freed, and when the application ends.
TEST_F(FormsTest, FormsAreOutOfSightBeforeTheyAreTakenApart) {
    static std::map<HWND, bool> visibleWhenTold;
    visibleWhenTold.clear();
    HHOOK hook = SetWindowsHookExW(
        WH_CALLWNDPROC,
        [](int code, WPARAM w, LPARAM l) -> LRESULT {
            const auto* call = reinterpret_cast<const CWPSTRUCT*>(l);
            if (code == HC_ACTION && call->message == CM_FORMDESTROYING)
                visibleWhenTold[call->hwnd] = IsWindowVisible(call->hwnd) != FALSE;
            return CallNextHookEx(nullptr, code, w, l);
        },
        nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    auto* main = app->CreateForm<TForm>(L"MainOne");
    auto* other = app->CreateForm<TForm>(L"OtherOne");
    auto* freed = app->CreateForm<TForm>(L"FreedOne");
    freed->OnClose = [](TComponent*, TCloseAction& action) { action = TCloseAction::caFree; };
    std::map<std::wstring, HWND> windows;
    for (TForm* f : {main, other, freed}) {
        f->SetClientSize(120, 60);
        f->ShowForm();
        windows[f->Name] = f->Handle();
    }
    freed->Close();
    EXPECT_FALSE(IsWindowVisible(windows[L"FreedOne"])) << "a form closed to be freed is gone at once";
    Pump();
    app.reset();
    UnhookWindowsHookEx(hook);
    for (const auto& [name, hwnd] : windows) {
        ASSERT_TRUE(visibleWhenTold.count(hwnd)) << std::string(name.begin(), name.end());
        EXPECT_FALSE(visibleWhenTold[hwnd]) << std::string(name.begin(), name.end());
    }
}

TEST_F(FormsTest, MenuItemsFollowInsertionAndState) {
    auto* form = app->CreateForm<TForm>(L"MenuProbe");
    auto* menu = new TMainMenu(form);
    auto* top = new TMenuItem(form);
    top->SetCaption(L"选择问题");
    menu->Items()->Add(top);
    for (const wchar_t* c : {L"A", L"B", L"C"}) {
        auto* item = new TMenuItem(top);
        item->SetCaption(c);
        top->Insert(0, item);  // catalogues insert at the top: C, B, A
    }
    form->SetMenu(menu);
    form->ShowForm();
    HMENU sub = GetSubMenu(GetMenu(form->Handle()), 0);
    ASSERT_TRUE(sub);
    EXPECT_EQ(MenuString(sub, 0), L"C");
    EXPECT_EQ(MenuString(sub, 2), L"A");
    TMenuItem* b = top->Items(1);
    b->SetChecked(true);
    b->SetShortCut(scCtrl | 'B');
    EXPECT_EQ(MenuString(sub, 1), L"B\tCtrl+B");
    MENUITEMINFOW info{sizeof info, MIIM_STATE | MIIM_ID};
    GetMenuItemInfoW(sub, 1, TRUE, &info);
    EXPECT_TRUE(info.fState & MFS_CHECKED);
    EXPECT_EQ(TMenuItem::FindByCommand(info.wID), b);
    EXPECT_EQ(menu->FindItem(info.wID, TMenu::TFindItemKind::fkCommand), b);
    EXPECT_EQ(menu->FindItem(reinterpret_cast<UINT_PTR>(sub), TMenu::TFindItemKind::fkHandle), top);
    b->SetVisible(false);
    EXPECT_EQ(GetMenuItemCount(sub), 2);
    EXPECT_EQ(MenuString(sub, 1), L"A");
    b->SetVisible(true);
    EXPECT_EQ(MenuString(sub, 1), L"B\tCtrl+B");
    delete b;
    EXPECT_EQ(GetMenuItemCount(sub), 2);
    EXPECT_EQ(top->Count(), 2);
}

// A large catalogue hands out more ids over a run than the range holds. Ids from
// 0xF000 up are system commands (0xF060 closes the window) and must never be used;
// an id still held by a live item is never handed out again.
TEST_F(FormsTest, MenuCommandIdsWrapBelowSystemCommandsAndSkipLiveOnes) {
    std::vector<std::unique_ptr<TMenuItem>> kept;
    std::set<UINT> keptIds;
    for (int i = 0; i < 0xF000; ++i) {
        auto item = std::make_unique<TMenuItem>(nullptr);
        const UINT id = item->Command();
        ASSERT_GE(id, 1u);
        ASSERT_LT(id, 0xF000u);
        ASSERT_FALSE(keptIds.count(id)) << "id " << id << " is still held by a live item";
        if (i % 997 == 0) {
            keptIds.insert(id);
            kept.push_back(std::move(item));
        }
    }
    for (const auto& item : kept) EXPECT_EQ(TMenuItem::FindByCommand(item->Command()), item.get());
    // With every id in use the next item is refused with an error, not given a duplicate.
    std::vector<std::unique_ptr<TMenuItem>> all;
    std::set<UINT> ids = keptIds;
    bool refused = false;
    for (int i = 0; i <= 0xF000 && !refused; ++i) {
        try {
            all.push_back(std::make_unique<TMenuItem>(nullptr));
            ASSERT_TRUE(ids.insert(all.back()->Command()).second);
        } catch (const std::runtime_error&) {
            refused = true;
        }
    }
    EXPECT_TRUE(refused);
    EXPECT_LT(*ids.rbegin(), 0xF000u);
}

TEST_F(FormsTest, DeferredSubmenuIsFilledWhenFirstOpened) {
    auto* form = app->CreateForm<TForm>(L"DeferProbe");
    auto* menu = new TMainMenu(form);
    auto* top = new TMenuItem(form);
    top->SetCaption(L"选择问题");
    menu->Items()->Add(top);
    auto* sub = new TMenuItem(top);
    sub->SetCaption(L"类");
    top->Add(sub);
    sub->DeferSubmenu();
    int clicks = 0;
    for (const wchar_t* c : {L"A", L"B", L"C", L"D"}) {
        auto* item = new TMenuItem(top);
        item->SetCaption(c);
        item->OnClick = [&](TMenuItem*) { ++clicks; };
        sub->Insert(0, item);
    }
    sub->Items(1)->SetVisible(false);  // C
    sub->Items(2)->SetChecked(true);   // B
    form->SetMenu(menu);
    form->ShowForm();
    HMENU native = sub->Handle();
    ASSERT_TRUE(native);
    EXPECT_EQ(GetMenuItemCount(native), 0) << "nothing entered before the submenu opens";
    EXPECT_EQ(menu->FindItem(reinterpret_cast<UINT_PTR>(native), TMenu::TFindItemKind::fkHandle), sub);
    SendMessageW(form->Handle(), WM_COMMAND, sub->Items(0)->Command(), 0);
    EXPECT_EQ(clicks, 1) << "items answer their commands before the submenu was opened";

    SendMessageW(form->Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(native), 1);
    ASSERT_EQ(GetMenuItemCount(native), 3);
    EXPECT_EQ(MenuString(native, 0), L"D");
    EXPECT_EQ(MenuString(native, 1), L"B");
    EXPECT_EQ(MenuString(native, 2), L"A");
    MENUITEMINFOW info{sizeof info, MIIM_STATE | MIIM_ID};
    GetMenuItemInfoW(native, 1, TRUE, &info);
    EXPECT_TRUE(info.fState & MFS_CHECKED);
    EXPECT_EQ(TMenuItem::FindByCommand(info.wID), sub->Items(2));

    SendMessageW(form->Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(native), 1);
    EXPECT_EQ(GetMenuItemCount(native), 3) << "filled once";
    sub->Items(3)->SetCaption(L"A2");  // from now on every change is mirrored at once
    EXPECT_EQ(MenuString(native, 2), L"A2");
}

TEST_F(FormsTest, ShortCutTextForms) {
    EXPECT_EQ(ShortCutToText(scCtrl | 'C'), L"Ctrl+C");
    EXPECT_EQ(ShortCutToText(VK_F3), L"F3");
    EXPECT_EQ(ShortCutToText(scShift | scCtrl | VK_DELETE), L"Shift+Ctrl+Del");
    EXPECT_EQ(ShortCutToText(0), L"");
}

TEST_F(FormsTest, MainMenuShortcutsWorkFromAnyControl) {
    auto* form = app->CreateForm<app::TForm1>();
    int searches = 0, copies = 0;
    form->SearchLibMenu->OnClick = [&](TMenuItem*) { ++searches; };
    form->CopyTxtMenu->OnClick = [&](TMenuItem*) { ++copies; };
    form->ShowForm();
    HWND exitButton = form->CancelButton->Handle();
    EXPECT_TRUE(Key(exitButton, VK_F3));
    EXPECT_TRUE(Key(form->Handle(), 'C', true));
    EXPECT_FALSE(Key(exitButton, 'C')) << "plain C is typing, not the shortcut";
    EXPECT_EQ(searches, 1);
    EXPECT_EQ(copies, 1);
}

TEST_F(FormsTest, TabSkipsCheckBoxesAndArrowsWalkRadioButtons) {
    auto* form = app->CreateForm<app::TForm1>();
    form->ShowForm();
    for (int i = 0; i < 3; ++i) {
        form->RadioButton[i]->SetVisible(true);
        form->CheckBox[i]->SetVisible(true);
    }
    form->RadioButton[0]->SetFocus();
    EXPECT_TRUE(Key(form->RadioButton[0]->Handle(), VK_DOWN));
    EXPECT_TRUE(form->RadioButton[1]->Checked());
    EXPECT_FALSE(form->RadioButton[0]->Checked());
    EXPECT_EQ(form->ActiveControl(), form->RadioButton[1]);
    form->CancelButton->SetFocus();
    // Tab from Exit goes round to the first control that takes focus: a radio button.
    EXPECT_TRUE(Key(form->CancelButton->Handle(), VK_TAB));
    TWinControl* focused = form->ActiveControl();
    ASSERT_TRUE(focused);
    EXPECT_FALSE(focused->Is<TCustomCheckBox>());
}

TEST_F(FormsTest, ErrorInAHandlerIsReportedAndTheRestSkipped) {
    auto* form = app->CreateForm<TForm>(L"ErrorProbe");
    auto* button = new TButton(form);
    button->SetParent(form);
    button->SetBounds(10, 10, 80, 30);
    bool after = false;
    button->OnClick = [&](TComponent*) {
        throw std::runtime_error("出错了");
        after = true;
    };
    form->ShowForm();
    SendMessageW(button->Handle(), BM_CLICK, 0, 0);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], L"出错了");
    EXPECT_FALSE(after);
    SendMessageW(button->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(errors.size(), 2u) << "the program goes on";
}

// Esc ends the program also while a push button has the focus (it takes it when
// clicked).
TEST_F(FormsTest, EscOnAFocusedPushButtonEndsTheProgram) {
    for (int i = 0; i < 3; ++i) {
        app.reset();
        SetUp();   // a fresh loop that has not ended, with the window anew
        auto* form = app->CreateForm<app::TForm1>();
        form->ShowForm();
        TButton* b = std::array<TButton*, 3>{form->PreviousButton, form->NextButton, form->CancelButton}[i];
        SCOPED_TRACE(app::Narrow(b->Caption()));
        b->SetEnabled(true);
        b->SetFocus();
        ASSERT_EQ(GetFocus(), b->Handle());
        SendMessageW(b->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
        EXPECT_TRUE(app->Terminated());
        MSG quit;   // the loop's end must not reach the next test
        while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {}
    }
}

TEST_F(FormsTest, OptionButtonStyles) {
    auto* form = app->CreateForm<app::TForm1>();
    form->ShowForm();
    controls::TRadioButton95* r = form->RadioButton[0];
    HWND before = r->Handle();
    EXPECT_TRUE(GetWindowLongW(before, GWL_STYLE) & BS_MULTILINE);
    r->SetWordWrap(true);
    EXPECT_EQ(r->Handle(), before) << "an equal value does not re-create the window";
    r->SetHorAlignment(controls::THorizontalAlignment::haCenter);
    EXPECT_EQ(GetWindowLongW(r->Handle(), GWL_STYLE) & BS_CENTER, static_cast<LONG>(BS_CENTER));
    EXPECT_TRUE(r->Checked()) << "the check state survives re-creation";
    controls::TButtonPicture picture;
    picture.SetBitmap(CreateBitmap(8, 8, 1, 32, nullptr));
    r->SetPicture(picture);
    EXPECT_TRUE(GetWindowLongW(r->Handle(), GWL_STYLE) & BS_BITMAP);
    controls::TButtonPicture empty;
    r->SetPicture(empty);
    EXPECT_FALSE(GetWindowLongW(r->Handle(), GWL_STYLE) & BS_BITMAP);
    EXPECT_EQ(controls::EnhancedButtonStyle(controls::THorizontalAlignment::haLeft,
                                            controls::TVerticalAlignment::vaCenter, false, false, empty),
              static_cast<DWORD>(BS_LEFT | BS_VCENTER));
}

TEST_F(FormsTest, MainWindowPageAsDesigned) {
    auto* form = app->CreateForm<app::TForm1>();
    form->ShowForm();
    form->Formshow();
    EXPECT_EQ(form->Label1->Caption(), app::kGreeting);
    EXPECT_EQ(form->GroupBox1->Top(), -8);
    EXPECT_EQ(form->Label1->Width(), 480);
    EXPECT_GT(form->Label1->Height(), 40) << "the greeting wraps";
    EXPECT_EQ(form->Label1->Font().Height, -16);
    EXPECT_EQ(form->ZunoLabel->Width(), 16);
    EXPECT_EQ(form->ZunoLabel->Height(), 176);
    EXPECT_FALSE(form->ScrollBar->Visible());
    EXPECT_TRUE(form->RadioButton[0]->Checked());
    for (int i = 0; i < 12; ++i) {
        EXPECT_FALSE(IsWindowVisible(form->RadioButton[i]->Handle()));
        EXPECT_FALSE(IsWindowVisible(form->CheckBox[i]->Handle()));
    }
    EXPECT_FALSE(form->N3->Checked());
    // The skinned frame draws the menu bar itself; the menu object keeps the items.
    EXPECT_EQ(MenuString(form->MainMenu1->Handle(), 0), L"选择问题");
    EXPECT_EQ(MenuString(form->N1->Handle(), 0), L"复制内容到剪贴板\tCtrl+C");
    EXPECT_EQ(MenuString(form->N2->Handle(), 0), L"使用说明\tF1");
    EXPECT_EQ(MenuString(form->N1->Handle(), 4), L"");  // the separator
}

TEST_F(FormsTest, ShowmsgKeepsTheButtonCaptionWhenGivenNone) {
    auto* form = app->CreateForm<app::TForm1>();
    form->ShowForm();
    tools::msg = app->CreateForm<tools::Tmsg>();
    form->showmsg(L"第一条", L"标题", L"知道了");
    EXPECT_FALSE(form->Enabled()) << "the message box disables the main window";
    form->showmsg(L"第二条", L"另一个标题", L"");
    EXPECT_EQ(tools::msg->OKButton->Caption(), L"知道了");
    EXPECT_EQ(tools::msg->MessageLabel->Caption(), L"第二条");
    EXPECT_EQ(tools::msg->Caption(), L"另一个标题");
    tools::msg->OKButtonClick();
    EXPECT_TRUE(form->Enabled());
    EXPECT_FALSE(tools::msg->Visible());
    form->showmsg(L"第三条", L"标题", L"");
    tools::msg->Close();  // the close box enables the main window too
    EXPECT_TRUE(form->Enabled());
}

TEST_F(FormsTest, AboutBoxTextAndScrollRule) {
    app::adoconn.Open(content::DataSourceOf(content::BuildConnectionString(app::Narrow(wintest::ExeFolder()))));
    auto* form = app->CreateForm<app::TForm1>();
    form->ShowForm();
    tools::aboutzuno = app->CreateForm<tools::Taboutzuno>();
    form->aboutClick();
    const std::wstring& text = tools::aboutzuno->Label1->Caption();
    EXPECT_NE(text.find(L"本题库更新时间："), std::wstring::npos);
    EXPECT_EQ(text.find(L"\n"), std::wstring::npos) << "records are joined by carriage returns only";
    const int h = tools::aboutzuno->Label1->Height();
    EXPECT_EQ(tools::aboutzuno->ScrollBar->Visible(), h > 201);
    if (h > 201) {
        EXPECT_EQ(tools::aboutzuno->ScrollBar->Max(), h - 150);
    }
    EXPECT_FALSE(form->Enabled());
    tools::aboutzuno->ScrollBar->SetPosition(40);
    EXPECT_EQ(tools::aboutzuno->Label1->Top(), 15 - tools::aboutzuno->ScrollBar->Position());
    tools::aboutzuno->CancelButtonClick();
    EXPECT_TRUE(form->Enabled());
    form->aboutClick();
    EXPECT_EQ(tools::aboutzuno->ScrollBar->Position(), 0) << "showing again starts at the top";
    tools::aboutzuno->FormMouseDown(ssShift | ssCtrl | ssAlt);
    EXPECT_EQ(tools::aboutzuno->Caption(), tools::kDedication);
    EXPECT_EQ(form->Caption(), tools::kDedication);
    tools::aboutzuno->Close();
    form->aboutClick();
    EXPECT_EQ(tools::aboutzuno->Caption(), tools::kAboutCaption);
    app::adoconn.Close();
}

TEST_F(FormsTest, SoundSwitchIsWrittenAtOnce) {
    wintest::Sandbox box;
    app::inipath = box.Path(L"zuno.ini");
    auto* form = app->CreateForm<app::TForm1>();
    ASSERT_TRUE(form->N9->Checked());
    form->N9Click();
    EXPECT_FALSE(form->N9->Checked());
    EXPECT_EQ(wintest::Lines(box.ReadFile(L"zuno.ini")), (std::vector<std::string>{"[tool]", "usesound=0"}));
    form->N9Click();
    EXPECT_TRUE(form->N9->Checked());
    EXPECT_EQ(wintest::Lines(box.ReadFile(L"zuno.ini")), (std::vector<std::string>{"[tool]", "usesound=1"}));
    app::inipath.clear();
}

// The settings file read a section at a time gives what single-key reads give, also
// for a file edited by hand, and a write is seen by the next read.
TEST_F(FormsTest, SettingsReadLikeSingleKeyReads) {
    wintest::Sandbox box;
    box.WriteFile(L"zuno.ini",
                  "; edited by hand\r\n[Zuno]\r\n  NewLibNum = 12 \r\nnewlibnum=99\r\nquoted=\"a b\"\r\nhalf=\"a\r\n"
                  "single='x'\r\neq=a=b\r\nempty=\r\nnovalue\r\n[tool]\r\nskin=暗夜黑.skn\r\n");
    const std::wstring path = box.Path(L"zuno.ini");
    const std::pair<const char*, const char*> keys[] = {
        {"zuno", "NewLibNum"}, {"ZUNO", "newlibnum"}, {"zuno", "quoted"}, {"zuno", "half"},
        {"zuno", "single"},    {"zuno", "eq"},        {"zuno", "empty"},  {"zuno", "novalue"},
        {"zuno", "missing"},   {"nosection", "x"},    {"tool", "skin"},
    };
    app::ProfileFile ini(path);
    for (const auto& [section, key] : keys) {
        wchar_t buf[256];
        GetPrivateProfileStringW(app::Widen(section).c_str(), app::Widen(key).c_str(), L"default", buf, 256,
                                 path.c_str());
        EXPECT_EQ(ini.Read(section, key, "default"), app::Narrow(buf)) << section << "/" << key;
    }
    ini.Write("zuno", "NewLibNum", "13");
    EXPECT_EQ(ini.Read("zuno", "newlibnum", ""), "13");
}

TEST_F(FormsTest, CataloguesListEveryLevelInReverseReadOrder) {
    app::adoconn.Open(content::DataSourceOf(content::BuildConnectionString(app::Narrow(wintest::ExeFolder()))));
    auto* form = app->CreateForm<app::TForm1>();
    form->LibThreshold = 41;
    form->ArtThreshold = 1000;
    content::Recordset a, b, c;
    form->BuildTestCatalogue(a, b, c);
    form->BuildTextCatalogue(false, a, b, c);
    form->BuildTextCatalogue(true, a, b, c);
    // The sample catalogue file lists 性格分析 first and 趣味测试 last.
    ASSERT_EQ(form->questionmenu->Count(), 5);
    EXPECT_EQ(form->questionmenu->Items(0)->Caption(), L"趣味测试");
    EXPECT_EQ(form->questionmenu->Items(4)->Caption(), L"性格分析");
    EXPECT_EQ(MenuString(form->questionmenu->Handle(), 0), L"趣味测试");
    TMenuItem* personality = form->questionmenu->Items(4);
    EXPECT_EQ(personality->Items(personality->Count() - 1)->Caption(), L"性格类型");
    int tests = 0, marked = 0;
    std::function<void(TMenuItem*, int)> walk = [&](TMenuItem* item, int depth) {
        for (int i = 0; i < item->Count(); ++i) {
            TMenuItem* child = item->Items(i);
            if (depth == 2) {
                ++tests;
                EXPECT_EQ(child->Name.size(), 8u) << "a test item is named after its test ID";
                if (child->Caption().ends_with(L"     New")) ++marked;
                EXPECT_EQ(child->Owner(), item->Parent()) << "owned by its class item";
            }
            walk(child, depth + 1);
        }
    };
    walk(form->questionmenu, 0);
    EXPECT_GE(tests, 30);
    EXPECT_GT(marked, 0) << "tests numbered above the threshold are new";
    EXPECT_LT(marked, tests);
    ASSERT_GE(form->PsyArtMenu->Count(), 2);
    TMenuItem* text = form->PsyArtMenu->Items(0)->Items(0)->Items(0);
    EXPECT_EQ(text->Name.rfind(L"ArtMenu", 0), 0u);
    EXPECT_FALSE(text->Caption().ends_with(L"New")) << "no article is above a threshold of 1000";
    EXPECT_EQ(form->PsyHumorMenu->Items(0)->Items(0)->Items(0)->Name.rfind(L"HumorMenu", 0), 0u);
    app::adoconn.Close();
}

TEST_F(FormsTest, StoredResourcesLoadIntoTheForms) {
    auto* form = app->CreateForm<app::TForm1>();
    const skin::frames::TSkinData& skin = *form->SkinData;
    EXPECT_FALSE(skin.NoSkin) << "the default skin stored in the program loads with the main window";
    EXPECT_TRUE(skin.Active());
    EXPECT_EQ(skin.MenuGlyphs->Count(), 4) << "restore, maximise, minimise, close";
    EXPECT_EQ(form->FindComponent(L"SkinData"), form->SkinData) << "a component of the main window";
    EXPECT_FALSE(skin.SkinName.empty());
    EXPECT_FALSE(skin.PackageStream.empty());
    auto* splash = new app::Tflash(app.get());
    EXPECT_EQ(splash->Image1->PictureWidth(), 320);
    EXPECT_EQ(splash->Image1->PictureHeight(), 112);
    EXPECT_EQ(splash->Label1->Caption(), L"正在初始化程序");
    EXPECT_EQ(splash->ClientWidth(), 319);
    EXPECT_EQ(splash->ClientHeight(), 111);
    delete splash;
}

TEST_F(FormsTest, TimersTickOnlyWhileRunning) {
    int ticks = 0, otherTicks = 0;
    auto timer = std::make_unique<TTimer>(nullptr, false);
    timer->OnTimer = [&](TComponent*) { ++ticks; };
    timer->SetInterval(20);
    struct Step {
        const char* what;
        std::function<void()> act;
        bool ticking;
    };
    const Step steps[] = {
        {"made disabled", [] {}, false},
        {"enabled", [&] { timer->SetEnabled(true); }, true},
        {"another timer made and dropped without running", [&] {
             TTimer other(nullptr, false);
             other.OnTimer = [&](TComponent*) { ++otherTicks; };
             other.SetInterval(10);
         }, true},
        {"interval changed while running", [&] { timer->SetInterval(30); }, true},
        {"disabled", [&] { timer->SetEnabled(false); }, false},
        {"interval changed while disabled", [&] { timer->SetInterval(20); }, false},
        {"enabled again", [&] { timer->SetEnabled(true); }, true},
        {"destroyed while running", [&] { timer.reset(); }, false},
    };
    for (const Step& step : steps) {
        step.act();
        ticks = 0;
        wintest::PumpFor(*app, 150);
        EXPECT_EQ(ticks > 0, step.ticking) << step.what << ": " << ticks << " ticks";
    }
    EXPECT_EQ(otherTicks, 0);
}

}  // namespace

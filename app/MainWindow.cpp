// TForm1: the main window's controls, menu and fonts as the program has always laid
// them out, and the handlers of the shell (start-up, shutdown, help, sounds).
#include "app/MainWindow.h"

#include <shellapi.h>

#include "app/MainModule.h"
#include "app/StartupTrace.h"
#include "winutil/LateSystemCalls.h"
#include "winutil/WideText.h"
#include "forms/Application.h"
#include "forms/Errors.h"
#include "search/SearchLib_Unt.h"
#include "tools/AboutForm.h"
#include "tools/MessageForm.h"
#include "tools/Sounds.h"
#include "app/ProfileFile.h"

namespace zuno::app {

using namespace forms;

const wchar_t kGreeting[] =
    L"请在选择问题菜单中选择你要测试的问题\r\n\r\n题目旁边标注的（男）、（女）表示该题适合哪一个性别的人进行测试。"
    L"New则表示这道题是最新更新的。百分数表示该题目的可信度，如果是？则表示该题的可信度还在统计中。";


TForm1::TForm1(TComponent* owner) : TForm(owner, L"Form1") {
    BorderStyle = TFormBorderStyle::bsSingle;
    BorderIcons = biSystemMenu | biMinimize;
    Position = TPosition::poDesktopCenter;
    SetColor(clHighlight);
    font_.Set(L"宋体", 13);
    SetCaption(L"心理测试Mobix4.3版");

    ZunoLabel = new TLabel(this);
    ZunoLabel->Name = L"ZunoLabel";
    ZunoLabel->SetParent(this);
    ZunoLabel->SetAutoSize(false);
    ZunoLabel->SetWordWrap(true);
    ZunoLabel->SetBounds(24, 16, 16, 176);
    ZunoLabel->Font().Set(L"宋体", 16);
    ZunoLabel->SetColor(clHighlight);
    ZunoLabel->SetCaption(L"欢迎使用心理测试Mobix");

    CreateDisplayPage();
    TraceStep("  title label and display page");
    CreateButtons();
    FontDialog1 = new TFontDialog(this);
    FontDialog1->Name = L"FontDialog1";
    FontDialog1->Options = CF_ANSIONLY | CF_TTONLY | CF_NOVECTORFONTS | CF_EFFECTS | CF_APPLY;
    FontDialog1->OnApply = [this](TComponent*, HWND) { FontDialog1Apply(); };
    CreateSkinData();
    TraceStep("  stored skin decoded");
    CreateMenu();
    TraceStep("  menu");
    SetClientSize(636, 408);
    // The stored properties are all read: the skin data hands over to the manager.
    Guarded([this] { SkinData->Loaded(); });
    TraceStep("  skin handed to the manager");

    OnCreate = [this](TComponent*) { FormCreate(); };
    OnShow = [this](TComponent*) { Formshow(); };
    OnClose = [this](TComponent*, TCloseAction& a) { FormClose(a); };
    OnKeyDown = [this](TComponent*, WORD& key, TShiftState s) { FormKeyDown(key, s); };
}

void TForm1::CreateSkinData() {
    SkinData = new skin::frames::TSkinData(this);
    SkinData->OnPackageMessage = [](const std::string& text) {
        const std::wstring title = Application() ? Application()->Title : L"";
        MessageBoxW(nullptr, Widen(text).c_str(), title.c_str(), MB_OK | MB_ICONWARNING);
    };
    // The form's stored data: the default skin package, and Active set.
    SkinData->BeginLoading();
    Guarded([this] { SkinData->ReadStoredSkinStream(); });
    SkinData->SetActive(true);
}

void TForm1::CreateDisplayPage() {
    GroupBox1 = new TGroupBox(this);
    GroupBox1->Name = L"GroupBox1";
    GroupBox1->SetParent(this);
    GroupBox1->SetBounds(60, -8, 520, 353);
    GroupBox1->SetColor(clHighlightText);

    Image1 = new TImage(this);
    Image1->Name = L"Image1";
    Image1->SetParent(GroupBox1);
    Image1->AutoSize = true;
    Image1->SetBounds(8, 10, 0, 0);

    Label1 = new TLabel(this);
    Label1->Name = L"Label1";
    Label1->SetParent(GroupBox1);
    Label1->Transparent = true;
    Label1->Constraints.MinHeight = 20;
    Label1->Constraints.MaxHeight = 5000;
    Label1->SetWordWrap(true);
    Label1->SetBounds(16, 20, 480, 20);
    Label1->Font().Set(L"宋体", 16);
    Label1->SetCaption(L"请在选择问题菜单中选择你要测试的问题");

    auto setUp = [this](TButtonControl* c, auto* enhanced, const std::wstring& name) {
        c->Name = name;
        c->ParentColor = true;  // the page's colour, also when a skin gives it the face colour
        c->SetParent(GroupBox1);
        c->Font().Set(L"宋体", 16);
        c->SetBounds(16, 20, 481, 20);
        c->SetVisible(false);
        // Hidden until a test opens: their windows are made after the first paint.
        c->HandleOnDemand = true;
        enhanced->SetWordWrap(true);
    };
    for (int i = 0; i < 12; ++i) {
        RadioButton[i] = new controls::TRadioButton95(this);
        setUp(RadioButton[i], RadioButton[i], L"RadioButton" + std::to_wstring(i + 1));
    }
    RadioButton[0]->SetChecked(true);
    for (int i = 0; i < 12; ++i) {
        CheckBox[i] = new controls::TCheckBox95(this);
        setUp(CheckBox[i], CheckBox[i], L"CheckBox" + std::to_wstring(i + 1));
        CheckBox[i]->TabStop = false;
    }
    // Handlers are attached once the initial state is set, which plays no sound.
    for (int i = 0; i < 24; ++i) {
        TButtonControl* c = i < 12 ? static_cast<TButtonControl*>(RadioButton[i]) : CheckBox[i - 12];
        c->OnClick = [this](TComponent*) { PlayOptionalClick(); };
        c->OnKeyDown = [this](TComponent*, WORD& key, TShiftState s) { FormKeyDown(key, s); };
    }

    ScrollBar = new TScrollBar(this);
    ScrollBar->Name = L"ScrollBar";
    ScrollBar->Kind = TScrollBarKind::sbVertical;
    ScrollBar->SetParent(this);
    ScrollBar->SetBounds(581, 0, 25, 345);
    ScrollBar->SmallChange = 10;
    ScrollBar->LargeChange = 50;
    ScrollBar->SetVisible(false);
    ScrollBar->HandleOnDemand = true;  // shown by long pages only: made after the first paint
    ScrollBar->OnChange = [this](TComponent*) { ScrollBarChange(); };
}

void TForm1::CreateOptionWindows() {
    for (auto* r : RadioButton) r->HandleNeeded();
    for (auto* c : CheckBox) c->HandleNeeded();
    ScrollBar->HandleNeeded();
}

void TForm1::CreateButtons() {
    auto make = [this](const wchar_t* name, const wchar_t* caption, int left, bool enabled) {
        auto* b = new TButton(this);
        b->Name = name;
        b->SetParent(this);
        b->SetBounds(left, 355, 89, 33);
        b->SetCaption(caption);
        b->SetEnabled(enabled);
        return b;
    };
    PreviousButton = make(L"PreviousButton", L"上一题", 60, false);
    NextButton = make(L"NextButton", L"下一题", 189, false);
    CancelButton = make(L"CancelButton", L"退  出", 493, true);
    // Esc ends the program wherever the focus is; a push button takes the focus when it
    // is clicked, and Esc must not go dead then. Its other keys stay the button's own.
    for (TButton* b : {PreviousButton, NextButton, CancelButton}) {
        b->OnKeyDown = [this](TComponent*, WORD& key, TShiftState s) {
            if (key == VK_ESCAPE) FormKeyDown(key, s);
        };
    }
    CancelButton->OnClick = [this](TComponent*) { CancelButtonClick(); };
    NextButton->OnClick = [this](TComponent*) { NextButtonClick(); };
    PreviousButton->OnClick = [this](TComponent*) { PreviousButtonClick(); };
}

TMenuItem* TForm1::AddItem(TMenuItem* parent, const wchar_t* name, const wchar_t* caption, TShortCut shortCut) {
    auto* item = new TMenuItem(this);
    item->Name = name;
    item->SetCaption(caption);
    item->SetShortCut(shortCut);
    parent->Add(item);
    return item;
}

void TForm1::CreateMenu() {
    MainMenu1 = new TMainMenu(this);
    MainMenu1->Name = L"MainMenu1";
    TMenuItem* root = MainMenu1->Items();
    questionmenu = AddItem(root, L"questionmenu", L"选择问题");
    PsyArtMenu = AddItem(root, L"PsyArtMenu", L"心理文章");
    PsyHumorMenu = AddItem(root, L"PsyHumorMenu", L"幽默文集");
    N1 = AddItem(root, L"N1", L"工具");
    CopyTxtMenu = AddItem(N1, L"CopyTxtMenu", L"复制内容到剪贴板", scCtrl | 'C');
    SearchLibMenu = AddItem(N1, L"SearchLibMenu", L"搜索题库", VK_F3);
    ChangeSkinMenu = AddItem(N1, L"ChangeSkinMenu", L"更换皮肤");
    N6 = AddItem(N1, L"N6", L"更改字体", scCtrl | 'F');
    N7 = AddItem(N1, L"N7", L"-");
    N3 = AddItem(N1, L"N3", L"记录测试结果");
    N9 = AddItem(N1, L"N9", L"使用音效");
    N2 = AddItem(root, L"N2", L"帮助");
    N13 = AddItem(N2, L"N13", L"使用说明", VK_F1);
    N4 = AddItem(N2, L"N4", L"使用问答");
    about = AddItem(N2, L"about", L"关于Mobix");
    N9->SetChecked(true);
    N9->OnClick = [this](TMenuItem*) { N9Click(); };
    N3->OnClick = [this](TMenuItem*) { N3Click(); };
    CopyTxtMenu->OnClick = [this](TMenuItem*) { CopyTxtMenuClick(); };
    N6->OnClick = [this](TMenuItem*) { N6Click(); };
    SearchLibMenu->OnClick = [this](TMenuItem*) { SearchLibMenuClick(); };
    N13->OnClick = [this](TMenuItem*) { N13Click(); };
    N4->OnClick = [this](TMenuItem*) { N4Click(); };
    about->OnClick = [this](TMenuItem*) { aboutClick(); };
    SetMenu(MainMenu1);
}

void TForm1::Formshow() {
    Label1->SetCaption(kGreeting);
    if (N3->Checked()) OpenResultLog(runner::LogStart::WithProgram);
    // Arrives once the message loop runs, after the first paint.
    PostMessageW(Handle(), WM_CREATEOPTIONWINDOWS, 0, 0);
}

void TForm1::FormClose(TCloseAction& action) {
    if (N3->Checked()) CloseResultLog();
    adoconn.Close();
    Application()->Terminate();
}

void TForm1::CancelButtonClick() {
    PlayButtonClick();
    if (N3->Checked()) CloseResultLog();
    adoconn.Close();
    Application()->Terminate();
}

void TForm1::N9Click() {
    N9->SetChecked(!N9->Checked());
    WriteToolSetting(inipath, "usesound", N9->Checked() ? "1" : "0");
}

void TForm1::N13Click() {
    const std::wstring path = exepath + L"ZunoHelp.chm";
    winutil::ShellExecuteLate(Handle(), L"open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void TForm1::N4Click() {
    // WinExec takes an ANSI command line; the folder may hold any character, so the
    // same command goes through CreateProcess.
    std::wstring command = L"notepad.exe " + exepath + L"faq.txt";
    STARTUPINFOW si{sizeof si};
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION pi{};
    if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
    }
}

void TForm1::SearchLibMenuClick() { search::SearchLib->ShowForm(); }

void TForm1::aboutClick() {
    tools::aboutzuno->SetCaption(tools::kAboutCaption);
    tools::aboutzuno->ShowForm();
}

void TForm1::showmsg(const std::wstring& message, const std::wstring& caption, const std::wstring& buttonCaption) {
    tools::msg->ShowForm();
    tools::msg->MessageLabel->SetCaption(message);
    tools::msg->SetCaption(caption);
    if (!buttonCaption.empty()) tools::msg->OKButton->SetCaption(buttonCaption);
}

void TForm1::PlayOptionalClick() { tools::PlaySoundEffect(N9->Checked(), exepath, tools::kOptionalClickWav); }
void TForm1::PlayButtonClick() { tools::PlaySoundEffect(N9->Checked(), exepath, tools::kButtonClickWav); }
void TForm1::PlayMenuClick() { tools::PlaySoundEffect(N9->Checked(), exepath, tools::kMenuClickWav); }

}  // namespace zuno::app

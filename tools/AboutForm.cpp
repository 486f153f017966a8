// Taboutzuno: the about text from softinfo records 7, 8, 9 and 13, scrolled inside
// a group box when it is taller than the box.
#include "tools/AboutForm.h"

#include "app/MainModule.h"
#include "content/Recordset.h"
#include "content/Statements.h"
#include "forms/Application.h"
#include "tools/MessageForm.h"
#include "winutil/WideText.h"

namespace zuno::tools {

using namespace forms;

Taboutzuno* aboutzuno = nullptr;

const wchar_t kDedication[] = L"献给每一位愿意认识自己的人——愿你温柔地对待自己";


Taboutzuno::Taboutzuno(TComponent* owner) : TForm(owner, L"aboutzuno") {
    BorderStyle = TFormBorderStyle::bsDialog;
    BorderIcons = biSystemMenu;
    Position = TPosition::poOwnerFormCenter;
    SetCaption(kAboutCaption);
    SetClientSize(388, 325);

    GroupBox1 = new TGroupBox(this);
    GroupBox1->Name = L"GroupBox1";
    GroupBox1->SetParent(this);
    GroupBox1->SetBounds(16, -8, 329, 265);

    Label1 = new TLabel(this);
    Label1->Name = L"Label1";
    Label1->SetParent(GroupBox1);
    Label1->Transparent = true;
    Label1->Constraints.MinHeight = 15;
    Label1->Constraints.MaxHeight = 2000;
    Label1->SetWordWrap(true);
    Label1->SetBounds(14, 15, 300, 15);
    Label1->Font().Set(L"宋体", 16);

    ScrollBar = new TScrollBar(this);
    ScrollBar->Name = L"ScrollBar";
    ScrollBar->Kind = TScrollBarKind::sbVertical;
    ScrollBar->SetParent(this);
    ScrollBar->SetBounds(344, 0, 25, 257);
    ScrollBar->SmallChange = 5;
    ScrollBar->LargeChange = 64;
    ScrollBar->SetMax(193);
    ScrollBar->OnChange = [this](TComponent*) { ScrollBarChange(); };

    CancelButton = new TButton(this);
    CancelButton->Name = L"CancelButton";
    CancelButton->SetParent(this);
    CancelButton->SetBounds(152, 272, 81, 33);
    CancelButton->SetCaption(L"退  出");
    CancelButton->Font().Set(L"隶书", 20, fsBold);
    CancelButton->OnClick = [this](TComponent*) { CancelButtonClick(); };
    SetActiveControl(CancelButton);

    OnShow = [this](TComponent*) { FormShow(); };
    OnClose = [this](TComponent*, TCloseAction&) { FormClose(); };
}

void Taboutzuno::FormShow() {
    Place();
    ScrollBar->SetPosition(0);
    EnableMainWindow(false);
    content::Recordset rs;
    content::OpenSoftInfo(rs, app::adoconn);
    std::string text;
    // Records 7, 8, 9 and 13; fewer records leave the box empty rather than failing.
    if (!rs.Eof() && !rs.Bof() && Caption() == kAboutCaption && rs.RecordCount() >= 13) {
        rs.Move(6);
        text += rs.Fields("information").AsText() + "\r\r";
        rs.Move(1);
        text += rs.Fields("information").AsText();
        rs.Move(1);
        text += rs.Fields("information").AsText() + "\r\r";
        rs.Move(4);
        text += "本题库更新时间：" + rs.Fields("information").AsText() + "\r\r";
    }
    Label1->SetCaption(app::Widen(text));
    if (Label1->Height() <= 201) {
        ScrollBar->SetVisible(false);
    } else {
        ScrollBar->SetVisible(true);
        ScrollBar->SetMax(Label1->Height() - 150);
    }
    rs.Close();
}

void Taboutzuno::ScrollBarChange() { Label1->SetTop(15 - ScrollBar->Position()); }

void Taboutzuno::CancelButtonClick() {
    EnableMainWindow(true);
    Close();
}

void Taboutzuno::FormClose() { EnableMainWindow(true); }

void Taboutzuno::FormMouseDown(TShiftState shift) {
    if ((shift & (ssShift | ssCtrl | ssAlt)) != (ssShift | ssCtrl | ssAlt)) return;
    SetCaption(kDedication);
    if (TForm* main = Application()->MainForm()) main->SetCaption(kDedication);
}

void Taboutzuno::WndProc(TMessage& m) {
    if (m.Msg == WM_LBUTTONDOWN || m.Msg == WM_RBUTTONDOWN || m.Msg == WM_MBUTTONDOWN) {
        TShiftState shift = 0;
        if (m.WParam & MK_SHIFT) shift |= ssShift;
        if (m.WParam & MK_CONTROL) shift |= ssCtrl;
        if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
        FormMouseDown(shift);
    }
    TForm::WndProc(m);
}

}  // namespace zuno::tools

// Tmsg: message label, one button, always on top and centred on its owner.
#include "tools/MessageForm.h"

#include "forms/Application.h"

namespace zuno::tools {

using namespace forms;

Tmsg* msg = nullptr;

void EnableMainWindow(bool enable) {
    if (TForm* main = Application()->MainForm()) main->SetEnabled(enable);
}


Tmsg::Tmsg(TComponent* owner) : TForm(owner, L"msg") {
    BorderStyle = TFormBorderStyle::bsDialog;
    BorderIcons = biSystemMenu;
    FormStyle = TFormStyle::fsStayOnTop;
    Position = TPosition::poOwnerFormCenter;
    SetClientSize(430, 177);

    MessageLabel = new TLabel(this);
    MessageLabel->Name = L"MessageLabel";
    MessageLabel->ParentColor = true;  // the form's colour: no grey box on a skinned form
    MessageLabel->SetParent(this);
    MessageLabel->SetAutoSize(false);
    MessageLabel->SetWordWrap(true);
    MessageLabel->SetBounds(16, 8, 393, 97);
    MessageLabel->Font().Set(L"宋体", 16);

    OKButton = new TButton(this);
    OKButton->Name = L"OKButton";
    OKButton->SetParent(this);
    OKButton->SetBounds(152, 128, 89, 33);
    OKButton->SetCaption(L"确  定");
    OKButton->Font().Set(L"隶书", 20, fsBold);
    OKButton->OnClick = [this](TComponent*) { OKButtonClick(); };
    SetActiveControl(OKButton);

    OnShow = [this](TComponent*) { FormShow(); };
    OnClose = [this](TComponent*, TCloseAction&) { FormClose(); };
}

void Tmsg::FormShow() {
    Place();
    EnableMainWindow(false);
}

void Tmsg::FormClose() { EnableMainWindow(true); }

void Tmsg::OKButtonClick() {
    EnableMainWindow(true);
    Close();
}

}  // namespace zuno::tools

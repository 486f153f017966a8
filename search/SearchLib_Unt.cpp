// TSearchLib: the dialog window itself — caption, border, size, placement.
#include "search/SearchLib_Unt.h"

namespace zuno::search {

using namespace forms;

TSearchLib* SearchLib = nullptr;

TSearchLib::TSearchLib(TComponent* owner) : TForm(owner, L"SearchLib") {
    BorderStyle = TFormBorderStyle::bsDialog;
    BorderIcons = biSystemMenu;
    FormStyle = TFormStyle::fsStayOnTop;
    Position = TPosition::poMainFormCenter;
    SetCaption(L"搜索题库");
    SetClientSize(400, 295);
}

}  // namespace zuno::search

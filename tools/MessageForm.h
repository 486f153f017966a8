// Module Unit2: Tmsg, the program's own message box. Shown without blocking the
// caller, it disables the main window until it is closed by any path.
#pragma once

#include "forms/ExtCtrls.h"
#include "forms/Form.h"
#include "forms/StdCtrls.h"

namespace zuno::tools {

class Tmsg : public forms::TForm {
public:
    explicit Tmsg(forms::TComponent* owner);
    forms::TLabel* MessageLabel;
    forms::TButton* OKButton;
    void FormShow();
    void FormClose();
    void OKButtonClick();
};

extern Tmsg* msg;

// Enables or disables the main window (the owner of every dialog).
void EnableMainWindow(bool enable);

}  // namespace zuno::tools

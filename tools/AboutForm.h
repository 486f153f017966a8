// Module Unit8: Taboutzuno, the about box. Its text comes from the content
// database's software information each time it is shown.
#pragma once

#include "forms/ExtCtrls.h"
#include "forms/Form.h"
#include "forms/StdCtrls.h"

namespace zuno::tools {

inline constexpr wchar_t kAboutCaption[] = L"关于Mobix";

class Taboutzuno : public forms::TForm {
public:
    explicit Taboutzuno(forms::TComponent* owner);
    forms::TGroupBox* GroupBox1;
    forms::TLabel* Label1;
    forms::TScrollBar* ScrollBar;
    forms::TButton* CancelButton;

    void FormShow();
    void ScrollBarChange();
    void CancelButtonClick();
    void FormClose();
    void FormMouseDown(forms::TShiftState shift);
    void WndProc(forms::TMessage& m) override;
};

extern Taboutzuno* aboutzuno;

// The dedication that Shift+Ctrl+Alt and a click on the about box put into both captions.
extern const wchar_t kDedication[];

}  // namespace zuno::tools

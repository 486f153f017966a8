// Module Unit6: the splash form Tflash shown while the main window is created. Its
// label carries the progress texts and is repainted at once after every change,
// since the message loop is not running yet.
#pragma once

#include <string>

#include "forms/ExtCtrls.h"
#include "forms/Form.h"

namespace zuno::app {

class Tflash : public forms::TForm {
public:
    explicit Tflash(forms::TComponent* owner);
    forms::TImage* Image1;
    forms::TLabel* Label1;
    void SetProgress(const std::wstring& text);
};

}  // namespace zuno::app

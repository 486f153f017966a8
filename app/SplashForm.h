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
    // Shows a progress text; `force` paints it even right after another one.
    void SetProgress(const std::wstring& text, bool force = false);
    // Whether SetProgress would paint a text now (callers skip building one).
    bool ProgressDue() const;

private:
    static constexpr unsigned long long kFrameMs = 16;
    unsigned long long lastPaint_ = 0;    // GetTickCount64 when the last paint ended
    unsigned long long gap_ = kFrameMs;   // least time from one paint to the next
};

}  // namespace zuno::app

// Tflash: borderless, centred, the splash picture stored with the program and the
// progress label over its lower left corner.
#include "app/SplashForm.h"

#include <windows.h>

#include <algorithm>

#include "app/StartupTrace.h"
#include "runner/JpegDecoder.h"

namespace zuno::app {

using namespace forms;

namespace {

// The splash picture is kept in the program as a resource of type RCDATA.
std::span<const std::uint8_t> SplashJpeg() {
    HRSRC res = FindResourceW(nullptr, L"SPLASH", MAKEINTRESOURCEW(10));  // RT_RCDATA
    if (!res) return {};
    HGLOBAL data = LoadResource(nullptr, res);
    return {static_cast<const std::uint8_t*>(LockResource(data)), SizeofResource(nullptr, res)};
}

}  // namespace

Tflash::Tflash(TComponent* owner) : TForm(owner, L"flash") {
    BorderStyle = TFormBorderStyle::bsNone;
    Position = TPosition::poScreenCenter;
    ToolWindow = true;
    // On top without taking the focus: the main window takes it moments later, and
    // activating the splash first would cost Wine ~15 ms before the main window shows.
    ActivateOnShow = false;
    SetColor(clBtnHighlight);
    SetClientSize(319, 111);

    // The first call that needs the window system pays for starting it (~40 ms
    // under Wine), as any program's first window does.
    TraceStep("  splash: window system started");
    Image1 = new TImage(this);
    Image1->Name = L"Image1";
    Image1->SetParent(this);
    Image1->AutoSize = true;
    Image1->SetBounds(0, 0, 319, 111);
    if (auto jpeg = SplashJpeg(); !jpeg.empty()) {
        try {
            const auto picture = runner::DecodeJpeg(jpeg);
            TraceStep("  splash: picture decoded");
            Image1->SetPicture(picture.width, picture.height, picture.pixels.data());
        } catch (const runner::JpegError&) {
            // The splash still shows its label on the plain background.
        }
    }
    TraceStep("  splash: picture set");

    Label1 = new TLabel(this);
    Label1->Name = L"Label1";
    Label1->SetParent(this);
    Label1->Transparent = true;
    Label1->SetBounds(8, 96, 0, 0);
    Label1->Font().Set(L"宋体", 13);
    Label1->SetCaption(L"正在初始化程序");
    TraceStep("  splash: label (its font's first use)");
}

bool Tflash::ProgressDue() const { return GetTickCount64() - lastPaint_ >= gap_; }

void Tflash::SetProgress(const std::wstring& text, bool force) {
    // Painted here, since the message loop is not running yet. A catalogue of
    // thousands of entries changes the text far faster than a screen refreshes, so
    // texts that would never be seen are skipped: at most one per display frame.
    // Where a paint is slow (a busy display server), the next one waits four times
    // as long as it took, so that painting stays a small part of start-up.
    const ULONGLONG start = GetTickCount64();
    if (!force && start - lastPaint_ < gap_) return;
    Label1->SetCaption(text);
    if (HWND h = HandleIfAllocated()) UpdateWindow(h);
    lastPaint_ = GetTickCount64();
    gap_ = std::max<ULONGLONG>(kFrameMs, 4 * (lastPaint_ - start));
}

}  // namespace zuno::app

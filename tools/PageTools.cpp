// TForm1's tools for the display page: copying what it shows to the clipboard and
// choosing the font of its text.
#include <windows.h>

#include <stdexcept>

#include "app/MainModule.h"
#include "app/MainWindow.h"
#include "runner/core/Gbk.h"
#include "winutil/WideText.h"

namespace zuno::app {

using namespace forms;

namespace {

// Puts GBK bytes on the clipboard as ANSI text, marked Simplified Chinese so that
// programs on any system code page read it right.
void PutAnsiText(HWND owner, const std::string& gbk) {
    HGLOBAL text = GlobalAlloc(GMEM_MOVEABLE, gbk.size() + 1);
    HGLOBAL locale = GlobalAlloc(GMEM_MOVEABLE, sizeof(LCID));
    if (!text || !locale) {
        if (text) GlobalFree(text);
        if (locale) GlobalFree(locale);
        throw std::runtime_error("内存不足，无法复制内容");
    }
    auto* bytes = static_cast<char*>(GlobalLock(text));
    memcpy(bytes, gbk.c_str(), gbk.size() + 1);
    GlobalUnlock(text);
    *static_cast<LCID*>(GlobalLock(locale)) = MAKELCID(MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED), SORT_DEFAULT);
    GlobalUnlock(locale);
    if (!OpenClipboard(owner)) {
        GlobalFree(text);
        GlobalFree(locale);
        throw std::runtime_error("剪贴板正被其他程序使用，请稍后再试");
    }
    EmptyClipboard();
    // The clipboard owns the memory once SetClipboardData succeeds.
    if (!SetClipboardData(CF_TEXT, text)) GlobalFree(text);
    if (!SetClipboardData(CF_LOCALE, locale)) GlobalFree(locale);
    CloseClipboard();
}

}  // namespace

std::wstring TForm1::PageText() const {
    std::wstring text = Label1->Caption() + L"\r\n\r\n";
    for (const auto* r : RadioButton)
        if (r->Visible()) text += r->Caption() + L"\r\n";
    for (const auto* c : CheckBox)
        if (c->Visible()) text += c->Caption() + L"\r\n";
    return text;
}

void TForm1::CopyTxtMenuClick() { PutAnsiText(Handle(), runner::GbkEncode(Narrow(PageText()))); }

void TForm1::N6Click() {
    FontDialog1->Font.Assign(Label1->Font());
    FontDialog1->Execute(Handle());  // OK or Cancel: the dialog's font is applied either way
    ApplyFont();
}

void TForm1::FontDialog1Apply() { ApplyFont(); }

void TForm1::ApplyFont() {
    Label1->Font().Assign(FontDialog1->Font);
    for (auto* r : RadioButton) r->Font().Assign(FontDialog1->Font);
    for (auto* c : CheckBox) c->Font().Assign(FontDialog1->Font);
    if (runState.sqindex >= 1 && runState.sqindex <= runState.sqcount) showquestion(runState.sqindex);
}

}  // namespace zuno::app

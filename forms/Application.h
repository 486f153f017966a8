// TApplication: the title, the main form, the message loop with the keyboard handling
// every form shares (menu shortcuts, Tab and arrow navigation), and the error box
// of the error convention.
#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "forms/Component.h"

namespace zuno::forms {

class TForm;

class TApplication : public TComponent {
    ZUNO_COMPONENT_CLASS(TApplication, TComponent)
public:
    TApplication();
    ~TApplication() override;

    std::wstring Title;
    TForm* MainForm() const { return mainForm_; }

    // Creates a form owned by the application; the first one becomes the main form.
    // Its OnCreate runs under the error convention before this returns.
    template <typename T, typename... Args>
    T* CreateForm(Args&&... args) {
        T* form = new T(this, std::forward<Args>(args)...);
        if (!mainForm_) mainForm_ = form;
        AddForm(form);
        return form;
    }

    // Runs the message loop until Terminate; shows the main form first.
    void Run();
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Handles every message waiting now, then returns.
    void ProcessMessages();
    // The error box: the error's own text, titled with the application title.
    void ShowException(const std::wstring& text);
    // When set, errors go here instead of the error box (tests watch them).
    std::function<void(const std::wstring& text)> OnException;

    const std::vector<TForm*>& Forms() const { return forms_; }
    void RemoveForm(TForm* form);

    // Keyboard handling before a message is dispatched; true when consumed.
    bool PreTranslate(MSG& msg);

private:
    void AddForm(TForm* form);
    bool HandleShortCut(const MSG& msg, TForm* form);
    bool HandleDialogKey(const MSG& msg, TForm* form);
    TForm* FormOfWindow(HWND hwnd) const;

    TForm* mainForm_ = nullptr;
    std::vector<TForm*> forms_;
    bool terminated_ = false;
};

// The one application object, created by the program's entry.
TApplication* Application();
void SetApplication(TApplication* app);

}  // namespace zuno::forms

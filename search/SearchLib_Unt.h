// Module SearchLib_Unt: TSearchLib, the modeless, always-on-top search dialog. It is
// created once at start-up; closing it only hides it. It finds tests, articles or
// humour texts by keyword and opens the chosen one in the main window.
#pragma once

#include <functional>
#include <string>

#include "forms/Form.h"
#include "forms/StdCtrls.h"

namespace zuno::search {

// The input method the keyword inputs and the result list ask for on focus.
inline constexpr wchar_t kInputMethod[] = L"智能ABC输入法";

// Activates the keyboard layout whose input-method description is `description`;
// false, with nothing changed, when the system has no such input method.
bool ActivateInputMethod(const std::wstring& description);
// Tests watch the focus requests here; null goes back to ActivateInputMethod.
void SetInputMethodRequester(std::function<void(const std::wstring&)> requester);

class TSearchLib : public forms::TForm {
public:
    explicit TSearchLib(forms::TComponent* owner);

    // Controls, owned by the form as components.
    forms::TComboBox* SearchType;
    forms::TEdit* SearchText;
    forms::TButton* SearchButton;
    // One title per result. Its Hint, never shown, holds the kind of the last search
    // that ran ("心理测试", "心理文章", "幽默文集"; empty before the first one).
    forms::TListBox* SearchList;
    // Never visible: the Id of each result, in the same order as SearchList (tests'
    // Ids as stored, article and humour Ids in decimal).
    forms::TListBox* IDList;
    forms::TButton* ContentButton;
    forms::TButton* QuitButton;

    // Event handlers.
    void SearchButtonClick();
    void SearchTextKeyPress(wchar_t& key);
    void SearchListDblClick();
    void ContentButtonClick();
    void QuitButtonClick();
    void SearchTypeEnter();
    void SearchTextEnter();
    void SearchListEnter();

private:
    void CreateInputs();
    void CreateLists();
    void CreateButtons();
    // Opens the selected result by the remembered kind; nothing when none is selected.
    void OpenSelected();
    // Puts the dialog back above the main window after the main window took the focus.
    void KeepOnTop();
    // True while a search runs: a click that arrives while the caption is painted
    // must not start a second one inside the first.
    bool searching_ = false;
};

extern TSearchLib* SearchLib;

}  // namespace zuno::search

// TForm: a top-level window of its own class "T" + Name, with border style, position,
// client size, main menu, stay-on-top, the active control, keyboard navigation
// among its controls, and the events OnCreate, OnShow, OnClose, OnKeyDown.
#pragma once

#include "forms/Control.h"

namespace zuno::forms {

class TMainMenu;

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow };
enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4 };
enum class TPosition { poDesigned, poScreenCenter, poDesktopCenter, poMainFormCenter, poOwnerFormCenter };
enum class TFormStyle { fsNormal, fsStayOnTop };
enum class TCloseAction { caNone, caHide, caFree, caMinimize };

using TCloseEvent = std::function<void(TComponent* sender, TCloseAction& action)>;

class TForm;
// Called with a form whose window is about to be shown, while it is still hidden: the
// skin engine frames it then, so the window is mapped already wearing its frame
// instead of being reshaped (and blank meanwhile) once it is on screen.
using TFormShowingHook = void (*)(TForm& form);
void SetFormShowingHook(TFormShowingHook hook);

class TForm : public TWinControl {
    ZUNO_COMPONENT_CLASS(TForm, TWinControl)
public:
    // `name` gives the window class: "T" + name.
    TForm(TComponent* owner, std::wstring name);
    ~TForm() override;

    TFormBorderStyle BorderStyle = TFormBorderStyle::bsSizeable;
    unsigned BorderIcons = biSystemMenu | biMinimize | biMaximize;
    TPosition Position = TPosition::poDesigned;
    TFormStyle FormStyle = TFormStyle::fsNormal;
    bool AutoScroll = true;
    // Not shown on the taskbar (the splash form).
    bool ToolWindow = false;
    // Showing the form makes it the active window; when false it is shown on top
    // but the focus stays where it is (the splash form).
    bool ActivateOnShow = true;

    // The client area size; the window is sized around it.
    void SetClientSize(int width, int height);
    RECT ClientRect() const override;

    TMainMenu* Menu() const { return menu_; }
    void SetMenu(TMainMenu* menu);
    // The main menu's items changed: the window's menu is brought up to date.
    void MenuChanged();

    TWinControl* ActiveControl() const { return activeControl_; }
    void SetActiveControl(TWinControl* c);
    // Focus to the next (or previous) control that takes focus by Tab.
    void SelectNext(TWinControl* current, bool forward);

    void ShowForm();  // shows, activates (see ActivateOnShow) and brings to the front
    void Close();
    void Release();   // destroys the form once the current message is done
    bool Active() const;

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDestroy;
    TCloseEvent OnClose;

    // Runs OnCreate under the error convention: an error ends OnCreate there and
    // the form is still shown.
    void DoCreate();

    void WndProc(TMessage& m) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void BoundsChanged() override;
    void VisibleChanged() override;
    void PaintWindow(HDC dc) override;
    void Place();

private:
    bool MenuCommand(TMessage& m);
    bool MenuDrawing(TMessage& m);
    void CollectTabStops(TWinControl* parent, std::vector<TWinControl*>& out);

    TMainMenu* menu_ = nullptr;  // owned by the form as a component
    TWinControl* activeControl_ = nullptr;
    int clientWidth_ = 0, clientHeight_ = 0;
    bool shownOnce_ = false;
};

}  // namespace zuno::forms

// The skin gallery's main window: every control kind the skin engine paints, in
// every state, with the skin chooser and the buttons that open a message box and
// the font dialog.
#pragma once

#include <string>
#include <vector>

#include "forms/ComCtrls.h"
#include "forms/Form.h"
#include "forms/StdCtrls.h"
#include "skin/frames/WinSkinData.h"

namespace zuno::skinview {

// One entry of the chooser: its caption and the package path (UTF-8).
struct SkinEntry {
    std::wstring caption;
    std::wstring fileStem;  // folder name for screenshots: "default" or the file name less .skn
    std::string path;       // empty for the default skin stored in the program
};

class TGalleryForm : public forms::TForm {
public:
    TGalleryForm(forms::TComponent* owner, std::vector<SkinEntry> skins);
    skin::frames::TSkinData* SkinData = nullptr;
    const std::vector<SkinEntry>& Skins() const { return skins_; }
    // Loads entry i; false (and a message in Chinese) when the package is unusable.
    bool ChooseSkin(int i, bool quiet);
    // Opens the MDI window the gallery shows beside itself.
    std::function<void()> OnOpenMdi;

private:
    void BuildButtons();
    void BuildLists();
    void BuildCommonControls();
    void BuildTabs();
    void BuildMenu();
    template <class T>
    T* Place(forms::TWinControl* parent, int left, int top, int width, int height);
    std::vector<SkinEntry> skins_;
    forms::TComboBox* chooser_ = nullptr;
    forms::TFontDialog* fontDialog_ = nullptr;
};

}  // namespace zuno::skinview

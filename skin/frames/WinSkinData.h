// Module WinSkinData: the skin data component as a component of its form. It adds
// to the portable TSkinData the owner form, the face brush, the system-menu glyphs
// and the real link to the skin manager, and loads the skin stored in the program.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "forms/Component.h"
#include "forms/Control.h"
#include "forms/Menus.h"
#include "skin/data/SkinData.h"

namespace zuno::skin::frames {

class TWinSkinForm;

class TSkinData : public forms::TComponent, public skin::TSkinData {
    ZUNO_COMPONENT_CLASS(TSkinData, forms::TComponent)
public:
    explicit TSkinData(forms::TComponent* owner);
    ~TSkinData() override;

    // Lets the program supply its own wrapper for a control: (Sender the frame,
    // SkinData, Form, Control, ControlClass in upper case, var SkinnedControl).
    // A TSkinControl left in SkinnedControl is attached instead of the built-in one.
    using TOnSkinControl =
        std::function<void(TWinSkinForm* sender, TSkinData& skinData, forms::TControl* form, forms::TControl* control,
                           const std::string& controlClass, forms::TComponent*& skinnedControl)>;
    TOnSkinControl OnSkinControl;

    // Solid brush of ButtonFaceColour, rebuilt after every parse; owned.
    HBRUSH FaceBrush = nullptr;
    // 16 x 16 images of the skinned system menu (restore, maximise, minimise, close),
    // from the bitmap resource SYSMENUGLYPHS; empty when the program has none.
    forms::TImageList* MenuGlyphs;

    // Hands over to the manager: overrides both bases' Loaded.
    void Loaded() override;
    // As the portable SetSkinFile, but a package that cannot be read or parsed raises
    // its error before anything is replaced: the old skin stays whole on every window.
    // Should the real load still fail half-way, the frames drop their title buttons
    // (they would point into replaced data) before the error travels on.
    void SetSkinFile(const std::string& path);
    // The form's stored "SkinStream" data: the RCDATA resource SKINSTREAM of the
    // program, read while the owner form is built (between BeginLoading and Loaded).
    // False when the program carries none.
    bool ReadStoredSkinStream();

protected:
    void RebuildFaceBrush() override;
    bool ReadSkinFile(const std::string& path, std::vector<std::uint8_t>& bytes) override;
};

}  // namespace zuno::skin::frames

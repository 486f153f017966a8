// The main window's skin data component "SkinData": the skin engine's data holder,
// loaded while the main window is built with the default skin stored in the program.
#pragma once

#include "forms/Component.h"
#include "skin/data/SkinData.h"

namespace zuno::app {

class TSkinDataComponent : public forms::TComponent {
    ZUNO_COMPONENT_CLASS(TSkinDataComponent, forms::TComponent)
public:
    explicit TSkinDataComponent(forms::TComponent* owner);
    skin::TSkinData Data;
    // Reads the stored "SkinStream" data from the program's resources into Data.
    void LoadStoredSkin();
};

}  // namespace zuno::app

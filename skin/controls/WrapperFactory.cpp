// From wrapper kind to wrapper class.
#include "skin/controls/WrapperFactory.h"

#include "skin/commonctrls/CommonWrappers.h"
#include "skin/controls/SkinBoxes.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinChecks.h"
#include "skin/controls/SkinEdits.h"
#include "skin/controls/SkinGlyphButtons.h"

namespace zuno::skin::controls {

TSkinControl* CreateWrapper(SkinKind kind, forms::TComponent* owner) {
    switch (kind) {
    case SkinKind::Button: return new TSkinButton(owner);
    case SkinKind::BitButton: return new TSkinBitButton(owner);
    case SkinKind::SpeedButton: return new TSkinSpeedButton(owner);
    case SkinKind::CheckBox: return new TSkinCheckBox(owner);
    case SkinKind::RadioButton: return new TSkinRadioButton(owner);
    case SkinKind::ComBox: return new TSkinComBox(owner);
    case SkinKind::Edit: return new TSkinEdit(owner);
    case SkinKind::GroupBox: return new TSkinGroupBox(owner);
    case SkinKind::Box: return new TSkinBox(owner);
    case SkinKind::Sizer: return new TSkinSizer(owner);
    default: return CreateCommonWrapper(kind, owner);
    }
}

}  // namespace zuno::skin::controls

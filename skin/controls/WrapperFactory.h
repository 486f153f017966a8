// Makes the wrapper object of a wrapper kind; the one place that knows every
// wrapper class, so that new wrappers are added here and nowhere else.
#pragma once

#include "forms/Component.h"
#include "skin/controls/core/ControlRules.h"

namespace zuno::skin::controls {

class TSkinControl;

// A new, unattached wrapper owned by `owner` (null: owned by the frame), or null for
// a kind without a wrapper class: discovery then leaves the control alone.
TSkinControl* CreateWrapper(SkinKind kind, forms::TComponent* owner);

}  // namespace zuno::skin::controls

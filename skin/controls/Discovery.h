// Control discovery: which controls of a framed window get which wrapper. Run by
// the frame when it attaches, over the form's components or, for a plain window
// such as a system dialog, over its child windows.
#pragma once

#include "forms/Component.h"
#include "forms/Control.h"

namespace zuno::skin::frames {
class TWinSkinForm;
}

namespace zuno::skin::controls {

// Wraps the controls among the container's components (the form, or a panel, group
// box or frame being recursed into); `form` is the frame's form.
void DiscoverComponents(frames::TWinSkinForm& frame, forms::TComponent& container, forms::TControl* form);

// Wraps one control that joined the frame's form after the frame attached.
void DiscoverAddedControl(frames::TWinSkinForm& frame, forms::TControl* control);

// Wraps the child windows of the frame's plain window.
void DiscoverChildWindows(frames::TWinSkinForm& frame);

}  // namespace zuno::skin::controls

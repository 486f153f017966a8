// What discovery needs from the common-control and scroll-bar wrappers: making the
// wrapper of a kind, attaching a scroll-bar wrapper with its thumb choice, and the
// tool bar's painter.
#pragma once

#include "forms/Control.h"
#include "skin/controls/core/ControlRules.h"

namespace zuno::skin::frames {
class TWinSkinForm;
class TSkinData;
class DibSurface;
}  // namespace zuno::skin::frames

namespace zuno::skin::controls {

class TSkinControl;

// A new wrapper of a common-control or scroll-bar kind, or null for other kinds.
TSkinControl* CreateCommonWrapper(SkinKind kind, forms::TComponent* owner);

// Attaches `s` as a scroll-bar wrapper (thumb drags done by the wrapper when
// `ownThumb`); false, nothing done, when `s` is none.
bool AttachScrollWrapper(TSkinControl* s, forms::TControl* c, frames::TSkinData* data, bool ownThumb,
                         frames::TWinSkinForm& frame, frames::DibSurface* canvas);

// A tool bar under the frame: flat, transparent, its buttons painted by the frame's
// DrawToolButton for as long as the frame's window is skinned.
void InstallToolBarPainter(frames::TWinSkinForm& frame, forms::TControl* c);

}  // namespace zuno::skin::controls

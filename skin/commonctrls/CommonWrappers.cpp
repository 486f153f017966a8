// Wrapper kinds of the common controls and scroll bars, and their attachment.
#include "skin/commonctrls/CommonWrappers.h"

#include "forms/ComCtrls.h"
#include "skin/commonctrls/SkinBars.h"
#include "skin/commonctrls/SkinTabs.h"
#include "skin/commonctrls/SkinUpDown.h"
#include "skin/commonctrls/ToolButtons.h"
#include "skin/frames/WinSkinForm.h"
#include "skin/scrollbars/SkinScrollbar.h"

namespace zuno::skin::controls {

TSkinControl* CreateCommonWrapper(SkinKind kind, forms::TComponent* owner) {
    switch (kind) {
    case SkinKind::Tab: return new TSkinTab(owner);
    case SkinKind::Tab31: return new TSkinTab31(owner);
    case SkinKind::TrackBar: return new TSkinTrackBar(owner);
    case SkinKind::UpDown: return new TSkinUpDown(owner);
    case SkinKind::StatusBar: return new TSkinStatusBar(owner);
    case SkinKind::Progress: return new TSkinProgress(owner);
    case SkinKind::ScControl: return new TSkinScControl(owner);
    case SkinKind::Scrollbar: return new TSkinScrollbar(owner);
    case SkinKind::ListView: return new TSkinListView(owner);
    default: return nullptr;
    }
}

bool AttachScrollWrapper(TSkinControl* s, forms::TControl* c, frames::TSkinData* data, bool ownThumb,
                         frames::TWinSkinForm& frame, frames::DibSurface* canvas) {
    auto* scroll = dynamic_cast<TSkinScrollbar*>(s);
    if (!scroll) return false;
    scroll->AttachScrollable(c, data, ownThumb, &frame, canvas);
    return true;
}

void InstallToolBarPainter(frames::TWinSkinForm& frame, forms::TControl* c) {
    auto* bar = dynamic_cast<forms::TToolBar*>(c);
    if (!bar) return;
    bar->Flat = true;
    bar->Transparent = true;
    // Found again by window at each paint, so a frame that has gone draws nothing.
    HWND window = frame.Handle;
    bar->OnCustomDrawButton = [window](forms::TToolBar* sender, forms::TToolButton* button, UINT state, HDC dc,
                                       bool& defaultDraw) {
        if (auto* f = frames::TWinSkinForm::FromWindow(window)) DrawToolButton(*f, sender, button, state, dc, defaultDraw);
    };
}

}  // namespace zuno::skin::controls

// The window frame family's internal split: the borders and caption background on
// one side, the caption buttons, the ornament and the MDI buttons on the other. Both
// halves agree on where the buttons sit through TitleLayout.
#pragma once

#include "authoring/skinart/SkinArt.h"

namespace zuno::skinart {

// Caption button placement, in window pixels. Right-aligned buttons sit at
// x = window width - xcoord.
struct TitleLayout {
    int buttonWidth = 0;
    int closeWidth = 0;
    int buttonHeight = 0;
    int buttonY = 0;
    int closeX = 0;     // Xcoord of the close button
    int maximiseX = 0;  // Xcoord of the maximise and restore buttons
    int minimiseX = 0;
    int iconX = 0;      // Xcoord of the window icon (left-aligned)
    int iconY = 0;
    int ornamentSize = 16;
    int ornamentGap = 4;  // from the right end of the title text background
};

TitleLayout LayoutTitle(const SkinStyle& style);

// Caption buttons, the icon button, the ornament and the MDI button strip.
void PaintTitleButtons(const SkinStyle& style, const TitleLayout& layout, GeneratedSkin& skin);

// Menu-bar height the art is drawn for: the system's SM_CYMENU at 96 dpi.
inline constexpr int kMenuBarHeight = 20;

}  // namespace zuno::skinart

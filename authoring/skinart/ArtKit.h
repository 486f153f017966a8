// Pieces several object families share: the control "plate" (the rounded, shaded
// face of push buttons, arrow buttons, up-down halves and the combo button) in its
// states, glyph colours by state, and frame strips built one frame at a time.
#pragma once

#include <functional>
#include <vector>

#include "authoring/skinart/ArtImage.h"
#include "authoring/skinart/Shapes.h"
#include "authoring/skinart/SkinStyles.h"

namespace zuno::skinart {

enum class State { Normal, Hot, Pressed, Disabled, Default };

struct PlateLook {
    Rgb top;      // fill at the top edge
    Rgb bottom;   // fill at the bottom edge
    Rgb edge;     // outline
    Rgb rim;      // 1-pixel light line inside the outline
    double rimOpacity = 0.6;
    Rgb ring;     // accent ring of the default button, used when ringOpacity > 0
    double ringOpacity = 0;
};

PlateLook ControlPlate(const SkinStyle& style, State state);
// Fills `box` with the plate: gradient, light rim, outline (and ring).
void DrawPlate(ArtImage& image, Box box, Corners corners, const PlateLook& look);
// The colour of arrows and symbols drawn on a control plate.
Rgb GlyphColour(const SkinStyle& style, State state);

// n frames, each made by `frame(i)` (0-based), joined side by side.
skin::SkinBitmap Strip(int count, const std::function<skin::SkinBitmap(int)>& frame);

}  // namespace zuno::skinart

// Where a button's glyph and caption go inside its client area, for bitmap and
// speed buttons (their own painting and the skinned one). Pixels; integer division
// truncates toward zero throughout.
#pragma once

namespace zuno::forms {

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum class TGlyphTextAlign { Left, Right, Centre };

struct TGlyphLayoutInput {
    int width = 0, height = 0;            // client area
    int glyphWidth = 0, glyphHeight = 0;  // one glyph cell; 0 x 0 without glyph
    int textWidth = 0, textHeight = 0;    // measured caption; 0 x 0 when empty
    TButtonLayout layout = TButtonLayout::blGlyphLeft;
    int margin = -1;   // -1: centred
    int spacing = 4;   // -1: spread
    bool speedButton = false;  // a centred margin is one pixel further in
};

struct TGlyphLayout {
    int glyphX = 0, glyphY = 0;
    int textX = 0, textY = 0;  // top-left of the textWidth x textHeight caption box
    TGlyphTextAlign align = TGlyphTextAlign::Left;
};

TGlyphLayout LayoutGlyphAndText(const TGlyphLayoutInput& in);

}  // namespace zuno::forms

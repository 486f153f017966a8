// Glyph and caption placement: centre across the layout axis, then margin and
// spacing along it (either may be -1 and is then derived from the free space).
#include "forms/core/GlyphLayout.h"

namespace zuno::forms {

TGlyphLayout LayoutGlyphAndText(const TGlyphLayoutInput& in) {
    TGlyphLayout out;
    const bool horizontal = in.layout == TButtonLayout::blGlyphLeft || in.layout == TButtonLayout::blGlyphRight;
    if (horizontal) {
        out.glyphY = (in.height - in.glyphHeight + 1) / 2;
        out.textY = (in.height - in.textHeight + 1) / 2;
    } else {
        out.glyphX = (in.width - in.glyphWidth + 1) / 2;
        out.textX = (in.width - in.textWidth + 1) / 2;
    }
    // Length of the layout axis and of glyph and text along it.
    const int room = horizontal ? in.width : in.height;
    const int glyph = horizontal ? in.glyphWidth : in.glyphHeight;
    const int text = horizontal ? in.textWidth : in.textHeight;
    int margin = in.margin, spacing = in.spacing;
    if (in.textWidth == 0 || in.glyphWidth == 0) spacing = 0;
    if (margin == -1 && spacing == -1) {
        margin = (room - glyph - text) / 3;
        spacing = margin;
    } else if (margin == -1) {
        margin = (room - (glyph + spacing + text)) / 2 + (in.speedButton ? 1 : 0);
    } else if (spacing == -1) {
        spacing = ((room - margin - glyph) - text) / 2;
    }
    switch (in.layout) {
    case TButtonLayout::blGlyphLeft:
        out.glyphX = margin;
        out.textX = margin + glyph + spacing;
        out.align = TGlyphTextAlign::Left;
        break;
    case TButtonLayout::blGlyphRight:
        out.glyphX = in.width - margin - glyph;
        out.textX = out.glyphX - spacing - text;
        out.align = TGlyphTextAlign::Right;
        break;
    case TButtonLayout::blGlyphTop:
        out.glyphY = margin;
        out.textY = margin + glyph + spacing;
        out.align = TGlyphTextAlign::Centre;
        break;
    case TButtonLayout::blGlyphBottom:
        out.glyphY = in.height - margin - glyph;
        out.textY = out.glyphY - spacing - text;
        out.align = TGlyphTextAlign::Centre;
        break;
    }
    return out;
}

}  // namespace zuno::forms

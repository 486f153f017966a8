// Glyph and caption placement with worked numbers: a 75 x 25 button (or a 60 x 60
// one for the vertical layouts) with a 16 x 16 glyph and a 30 x 12 caption.
#include <gtest/gtest.h>

#include "forms/core/GlyphLayout.h"

namespace zuno::forms {
namespace {

TEST(GlyphLayout, WorkedNumbers) {
    using L = TButtonLayout;
    using A = TGlyphTextAlign;
    struct Case {
        const char* what;
        TGlyphLayoutInput in;
        TGlyphLayout out;
    };
    const Case cases[] = {
        {"centred margin, spacing 4", {75, 25, 16, 16, 30, 12, L::blGlyphLeft, -1, 4, false}, {12, 5, 32, 7, A::Left}},
        {"speed button: one further in", {75, 25, 16, 16, 30, 12, L::blGlyphLeft, -1, 4, true}, {13, 5, 33, 7, A::Left}},
        {"both spread: thirds", {75, 25, 16, 16, 30, 12, L::blGlyphLeft, -1, -1, false}, {9, 5, 34, 7, A::Left}},
        {"margin given, spacing spread", {75, 25, 16, 16, 30, 12, L::blGlyphLeft, 2, -1, false}, {2, 5, 31, 7, A::Left}},
        {"right", {75, 25, 16, 16, 30, 12, L::blGlyphRight, -1, 4, false}, {47, 5, 13, 7, A::Right}},
        {"top", {60, 60, 16, 16, 30, 12, L::blGlyphTop, -1, 4, false}, {22, 14, 15, 34, A::Centre}},
        {"bottom", {60, 60, 16, 16, 30, 12, L::blGlyphBottom, -1, 4, false}, {22, 30, 15, 14, A::Centre}},
        {"no caption: no spacing", {75, 25, 16, 16, 0, 0, L::blGlyphLeft, -1, 4, false}, {29, 5, 45, 13, A::Left}},
        {"no glyph: caption centred", {75, 25, 0, 0, 30, 12, L::blGlyphLeft, -1, 4, false}, {22, 13, 22, 7, A::Left}},
        {"too narrow: negative margin", {20, 25, 16, 16, 30, 12, L::blGlyphLeft, -1, 4, false}, {-15, 5, 5, 7, A::Left}},
    };
    for (const Case& c : cases) {
        const TGlyphLayout got = LayoutGlyphAndText(c.in);
        EXPECT_EQ(got.glyphX, c.out.glyphX) << c.what;
        EXPECT_EQ(got.glyphY, c.out.glyphY) << c.what;
        EXPECT_EQ(got.textX, c.out.textX) << c.what;
        EXPECT_EQ(got.textY, c.out.textY) << c.what;
        EXPECT_EQ(got.align, c.out.align) << c.what;
    }
}

}  // namespace
}  // namespace zuno::forms

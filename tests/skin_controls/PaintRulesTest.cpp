// State frames and placements of the wrappers' skin images, with worked numbers.
#include <gtest/gtest.h>

#include "skin/controls/core/PaintRules.h"

namespace {

using namespace zuno::skin;
using namespace zuno::skin::controls;

TEST(PaintRules, ButtonFramesByState) {
    struct Case {
        bool pressed, hot, isDefault, focused, enabled;
        int button, bitButton;
    } cases[] = {
        {false, false, false, false, true, 1, 1},
        {true, true, true, true, true, 2, 2},
        {false, true, true, false, true, 4, 4},
        {false, false, true, true, true, 5, 4},  // default beats focus on a push button only
        {false, false, false, true, true, 4, 4},
        {true, true, true, true, false, 3, 3},   // disabled whatever else
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ButtonFrame(c.pressed, c.hot, c.isDefault, c.focused, c.enabled), c.button);
        EXPECT_EQ(BitButtonFrame(c.pressed, c.hot, c.isDefault, c.focused, c.enabled), c.bitButton);
    }
    EXPECT_EQ(SpeedButtonFrame(false, true, false, false), 2) << "down shows pressed even when disabled";
    EXPECT_EQ(SpeedButtonFrame(false, false, true, true), 4);
    EXPECT_EQ(SpeedButtonFrame(false, false, false, false), 3);
    EXPECT_EQ(SpeedButtonFrame(false, false, false, true), 1);
    EXPECT_EQ(GlyphNumber(2, true), 3);
    EXPECT_EQ(GlyphNumber(3, false), 2);
    EXPECT_EQ(GlyphNumber(4, true), 1);
}

TEST(PaintRules, CheckAndRadioFramesWithRemapping) {
    struct Case {
        bool checkBox, checked, enabled, grey;
        int count, frame;
    } cases[] = {
        {true, false, true, false, 4, 1},   {true, true, true, false, 4, 2},
        {true, false, false, false, 4, 3},  {true, true, false, false, 4, 4},
        {true, false, true, true, 4, 4},    // indeterminate
        {true, true, true, false, 12, 5},   {true, false, false, false, 12, 4},
        {true, true, false, false, 12, 8},  {true, false, true, true, 12, 9},
        {true, false, false, true, 12, 12},
        {false, true, true, false, 8, 5},   {false, false, false, false, 8, 4},
        {false, true, false, false, 8, 8},  {false, true, true, false, 12, 2},  // 12 remaps check boxes only
        {false, false, true, true, 4, 1},   // radio buttons have no indeterminate state
    };
    for (const Case& c : cases)
        EXPECT_EQ(CheckFrame(c.checkBox, c.checked, c.enabled, c.grey, c.count), c.frame)
            << c.checkBox << c.checked << c.enabled << c.grey << " n=" << c.count;
}

TEST(PaintRules, GlyphCellPlacement) {
    // 13-pixel cell: (14 - 13) div 2 = 0, plus 2 for a check box, plus 0 for a radio button.
    const CheckGlyphPlace check = PlaceCheckGlyph(true, false, 200, 40, 13, 13, 13);
    EXPECT_EQ(check.glyph, (Rect{2, 13, 15, 26}));
    EXPECT_EQ(check.erase, (Rect{0, 0, 16, 40}));
    EXPECT_EQ(PlaceCheckGlyph(false, false, 200, 40, 13, 13, 13).glyph, (Rect{0, 13, 13, 26}));
    EXPECT_EQ(PlaceCheckGlyph(true, false, 200, 20, 10, 10, 13).glyph.left, 4);  // (14 - 10) div 2 + 2
    EXPECT_EQ(PlaceCheckGlyph(true, false, 200, 20, 16, 16, 13).glyph.left, 2);
    // Box on the right (BS_LEFTTEXT).
    const CheckGlyphPlace right = PlaceCheckGlyph(true, true, 200, 40, 13, 13, 13);
    EXPECT_EQ(right.glyph, (Rect{187, 13, 200, 26}));
    EXPECT_EQ(right.erase, (Rect{184, 0, 200, 40}));
    EXPECT_EQ(PlaceCheckGlyph(false, true, 200, 40, 16, 16, 13).glyph.right, 199);
}

TEST(PaintRules, ComboPlacementBothDirections) {
    EXPECT_EQ(ComboFrame(true, true, true, true), 2);
    EXPECT_EQ(ComboFrame(false, true, false, true), 4);
    EXPECT_EQ(ComboFrame(false, false, true, true), 4);
    EXPECT_EQ(ComboFrame(false, false, false, true), 1);
    EXPECT_EQ(ComboFrame(false, false, false, false), 3);
    const ComboPlace ltr = PlaceCombo(120, 24, 17, false);
    EXPECT_EQ(ltr.exclude, (Rect{2, 2, 99, 22}));
    EXPECT_EQ(ltr.button, (Rect{101, 0, 120, 24}));
    EXPECT_EQ(ltr.glyphArea, (Rect{101, 0, 118, 24}));
    const ComboPlace rtl = PlaceCombo(120, 24, 17, true);
    EXPECT_EQ(rtl.exclude, (Rect{21, 2, 118, 22}));
    EXPECT_EQ(rtl.button, (Rect{0, 0, 19, 24}));
    EXPECT_EQ(rtl.glyphArea, (Rect{2, 0, 19, 24}));
}

TEST(PaintRules, CaptionEditAndGroupBoxArithmetic) {
    EXPECT_EQ(CentredCaptionOffset(89, 33, 40, 16).dx, 24);
    EXPECT_EQ(CentredCaptionOffset(89, 33, 40, 16).dy, 7);
    EXPECT_EQ(CentredCaptionOffset(20, 10, 40, 16).dx, -10) << "truncates toward zero";
    EXPECT_EQ(CentredCaptionOffset(20, 10, 40, 15).dy, -3);
    EXPECT_TRUE(EditHasBorder(96, 17, 100, 21));
    EXPECT_FALSE(EditHasBorder(100, 21, 100, 21));
    EXPECT_FALSE(EditPrintHasBorder(98, 19, 100, 21));
    EXPECT_TRUE(EditPrintHasBorder(96, 17, 100, 21));
    EXPECT_EQ(GroupBoxFrameTop(16), 7);
    EXPECT_TRUE(DisabledByTag(199, 99));
    EXPECT_FALSE(DisabledByTag(99 + 1, 99));
    EXPECT_FALSE(DisabledByTag(-1, 99));
}

}  // namespace

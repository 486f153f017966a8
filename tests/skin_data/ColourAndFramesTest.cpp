// Colour triples of the skin definition and the frame counts derived from bitmap
// sizes: pure rules, checked case by case.
#include <gtest/gtest.h>

#include "skin/data/SkinData.h"

namespace zuno::skin {
namespace {

constexpr TColor kDefault = static_cast<TColor>(0x80000012u);

struct ColourCase {
    const char* value;
    TColor expected;
    const char* fault;  // what a wrong reading would do
};

const ColourCase kColourCases[] = {
    {"255 0 255", kKeyColour, "byte order of R and B swapped"},
    {"224 223 227", 0xE3DFE0, "components stored in the wrong slots"},
    {"255,0,255", kKeyColour, "only spaces accepted as separators"},
    {"10 20", MakeTColor(10, 0, 0), "an unfinished second component kept as G"},
    {"-5 7 9", MakeTColor(5, 7, 9), "a sign taken as a number or as a separator run"},
    {"", kDefault, "empty value not giving the default"},
    {"abc", 0, "a value without digits taken as absent"},
    {"12", 0, "a lone pending run stored as R"},
    {"1 2 3 4", MakeTColor(1, 2, 3), "a fourth component overwriting the third"},
    {"1 2 3 4 5", MakeTColor(1, 2, 3), "extra components shifting the triple"},
    {"300 256 511", MakeTColor(44, 0, 255), "components not taken modulo 256"},
    {"1  2\t3", MakeTColor(1, 2, 3), "repeated separators storing empty components"},
    {"1;2;3x", MakeTColor(1, 2, 3), "a letter not ending the run"},
};

TEST(SkinDataParseColour, ReadsTriplesByTheDigitRunRules) {
    for (const ColourCase& c : kColourCases) {
        EXPECT_EQ(TSkinData::ParseColour(c.value, kDefault), c.expected)
            << "value \"" << c.value << "\": " << c.fault;
    }
}

TEST(SkinDataParseColour, OverlongRunKeepsTheOtherComponents) {
    const TColor c = TSkinData::ParseColour("1 99999999999999999999999999999 3", kDefault);
    EXPECT_EQ(c & 0xFF, 1);
    EXPECT_EQ((c >> 16) & 0xFF, 3);
}

struct CheckStripCase {
    int width, height, frames;
};

TEST(SkinDataDeriveCheckFrameCount, DividesByThirteenOrSixteenAndRaisesToFour) {
    const CheckStripCase cases[] = {
        {52, 13, 4},   // 13 high: 13-pixel frames
        {96, 16, 6},   // 16 high: 16-pixel frames
        {48, 16, 4},   // 3 frames raised to 4
        {130, 15, 10}, // just under 16 high still counts 13-pixel frames
        {160, 17, 10},
        {0, 0, 4},     // no strip at all
    };
    for (const auto& c : cases) {
        SkinBitmap strip(c.width, c.height);
        EXPECT_EQ(DeriveCheckFrameCount(strip), c.frames) << c.width << " x " << c.height;
    }
}

struct SysButtonCase {
    int width, height, action, frames;
    const char* note;
};

TEST(SkinDataDeriveSysButtonFrameCount, UsesTheAspectRatio) {
    const SysButtonCase cases[] = {
        {60, 20, 0, 3, "ratio 3 holds three frames"},
        {120, 20, 0, 6, "ratio 6 holds six frames"},
        {76, 20, 0, 3, "ratio exactly 3.8 still three frames"},
        {77, 20, 0, 6, "ratio just above 3.8 six frames"},
        {60, 20, -1, 6, "a negative action always six"},
        {60, 20, -7, 6, "any negative action"},
        {0, 0, 0, 6, "no image: six"},
    };
    for (const auto& c : cases) {
        SkinBitmap image(c.width, c.height);
        EXPECT_EQ(DeriveSysButtonFrameCount(image, c.action), c.frames) << c.note;
    }
}

}  // namespace
}  // namespace zuno::skin

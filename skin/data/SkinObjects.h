// The data objects of a loaded skin: one per skinned part (a window border, the
// caption, the push buttons, a title-bar button, a scroll bar, ...). Each holds the
// part's bitmap with all its state frames, its nine-patch margins, flags and colours.
// The painting code reads them; only the skin data component fills them.
#pragma once

#include <cstdint>
#include <string>

#include "skin/draw/Bitmap.h"
#include "skin/draw/Color.h"

namespace zuno::skin {

// Base of every skin object; owns its bitmap. Fields keep the stored order. Numbers
// start at 0 (and colours at black) until a definition fills them: each section only
// fills the fields its keys name.
class TDataSkinObject {
public:
    explicit TDataSkinObject(std::string name);
    virtual ~TDataSkinObject();
    TDataSkinObject(const TDataSkinObject&) = delete;
    TDataSkinObject& operator=(const TDataSkinObject&) = delete;

    std::int32_t LeftWidth = 0;     // nine-patch margins, pixels
    std::int32_t TopHeight = 0;
    std::int32_t RightWidth = 0;
    std::int32_t BottomHeight = 0;
    SkinBitmap Bitmap;              // all state frames, side by side or stacked
    std::int32_t Trans = 0;         // 1 = draw with key-colour transparency
    std::int32_t Tile = 0;          // 1 = tile the centre; for the four borders: Stretch flag
    std::string Name;               // section or object name
    std::int32_t FrameCount = 0;    // state frames in Bitmap
    std::int32_t Style = 0;         // key "Style" (Progress, ComboButton)
    std::int32_t NormalColour = 0;  // integer colours of the definition, -1 when absent
    std::int32_t MouseOverColour = 0;
    std::int32_t PressedColour = 0;
    TColor NormalColour2 = 0;       // text colours of the normal, hot and pressed states
    TColor MouseOverColour2 = 0;
    TColor PressedColour2 = 0;
};

// An object with a second image: the progress "Chunk", the tabs' "Border", the
// up-down "GlyphImage", or the mirrored combo button.
class TDataSkinBorder : public TDataSkinObject {
public:
    explicit TDataSkinBorder(std::string name);
    ~TDataSkinBorder() override;

    SkinBitmap Bitmap2;
};

// The caption. The base margins carry the text placement: LeftWidth = TextShift,
// TopHeight = TextShiftVert, RightWidth = TextRightClip, BottomHeight = 0; Bitmap is
// the caption background (TextBack).
class TDataSkinTitle : public TDataSkinObject {
public:
    explicit TDataSkinTitle(std::string name);
    ~TDataSkinTitle() override;

    std::int32_t TextAlignment = 0;
    std::int32_t Textbackground = 0;
    std::int32_t FontHeight = 0;
    std::int32_t TXTBackleft = 0;
    std::int32_t TXTBackRight = 0;
    TColor ActiveTextColour = 0;    // kClNone when the definition gives none
    TColor InActiveTextColour = 0;
};

// Push buttons, check boxes and radio buttons.
class TDataSkinButton : public TDataSkinObject {
public:
    explicit TDataSkinButton(std::string name);
    ~TDataSkinButton() override;

    SkinBitmap CheckBitmap;
    SkinBitmap RadioBitmap;
    std::int32_t RadioFrameCount = 0;
    std::int32_t CheckFrameCount = 0;
    std::uint8_t HasNormalColour2 = 0;     // 1 when the definition gives the colour
    std::uint8_t HasMouseOverColour2 = 0;
    std::uint8_t HasPressedColour2 = 0;
};

// One title-bar button; the window frame gives the values their meaning.
class TDataSkinSysButton : public TDataSkinObject {
public:
    explicit TDataSkinSysButton(std::string name);
    ~TDataSkinSysButton() override;

    std::int32_t Action = 0;
    std::int32_t Align = 0;
    std::int32_t Xcoord = 0;
    std::int32_t Ycoord = 0;
    std::int32_t CombineOp = 0;
    std::int32_t Visibility = 0;
    std::int32_t Visibility1 = 0;
};

}  // namespace zuno::skin

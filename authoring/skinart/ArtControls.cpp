// Small controls: the combo box (its drop button and the sunken edge around it, both
// with frames 1 normal, 2 pressed, 3 disabled, 4 mouse over or focused), the extra
// images (the drop arrow in those four states and the size grip as frame 5), the
// track-bar thumbs and the up-down buttons with their arrow glyphs.
#include <cmath>

#include "authoring/skinart/ArtKit.h"
#include "authoring/skinart/SkinArt.h"
#include "skin/draw/Primitives.h"

namespace zuno::skinart {
namespace {

using skin::SkinBitmap;

constexpr State kComboStates[] = {State::Normal, State::Pressed, State::Disabled, State::Hot};
constexpr int kComboWidth = 18, kComboHeight = 21;
constexpr int kEdgeSide = 10, kEdgeMargin = 3;
constexpr int kExtraSide = 12;
constexpr int kThumbWidth = 11, kThumbHeight = 20;
constexpr int kSpinWidth = 16, kSpinHeight = 11;
constexpr int kSpinGlyphLong = 9, kSpinGlyphShort = 5;

Rgb EdgeColour(const SkinStyle& s, State state) {
    switch (state) {
        case State::Hot: return s.accent;
        case State::Pressed: return Darken(s.accent, 0.15);
        case State::Disabled: return Mix(s.controlEdge, s.face, 0.55);
        default: return Mix(s.controlEdge, s.face, 0.2);
    }
}

SkinBitmap PaintSunkEdge(const SkinStyle& s, State state) {
    ArtImage img(kEdgeSide, kEdgeSide);
    const Rgb edge = EdgeColour(s, state);
    const Rgb inside = state == State::Disabled ? Mix(s.field, s.face, 0.6) : s.field;
    img.FillRect(0, 0, kEdgeSide, kEdgeSide, edge);
    img.FillRect(1, 1, kEdgeSide - 1, kEdgeSide - 1, Mix(inside, Shade(s), IsDark(s) ? 0.3 : 0.12));
    img.FillRect(2, 2, kEdgeSide - 1, kEdgeSide - 1, inside);
    // Softened corners: the controls are rectangles, so no key colour here.
    for (const auto& [x, y] : {std::pair{0, 0}, {kEdgeSide - 1, 0}, {0, kEdgeSide - 1}, {kEdgeSide - 1, kEdgeSide - 1}})
        img.FillRect(x, y, x + 1, y + 1, Mix(edge, s.face, 0.55));
    return img.FlattenOpaque(Behind(s.face));
}

SkinBitmap PaintComboButton(const SkinStyle& s, State state) {
    ArtImage img(kComboWidth, kComboHeight);
    const Rgb edge = EdgeColour(s, state);
    img.FillRect(0, 0, kComboWidth, kComboHeight, state == State::Disabled ? Mix(s.field, s.face, 0.6) : s.field);
    DrawPlate(img, Box{1, 2, kComboWidth - 2.0, kComboHeight - 2.0}, Corners::All(2), ControlPlate(s, state));
    img.FillRect(0, 0, kComboWidth, 1, edge);
    img.FillRect(0, kComboHeight - 1, kComboWidth, kComboHeight, edge);
    img.FillRect(kComboWidth - 1, 0, kComboWidth, kComboHeight, edge);
    img.FillRect(kComboWidth - 1, 0, kComboWidth, 1, Mix(edge, s.face, 0.55));
    img.FillRect(kComboWidth - 1, kComboHeight - 1, kComboWidth, kComboHeight, Mix(edge, s.face, 0.55));
    return img.FlattenOpaque(Behind(s.face));
}

// Frames 1-4: the drop arrow over the combo button; frame 5: the size grip.
SkinBitmap PaintExtraImage(const SkinStyle& s, int i) {
    ArtImage img(kExtraSide, kExtraSide);
    if (i < 4) {
        const State state = kComboStates[i];
        img.Fill(Triangle(kExtraSide / 2.0, kExtraSide / 2.0 + 0.5, 8, Direction::Down), Solid(GlyphColour(s, state)));
        const PlateLook plate = ControlPlate(s, state);
        return img.Flatten(Behind(Mix(plate.top, plate.bottom, 0.5)));
    }
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col <= row; ++col) {
            const double x = kExtraSide - 2 - 4 * (row - col), y = kExtraSide - 2 - 4 * col;
            img.Fill(RoundedBox(Box{x - 1, y - 1, x + 1, y + 1}, 0.0), Solid(BevelLight(s)));
            img.Fill(RoundedBox(Box{x - 2, y - 2, x, y}, 0.0), Solid(Mix(s.shadow, s.faceText, 0.2)));
        }
    return img.Flatten(Behind(s.face));
}

// A horizontal track bar's thumb pointing down at the ticks. Frames: 1 normal,
// 2 normal with the accent (the one the program shows), 3 mouse over, 4 pressed,
// 5 disabled.
SkinBitmap PaintTrackThumb(const SkinStyle& s, int frame) {
    const State state = frame == 3 ? State::Hot : frame == 4 ? State::Pressed
                                                : frame == 5 ? State::Disabled : State::Normal;
    const PlateLook look = ControlPlate(s, state);
    ArtImage img(kThumbWidth, kThumbHeight);
    const double W = kThumbWidth, tip = kThumbHeight - 0.4, shoulder = kThumbHeight - 6.5;
    const Shape body = Union(RoundedBox(Box{0, 0, W, shoulder + 0.5}, Corners::Top(2.5)),
                             Polygon({{0, shoulder - 1}, {W, shoulder - 1}, {W / 2, tip}}));
    img.Fill(body, VerticalGradient(0, kThumbHeight, {{0, look.top}, {1, look.bottom}}));
    img.Stroke(body, 1.0, Solid(look.edge));
    if (frame == 2 || frame == 3) img.FillRect(2, 2, kThumbWidth - 2, 4, s.accent, 0.9);
    return img.Flatten(Behind(s.face));
}

SkinBitmap TurnedLeft(SkinBitmap bitmap) {
    skin::RotateBitmapLeft(bitmap);
    return bitmap;
}

// One half of an up-down control; `first` is the up (or left) arrow.
SkinBitmap PaintSpinHalf(const SkinStyle& s, bool vertical, bool first, State state) {
    const int w = vertical ? kSpinWidth : kSpinHeight, h = vertical ? kSpinHeight : kSpinWidth;
    ArtImage img(w, h);
    Corners c;
    if (vertical) c = first ? Corners::Top(2.5) : Corners::Bottom(2.5);
    else c = first ? Corners{2.5, 0, 0, 2.5} : Corners{0, 2.5, 2.5, 0};
    DrawPlate(img, Box{0, 0, double(w), double(h)}, c, ControlPlate(s, state));
    return img.Flatten(Behind(s.face));
}

SkinBitmap PaintSpinGlyph(const SkinStyle& s, bool vertical, bool first, State state) {
    const int w = vertical ? kSpinGlyphLong : kSpinGlyphShort, h = vertical ? kSpinGlyphShort : kSpinGlyphLong;
    ArtImage img(w, h);
    const Direction dir = vertical ? (first ? Direction::Up : Direction::Down)
                                   : (first ? Direction::Left : Direction::Right);
    img.Fill(Triangle(w / 2.0, h / 2.0, kSpinGlyphLong - 1, dir), Solid(GlyphColour(s, state)));
    const PlateLook plate = ControlPlate(s, state);
    return img.Flatten(Behind(Mix(plate.top, plate.bottom, 0.5)));
}

void AddUpDown(const SkinStyle& s, GeneratedSkin& skin, bool vertical) {
    const char* section = vertical ? "UpDown.Vert" : "UpDown.Horz";
    const std::string stem = vertical ? "updown_v" : "updown_h";
    skin.AddBitmap(section, "Image", stem + ".bmp", Strip(8, [&](int i) {
        return PaintSpinHalf(s, vertical, i < 4, kComboStates[i % 4]);
    }));
    skin.AddBitmap(section, "GlyphImage", stem + "_glyphs.bmp", Strip(8, [&](int i) {
        return PaintSpinGlyph(s, vertical, i < 4, kComboStates[i % 4]);
    }));
    skin.definition.Set(section, "Trans", 1);
}

}  // namespace

void PaintSmallControls(const SkinStyle& s, GeneratedSkin& skin) {
    Definition& d = skin.definition;
    skin.AddBitmap("ComboButton", "Image", "combo_button.bmp",
                   Strip(4, [&](int i) { return PaintComboButton(s, kComboStates[i]); }));
    d.Set("ComboButton", "Trans", 1);
    skin.AddBitmap("SunkEdge", "Image", "sunk_edge.bmp",
                   Strip(4, [&](int i) { return PaintSunkEdge(s, kComboStates[i]); }));
    for (const char* key : {"LeftWidth", "RightWidth", "TopHeight", "BottomHeight"}) d.Set("SunkEdge", key, kEdgeMargin);
    d.Set("SunkEdge", "Trans", 0);
    d.Set("SunkEdge", "Tile", 0);
    skin.AddBitmap("ExtraImages", "Image", "extra_images.bmp", Strip(5, [&](int i) { return PaintExtraImage(s, i); }));
    d.Set("ExtraImages", "Trans", 1);

    skin.AddBitmap("Trackbar.ThumbHorz", "Image", "track_thumb_h.bmp",
                   Strip(5, [&](int i) { return PaintTrackThumb(s, i + 1); }));
    d.Set("Trackbar.ThumbHorz", "Trans", 1);
    skin.AddBitmap("Trackbar.ThumbVert", "Image", "track_thumb_v.bmp",
                   Strip(5, [&](int i) { return TurnedLeft(PaintTrackThumb(s, i + 1)); }));
    d.Set("Trackbar.ThumbVert", "Trans", 1);

    AddUpDown(s, skin, false);
    AddUpDown(s, skin, true);
}

}  // namespace zuno::skinart

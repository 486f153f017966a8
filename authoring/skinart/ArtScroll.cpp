// Scroll bars: the 23-frame strip (arrow buttons left, right, up, down, four states
// each: normal, pressed, mouse over, disabled; then thumbs, shafts and the size box),
// the horizontal and vertical shafts, and the two thumbs. Everything is drawn 16
// pixels thick, the thickness the program composes bars at before stretching.
#include "authoring/skinart/ArtKit.h"
#include "authoring/skinart/SkinArt.h"

namespace zuno::skinart {
namespace {

using skin::SkinBitmap;

constexpr int kThick = 16;
constexpr int kThumbLength = 24;
constexpr int kThumbCap = 6;
constexpr int kShaftLength = 16;
constexpr int kShaftCap = 3;
constexpr State kArrowStates[] = {State::Normal, State::Pressed, State::Hot, State::Disabled};
constexpr Direction kArrowDirections[] = {Direction::Left, Direction::Right, Direction::Up, Direction::Down};

SkinBitmap PaintArrowButton(const SkinStyle& s, Direction dir, State state) {
    ArtImage img(kThick, kThick);
    DrawPlate(img, Box{1, 1, kThick - 1, kThick - 1}, Corners::All(3), ControlPlate(s, state));
    const double nudge = state == State::Pressed ? 0.5 : 0;
    img.Fill(Triangle(kThick / 2.0 + nudge, kThick / 2.0 + nudge, 7, dir), Solid(GlyphColour(s, state)));
    return img.Flatten(Behind(s.scrollTrack));
}

// The shaft's colour across its thickness (0 at the outer edge of a horizontal bar's
// top, or a vertical bar's left).
Rgb ShaftColour(const SkinStyle& s, double across, State state) {
    Rgb base = s.scrollTrack;
    if (state == State::Pressed) base = Mix(base, s.accent, 0.18);
    if (state == State::Hot) base = Mix(base, s.accent, 0.07);
    if (state == State::Disabled) base = Mix(base, s.face, 0.5);
    const double t = across / kThick;
    const Rgb edgeShade = Mix(base, Shade(s), IsDark(s) ? 0.5 : 0.28);
    return StopsAt({{0, edgeShade}, {0.15, base}, {0.85, Lighten(base, IsDark(s) ? 0.02 : 0.25)},
                    {1, Mix(base, Shade(s), 0.15)}}, t);
}

SkinBitmap PaintShaft(const SkinStyle& s, bool horizontal, State state) {
    const int w = horizontal ? kShaftLength : kThick, h = horizontal ? kThick : kShaftLength;
    ArtImage img(w, h);
    img.Fill(RoundedBox(Box{0, 0, double(w), double(h)}, 0.0), [&](double x, double y) {
        return ShaftColour(s, horizontal ? y : x, state);
    });
    return img.FlattenOpaque(Behind(s.scrollTrack));
}

SkinBitmap PaintThumb(const SkinStyle& s, bool horizontal, State state) {
    const int w = horizontal ? kThumbLength : kThick, h = horizontal ? kThick : kThumbLength;
    ArtImage img(w, h);
    const Box box = horizontal ? Box{0, 2, double(w), double(h - 2)} : Box{2, 0, double(w - 2), double(h)};
    PlateLook look = ControlPlate(s, state);
    if (!horizontal) {  // light from the left on a vertical thumb
        img.Fill(RoundedBox(box, 4.0), HorizontalGradient(box.x0, box.x1, {{0, look.top}, {1, look.bottom}}));
        img.Stroke(RoundedBox(box.Inset(1), 3.0), 1.0, Solid(look.rim), look.rimOpacity);
        img.Stroke(RoundedBox(box, 4.0), 1.0, Solid(look.edge));
    } else {
        DrawPlate(img, box, Corners::All(4), look);
    }
    return img.Flatten(Behind(s.scrollTrack));
}

// Frame 23: the square between two bars, face coloured with a small grip.
SkinBitmap PaintSizeBox(const SkinStyle& s) {
    ArtImage img(kThick, kThick);
    img.FillRect(0, 0, kThick, kThick, s.face);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j <= i; ++j) {
            const double x = 13 - 4 * (i - j) - 0.5, y = 13 - 4 * j - 0.5;
            img.Fill(RoundedBox(Box{x - 1, y - 1, x + 1, y + 1}, 0.0), Solid(s.shadow));
        }
    return img.FlattenOpaque(Behind(s.face));
}

SkinBitmap PaintStripFrame(const SkinStyle& s, int i) {
    if (i < 16) return PaintArrowButton(s, kArrowDirections[i / 4], kArrowStates[i % 4]);
    switch (i) {
        case 16: return Crop(PaintThumb(s, true, State::Normal), 4, 0, 4 + kThick, kThick);
        case 17: return Crop(PaintThumb(s, true, State::Pressed), 4, 0, 4 + kThick, kThick);
        case 18: return Crop(PaintThumb(s, false, State::Normal), 0, 4, kThick, 4 + kThick);
        case 19: return Crop(PaintThumb(s, false, State::Pressed), 0, 4, kThick, 4 + kThick);
        case 20: return PaintShaft(s, true, State::Normal);
        case 21: return PaintShaft(s, false, State::Normal);
        default: return PaintSizeBox(s);
    }
}

}  // namespace

void PaintScrollBars(const SkinStyle& s, GeneratedSkin& skin) {
    Definition& d = skin.definition;
    skin.AddBitmap("Scrollbar", "Image", "scrollbar.bmp", Strip(23, [&](int i) { return PaintStripFrame(s, i); }));
    d.Set("Scrollbar", "Trans", 1);

    constexpr State kShaftStates[] = {State::Normal, State::Pressed, State::Hot, State::Disabled};
    skin.AddBitmap("HorzScroll", "Image", "scroll_h.bmp",
                   Strip(4, [&](int i) { return PaintShaft(s, true, kShaftStates[i]); }));
    d.Set("HorzScroll", "LeftWidth", kShaftCap);
    d.Set("HorzScroll", "RightWidth", kShaftCap);
    d.Set("HorzScroll", "Trans", 0);
    d.Set("HorzScroll", "Tile", 0);
    skin.AddBitmap("VertScroll", "Image", "scroll_v.bmp",
                   Strip(4, [&](int i) { return PaintShaft(s, false, kShaftStates[i]); }));
    d.Set("VertScroll", "TopHeight", kShaftCap);
    d.Set("VertScroll", "BottomHeight", kShaftCap);
    d.Set("VertScroll", "Trans", 0);
    d.Set("VertScroll", "Tile", 0);

    constexpr State kThumbStates[] = {State::Normal, State::Pressed, State::Hot};
    skin.AddBitmap("HorzScrollThumb", "Image", "thumb_h.bmp",
                   Strip(3, [&](int i) { return PaintThumb(s, true, kThumbStates[i]); }));
    d.Set("HorzScrollThumb", "FrameCount", 3);
    d.Set("HorzScrollThumb", "LeftWidth", kThumbCap);
    d.Set("HorzScrollThumb", "RightWidth", kThumbCap);
    d.Set("HorzScrollThumb", "Trans", 1);
    skin.AddBitmap("VertScrollThumb", "Image", "thumb_v.bmp",
                   Strip(3, [&](int i) { return PaintThumb(s, false, kThumbStates[i]); }));
    d.Set("VertScrollThumb", "FrameCount", 3);
    d.Set("VertScrollThumb", "TopHeight", kThumbCap);
    d.Set("VertScrollThumb", "BottomHeight", kThumbCap);
    d.Set("VertScrollThumb", "Trans", 1);
}

}  // namespace zuno::skinart

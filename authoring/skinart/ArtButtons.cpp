// Push buttons (frames: 1 normal, 2 pressed, 3 disabled, 4 mouse over or focused,
// 5 default button), and the check box and radio button strips. Check box frames
// come in rows of four (normal, mouse over, pressed, disabled) for unchecked,
// checked and mixed; radio buttons have the unchecked and checked rows.
#include "authoring/skinart/ArtKit.h"
#include "authoring/skinart/SkinArt.h"

namespace zuno::skinart {
namespace {

using skin::SkinBitmap;

constexpr int kPushWidth = 32;
constexpr int kPushHeight = 24;
constexpr int kPushMargin = 5;
constexpr int kBoxSide = 13;  // the check and radio cells, at their drawn size

SkinBitmap PaintPushButton(const SkinStyle& s, State state) {
    ArtImage img(kPushWidth, kPushHeight);
    DrawPlate(img, Box{0, 0, kPushWidth, kPushHeight}, Corners::All(s.controlRadius), ControlPlate(s, state));
    return img.Flatten(Behind(s.face));
}

enum class Mark { None, Checked, Mixed };
constexpr State kBoxStates[] = {State::Normal, State::Hot, State::Pressed, State::Disabled};

struct BoxLook {
    Rgb fillTop, fillBottom, edge, mark;
    double glow = 0;  // accent ring inside the edge under the mouse
};

BoxLook LookOfBox(const SkinStyle& s, State state) {
    BoxLook b;
    const bool dark = IsDark(s);
    b.fillTop = dark ? Lighten(s.field, 0.04) : Mix(s.field, s.control, 0.6);
    b.fillBottom = s.field;
    b.edge = dark ? Mix(s.face, s.faceText, 0.42) : Mix(s.controlEdge, s.faceText, 0.15);
    b.mark = dark ? Lighten(s.accent, 0.25) : s.accent;
    switch (state) {
        case State::Hot:
            b.edge = s.accent;
            b.glow = 0.35;
            break;
        case State::Pressed:
            b.fillTop = Mix(s.field, s.accent, 0.3);
            b.fillBottom = Mix(s.field, s.accent, 0.12);
            b.edge = Darken(s.accent, 0.1);
            break;
        case State::Disabled:
            b.fillTop = b.fillBottom = Mix(s.field, s.face, 0.6);
            b.edge = dark ? Mix(s.face, s.faceText, 0.2) : Mix(s.controlEdge, s.face, 0.55);
            b.mark = Mix(s.faceText, s.face, 0.55);
            break;
        default: break;
    }
    return b;
}

SkinBitmap PaintCheckCell(const SkinStyle& s, State state, Mark mark) {
    ArtImage img(kBoxSide, kBoxSide);
    const BoxLook b = LookOfBox(s, state);
    const Box box{0, 0, kBoxSide, kBoxSide};
    img.Fill(RoundedBox(box, 2.0), VerticalGradient(0, kBoxSide, {{0, b.fillTop}, {1, b.fillBottom}}));
    if (b.glow > 0) img.Stroke(RoundedBox(box.Inset(1), 1.0), 1.0, Solid(s.accent), b.glow);
    img.Stroke(RoundedBox(box, 2.0), 1.0, Solid(b.edge));
    if (mark == Mark::Checked) img.Fill(CheckMark(6.5, 6.6, 7.4, 1.9), Solid(b.mark));
    if (mark == Mark::Mixed)
        img.Fill(RoundedBox(Box{3.5, 3.5, 9.5, 9.5}, 1.0),
                 VerticalGradient(3.5, 9.5, {{0, Lighten(b.mark, 0.25)}, {1, b.mark}}));
    return img.Flatten(Behind(s.face));
}

SkinBitmap PaintRadioCell(const SkinStyle& s, State state, bool checked) {
    ArtImage img(kBoxSide, kBoxSide);
    const BoxLook b = LookOfBox(s, state);
    const double c = kBoxSide / 2.0;
    const Shape disc = Circle(c, c, c - 0.1);
    img.Fill(disc, VerticalGradient(0, kBoxSide, {{0, b.fillTop}, {1, b.fillBottom}}));
    if (b.glow > 0) img.Stroke(Circle(c, c, c - 1.1), 1.0, Solid(s.accent), b.glow);
    img.Stroke(disc, 1.0, Solid(b.edge));
    if (checked) {
        img.Fill(Circle(c, c, 3.1), VerticalGradient(c - 3, c + 3, {{0, Lighten(b.mark, 0.35)}, {1, b.mark}}));
        img.Fill(Circle(c - 0.8, c - 1.0, 1.0), Solid({255, 255, 255}), state == State::Disabled ? 0 : 0.45);
    }
    return img.Flatten(Behind(s.face));
}

}  // namespace

void PaintButtons(const SkinStyle& s, GeneratedSkin& skin) {
    constexpr State kPushFrames[] = {State::Normal, State::Pressed, State::Disabled, State::Hot, State::Default};
    skin.AddBitmap("Buttons", "Bitmap", "buttons.bmp",
                   Strip(5, [&](int i) { return PaintPushButton(s, kPushFrames[i]); }));
    constexpr Mark kCheckRows[] = {Mark::None, Mark::Checked, Mark::Mixed};
    skin.AddBitmap("Buttons", "CheckButton", "check.bmp", Strip(12, [&](int i) {
        return PaintCheckCell(s, kBoxStates[i % 4], kCheckRows[i / 4]);
    }));
    skin.AddBitmap("Buttons", "RadioButton", "radio.bmp",
                   Strip(8, [&](int i) { return PaintRadioCell(s, kBoxStates[i % 4], i >= 4); }));
    Definition& d = skin.definition;
    d.Set("Buttons", "LeftWidth", kPushMargin);
    d.Set("Buttons", "RightWidth", kPushMargin);
    d.Set("Buttons", "TopHeight", kPushMargin);
    d.Set("Buttons", "BottomHeight", kPushMargin);
    d.Set("Buttons", "Trans", 1);
    d.Set("Buttons", "Tile", 0);
    d.Set("Buttons", "CheckButtonFrame", 12);
    d.Set("Buttons", "RadioButtonFrame", 8);
    d.SetColour("Buttons", "NormalColour2", s.faceText);
    d.SetColour("Buttons", "MouseOverColour2", Mix(s.faceText, s.accent, IsDark(s) ? 0.2 : 0.35));
    d.SetColour("Buttons", "PressedColour2", s.faceText);
}

}  // namespace zuno::skinart

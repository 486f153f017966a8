// The shared control plate and glyph colours: one place decides how a skin's
// buttons look at rest, under the mouse, pressed, disabled and as default button.
#include "authoring/skinart/ArtKit.h"

#include <algorithm>

namespace zuno::skinart {

PlateLook ControlPlate(const SkinStyle& s, State state) {
    const bool dark = IsDark(s);
    const double sheen = dark ? 0.1 : 0.62;
    PlateLook look;
    look.edge = s.controlEdge;
    look.rim = BevelLight(s);
    look.rimOpacity = dark ? 0.35 : 0.7;
    switch (state) {
        case State::Normal:
        case State::Default:
            look.top = Lighten(s.control, sheen);
            look.bottom = Darken(s.control, 0.03);
            break;
        case State::Hot: {
            const Rgb tint = Mix(s.control, s.accent, dark ? 0.28 : 0.16);
            look.top = Lighten(tint, sheen);
            look.bottom = tint;
            look.edge = Mix(s.controlEdge, s.accent, dark ? 0.7 : 0.55);
            break;
        }
        case State::Pressed: {
            const Rgb tint = Mix(s.control, s.accent, dark ? 0.4 : 0.26);
            look.top = Darken(tint, 0.08);
            look.bottom = Lighten(tint, dark ? 0.05 : 0.35);
            look.edge = Darken(Mix(s.controlEdge, s.accent, 0.5), 0.12);
            look.rimOpacity = 0.15;
            break;
        }
        case State::Disabled:
            look.top = Desaturate(Mix(Lighten(s.control, sheen * 0.5), s.face, 0.5), 0.6);
            look.bottom = Desaturate(Mix(s.control, s.face, 0.6), 0.6);
            look.edge = Desaturate(Mix(s.controlEdge, s.face, 0.55), 0.6);
            look.rimOpacity = 0.3;
            break;
    }
    if (state == State::Default) {
        look.edge = Mix(s.controlEdge, s.accent, 0.6);
        look.ring = s.accent;
        look.ringOpacity = 0.55;
    }
    return look;
}

void DrawPlate(ArtImage& image, Box box, Corners corners, const PlateLook& look) {
    const Shape outer = RoundedBox(box, corners);
    image.Fill(outer, VerticalGradient(box.y0, box.y1, {{0, look.top}, {1, look.bottom}}));
    const Corners inner{std::max(corners.topLeft - 1, 0.0), std::max(corners.topRight - 1, 0.0),
                        std::max(corners.bottomRight - 1, 0.0), std::max(corners.bottomLeft - 1, 0.0)};
    if (look.ringOpacity > 0)
        image.Stroke(RoundedBox(box.Inset(1), inner), 1.0, Solid(look.ring), look.ringOpacity);
    else
        image.Stroke(RoundedBox(box.Inset(1), inner), 1.0, Solid(look.rim), look.rimOpacity);
    image.Stroke(outer, 1.0, Solid(look.edge));
}

Rgb GlyphColour(const SkinStyle& s, State state) {
    switch (state) {
        case State::Disabled: return Mix(s.faceText, s.face, 0.6);
        case State::Hot: return Mix(s.faceText, s.accent, IsDark(s) ? 0.3 : 0.45);
        case State::Pressed: return Mix(s.faceText, s.accent, 0.25);
        default: return Mix(s.faceText, s.controlEdge, 0.25);
    }
}

skin::SkinBitmap Strip(int count, const std::function<skin::SkinBitmap(int)>& frame) {
    std::vector<skin::SkinBitmap> frames;
    for (int i = 0; i < count; ++i) frames.push_back(frame(i));
    return JoinSideBySide(frames);
}

}  // namespace zuno::skinart

// The window frame: the four border pieces and the caption text background. The
// whole frame is painted once as a small window (rounded outline, caption, borders,
// client edge) and the pieces are cut from it, so that they meet seamlessly when the
// program stretches them around a real window.
#include <algorithm>
#include <cmath>

#include "authoring/skinart/ArtFrameParts.h"
#include "authoring/skinart/ArtKit.h"

namespace zuno::skinart {
namespace {

using skin::SkinBitmap;

// The stretchable middle of the sample window; any width works, the pieces keep
// only its edges and one uniform run.
constexpr int kSampleClientWidth = 64;
constexpr int kSampleClientHeight = 40;
// Caps of the caption text background and the width of its tiled middle.
constexpr int kTextBackCap = 10;
constexpr int kTextBackMiddle = 4;

Rgb FrameColour(const SkinStyle& s, bool active) {
    return active ? s.frame : Mix(s.frame, s.inactiveTint, s.inactiveFade);
}

Rgb OutlineColour(const SkinStyle& s, bool active) {
    return active ? s.outline : Mix(s.outline, s.inactiveTint, 0.45);
}

// The sample window: outline, caption, borders and the dark line around the client.
ArtImage PaintSampleWindow(const SkinStyle& s, bool active) {
    const int L = s.borderWidth, T = s.captionHeight, B = s.bottomHeight;
    const int W = L + kSampleClientWidth + L, H = T + kSampleClientHeight + B;
    ArtImage image(W, H);
    const Corners corners{s.topRadius, s.topRadius, s.bottomRadius, s.bottomRadius};
    const Shape outer = RoundedBox(Box{0, 0, double(W), double(H)}, corners);
    const Rgb frame = FrameColour(s, active);
    const Paint caption = CaptionPaint(s, active);
    const Paint body = [&](double x, double y) { return y < T ? caption(x, y) : frame; };
    image.Fill(outer, body);

    // A light line just inside the outline: bright along the caption, faint below.
    const double lightTop = IsDark(s) ? 0.16 : 0.5, lightSide = IsDark(s) ? 0.06 : 0.28;
    const Corners inner{s.topRadius - 1, s.topRadius - 1, std::max(s.bottomRadius - 1, 0.0),
                        std::max(s.bottomRadius - 1, 0.0)};
    image.Stroke(RoundedBox(Box{1, 1, W - 1.0, H - 1.0}, inner), 1.0,
                 [&](double x, double y) { return Lighten(body(x, y), y < T ? lightTop : lightSide); });
    image.Stroke(outer, 1.0, Solid(OutlineColour(s, active)));

    // The caption's lower edge and the line that frames the client area.
    const Rgb captionEdge = Mix(CaptionColour(s, T - 0.5, active), OutlineColour(s, active), 0.3);
    image.FillRect(L - 1, T - 1, W - L + 1, T, captionEdge);
    const Rgb clientEdge = Mix(frame, OutlineColour(s, active), 0.45);
    image.FillRect(L - 1, T, L, H - B + 1, clientEdge);
    image.FillRect(W - L, T, W - L + 1, H - B + 1, clientEdge);
    image.FillRect(L - 1, H - B, W - L + 1, H - B + 1, clientEdge);
    return image;
}

// Partly covered corner pixels are blended against a mid tone of the outline: the
// desktop behind a window is unknown, and a neutral halo reads well on any.
SkinBitmap FlattenFrame(const SkinStyle& s, const ArtImage& image) {
    return image.Flatten(Behind(Mix(s.outline, Rgb{128, 128, 128}, 0.5)), 0.45);
}

void SetBorderKeys(GeneratedSkin& skin, const char* side, int startMargin, int endMargin) {
    Definition& d = skin.definition;
    const std::string s = side;
    d.Set("Personality", s + "Frame", 2);
    d.Set("Personality", s + "Stretch", 1);
    d.Set("Personality", s + "Trans", 1);
    d.Set("Personality", s + "TopHeight", startMargin);
    d.Set("Personality", s + "BotHeight", endMargin);
}

void PaintBorders(const SkinStyle& s, GeneratedSkin& skin) {
    const SkinBitmap active = FlattenFrame(s, PaintSampleWindow(s, true));
    const SkinBitmap inactive = FlattenFrame(s, PaintSampleWindow(s, false));
    const int L = s.borderWidth, T = s.captionHeight, B = s.bottomHeight;
    const int W = active.Width(), H = active.Height();

    // Left and right: frames side by side, the caption and bottom corner fixed.
    skin.AddBitmap("Personality", "Left", "border_left.bmp",
                   SideBySide(Crop(active, 0, 0, L, H), Crop(inactive, 0, 0, L, H)));
    skin.AddBitmap("Personality", "Right", "border_right.bmp",
                   SideBySide(Crop(active, W - L, 0, W, H), Crop(inactive, W - L, 0, W, H)));
    SetBorderKeys(skin, "Left", T, B);
    SetBorderKeys(skin, "Right", T, B);

    // Top and bottom: frames stacked; their ends keep the rest of the rounded corners.
    skin.AddBitmap("Personality", "Top", "border_top.bmp",
                   Stacked(Crop(active, L, 0, W - L, T), Crop(inactive, L, 0, W - L, T)));
    skin.AddBitmap("Personality", "Bottom", "border_bottom.bmp",
                   Stacked(Crop(active, L, H - B, W - L, H), Crop(inactive, L, H - B, W - L, H)));
    const int topEnds = std::max(int(std::ceil(s.topRadius)) - L, 0) + 2;
    const int bottomEnds = std::max(int(std::ceil(s.bottomRadius)) - L, 0) + 2;
    SetBorderKeys(skin, "Top", topEnds, topEnds);
    SetBorderKeys(skin, "Bottom", bottomEnds, bottomEnds);
}

// The soft pill behind the title text, one frame per activation state; its ends are
// blended against the caption rows they will lie on.
SkinBitmap PaintTextBackFrame(const SkinStyle& s, bool active) {
    const int W = 2 * kTextBackCap + kTextBackMiddle, T = s.captionHeight;
    ArtImage image(W, T);
    const double top = 4, bottom = T - 4;
    const Shape pill = RoundedBox(Box{0, top, double(W), bottom}, (bottom - top) / 2);
    const bool lightCaption = Luma(CaptionColour(s, T / 2.0, true)) > 150;
    const Rgb tint = lightCaption ? Mix(s.outline, s.accent, 0.5) : Rgb{255, 255, 255};
    const double strength = lightCaption ? 0.1 : (IsDark(s) ? 0.07 : 0.14);
    image.Fill(pill, [&](double x, double y) {
        return Mix(CaptionColour(s, y, active), tint, strength * (active ? 1.0 : 0.5));
    });
    image.Stroke(pill, 1.0, [&](double x, double y) {
        const Rgb under = CaptionColour(s, y, active);
        return y < T / 2.0 ? Mix(under, Rgb{255, 255, 255}, lightCaption ? 0.7 : 0.3)
                           : Mix(under, tint, lightCaption ? 0.22 : 0.12);
    });
    return image.Flatten([&](int, int y) { return CaptionColour(s, y + 0.5, active); });
}

void PaintCaptionBack(const SkinStyle& s, const TitleLayout& layout, GeneratedSkin& skin) {
    skin.AddBitmap("Personality", "TextBack", "title_back.bmp",
                   Stacked(PaintTextBackFrame(s, true), PaintTextBackFrame(s, false)));
    Definition& d = skin.definition;
    // The text starts right of the window icon; on the right it stops before the
    // ornament and the caption buttons.
    d.Set("Personality", "TextShift", layout.iconX + 16 + 4 - s.borderWidth);
    d.Set("Personality", "TextShiftVert", 0);
    d.Set("Personality", "TextRightClip",
          layout.minimiseX - s.borderWidth + 4 + layout.ornamentGap + layout.ornamentSize);
    d.Set("Personality", "TextAlignment", 0);
    d.Set("Personality", "Textbackground", 1);
    d.Set("Personality", "TXTBackleft", kTextBackCap);
    d.Set("Personality", "TXTBackRight", kTextBackCap);
    const skin::Pixel32 text = ToPixel(s.captionText), dim = ToPixel(s.inactiveText);
    d.Set("Personality", "ActiveTextR", skin::PixelRed(text));
    d.Set("Personality", "ActiveTextG", skin::PixelGreen(text));
    d.Set("Personality", "ActiveTextB", skin::PixelBlue(text));
    d.Set("Personality", "InActiveTextR", skin::PixelRed(dim));
    d.Set("Personality", "InActiveTextG", skin::PixelGreen(dim));
    d.Set("Personality", "InActiveTextB", skin::PixelBlue(dim));
}

}  // namespace

TitleLayout LayoutTitle(const SkinStyle& s) {
    TitleLayout t;
    const int T = s.captionHeight;
    switch (s.buttons) {
        case TitleButtonLook::Glass:
            t.buttonWidth = t.closeWidth = t.buttonHeight = T - 7;
            break;
        case TitleButtonLook::Flat:
            t.buttonWidth = 28, t.closeWidth = 32, t.buttonHeight = T - 7;
            break;
        case TitleButtonLook::Round:
            t.buttonWidth = t.closeWidth = 20, t.buttonHeight = 18;
            break;
    }
    t.buttonY = (T - t.buttonHeight) / 2;
    const int gap = s.buttons == TitleButtonLook::Flat ? 0 : 2;
    t.closeX = s.borderWidth + 3 + t.closeWidth;
    t.maximiseX = t.closeX + gap + t.buttonWidth;
    t.minimiseX = t.maximiseX + gap + t.buttonWidth;
    t.iconX = s.borderWidth + 5;
    t.iconY = (T - 16) / 2;
    return t;
}

void PaintWindowFrame(const SkinStyle& style, GeneratedSkin& skin) {
    const TitleLayout layout = LayoutTitle(style);
    PaintBorders(style, skin);
    PaintCaptionBack(style, layout, skin);
    PaintTitleButtons(style, layout, skin);
}

}  // namespace zuno::skinart

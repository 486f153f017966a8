// Caption buttons (close, maximise, restore, minimise) in the skin's button look,
// the window-icon button, the ornament beside the title, and the strip of the three
// buttons a maximised MDI child shows on the menu bar. Frames of a caption button:
// 1 normal, 2 pressed, 3 mouse over, 4 inactive window.
#include <cmath>

#include "authoring/skinart/ArtFrameParts.h"
#include "authoring/skinart/ArtKit.h"

namespace zuno::skinart {
namespace {

using skin::SkinBitmap;

enum class Kind { Close, Maximise, Restore, Minimise };
enum class Look { Normal, Pressed, Hot, Inactive };
constexpr Look kTitleFrames[] = {Look::Normal, Look::Pressed, Look::Hot, Look::Inactive};

Shape GlyphShape(Kind kind, double cx, double cy, double size, double weight) {
    switch (kind) {
        case Kind::Close: return CloseGlyph(cx, cy, size, weight + 0.5);
        case Kind::Maximise: return MaximiseGlyph(cx, cy, size, weight);
        case Kind::Restore: return RestoreGlyph(cx, cy, size, weight);
        case Kind::Minimise: break;
    }
    return MinimiseGlyph(cx, cy, size, weight);
}

Rgb Faded(const SkinStyle& s, Rgb c, Look look) {
    return look == Look::Inactive ? Mix(Desaturate(c, 0.4), s.inactiveTint, s.inactiveFade) : c;
}

// Glass: a glossy rounded square with a light rim; the close button is always red.
void PaintGlass(const SkinStyle& s, Kind kind, Look look, ArtImage& img) {
    const double W = img.Width(), H = img.Height();
    const bool silver = Luma(CaptionColour(s, H / 2, true)) > 150;
    Rgb base = kind == Kind::Close ? s.closeRed
                                   : (silver ? Lighten(s.control, 0.3)
                                             : Lighten(CaptionColour(s, s.captionHeight * 0.6, true), 0.14));
    if (look == Look::Hot) base = Lighten(base, 0.2);
    if (look == Look::Pressed) base = Darken(base, 0.2);
    base = Faded(s, base, look);
    const Box box{0, 0, W, H};
    const Shape body = RoundedBox(box, 3.0);
    img.Fill(body, VerticalGradient(0, H, {{0, Lighten(base, 0.38)}, {0.48, Lighten(base, 0.08)},
                                           {0.52, base}, {1, Lighten(base, 0.22)}}));
    const Rgb rim = silver && kind != Kind::Close ? Mix(s.controlEdge, base, 0.2) : Rgb{255, 255, 255};
    img.Stroke(RoundedBox(box.Inset(1), 2.0), 1.0, Solid(Lighten(base, 0.45)), 0.6);
    img.Stroke(body, 1.0, Solid(Faded(s, rim, look)), silver ? 1.0 : 0.9);
    const Rgb glyph = kind == Kind::Close || !silver ? Rgb{255, 255, 255} : s.glyph;
    const Rgb shade = Darken(base, 0.45);
    const double size = std::round(H * 0.42), weight = 2;
    img.Fill(GlyphShape(kind, W / 2 + 0.5, H / 2 + 0.5, size, weight), Solid(shade), 0.35);
    img.Fill(GlyphShape(kind, W / 2, H / 2, size, weight), Solid(Faded(s, glyph, look)));
}

// Flat: only the glyph at rest; a soft plate under the mouse, red for close.
void PaintFlat(const SkinStyle& s, Kind kind, Look look, ArtImage& img) {
    const double W = img.Width(), H = img.Height();
    const bool dark = IsDark(s);
    Rgb glyph = Faded(s, s.glyph, look);
    if (look == Look::Inactive) glyph = Mix(s.glyph, s.inactiveText, 0.7);
    if (look == Look::Hot || look == Look::Pressed) {
        Rgb plate = kind == Kind::Close ? s.closeRed
                                        : (dark ? Lighten(s.frame, 0.16) : Mix(s.frame, s.accent, 0.22));
        if (look == Look::Pressed) plate = Darken(plate, kind == Kind::Close ? 0.18 : 0.1);
        const Shape body = RoundedBox(Box{0, 0, W, H}, 3.0);
        img.Fill(body, VerticalGradient(0, H, {{0, Lighten(plate, 0.12)}, {1, plate}}));
        img.Stroke(body, 1.0, Solid(Darken(plate, 0.12)), 0.6);
        if (kind == Kind::Close) glyph = Rgb{255, 255, 255};
    }
    const double size = 10, weight = 1;
    img.Fill(GlyphShape(kind, W / 2, H / 2, size, weight), Solid(glyph));
}

// Round: a small pebble in the caption's deeper tone with a highlight cap.
void PaintRound(const SkinStyle& s, Kind kind, Look look, ArtImage& img) {
    const double W = img.Width(), H = img.Height();
    const double r = H / 2 - 0.5, cx = W / 2, cy = H / 2;
    Rgb base = kind == Kind::Close ? s.closeRed
                                   : Mix(CaptionColour(s, s.captionHeight - 1.0, true), s.outline, 0.3);
    if (look == Look::Hot) base = Lighten(base, 0.16);
    if (look == Look::Pressed) base = Darken(base, 0.18);
    base = Faded(s, base, look);
    const Shape pebble = Circle(cx, cy, r);
    img.Fill(pebble, VerticalGradient(cy - r, cy + r, {{0, Lighten(base, 0.3)}, {0.55, base},
                                                       {1, Lighten(base, 0.12)}}));
    img.Fill(Ellipse(cx, cy - r * 0.45, r * 0.62, r * 0.36, 0), Solid({255, 255, 255}), 0.28);
    img.Stroke(pebble, 1.0, Solid(Darken(base, 0.3)), 0.85);
    const Rgb glyph = Faded(s, s.glyph, look);
    img.Fill(GlyphShape(kind, cx, cy, 7, 1.4), Solid(glyph));
}

SkinBitmap PaintTitleButtonFrame(const SkinStyle& s, const TitleLayout& t, Kind kind, Look look) {
    const int width = kind == Kind::Close ? t.closeWidth : t.buttonWidth;
    ArtImage img(width, t.buttonHeight);
    switch (s.buttons) {
        case TitleButtonLook::Glass: PaintGlass(s, kind, look, img); break;
        case TitleButtonLook::Flat: PaintFlat(s, kind, look, img); break;
        case TitleButtonLook::Round: PaintRound(s, kind, look, img); break;
    }
    const bool active = look != Look::Inactive;
    return img.Flatten([&](int, int y) { return CaptionColour(s, t.buttonY + y + 0.5, active); });
}

void AddTitleButton(const SkinStyle& s, const TitleLayout& t, GeneratedSkin& skin, const char* section,
                    const char* member, Kind kind, int action, int xcoord, int visibility) {
    skin.AddBitmap(section, "ButtonImage", member, Strip(4, [&](int i) {
        return PaintTitleButtonFrame(s, t, kind, kTitleFrames[i]);
    }));
    Definition& d = skin.definition;
    d.Set(section, "Action", action);
    d.Set(section, "Align", 1);
    d.Set(section, "Xcoord", xcoord);
    d.Set(section, "Ycoord", t.buttonY);
    d.Set(section, "Visibility", visibility);
    d.Set(section, "Visibility1", 0);
    d.Set(section, "frame", 4);
}

// The decoration beside the title, one motif per skin.
Shape OrnamentShape(Ornament o, double c) {
    switch (o) {
        case Ornament::Droplet:
            return Union(Circle(c, c + 2, 4.6), Polygon({{c - 4.2, c + 0.6}, {c + 4.2, c + 0.6}, {c, c - 6.5}}));
        case Ornament::Star: {
            std::vector<Point> p;
            for (int i = 0; i < 10; ++i) {
                const double a = -M_PI / 2 + i * M_PI / 5, r = i % 2 ? 3.0 : 7.2;
                p.push_back({c + r * std::cos(a), c + 0.6 + r * std::sin(a)});
            }
            return Polygon(p);
        }
        case Ornament::Leaf: return Ellipse(c, c, 7.2, 3.6, -M_PI / 4);
        case Ornament::Moon: return Subtract(Circle(c, c, 6.2), Circle(c + 3.4, c - 2.2, 5.2));
        case Ornament::Blossom: {
            Shape s = Circle(c, c, 2.2);
            for (int i = 0; i < 5; ++i) {
                const double a = -M_PI / 2 + i * 2 * M_PI / 5;
                s = Union(s, Ellipse(c + 3.9 * std::cos(a), c + 3.9 * std::sin(a), 3.5, 2.6, a));
            }
            return s;
        }
        case Ornament::Diamond: break;
    }
    return Polygon({{c, c - 7}, {c + 5.5, c}, {c, c + 7}, {c - 5.5, c}});
}

SkinBitmap PaintOrnamentFrame(const SkinStyle& s, const TitleLayout& t, bool active) {
    const int n = t.ornamentSize;
    const double c = n / 2.0;
    ArtImage img(n, n);
    const Rgb base = active ? s.ornamentColour : Mix(Desaturate(s.ornamentColour, 0.5), s.inactiveTint, 0.5);
    const Shape shape = OrnamentShape(s.ornament, c);
    const bool lightCaption = Luma(CaptionColour(s, s.captionHeight / 2.0, true)) > 150;
    const Rgb rim = lightCaption || s.ornament == Ornament::Blossom ? Darken(Mix(base, s.outline, 0.5), 0.1)
                                                                    : Darken(base, 0.35);
    img.Fill(shape, VerticalGradient(0, n, {{0, Lighten(base, 0.35)}, {1, base}}));
    if (s.ornament == Ornament::Blossom) img.Fill(Circle(c, c, 1.8), Solid(Hex(0xF07FA5)));
    if (s.ornament == Ornament::Leaf)
        img.Fill(Segment({c - 4.6, c + 4.6}, {c + 4.2, c - 4.2}, 0.9), Solid(Darken(base, 0.3)), 0.8);
    if (s.ornament == Ornament::Diamond)
        img.Fill(Polygon({{c, c - 7}, {c + 5.5, c}, {c, c}}), Solid({255, 255, 255}), 0.35);
    img.Stroke(shape, 1.0, Solid(rim), 0.75);
    const int y0 = (s.captionHeight - n) / 2;
    return img.Flatten([&](int, int y) { return CaptionColour(s, y0 + y + 0.5, active); });
}

void AddOrnament(const SkinStyle& s, const TitleLayout& t, GeneratedSkin& skin) {
    const SkinBitmap on = PaintOrnamentFrame(s, t, true);
    skin.AddBitmap("ButtonOrnament", "ButtonImage", "btn_ornament.bmp", SideBySide(
        on, on, on, PaintOrnamentFrame(s, t, false)));
    Definition& d = skin.definition;
    d.Set("ButtonOrnament", "Action", -1);  // painted, never hit
    d.Set("ButtonOrnament", "Align", 3);    // just right of the title text
    d.Set("ButtonOrnament", "Xcoord", t.ornamentGap);
    d.Set("ButtonOrnament", "Ycoord", (s.captionHeight - t.ornamentSize) / 2);
    d.Set("ButtonOrnament", "Visibility", 0);
    d.Set("ButtonOrnament", "Visibility1", 0);
    d.Set("ButtonOrnament", "frame", 4);
}

// MDI child buttons on the menu bar. Frames: 1 normal, 2 pressed, 3 disabled, 4 hot.
SkinBitmap PaintMdiFrame(const SkinStyle& s, Kind kind, int frame) {
    constexpr int kSide = 16;
    ArtImage img(kSide, kSide);
    const State state = frame == 1 ? State::Pressed : frame == 2 ? State::Disabled
                                                     : frame == 3 ? State::Hot : State::Normal;
    DrawPlate(img, Box{0, 0, kSide, kSide}, Corners::All(2.5), ControlPlate(s, state));
    Rgb glyph = GlyphColour(s, state);
    if (kind == Kind::Close && state == State::Hot) glyph = s.closeRed;
    img.Fill(GlyphShape(kind, kSide / 2.0, kSide / 2.0, 8, 1), Solid(glyph));
    const int y0 = (kMenuBarHeight - kSide) / 2;
    return img.Flatten([&](int, int y) { return MenuBarColour(s, y0 + y + 0.5, kMenuBarHeight); });
}

void AddMdiStrip(const SkinStyle& s, GeneratedSkin& skin) {
    constexpr Kind kinds[] = {Kind::Minimise, Kind::Restore, Kind::Close};
    skin.AddBitmap("MDICONTROLS", "Image", "mdi_buttons.bmp",
                   Strip(12, [&](int i) { return PaintMdiFrame(s, kinds[i / 4], i % 4); }));
}

}  // namespace

void PaintTitleButtons(const SkinStyle& s, const TitleLayout& t, GeneratedSkin& skin) {
    AddTitleButton(s, t, skin, "ButtonClose", "btn_close.bmp", Kind::Close, 0, t.closeX, 0);
    AddTitleButton(s, t, skin, "ButtonMax", "btn_max.bmp", Kind::Maximise, 1, t.maximiseX, 2);
    AddTitleButton(s, t, skin, "ButtonRestore", "btn_restore.bmp", Kind::Restore, 1, t.maximiseX, 1);
    AddTitleButton(s, t, skin, "ButtonMin", "btn_min.bmp", Kind::Minimise, 2, t.minimiseX, 0);
    // The window icon: the program paints the window's own icon here and opens the
    // system menu on a click, so the section names no image.
    Definition& d = skin.definition;
    d.Set("ButtonIcon", "Action", 3);
    d.Set("ButtonIcon", "Align", 0);
    d.Set("ButtonIcon", "Xcoord", t.iconX);
    d.Set("ButtonIcon", "Ycoord", t.iconY);
    d.Set("ButtonIcon", "Visibility", 0);
    d.Set("ButtonIcon", "Visibility1", 0);
    AddOrnament(s, t, skin);
    AddMdiStrip(s, skin);
}

}  // namespace zuno::skinart

// Bars and strips: the progress bar (trough and fill, or trough and chunk), status
// bar panels (frames: 1 lowered, 2 raised, 3 flat), the list header (frames: 1
// normal, 2 pressed, 3 mouse over, 4 disabled, 5 sorted), and tabs (frames: 1 normal,
// 2 selected, 3 mouse over, 4 disabled, 5 selected under the mouse) with the page
// border drawn around a tab sheet.
#include "authoring/skinart/ArtKit.h"
#include "authoring/skinart/SkinArt.h"

namespace zuno::skinart {
namespace {

using skin::SkinBitmap;

constexpr int kProgressWidth = 20, kProgressHeight = 16;
constexpr int kChunkWidth = 10, kChunkHeight = 10, kChunkGap = 2;
constexpr int kPanelWidth = 12, kPanelHeight = 18;
constexpr int kHeaderWidth = 20, kHeaderHeight = 20;
constexpr int kTabWidth = 24, kTabHeight = 22;
constexpr int kPageSide = 16;

void SetMargins(Definition& d, const char* section, int left, int top, int right, int bottom) {
    d.Set(section, "LeftWidth", left);
    d.Set(section, "RightWidth", right);
    d.Set(section, "TopHeight", top);
    d.Set(section, "BottomHeight", bottom);
}

SkinBitmap PaintProgressTrough(const SkinStyle& s, double radius) {
    ArtImage img(kProgressWidth, kProgressHeight);
    const Box box{0, 0, kProgressWidth, kProgressHeight};
    const Rgb inner = IsDark(s) ? s.field : Mix(s.field, s.face, 0.35);
    img.Fill(RoundedBox(box, radius),
             VerticalGradient(0, kProgressHeight, {{0, Mix(inner, Shade(s), 0.3)}, {0.3, inner}, {1, Lighten(inner, 0.3)}}));
    img.Stroke(RoundedBox(box, radius), 1.0, Solid(Mix(s.controlEdge, s.face, 0.2)));
    return img.Flatten(Behind(s.face));
}

// The filled part: the accent as a glossy bar one pixel inside the trough's edge.
SkinBitmap PaintProgressFill(const SkinStyle& s) {
    ArtImage img(kProgressWidth, kProgressHeight);
    const Box box{1, 1, kProgressWidth - 1.0, kProgressHeight - 1.0};
    const Rgb a = s.accent;
    img.Fill(RoundedBox(box, 2.5), VerticalGradient(1, kProgressHeight - 1, {
        {0, Lighten(a, 0.45)}, {0.45, Lighten(a, 0.12)}, {0.5, a}, {1, Lighten(a, 0.2)}}));
    img.Stroke(RoundedBox(box, 2.5), 1.0, Solid(Darken(a, 0.15)), 0.7);
    return img.Flatten(Behind(s.field));
}

SkinBitmap PaintProgressChunk(const SkinStyle& s) {
    ArtImage img(kChunkWidth, kChunkHeight);
    const Rgb green = Hex(0x37B23F);
    const Box box{0, 0, double(kChunkWidth - kChunkGap), kChunkHeight};
    img.Fill(RoundedBox(box, 1.0), VerticalGradient(0, kChunkHeight, {
        {0, Lighten(green, 0.55)}, {0.4, Lighten(green, 0.15)}, {0.6, green}, {1, Lighten(green, 0.3)}}));
    return img.Flatten(Behind(s.field));
}

void AddProgress(const SkinStyle& s, GeneratedSkin& skin) {
    Definition& d = skin.definition;
    if (s.progressStyle == 1) {
        // Chunk mode takes the whole bitmap as the trough.
        skin.AddBitmap("Progress", "Bitmap", "progress.bmp", PaintProgressTrough(s, 2.0));
        skin.AddBitmap("Progress", "Chunk", "progress_chunk.bmp", PaintProgressChunk(s));
        SetMargins(d, "Progress", 3, 3, 3, 3);
        d.Set("Progress", "Style", 1);
    } else {
        skin.AddBitmap("Progress", "Bitmap", "progress.bmp",
                       SideBySide(PaintProgressTrough(s, 3.0), PaintProgressFill(s)));
        SetMargins(d, "Progress", 4, 4, 4, 4);
        d.Set("Progress", "Style", 0);
    }
    d.Set("Progress", "Trans", 1);
    d.Set("Progress", "Tile", 0);
}

SkinBitmap PaintPanel(const SkinStyle& s, int frame) {
    ArtImage img(kPanelWidth, kPanelHeight);
    const int w = kPanelWidth, h = kPanelHeight;
    const Rgb dark = Mix(s.face, Shade(s), 0.8), light = BevelLight(s);
    img.FillRect(0, 0, w, h, frame == 1 ? Mix(s.face, s.field, 0.25) : s.face);
    if (frame != 3) {
        const Rgb topLeft = frame == 1 ? dark : light, bottomRight = frame == 1 ? light : dark;
        img.FillRect(0, 0, w, 1, topLeft);
        img.FillRect(0, 0, 1, h, topLeft);
        img.FillRect(0, h - 1, w, h, bottomRight);
        img.FillRect(w - 1, 0, w, h, bottomRight);
    }
    return img.FlattenOpaque(Behind(s.face));
}

SkinBitmap PaintHeader(const SkinStyle& s, int frame) {
    const State state = frame == 2 ? State::Pressed : frame == 3 ? State::Hot
                                                    : frame == 4 ? State::Disabled : State::Normal;
    const PlateLook look = ControlPlate(s, state);
    ArtImage img(kHeaderWidth, kHeaderHeight);
    img.Fill(RoundedBox(Box{0, 0, kHeaderWidth, kHeaderHeight}, 0.0),
             VerticalGradient(0, kHeaderHeight, {{0, look.top}, {1, look.bottom}}));
    const Rgb line = Mix(look.edge, s.face, 0.35);
    img.FillRect(0, kHeaderHeight - 1, kHeaderWidth, kHeaderHeight, line);
    img.FillRect(kHeaderWidth - 1, 3, kHeaderWidth, kHeaderHeight - 3, line);
    img.FillRect(0, 3, 1, kHeaderHeight - 3, look.rim, look.rimOpacity);
    if (frame == 5) img.FillRect(0, kHeaderHeight - 2, kHeaderWidth, kHeaderHeight, s.accent);
    return img.FlattenOpaque(Behind(s.face));
}

SkinBitmap PaintTab(const SkinStyle& s, int frame) {
    const bool selected = frame == 2 || frame == 5;
    ArtImage img(kTabWidth, kTabHeight);
    const Box box{0, 0, kTabWidth, kTabHeight + 2.0};  // runs past the bottom: no lower corners
    const Shape tab = RoundedBox(box, Corners::Top(4));
    Rgb top = Lighten(s.face, IsDark(s) ? 0.06 : 0.7), bottom = s.face;
    if (!selected) {
        top = Mix(s.control, s.face, 0.4);
        bottom = Mix(s.control, Shade(s), IsDark(s) ? 0.1 : 0.18);
    }
    if (frame == 3 || frame == 5) top = Mix(top, s.accent, 0.15);
    if (frame == 4) top = bottom = Desaturate(Mix(s.control, s.face, 0.7), 0.5);
    img.Fill(tab, VerticalGradient(0, kTabHeight, {{0, top}, {1, bottom}}));
    const Rgb edge = Mix(s.controlEdge, s.face, 0.25);
    img.Stroke(tab, 1.0, Solid(edge));
    if (selected) img.FillRect(1, 0, kTabWidth - 1, 2, s.accent, 0.85);  // the selected tab's accent
    else img.FillRect(0, kTabHeight - 1, kTabWidth, kTabHeight, edge);  // unselected tabs sit behind the page
    return img.Flatten(Behind(s.face));
}

SkinBitmap PaintPageBorder(const SkinStyle& s) {
    ArtImage img(kPageSide, kPageSide);
    img.FillRect(0, 0, kPageSide, kPageSide, Mix(s.controlEdge, s.face, 0.25));
    img.FillRect(1, 1, kPageSide - 1, kPageSide - 1, BevelLight(s));
    img.FillRect(2, 2, kPageSide - 1, kPageSide - 1, Mix(s.face, Shade(s), 0.35));
    img.FillRect(2, 2, kPageSide - 2, kPageSide - 2, s.face);
    return img.FlattenOpaque(Behind(s.face));
}

}  // namespace

void PaintBars(const SkinStyle& s, GeneratedSkin& skin) {
    Definition& d = skin.definition;
    AddProgress(s, skin);

    skin.AddBitmap("StatusBarEdges", "Image", "status_edges.bmp",
                   Strip(3, [&](int i) { return PaintPanel(s, i + 1); }));
    SetMargins(d, "StatusBarEdges", 2, 2, 2, 2);
    d.Set("StatusBarEdges", "Trans", 0);
    d.Set("StatusBarEdges", "Tile", 0);
    d.SetColour("StatusBarEdges", "NormalColour2", s.faceText);

    skin.AddBitmap("Headerbar", "Image", "header.bmp", Strip(5, [&](int i) { return PaintHeader(s, i + 1); }));
    SetMargins(d, "Headerbar", 2, 2, 2, 3);
    d.Set("Headerbar", "Trans", 0);
    d.Set("Headerbar", "Tile", 0);

    skin.AddBitmap("Tabs", "Image", "tabs.bmp", Strip(5, [&](int i) { return PaintTab(s, i + 1); }));
    skin.AddBitmap("Tabs", "Border", "tab_border.bmp", PaintPageBorder(s));
    SetMargins(d, "Tabs", 5, 5, 5, 3);
    d.Set("Tabs", "Trans", 1);
    d.Set("Tabs", "Tile", 0);
    d.SetColour("Tabs", "NormalColour2", Mix(s.faceText, s.face, 0.2));
    d.SetColour("Tabs", "MouseOverColour2", s.faceText);
}

}  // namespace zuno::skinart

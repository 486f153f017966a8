// The six shipped skins as palettes and shape choices, and the caption and menu-bar
// colour ramps every bitmap of a skin shares.
#include "authoring/skinart/SkinStyles.h"

#include <cstdint>

namespace zuno::skinart {
namespace {

// 清新蓝白: the built-in skin. Calm white and pale blue, flat caption buttons.
SkinStyle Fresh() {
    SkinStyle s;
    s.id = "fresh";
    s.name = "清新蓝白";
    s.isDefault = true;
    s.description = "white caption fading to pale sky blue, soft blue outline, flat buttons";
    s.captionHeight = 27, s.borderWidth = 5, s.bottomHeight = 5, s.topRadius = 7, s.bottomRadius = 3;
    s.caption = {{0, Hex(0xFDFEFF)}, {0.55, Hex(0xEAF2FC)}, {1, Hex(0xD5E5F8)}};
    s.outline = Hex(0x86A9D6), s.frame = Hex(0xDCE8F7);
    s.captionText = Hex(0x1D3B63), s.inactiveText = Hex(0x8C99A8);
    s.inactiveTint = Hex(0xF3F5F8), s.inactiveFade = 0.65;
    s.face = Hex(0xF4F8FC), s.faceText = Hex(0x1F2D3D), s.shadow = Hex(0xA9BBD1);
    s.highlight = Hex(0x8FBDF0), s.darkShadow = Hex(0x6E8098), s.field = Hex(0xFFFFFF);
    s.control = Hex(0xEAF2FB), s.controlEdge = Hex(0x93AFD3);
    s.accent = Hex(0x3D8BE0), s.accentText = Hex(0xFFFFFF), s.scrollTrack = Hex(0xEDF3FA);
    s.menu = Hex(0xFFFFFF), s.menuText = Hex(0x1F2D3D), s.menuGutter = Hex(0xEEF4FB);
    s.menuBar = {{0, Hex(0xF8FBFE)}, {1, Hex(0xE6EFF9)}}, s.menuBarText = Hex(0x1F2D3D);
    s.buttons = TitleButtonLook::Flat, s.glyph = Hex(0x2D4E7A), s.closeRed = Hex(0xE04848);
    s.ornament = Ornament::Droplet, s.ornamentColour = Hex(0x5AA5EE);
    return s;
}

// 经典蓝: deep blue glossy caption, beige forms, glass buttons, chunked progress.
SkinStyle ClassicBlue() {
    SkinStyle s;
    s.id = "classic-blue";
    s.name = "经典蓝";
    s.description = "deep blue glossy caption with a light break, beige forms, glass buttons";
    s.captionHeight = 28, s.borderWidth = 4, s.bottomHeight = 4, s.topRadius = 8, s.bottomRadius = 0;
    s.caption = {{0, Hex(0x4A95F6)}, {0.15, Hex(0x2F7FEE)}, {0.5, Hex(0x0E5FD9)},
                 {0.52, Hex(0x0452C9)}, {1, Hex(0x0A62DC)}};
    s.glossAt = 0.5, s.glossStrength = 0.16;
    s.outline = Hex(0x0B2C7C), s.frame = Hex(0x0A5AD3);
    s.captionText = Hex(0xFFFFFF), s.inactiveText = Hex(0xDCE6F8);
    s.inactiveTint = Hex(0x9DB4E0), s.inactiveFade = 0.55;
    s.face = Hex(0xECE9D8), s.faceText = Hex(0x000000), s.shadow = Hex(0xACA899);
    s.highlight = Hex(0x7AA7E8), s.darkShadow = Hex(0x716F64), s.field = Hex(0xFFFFFF);
    s.control = Hex(0xF4F3EC), s.controlEdge = Hex(0x1C4F8E);
    s.accent = Hex(0x316AC5), s.accentText = Hex(0xFFFFFF), s.scrollTrack = Hex(0xEEEDE5);
    s.menu = Hex(0xFFFFFF), s.menuText = Hex(0x000000), s.menuGutter = Hex(0xF1EFE2);
    s.menuBar = {{0, Hex(0xF6F4EC)}, {1, Hex(0xE3DFCE)}}, s.menuBarText = Hex(0x000000);
    s.buttons = TitleButtonLook::Glass, s.glyph = Hex(0xFFFFFF), s.closeRed = Hex(0xE24D26);
    s.ornament = Ornament::Star, s.ornamentColour = Hex(0xFFD24A);
    s.progressStyle = 1;
    return s;
}

// 翡翠绿: jade caption with a faint sheen, mint forms, round pebble buttons.
SkinStyle Jade() {
    SkinStyle s;
    s.id = "jade";
    s.name = "翡翠绿";
    s.description = "jade green caption with a faint sheen, mint forms, round pebble buttons";
    s.captionHeight = 27, s.borderWidth = 5, s.bottomHeight = 5, s.topRadius = 8, s.bottomRadius = 4;
    s.caption = {{0, Hex(0x62C29A)}, {0.5, Hex(0x36A179)}, {1, Hex(0x23845E)}};
    s.glossAt = 0.45, s.glossStrength = 0.12;
    s.outline = Hex(0x0E4A33), s.frame = Hex(0x2A8C64);
    s.captionText = Hex(0xFFFFFF), s.inactiveText = Hex(0xE3F0E9);
    s.inactiveTint = Hex(0xA8C6B8), s.inactiveFade = 0.6;
    s.face = Hex(0xEEF6F1), s.faceText = Hex(0x163A2A), s.shadow = Hex(0x9DBFAE);
    s.highlight = Hex(0x7CC7A5), s.darkShadow = Hex(0x54786A), s.field = Hex(0xFFFFFF);
    s.control = Hex(0xE4F1EA), s.controlEdge = Hex(0x5E9E82);
    s.accent = Hex(0x2E9B6C), s.accentText = Hex(0xFFFFFF), s.scrollTrack = Hex(0xE3EFE8);
    s.menu = Hex(0xFBFEFC), s.menuText = Hex(0x163A2A), s.menuGutter = Hex(0xE5F2EB);
    s.menuBar = {{0, Hex(0xF4FAF6)}, {1, Hex(0xDCEDE3)}}, s.menuBarText = Hex(0x163A2A);
    s.buttons = TitleButtonLook::Round, s.glyph = Hex(0xFFFFFF), s.closeRed = Hex(0xD9534F);
    s.ornament = Ornament::Leaf, s.ornamentColour = Hex(0xB6EFC6);
    return s;
}

// 暗夜黑: charcoal throughout with light text and a blue accent.
SkinStyle Dark() {
    SkinStyle s;
    s.id = "dark";
    s.name = "暗夜黑";
    s.description = "charcoal caption and forms, light text, blue accent, flat buttons";
    s.captionHeight = 28, s.borderWidth = 4, s.bottomHeight = 4, s.topRadius = 6, s.bottomRadius = 2;
    s.caption = {{0, Hex(0x3B3E45)}, {0.5, Hex(0x2B2D32)}, {1, Hex(0x212327)}};
    s.glossAt = 0.5, s.glossStrength = 0.05;
    s.outline = Hex(0x050506), s.frame = Hex(0x25272B);
    s.captionText = Hex(0xEDEFF2), s.inactiveText = Hex(0x80858D);
    s.inactiveTint = Hex(0x2E3035), s.inactiveFade = 0.5;
    s.face = Hex(0x2E3034), s.faceText = Hex(0xE4E6EA), s.shadow = Hex(0x6A6E76);
    s.highlight = Hex(0x5A9BE6), s.darkShadow = Hex(0x0C0C0E), s.field = Hex(0x1F2023);
    s.control = Hex(0x3A3D43), s.controlEdge = Hex(0x131418);
    s.accent = Hex(0x3C8DE8), s.accentText = Hex(0xFFFFFF), s.scrollTrack = Hex(0x25272B);
    s.menu = Hex(0x27292D), s.menuText = Hex(0xE4E6EA), s.menuGutter = Hex(0x212326);
    s.menuBar = {{0, Hex(0x313338)}, {1, Hex(0x26282C)}}, s.menuBarText = Hex(0xE4E6EA);
    s.buttons = TitleButtonLook::Flat, s.glyph = Hex(0xD8DCE2), s.closeRed = Hex(0xE0443E);
    s.ornament = Ornament::Moon, s.ornamentColour = Hex(0xF3DE8A);
    return s;
}

// 樱花粉: cherry-blossom pink caption, rose text, blossom ornament.
SkinStyle Sakura() {
    SkinStyle s;
    s.id = "sakura";
    s.name = "樱花粉";
    s.description = "cherry-blossom pink caption with a soft sheen, rose text, pebble buttons";
    s.captionHeight = 28, s.borderWidth = 5, s.bottomHeight = 5, s.topRadius = 9, s.bottomRadius = 4;
    s.caption = {{0, Hex(0xFCD3E0)}, {0.5, Hex(0xF4AFC6)}, {1, Hex(0xEA93B1)}};
    s.glossAt = 0.45, s.glossStrength = 0.2;
    s.outline = Hex(0xA54A6A), s.frame = Hex(0xEDA6BE);
    s.captionText = Hex(0x5A1732), s.inactiveText = Hex(0xB48798);
    s.inactiveTint = Hex(0xF3E6EB), s.inactiveFade = 0.6;
    s.face = Hex(0xFFF5F8), s.faceText = Hex(0x4A2433), s.shadow = Hex(0xE0AFC0);
    s.highlight = Hex(0xF09DBA), s.darkShadow = Hex(0xA86F84), s.field = Hex(0xFFFFFF);
    s.control = Hex(0xFDEAF0), s.controlEdge = Hex(0xD48BA5);
    s.accent = Hex(0xE2668F), s.accentText = Hex(0xFFFFFF), s.scrollTrack = Hex(0xFBE8EE);
    s.menu = Hex(0xFFFBFC), s.menuText = Hex(0x4A2433), s.menuGutter = Hex(0xFDEBF1);
    s.menuBar = {{0, Hex(0xFFF4F8)}, {1, Hex(0xF8DCE6)}}, s.menuBarText = Hex(0x4A2433);
    s.buttons = TitleButtonLook::Round, s.glyph = Hex(0xFFFFFF), s.closeRed = Hex(0xE0445F);
    s.ornament = Ornament::Blossom, s.ornamentColour = Hex(0xFFFFFF);
    s.controlRadius = 4;
    return s;
}

// 银灰: brushed silver caption, grey forms, steel-blue accent.
SkinStyle Silver() {
    SkinStyle s;
    s.id = "silver";
    s.name = "银灰";
    s.description = "brushed silver caption with a mid break, grey forms, steel-blue accent";
    s.captionHeight = 26, s.borderWidth = 4, s.bottomHeight = 4, s.topRadius = 6, s.bottomRadius = 2;
    s.caption = {{0, Hex(0xFBFBFC)}, {0.48, Hex(0xE3E6EA)}, {0.52, Hex(0xD2D6DC)}, {1, Hex(0xC4C9D0)}};
    s.brushed = true;
    s.outline = Hex(0x676D75), s.frame = Hex(0xC3C8CF);
    s.captionText = Hex(0x1E2328), s.inactiveText = Hex(0x8D939B);
    s.inactiveTint = Hex(0xE8E9EB), s.inactiveFade = 0.55;
    s.face = Hex(0xE6E8EB), s.faceText = Hex(0x1F2327), s.shadow = Hex(0xA3A9B1);
    s.highlight = Hex(0x8FAACB), s.darkShadow = Hex(0x5F656D), s.field = Hex(0xFFFFFF);
    s.control = Hex(0xEEF0F2), s.controlEdge = Hex(0x868D96);
    s.accent = Hex(0x4F79A8), s.accentText = Hex(0xFFFFFF), s.scrollTrack = Hex(0xDADDE1);
    s.menu = Hex(0xFAFAFB), s.menuText = Hex(0x1F2327), s.menuGutter = Hex(0xECEEF0);
    s.menuBar = {{0, Hex(0xF5F6F7)}, {1, Hex(0xD9DCE0)}}, s.menuBarText = Hex(0x1F2327);
    s.buttons = TitleButtonLook::Glass, s.glyph = Hex(0x2B3036), s.closeRed = Hex(0xD9413A);
    s.ornament = Ornament::Diamond, s.ornamentColour = Hex(0x6F8FB8);
    return s;
}

// Fine streaks of brushed metal: a fixed pseudo-random offset per row.
double BrushOffset(int row) {
    std::uint32_t h = static_cast<std::uint32_t>(row) * 2654435761u;
    h ^= h >> 15;
    h *= 2246822519u;
    h ^= h >> 13;
    return (static_cast<double>(h % 1000) / 1000.0 - 0.5) * 7.0;
}

}  // namespace

const std::vector<SkinStyle>& AllSkinStyles() {
    static const std::vector<SkinStyle> styles = {Fresh(), ClassicBlue(), Jade(), Dark(), Sakura(), Silver()};
    return styles;
}

const SkinStyle* FindSkinStyle(const std::string& idOrName) {
    for (const SkinStyle& s : AllSkinStyles())
        if (s.id == idOrName || s.name == idOrName) return &s;
    return nullptr;
}

Rgb CaptionColour(const SkinStyle& style, double y, bool active) {
    const double t = y / style.captionHeight;
    Rgb c = StopsAt(style.caption, t);
    if (style.glossAt > 0 && t < style.glossAt)
        c = Lighten(c, style.glossStrength * (0.55 + 0.45 * (1 - t / style.glossAt)));
    if (style.brushed) {
        const double d = BrushOffset(static_cast<int>(y));
        c = {c.r + d, c.g + d, c.b + d};
    }
    return active ? c : Mix(c, style.inactiveTint, style.inactiveFade);
}

Paint CaptionPaint(const SkinStyle& style, bool active) {
    return [&style, active](double, double y) { return CaptionColour(style, y, active); };
}

Rgb MenuBarColour(const SkinStyle& style, double y, double height) {
    return StopsAt(style.menuBar, y / height);
}

bool IsDark(const SkinStyle& style) { return Luma(style.face) < 100; }

Rgb Shade(const SkinStyle& style) { return IsDark(style) ? style.darkShadow : style.shadow; }

Rgb BevelLight(const SkinStyle& style) { return IsDark(style) ? Lighten(style.face, 0.14) : Rgb{255, 255, 255}; }

}  // namespace zuno::skinart

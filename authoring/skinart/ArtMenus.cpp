// Menus: the menu bar background (active and inactive, one above the other), the
// popup menu background with its icon column, and the menu item strip (frames:
// 1 normal, transparent so the background shows; 2 separator; 3 disabled item under
// the mouse; 4 selected; 5 selected and pressed).
#include "authoring/skinart/ArtFrameParts.h"
#include "authoring/skinart/ArtKit.h"

namespace zuno::skinart {
namespace {

using skin::SkinBitmap;

constexpr int kBarCap = 2;
constexpr int kBarWidth = 24;
constexpr int kItemWidth = 24;
constexpr int kItemHeight = 20;
constexpr int kItemMargin = 4;
constexpr int kPopupWidth = 40;
constexpr int kPopupHeight = 24;
constexpr int kPopupBorder = 3;   // the band the popup window paints as its border
constexpr int kGutterRight = 25;  // the icon column ends here, in popup pixels

SkinBitmap PaintMenuBarFrame(const SkinStyle& s, bool active) {
    const int H = kMenuBarHeight;
    ArtImage img(kBarWidth, H);
    const auto colour = [&](double y) {
        const Rgb c = MenuBarColour(s, y, H);
        return active ? c : Mix(c, s.face, 0.5);
    };
    img.Fill(RoundedBox(Box{0, 0, kBarWidth, double(H)}, 0.0), [&](double, double y) { return colour(y); });
    img.FillRect(0, 0, kBarWidth, 1, Lighten(colour(0.5), IsDark(s) ? 0.05 : 0.6));
    img.FillRect(0, H - 1, kBarWidth, H, Mix(colour(H - 0.5), Shade(s), 0.6));
    return img.FlattenOpaque(Behind(s.face));
}

SkinBitmap PaintPopupBackground(const SkinStyle& s) {
    ArtImage img(kPopupWidth, kPopupHeight);
    const Rgb edge = IsDark(s) ? Darken(s.menu, 0.5) : Mix(Shade(s), s.menuText, 0.25);
    img.FillRect(0, 0, kPopupWidth, kPopupHeight, edge);
    img.FillRect(1, 1, kPopupWidth - 1, kPopupHeight - 1, s.menu);
    img.FillRect(kPopupBorder, kPopupBorder, kGutterRight, kPopupHeight - kPopupBorder, s.menuGutter);
    img.FillRect(kGutterRight, kPopupBorder, kGutterRight + 1, kPopupHeight - kPopupBorder,
                 Mix(s.menuGutter, Shade(s), 0.45));
    return img.FlattenOpaque(Behind(s.menu));
}

SkinBitmap PaintMenuItemFrame(const SkinStyle& s, int frame) {
    const double W = kItemWidth, H = kItemHeight;
    ArtImage img(kItemWidth, kItemHeight);
    const Box plate{1, 1, W - 1, H - 1};
    switch (frame) {
        case 2: {  // separator: a groove near the bottom, used bottom-aligned
            const int y = kItemHeight - 5;
            img.FillRect(kItemMargin, y, kItemWidth - kItemMargin, y + 1, Mix(s.menu, Shade(s), 0.75));
            img.FillRect(kItemMargin, y + 1, kItemWidth - kItemMargin, y + 2,
                         IsDark(s) ? Lighten(s.menu, 0.08) : Rgb{255, 255, 255});
            break;
        }
        case 3:
            img.Stroke(RoundedBox(plate, 3.0), 1.0, Solid(Mix(s.menu, Shade(s), 0.8)));
            break;
        case 4:
        case 5: {
            const Rgb base = frame == 4 ? s.accent : Darken(s.accent, 0.15);
            img.Fill(RoundedBox(plate, 3.0),
                     VerticalGradient(1, H - 1, {{0, Lighten(base, 0.18)}, {1, base}}));
            img.Stroke(RoundedBox(plate.Inset(1), 2.0), 1.0, Solid(Lighten(base, 0.3)), 0.5);
            img.Stroke(RoundedBox(plate, 3.0), 1.0, Solid(Darken(base, 0.18)));
            break;
        }
        default: break;  // normal items leave the background as it is
    }
    return img.Flatten(Behind(s.menu));
}

}  // namespace

void PaintMenus(const SkinStyle& s, GeneratedSkin& skin) {
    skin.AddBitmap("Personality", "menuBar", "menubar.bmp",
                   Stacked(PaintMenuBarFrame(s, true), PaintMenuBarFrame(s, false)));
    Definition& d = skin.definition;
    d.Set("Personality", "TileMenu", 0);
    d.Set("Personality", "TileLeftMenu", kBarCap);
    d.Set("Personality", "TileRightMenu", kBarCap);

    skin.AddBitmap("MenuItem", "Image", "menu_item.bmp",
                   Strip(5, [&](int i) { return PaintMenuItemFrame(s, i + 1); }));
    d.Set("MenuItem", "LeftWidth", kItemMargin);
    d.Set("MenuItem", "RightWidth", kItemMargin);
    d.Set("MenuItem", "TopHeight", kItemMargin);
    d.Set("MenuItem", "BottomHeight", kItemMargin);
    d.Set("MenuItem", "Trans", 1);
    d.Set("MenuItem", "Tile", 0);

    skin.AddBitmap("MenuBackground", "Image", "menu_back.bmp", PaintPopupBackground(s));
    d.Set("MenuBackground", "LeftWidth", kGutterRight + 2);
    d.Set("MenuBackground", "RightWidth", kPopupBorder);
    d.Set("MenuBackground", "TopHeight", kPopupBorder);
    d.Set("MenuBackground", "BottomHeight", kPopupBorder);
    d.Set("MenuBackground", "Trans", 0);
    d.Set("MenuBackground", "Tile", 0);
}

}  // namespace zuno::skinart

// Popup-menu geometry without windows: item widths added by the skin, the glyph box,
// text and shortcut places, the separator's pieces, the neighbour of an open
// drop-down, and how the menu hook reads arrow keys.
#pragma once

#include <array>
#include <cstdint>

#include "skin/data/SkinObjects.h"
#include "skin/draw/Bitmap.h"

namespace zuno::skin::menus {

// The menu-item image's left margin, 0 without a menu-item object.
int MenuItemLeftMargin(const TDataSkinObject* menuItem);

// Width of a popup-menu object's item after the default measuring: margin plus 12
// with an image list, 35 without.
int PopupItemWidth(int measuredWidth, int margin, bool hasImages);
// The same for a menu-bar drop-down item of a form: 10 with an image list, 35 without.
int MenuBarItemWidth(int measuredWidth, int margin, bool hasImages);

// Size of a drop-down item known only by its menu handle: text width + 26 + margin;
// height 8 for a separator (empty text), else the proposed height + 4, and 4 more on
// Windows 95/98/Me.
struct ItemSize {
    int width = 0;
    int height = 0;
};
ItemSize HandleItemSize(int textWidth, bool emptyText, int proposedHeight, int margin, bool win9x);

// Glyph box side: the image list's width (16 without one); a checked item at least 16.
int GlyphSize(int imageWidth, bool hasImages, bool checked);

// The glyph box inside item rectangle r. A separator's box collapses to the left edge
// (right edge when right to left).
Rect GlyphRect(Rect r, int glyphSize, int margin, bool rightToLeft, bool separator);

// Top-left corner of a check-mark bitmap centred in the glyph box (one pixel right
// and down, as the system draws it).
struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};
Point CheckMarkOrigin(Rect glyph, int glyphSize, int bitmapWidth, int bitmapHeight);

// The caption's box before measuring: right of the glyph (left of it right to left).
Rect CaptionRect(Rect item, Rect glyph, bool rightToLeft);
// The measured caption box moved down to the item's vertical centre.
Rect CentreCaption(Rect item, Rect measured);
// Where the shortcut text goes, from the measured caption box.
Rect ShortcutRect(Rect item, Rect caption, bool rightToLeft);

// A separator made of frame 2 of a five-frame menu-item image: left cap, right cap
// and middle, each copied from `from` and stretched to `to` (target coordinates of a
// W x H item). Images taller than the item give their bottom rows.
struct Piece {
    Rect to;
    Rect from;
};
std::array<Piece, 3> SeparatorPieces(int imageWidth, int imageHeight, int width, int height, int leftMargin,
                                     int rightMargin);

// The index of the top-level item next to `open` among `count`, wrapping round.
int NeighbourIndex(int count, int open, bool forward);

// What the menu hook does with an arrow key while a drop-down is open.
enum class ArrowMove { None, Previous, Next };
struct SelectedItem {
    bool known = false;           // an item was reported selected
    bool parentIsOpen = false;    // its parent's menu is the open drop-down
    bool selfIsOpen = false;      // its own sub-menu is the open drop-down
    bool hasSubItems = false;
};
ArrowMove ArrowKeyMove(unsigned key, const SelectedItem& selected);

// Right-to-left menus swap Left and Right, in key messages only: other messages carry
// no key code in wParam.
bool IsKeyMessage(unsigned message);
std::uintptr_t SwapLeftRight(unsigned message, std::uintptr_t wParam, bool rightToLeft);

}  // namespace zuno::skin::menus

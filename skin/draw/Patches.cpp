// Drawing one state frame of a skin bitmap: as a nine-patch (composed off-screen or
// only its border), as a three-part bar, or stretched whole.

#include <algorithm>
#include <cstdint>

#include "skin/draw/Primitives.h"

namespace zuno::skin {
namespace {

int ClampCoordinate(std::int64_t v) {
    // Far beyond any bitmap, yet safe to add a bitmap size to.
    constexpr std::int64_t kLimit = std::int64_t{1} << 30;
    return static_cast<int>(std::clamp(v, -kLimit, kLimit));
}

// Margins and caps come from skin files and may hold any 32-bit value; beyond this
// bound they lie outside every bitmap anyway, and within it no sum can overflow.
int SaneLength(int v) {
    constexpr int kLimit = 1 << 20;
    return std::clamp(v, -kLimit, kLimit);
}
Margins SaneMargins(Margins m) {
    return {SaneLength(m.left), SaneLength(m.top), SaneLength(m.right), SaneLength(m.bottom)};
}

Rect Offset(Rect r, int dx, int dy) {
    return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

// One piece of a nine-patch: where it goes (target coordinates) and where it comes
// from (frame coordinates).
struct Piece {
    Rect to;
    Rect from;
};

enum PieceIndex { kTopLeft, kBottomLeft, kTopRight, kLeft, kTop, kCentre, kBottomRight, kRight,
                  kBottom, kPieceCount };

struct NinePatch {
    Piece pieces[kPieceCount];
    bool present[kPieceCount] = {};
};

// The pieces in drawing order, after dropping margins that do not fit the target.
NinePatch LayOutNinePatch(int width, int height, int fw, int fh, Margins m) {
    m = SaneMargins(m);
    if (width < m.left + m.right) m.left = m.right = 0;
    if (height < m.top + m.bottom) m.top = m.bottom = 0;
    const int L = m.left, T = m.top, R = m.right, B = m.bottom, W = width, H = height;
    NinePatch p;
    p.pieces[kTopLeft] = {{0, 0, L, T}, {0, 0, L, T}};
    p.pieces[kBottomLeft] = {{0, H - B, L, H}, {0, fh - B, L, fh}};
    p.pieces[kTopRight] = {{W - R, 0, W, T}, {fw - R, 0, fw, T}};
    p.pieces[kLeft] = {{0, T, L, H - B}, {0, T, L, fh - B}};
    p.pieces[kTop] = {{L, 0, W - R, T}, {L, 0, fw - R, T}};
    p.pieces[kCentre] = {{L, T, W - R, H - B}, {L, T, fw - R, fh - B}};
    p.pieces[kBottomRight] = {{W - R, H - B, W, H}, {fw - R, fh - B, fw, fh}};
    p.pieces[kRight] = {{W - R, T, W, H - B}, {fw - R, T, fw, fh - B}};
    p.pieces[kBottom] = {{L, H - B, W - R, H}, {L, fh - B, fw - R, fh}};
    // Corners need both margins: a product, so two negative margins count too.
    p.present[kTopLeft] = std::int64_t{L} * T > 0;
    p.present[kBottomLeft] = std::int64_t{L} * B > 0;
    p.present[kTopRight] = std::int64_t{R} * T > 0;
    p.present[kLeft] = L > 0;
    p.present[kTop] = T > 0;
    p.present[kCentre] = true;
    p.present[kBottomRight] = std::int64_t{R} * B > 0;
    p.present[kRight] = R > 0;
    p.present[kBottom] = B > 0;
    return p;
}

// Draws `image` at the rectangle's top-left, keyed or opaque.
void PutImage(SkinBitmap& target, Rect rect, const SkinBitmap& image, bool transparent) {
    if (transparent) {
        TransparentBlit(target, rect, image, kKeyPixel);
    } else {
        CopyRect(target, rect.left, rect.top, image, image.Bounds());
    }
}

}  // namespace

Rect FrameRect(const SkinBitmap& bitmap, FrameLayout layout, int frameCount, int frame) {
    const int n = std::max(frameCount, 1);
    if (layout == FrameLayout::SideBySide) {
        const int fw = bitmap.Width() / n;
        const int x = ClampCoordinate(std::int64_t{fw} * (std::int64_t{frame} - 1));
        return {x, 0, x + fw, bitmap.Height()};
    }
    const int fh = bitmap.Height() / n;
    const int y = ClampCoordinate(std::int64_t{fh} * (std::int64_t{frame} - 1));
    return {0, y, bitmap.Width(), y + fh};
}

SkinBitmap ComposeNinePatch(int width, int height, const SkinBitmap& bitmap, Margins margins,
                            FrameLayout layout, CentreFill centre, int frameCount, int frame) {
    SkinBitmap result(width, height);
    const Rect f = FrameRect(bitmap, layout, frameCount, frame);
    const NinePatch patch = LayOutNinePatch(width, height, f.Width(), f.Height(), margins);
    for (int i = 0; i < kPieceCount; ++i) {
        if (!patch.present[i]) continue;
        const Piece& piece = patch.pieces[i];
        const Rect from = Offset(piece.from, f.left, f.top);
        if (i == kCentre && centre == CentreFill::Tile) {
            TileRect(result, piece.to, bitmap, from);
        } else {
            StretchRect(result, piece.to, bitmap, from);
        }
    }
    return result;
}

void DrawNinePatch(SkinBitmap& target, Rect rect, const SkinBitmap& bitmap, FrameLayout layout,
                   CentreFill centre, bool transparent, int frameCount, int frame,
                   Margins margins) {
    if (rect.IsEmptyForDrawing()) return;
    const SkinBitmap image = ComposeNinePatch(rect.Width(), rect.Height(), bitmap, margins, layout,
                                              centre, frameCount, frame);
    PutImage(target, rect, image, transparent);
}

void DrawNinePatchBorder(SkinBitmap& target, Rect rect, const SkinBitmap& bitmap,
                         FrameLayout layout, int frameCount, int frame, Margins margins) {
    if (rect.IsEmptyForDrawing()) return;
    const Rect f = FrameRect(bitmap, layout, frameCount, frame);
    const NinePatch patch =
        LayOutNinePatch(rect.Width(), rect.Height(), f.Width(), f.Height(), margins);
    for (int i = 0; i < kPieceCount; ++i) {
        if (i == kCentre || !patch.present[i]) continue;
        const Piece& piece = patch.pieces[i];
        StretchRect(target, Offset(piece.to, rect.left, rect.top), bitmap,
                    Offset(piece.from, f.left, f.top));
    }
}

void DrawThreePartBar(SkinBitmap& target, Rect rect, const SkinBitmap& bitmap, FrameLayout layout,
                      bool transparent, int frameCount, int frame, int leftCap, int rightCap) {
    if (rect.IsEmptyForDrawing()) return;
    const int W = rect.Width(), H = rect.Height();
    const int L = SaneLength(leftCap), R = SaneLength(rightCap);
    SkinBitmap bar(W, H);
    const Rect f = FrameRect(bitmap, layout, frameCount, frame);
    const int fw = f.Width(), fh = f.Height();
    StretchRect(bar, {0, 0, L, H}, bitmap, Offset({0, 0, L, fh}, f.left, f.top));
    const int middle = fw - L - R;
    if (middle > 0) {
        const Rect from = Offset({L, 0, fw - R, fh}, f.left, f.top);
        for (std::int64_t x = L; x < std::int64_t{W} - R; x += middle) {
            const int left = static_cast<int>(x);
            StretchRect(bar, {left, 0, left + middle, H}, bitmap, from);
        }
    }
    StretchRect(bar, {W - R, 0, W, H}, bitmap, Offset({fw - R, 0, fw, fh}, f.left, f.top));
    PutImage(target, rect, bar, transparent);
}

void DrawFrameStretched(SkinBitmap& target, Rect rect, const SkinBitmap& bitmap,
                        bool transparent, int frameCount, int frame) {
    if (rect.IsEmptyForDrawing()) return;
    SkinBitmap image(rect.Width(), rect.Height());
    StretchRect(image, image.Bounds(), bitmap,
                FrameRect(bitmap, FrameLayout::SideBySide, frameCount, frame));
    PutImage(target, rect, image, transparent);
}

}  // namespace zuno::skin

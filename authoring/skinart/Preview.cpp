// Preview composer: lays a loaded skin's objects out the way the skinned windows
// draw them (frame pieces, caption, title buttons, menu bar, popup menu, controls),
// so that the art can be judged as a whole before a package ships.
#include "authoring/skinart/Preview.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "authoring/skinart/PreviewParts.h"
#include "skin/package/LzhEncoder.h"

namespace zuno::skinart {

using namespace zuno::skin;

void LoadSkinFolder(const std::filesystem::path& folder, TSkinData& data) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.is_regular_file()) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    std::vector<SkinPackageMember> members;
    for (const auto& f : files) {
        std::ifstream in(f, std::ios::binary);
        members.push_back({f.filename().string(), {std::istreambuf_iterator<char>(in), {}}});
    }
    data.PackageStream = WriteSkinPackage(members);
    if (!data.LoadPackage() || data.NoSkin) throw std::runtime_error("the skin in " + folder.string() + " does not load");
}

namespace {

using namespace preview;

// One border piece as the frame paints it (index: left, right, top, bottom).
void PaintBorderPiece(SkinBitmap& b, Rect r, const TDataSkinBorder& piece, bool stacked, bool active) {
    if (r.Width() <= 0 || r.Height() <= 0 || piece.Bitmap.Empty()) return;
    const int frame = active || piece.FrameCount <= 1 ? 1 : 2;
    const CentreFill fill = piece.Tile == 1 ? CentreFill::Stretch : CentreFill::Tile;  // Stretch flag
    SkinBitmap img = ComposeNinePatch(r.Width(), r.Height(), piece.Bitmap, MarginsOf(piece),
                                      stacked ? FrameLayout::Stacked : FrameLayout::SideBySide, fill,
                                      piece.FrameCount, frame);
    CopyRect(b, r.left, r.top, img, img.Bounds());
}

struct FrameBox {
    int left, top, right, bottom;
};

FrameBox Thickness(const TSkinData& d) {
    auto per = [](const TDataSkinBorder& p, bool width) {
        const int n = std::max(p.FrameCount, 1);
        return (width ? p.Bitmap.Width() : p.Bitmap.Height()) / n;
    };
    return {per(d.LeftBorder, true), per(d.TopBorder, false), per(d.RightBorder, true), per(d.BottomBorder, false)};
}

void PaintTitleButtonsOf(SkinBitmap& cap, const TSkinData& d, int w, Rect text, bool active) {
    for (const auto& p : d.SysButtons) {
        const TDataSkinSysButton& sb = *p;
        if (sb.Visibility == 100 || sb.Visibility == 1) continue;  // MDI buttons; restore (not maximised)
        const int fw = sb.Bitmap.Empty() ? 16 : sb.Bitmap.Width() / std::max(sb.FrameCount, 1);
        const int fh = sb.Bitmap.Empty() ? 16 : sb.Bitmap.Height();
        int x = 0;
        switch (sb.Align) {
            case 0: x = sb.Xcoord; break;
            case 1: x = w - sb.Xcoord; break;
            case 2: case 8: x = text.left - fw - sb.Xcoord; break;
            case 3: case 9: x = sb.Xcoord + text.right; break;
            default: break;
        }
        const Rect r{x, sb.Ycoord, x + fw, sb.Ycoord + fh};
        if (sb.Action == 3 || sb.Action == 11) {  // the window icon: a stand-in picture
            cap.Fill({r.left + 1, r.top + 1, r.left + 15, r.top + 15}, MakePixel(70, 130, 200));
            cap.Fill({r.left + 4, r.top + 4, r.left + 12, r.top + 12}, MakePixel(250, 250, 250));
            continue;
        }
        if (sb.Bitmap.Empty()) continue;
        const int frame = active || sb.FrameCount < 4 ? 1 : 4;
        DrawFrameStretched(cap, r, sb.Bitmap, true, sb.FrameCount, frame);
    }
}

void PaintCaption(SkinBitmap& b, const TSkinData& d, int w, bool active) {
    const FrameBox t = Thickness(d);
    PaintBorderPiece(b, {t.left, 0, w - t.right, t.top}, d.TopBorder, true, active);
    const TDataSkinTitle& title = d.Title;
    const int textWidth = 120;
    Rect text{t.left + title.LeftWidth, 0, 0, t.top};
    text.right = std::min(text.left + textWidth + title.TXTBackleft + title.TXTBackRight, w - t.right - title.RightWidth);
    if (!title.Bitmap.Empty())
        DrawThreePartBar(b, text, title.Bitmap, FrameLayout::Stacked, true, 2, active ? 1 : 2, title.TXTBackleft,
                         title.TXTBackRight);
    const Pixel32 ink = Px(active ? d.TitleTextActiveColour : d.TitleTextNoActiveColour);
    FakeText(b, text.left + title.TXTBackleft + 6, (t.top - 7) / 2, textWidth - 8, ink);
    PaintTitleButtonsOf(b, d, w, text, active);
}

int PaintMenuBar(SkinBitmap& b, const TSkinData& d, int w, bool active) {
    const FrameBox t = Thickness(d);
    const Rect bar{t.left, t.top, w - t.right, t.top + 20};
    int s = 6;
    if (d.MenuBar) {
        DrawThreePartBar(b, bar, d.MenuBar->Bitmap, FrameLayout::Stacked, false, 2, active ? 1 : 2,
                         d.MenuBar->LeftWidth, d.MenuBar->RightWidth);
        s = d.MenuBar->LeftWidth + 4;
    } else {
        b.Fill(bar, Px(d.MenubarColour));
    }
    for (int i = 0, x = bar.left + s; i < 4; ++i) {
        const int width = 34 + 6 * (i % 2);
        if (i == 1 && active) {  // the item under the mouse
            const Pixel32 c = Px(d.ButtonHilightColour);
            b.Fill({x, bar.top, x + width, bar.top + 1}, c);
            b.Fill({x, bar.bottom - 2, x + width, bar.bottom - 1}, c);
            b.Fill({x, bar.top, x + 1, bar.bottom - 1}, c);
            b.Fill({x + width - 1, bar.top, x + width, bar.bottom - 1}, c);
        }
        FakeText(b, x + 5, bar.top + 6, width - 10, Px(d.MenuBarTextColour));
        x += width;
    }
    return bar.bottom;
}

SkinBitmap ComposeWindow(const TSkinData& d, int w, int h, bool active, bool withControls) {
    const FrameBox t = Thickness(d);
    SkinBitmap b(w, h, Px(d.ButtonFaceColour));
    PaintBorderPiece(b, {0, 0, t.left, h}, d.LeftBorder, false, active);
    PaintBorderPiece(b, {w - t.right, 0, w, h}, d.RightBorder, false, active);
    PaintBorderPiece(b, {t.left, h - t.bottom, w - t.right, h}, d.BottomBorder, true, active);
    PaintCaption(b, d, w, active);
    const int clientTop = PaintMenuBar(b, d, w, active);
    if (withControls) PaintClientControls(b, d, {t.left, clientTop, w - t.right, h - t.bottom});
    return b;
}

}  // namespace

SkinBitmap ComposePreview(const TSkinData& d) {
    SkinBitmap desk(800, 460);
    for (int y = 0; y < desk.Height(); ++y)
        desk.Fill({0, y, desk.Width(), y + 1}, MakePixel(58, 92 + y / 12, 128 + y / 8));
    TransparentBlit(desk, {16, 16, 16 + 480, 16 + 428}, ComposeWindow(d, 480, 428, true, true));
    TransparentBlit(desk, {512, 16, 512 + 272, 16 + 150}, ComposeWindow(d, 272, 150, false, false));
    preview::PaintPopupMenu(desk, d, 540, 200);
    return desk;
}

}  // namespace zuno::skinart

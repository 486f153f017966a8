// Preview of the client area and the popup menu: each control drawn from the loaded
// skin objects the way its wrapper paints it (frame choice, nine-patch or stretched
// frame, transparency), in a few states side by side.
#include "authoring/skinart/PreviewParts.h"

namespace zuno::skinart::preview {
namespace {

constexpr int kBarThick = 16;  // SM_CXHSCROLL as the preview assumes it

void NinePatch(SkinBitmap& b, Rect r, const TDataSkinObject& o, int frames, int frame) {
    DrawNinePatch(b, r, o.Bitmap, FrameLayout::SideBySide, FillOf(o), o.Trans == 1, frames, frame, MarginsOf(o));
}

void PushButtons(SkinBitmap& b, const TSkinData& d, int x, int y) {
    const int frames[] = {1, 4, 2, 5, 3};  // normal, hot, pressed, default, disabled
    for (int i = 0; i < 5; ++i) {
        const Rect r{x + i * 84, y, x + i * 84 + 78, y + 25};
        NinePatch(b, r, d.Buttons, 5, frames[i]);
        const TColor ink = frames[i] == 3 ? MakeTColor(128, 128, 128)
                           : frames[i] == 4 ? d.Buttons.MouseOverColour2 : d.Buttons.NormalColour2;
        FakeText(b, r.left + 18, r.top + 9, 42, Px(ink));
    }
}

void CheckAndRadio(SkinBitmap& b, const TSkinData& d, int x, int y) {
    const TDataSkinButton& bt = d.Buttons;
    const int checks[] = {1, 2, 5, 6, 4, 8, 9};
    const int cw = bt.CheckBitmap.Width() / std::max(bt.CheckFrameCount, 1);
    for (int i = 0; i < 7; ++i) {
        const Rect r{x + i * 62, y, x + i * 62 + cw, y + bt.CheckBitmap.Height()};
        DrawFrameStretched(b, r, bt.CheckBitmap, true, bt.CheckFrameCount, checks[i]);
        FakeText(b, r.right + 5, r.top + 3, 30, Px(checks[i] == 4 || checks[i] == 8 ? d.ButtonShadowColour : d.ButtonTextColour));
    }
    const int radios[] = {1, 2, 5, 6, 4, 8};
    const int rw = bt.RadioBitmap.Width() / std::max(bt.RadioFrameCount, 1);
    for (int i = 0; i < 6; ++i) {
        const Rect r{x + i * 62, y + 22, x + i * 62 + rw, y + 22 + bt.RadioBitmap.Height()};
        DrawFrameStretched(b, r, bt.RadioBitmap, true, bt.RadioFrameCount, radios[i]);
        FakeText(b, r.right + 5, r.top + 3, 30, Px(d.ButtonTextColour));
    }
}

void Combo(SkinBitmap& b, const TSkinData& d, Rect r, int frame) {
    if (!d.ComboButton || !d.SunkEdge) return;
    NinePatch(b, r, *d.SunkEdge, d.SunkEdge->FrameCount, frame);
    FakeText(b, r.left + 6, r.top + 8, 60, Px(d.ButtonTextColour));
    const Rect button{r.right - kBarThick - 2, r.top, r.right, r.bottom};
    DrawFrameStretched(b, button, d.ComboButton->Bitmap, true, 4, frame);
    if (d.ExtraImages) {
        const SkinBitmap& e = d.ExtraImages->Bitmap;
        const int cw = e.Width() / d.ExtraImages->FrameCount, ch = e.Height();
        const int gx = r.right - kBarThick - 2 + (kBarThick - cw) / 2, gy = r.top + (r.Height() - ch) / 2;
        DrawFrameStretched(b, {gx, gy, gx + cw, gy + ch}, e, true, d.ExtraImages->FrameCount, frame);
    }
}

void UpDown(SkinBitmap& b, const TSkinData& d, Rect c, bool vertical, int pressedHalf) {
    const TDataSkinBorder* o = vertical ? d.UpDownVert.get() : d.UpDownHorz.get();
    if (!o) return;
    for (int half = 0; half < 2; ++half) {
        Rect h = c;
        if (vertical) (half == 0 ? h.bottom : h.top) = c.top + c.Height() / 2;
        else (half == 0 ? h.right : h.left) = c.left + c.Width() / 2;
        const int frame = (half == pressedHalf ? 2 : 1) + half * 4;
        DrawFrameStretched(b, h, o->Bitmap, true, o->FrameCount, frame);
        const int gw = o->Bitmap2.Width() / o->FrameCount, gh = o->Bitmap2.Height();
        const int gx = h.left + (h.Width() - gw) / 2, gy = h.top + (h.Height() - gh) / 2;
        DrawFrameStretched(b, {gx, gy, gx + gw, gy + gh}, o->Bitmap2, true, o->FrameCount, frame);
    }
}

void Edit(SkinBitmap& b, const TSkinData& d, Rect r) {
    b.Fill(r, Px(d.ButtonShadowColour));
    b.Fill({r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, MakePixel(255, 255, 255));
    FakeText(b, r.left + 5, r.top + 8, 24, MakePixel(30, 30, 30));
}

void ProgressBar(SkinBitmap& b, const TSkinData& d, Rect r, int percent) {
    if (!d.Progress) return;
    const TDataSkinBorder& p = *d.Progress;
    SkinBitmap work(r.Width(), r.Height(), Px(d.ButtonFaceColour));
    const int fill = r.Width() * percent / 100;
    if (p.Style == 1) {
        DrawNinePatch(work, work.Bounds(), p.Bitmap, FrameLayout::SideBySide, FillOf(p), true, 1, 1, MarginsOf(p));
        const int c = p.Bitmap2.Width();
        SkinBitmap strip(fill, p.Bitmap2.Height());
        for (int x = 0; x < fill; x += c) CopyRect(strip, x, 0, p.Bitmap2, p.Bitmap2.Bounds());
        const int y = (r.Height() - p.Bitmap2.Height()) / 2;
        TransparentBlit(work, {p.LeftWidth, y, p.LeftWidth + fill, y + strip.Height()}, strip);
    } else {
        DrawNinePatch(work, work.Bounds(), p.Bitmap, FrameLayout::SideBySide, FillOf(p), true, 2, 1, MarginsOf(p));
        DrawNinePatch(work, {0, 0, fill, r.Height()}, p.Bitmap, FrameLayout::SideBySide, FillOf(p), true, 2, 2,
                      MarginsOf(p));
    }
    CopyRect(b, r.left, r.top, work, work.Bounds());
}

void TrackBar(SkinBitmap& b, const TSkinData& d, Rect r, int percent) {
    const int cy = r.top + 8;
    b.Fill({r.left, cy, r.right, cy + 4}, Px(d.ButtonShadowColour));
    b.Fill({r.left + 1, cy + 1, r.right - 1, cy + 3}, Px(d.ButtonHilightColour));
    for (int i = 0; i <= 10; ++i) {
        const int x = r.left + 5 + (r.Width() - 11) * i / 10;
        b.Fill({x, r.top + 24, x + 1, r.top + 27}, Px(d.ButtonTextColour));
    }
    if (!d.TrackbarThumbHorz) return;
    const int x = r.left + (r.Width() - 11) * percent / 100;
    DrawFrameStretched(b, {x, r.top, x + 11, r.top + 21}, d.TrackbarThumbHorz->Bitmap, true, 5, 2);
}

void Header(SkinBitmap& b, const TSkinData& d, Rect r) {
    if (!d.Headerbar) return;
    const int widths[] = {90, 70, 110};
    int x = r.left;
    for (int w : widths) {
        SkinBitmap img = ComposeNinePatch(w, r.Height(), d.Headerbar->Bitmap, MarginsOf(*d.Headerbar),
                                          FrameLayout::SideBySide, FillOf(*d.Headerbar), d.Headerbar->FrameCount, 1);
        CopyRect(b, x, r.top, img, img.Bounds());
        FakeText(b, x + 6, r.top + (r.Height() - 7) / 2, w / 2, Px(d.ButtonTextColour));
        x += w;
    }
    SkinBitmap rest = ComposeNinePatch(r.right - x, r.Height(), d.Headerbar->Bitmap, MarginsOf(*d.Headerbar),
                                       FrameLayout::SideBySide, FillOf(*d.Headerbar), d.Headerbar->FrameCount, 1);
    CopyRect(b, x, r.top, rest, rest.Bounds());
    b.Fill({r.left, r.bottom, r.right, r.bottom + 44}, MakePixel(255, 255, 255));
}

void TabControl(SkinBitmap& b, const TSkinData& d, Rect r) {
    if (!d.Tabs) return;
    const TDataSkinBorder& t = *d.Tabs;
    const Rect page{r.left, r.top + 22, r.right, r.bottom};
    for (int i = 2; i >= 0; --i) {
        const bool selected = i == 1;
        Rect item{r.left + 2 + i * 64, r.top + 3, r.left + 2 + i * 64 + 64, page.top};
        if (selected) item = {item.left - 2, r.top + 1, item.right + 2, page.top};
        DrawNinePatch(b, item, t.Bitmap, FrameLayout::SideBySide, FillOf(t), t.Trans == 1, t.FrameCount,
                      selected ? 2 : 1, MarginsOf(t));
        FakeText(b, item.left + 14, item.top + 7, 36, Px(selected ? t.MouseOverColour2 : t.NormalColour2));
    }
    if (!t.Bitmap2.Empty()) DrawNinePatchBorder(b, page, t.Bitmap2, FrameLayout::SideBySide, 1, 1, {4, 5, 4, 4});
    FakeText(b, page.left + 14, page.top + 16, 160, Px(d.ButtonTextColour));
}

// A scroll bar composed 16 pixels thick, as the scroll-bar wrappers do.
void ScrollBar(SkinBitmap& b, const TSkinData& d, Rect r, bool horizontal, int thumbAt, int thumbSize) {
    if (!d.Scrollbar) return;
    const int L = horizontal ? r.Width() : r.Height(), s = kBarThick;
    SkinBitmap work(horizontal ? L : kBarThick, horizontal ? kBarThick : L, Px(d.ScrollbarColour));
    auto along = [&](int a0, int a1) {
        return horizontal ? Rect{a0, 0, a1, kBarThick} : Rect{0, a0, kBarThick, a1};
    };
    const TDataSkinObject* shaft = horizontal ? d.HorzScroll.get() : d.VertScroll.get();
    if (shaft) DrawNinePatch(work, along(s, L - s), shaft->Bitmap, FrameLayout::SideBySide, FillOf(*shaft),
                             shaft->Trans == 1, 4, 1, MarginsOf(*shaft));
    DrawFrameStretched(work, along(0, s), d.Scrollbar->Bitmap, true, 23, horizontal ? 1 : 9);
    DrawFrameStretched(work, along(L - s, L), d.Scrollbar->Bitmap, true, 23, horizontal ? 6 : 13);
    const TDataSkinObject* thumb = horizontal ? d.HorzScrollThumb.get() : d.VertScrollThumb.get();
    if (thumb) DrawNinePatch(work, along(s + thumbAt, s + thumbAt + thumbSize), thumb->Bitmap,
                             FrameLayout::SideBySide, CentreFill::Stretch, thumb->Trans == 1, thumb->FrameCount, 1,
                             MarginsOf(*thumb));
    CopyRect(b, r.left, r.top, work, work.Bounds());
}

void StatusBar(SkinBitmap& b, const TSkinData& d, Rect r) {
    SkinBitmap work(r.Width(), r.Height(), Px(d.ButtonFaceColour));
    if (d.StatusBarEdges) {
        const int edges[][3] = {{0, 160, 1}, {160, 300, 2}, {300, r.Width(), 3}};
        for (const auto& e : edges) {
            SkinBitmap panel = ComposeNinePatch(e[1] - e[0], r.Height() - 2, d.StatusBarEdges->Bitmap,
                                                MarginsOf(*d.StatusBarEdges), FrameLayout::SideBySide,
                                                FillOf(*d.StatusBarEdges), 3, e[2]);
            CopyRect(work, e[0], 2, panel, panel.Bounds());
            FakeText(work, e[0] + 6, 2 + (r.Height() - 9) / 2, 70, Px(d.StatusBarEdges->NormalColour2));
        }
    }
    if (d.ExtraImages) {
        const SkinBitmap& e = d.ExtraImages->Bitmap;
        const int w = e.Width() / d.ExtraImages->FrameCount, h = e.Height();
        DrawFrameStretched(work, {r.Width() - 1 - w, r.Height() - 1 - h, r.Width() - 1, r.Height() - 1}, e, true,
                           d.ExtraImages->FrameCount, 5);
    }
    CopyRect(b, r.left, r.top, work, work.Bounds());
}

}  // namespace

void PaintClientControls(SkinBitmap& b, const TSkinData& d, Rect c) {
    const int x = c.left + 12;
    int y = c.top + 10;
    PushButtons(b, d, x, y);
    CheckAndRadio(b, d, x, y += 36);
    Combo(b, d, {x, y += 48, x + 150, y + 22}, 1);
    Combo(b, d, {x + 162, y, x + 262, y + 22}, 4);
    Edit(b, d, {x + 274, y, x + 324, y + 22});
    UpDown(b, d, {x + 324, y, x + 341, y + 22}, true, 1);
    UpDown(b, d, {x + 352, y + 2, x + 384, y + 19}, false, -1);
    ProgressBar(b, d, {x, y += 34, x + 200, y + 18}, 62);
    TrackBar(b, d, {x + 220, y - 4, x + 420, y + 24}, 40);
    Header(b, d, {x, y += 36, c.right - kBarThick - 12, y + 20});
    TabControl(b, d, {x, y += 72, c.right - kBarThick - 12, y + 90});
    const int statusTop = c.bottom - 22;
    ScrollBar(b, d, {c.right - kBarThick, c.top, c.right, statusTop - kBarThick}, false, 40, 70);
    ScrollBar(b, d, {c.left, statusTop - kBarThick, c.right - kBarThick, statusTop}, true, 120, 90);
    b.Fill({c.right - kBarThick, statusTop - kBarThick, c.right, statusTop}, Px(d.ButtonFaceColour));
    StatusBar(b, d, {c.left, statusTop, c.right, c.bottom});
}

void PaintPopupMenu(SkinBitmap& b, const TSkinData& d, int x, int y) {
    if (!d.MenuBackground || !d.MenuItem) return;
    const int W = 180, kinds[] = {1, 4, 0, 1, 3, 1};  // 0 separator, 3 disabled
    int H = 6;
    for (int k : kinds) H += k == 0 ? 8 : 20;
    SkinBitmap menu = ComposeNinePatch(W, H, d.MenuBackground->Bitmap, MarginsOf(*d.MenuBackground),
                                       FrameLayout::SideBySide, FillOf(*d.MenuBackground), 1, 1);
    const TDataSkinObject& item = *d.MenuItem;
    const int fw = item.Bitmap.Width() / 5, ih = item.Bitmap.Height();
    int top = 3;
    for (int k : kinds) {
        const int h = k == 0 ? 8 : 20;
        const Rect r{3, top, W - 3, top + h};
        if (k == 0) {
            SkinBitmap sep(r.Width(), h, kKeyPixel);
            const int t = h < ih ? ih - h : 0, lm = item.LeftWidth, rm = item.RightWidth;
            StretchRect(sep, {0, 0, lm, h}, item.Bitmap, {fw, t, fw + lm, ih});
            StretchRect(sep, {r.Width() - rm, 0, r.Width(), h}, item.Bitmap, {2 * fw - rm, t, 2 * fw, ih});
            StretchRect(sep, {lm, 0, r.Width() - rm, h}, item.Bitmap, {fw + lm, t, 2 * fw - rm, ih});
            TransparentBlit(menu, r, sep);
        } else {
            NinePatch(menu, r, item, 5, k == 4 ? 4 : 1);
            const TColor ink = k == 4 ? d.HilightTextColour : k == 3 ? d.ButtonShadowColour : d.MenuTextColour;
            FakeText(menu, r.left + 24 + item.LeftWidth, r.top + 7, 90, Px(ink));
        }
        top += h;
    }
    CopyRect(b, x, y, menu, menu.Bounds());
}

}  // namespace zuno::skinart::preview

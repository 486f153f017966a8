// Reading a skin definition into the data objects: which sections and keys are read,
// their defaults, and the values derived from the bitmaps (frame counts, the MDI
// button strip, the mirrored combo button). The order of the steps matters: colours
// come before every object that takes ButtonTextColour as its default.
#include "skin/data/SkinData.h"

#include <algorithm>
#include <array>
#include <type_traits>

#include "skin/draw/Primitives.h"

namespace zuno::skin {
namespace {

constexpr std::string_view kPersonality = "Personality";

// ASCII upper-casing that leaves both bytes of a code-page-936 character alone.
std::string UpperCaseCp936(std::string_view text) {
    std::string out(text);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const auto c = static_cast<unsigned char>(out[i]);
        if (c >= 0x81 && c <= 0xFE) {
            ++i;
        } else if (c >= 'a' && c <= 'z') {
            out[i] = static_cast<char>(c - 'a' + 'A');
        }
    }
    return out;
}

// RGB(r, g, b) with each part taken as a byte, as the platform macro does.
TColor RgbOfInts(std::int32_t r, std::int32_t g, std::int32_t b) {
    return MakeTColor(static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                      static_cast<std::uint8_t>(b));
}

}  // namespace

TColor TSkinData::ParseColour(std::string_view value, TColor defaultColour) {
    if (value.empty()) return defaultColour;
    value = TrimAnsi(value);
    // Each run is kept modulo 256 as it is read, which is its final value and cannot
    // overflow however many digits it has.
    std::array<std::uint8_t, 3> parts{};
    int stored = 0;
    bool pending = false;
    unsigned run = 0;
    for (const char ch : value) {
        if (ch >= '0' && ch <= '9') {
            run = (run * 10 + static_cast<unsigned>(ch - '0')) & 0xFFu;
            pending = true;
        } else if (pending) {
            if (stored < 3) parts[static_cast<std::size_t>(stored++)] = static_cast<std::uint8_t>(run);
            pending = false;
            run = 0;
        }
    }
    // An unfinished last run counts only as the blue of "R G B".
    if (pending && stored == 2) parts[2] = static_cast<std::uint8_t>(run);
    return MakeTColor(parts[0], parts[1], parts[2]);
}

std::int32_t DeriveCheckFrameCount(const SkinBitmap& strip) {
    const int frameWidth = strip.Height() < 16 ? 13 : 16;
    return std::max(strip.Width() / frameWidth, 4);
}

std::int32_t DeriveSysButtonFrameCount(const SkinBitmap& image, std::int32_t action) {
    std::int32_t frames = 6;
    if (!image.Empty()) {
        const double ratio = static_cast<double>(image.Width()) / image.Height();
        frames = ratio <= 3.8 ? 3 : 6;
        if (action < 0) frames = 6;
    }
    return frames;
}

std::string TSkinData::ReadString(std::string_view section, std::string_view key,
                                  std::string_view defaultValue) const {
    return load_->Definition.ReadString(section, key, defaultValue);
}

std::int32_t TSkinData::ReadInteger(std::string_view section, std::string_view key,
                                    std::int32_t defaultValue) const {
    return load_->Definition.ReadInteger(section, key, defaultValue);
}

void TSkinData::LoadBitmapKey(SkinBitmap& bitmap, std::string_view section,
                              std::string_view key) {
    LoadBitmapMember(bitmap, ReadString(section, key));
}

void TSkinData::ParseDefinition() {
    load_->Definition.ReadSections(load_->SectionNames);
    SkinName = ReadString("TitlebarSkin", "SkinName");
    ParseBorder(LeftBorder, false);
    ParseBorder(RightBorder, false);
    ParseBorder(TopBorder, true);
    ParseBorder(BottomBorder, true);
    ParseColours();
    ParseSysButtons();
    ParseButtons();
    ParseTitle();
    ParseProgressAndMenuBar();
    ParseImageSections();
    SetFrameCounts();
    RebuildFaceBrush();
    load_->SectionNames.clear();
    NoSkin = false;
}

// A border's two margin keys run along its side: the top and bottom heights of a
// vertical border, the left and right widths of a horizontal one.
void TSkinData::ParseBorder(TDataSkinBorder& border, bool horizontalSide) {
    const std::string& side = border.Name;
    LoadBitmapKey(border.Bitmap, kPersonality, side);
    border.FrameCount = ReadInteger(kPersonality, side + "Frame", 1);
    border.Tile = ReadInteger(kPersonality, side + "Stretch", 1);
    border.Trans = ReadInteger(kPersonality, side + "Trans", 1);
    const std::int32_t before = ReadInteger(kPersonality, side + "TopHeight", 0);
    const std::int32_t after = ReadInteger(kPersonality, side + "BotHeight", 0);
    border.LeftWidth = horizontalSide ? before : 0;
    border.RightWidth = horizontalSide ? after : 0;
    border.TopHeight = horizontalSide ? 0 : before;
    border.BottomHeight = horizontalSide ? 0 : after;
}

void TSkinData::ParseColours() {
    auto colour = [this](std::string_view key, TColor fallback) {
        return ParseColour(ReadString("Colours", key), fallback);
    };
    ButtonFaceColour = colour("ButtonFace", clBtnFace);
    ScrollbarColour = colour("Scrollbar", clScrollBar);
    HilightTextColour = colour("HilightText", clHighlightText);
    HilightColour = colour("Hilight", clHighlight);
    MenubarColour = colour("Menubar", ButtonFaceColour);
    MenuColour = colour("Menu", clMenu);
    MenuTextColour = colour("MenuText", clMenuText);
    ButtonTextColour = colour("ButtonText", clBtnText);
    ButtonHilightColour = colour("ButtonHilight", clBtnHighlight);
    ButtonShadowColour = colour("ButtonShadow", clBtnShadow);
    ButtonDkShadowColour = colour("ButtonDkShadow", cl3DDkShadow);
    MenuBarTextColour = colour("MenuBarText", clMenuText);
    TitleTextActiveColour = colour("TitleTextActive", clCaptionText);
    TitleTextNoActiveColour = colour("TitleTextNoActive", clInactiveCaptionText);
}

void TSkinData::ParseSysButtons() {
    SysButtons.clear();
    std::vector<std::string> kept;
    for (const std::string& section : load_->SectionNames) {
        const std::string upper = UpperCaseCp936(section);
        if (!upper.starts_with("BUTTON") || upper == "BUTTON" || upper == "BUTTONS" ||
            upper == "BUTTON.RADIO" || upper == "BUTTON.CHECKBOX")
            continue;
        // A button with Action -1 stays only when it is explicitly invisible.
        if (ReadInteger(section, "Action", 0) == -1 && ReadInteger(section, "Visibility", -1) != 0)
            continue;
        kept.push_back(section);
    }
    for (const std::string& section : kept) {
        SysButtons.push_back(std::make_unique<TDataSkinSysButton>(UpperCaseCp936(section)));
        FillSysButton(*SysButtons.back(), section);
    }
    ParseMdiButtons(kept.size());
}

void TSkinData::FillSysButton(TDataSkinSysButton& button, const std::string& section) {
    button.Action = ReadInteger(section, "Action", 0);
    button.Align = ReadInteger(section, "Align", 0);
    button.Xcoord = ReadInteger(section, "Xcoord", 0);
    button.Ycoord = ReadInteger(section, "Ycoord", 0);
    button.Visibility = ReadInteger(section, "Visibility", 0);
    button.Visibility1 = ReadInteger(section, "Visibility1", button.Action == -1 ? -1 : 0);
    button.CombineOp = ReadInteger(section, "CombineOp", -1);
    button.FrameCount = ReadInteger(section, "frame", 0);
    LoadBitmapKey(button.Bitmap, section, "ButtonImage");
    if (button.FrameCount != 0) return;  // a given frame count stands, and so does the image
    button.FrameCount = DeriveSysButtonFrameCount(button.Bitmap, button.Action);
    // The window frame draws the window icon for these two actions.
    if (button.Action == 3 || button.Action == 11) button.Bitmap.Reset();
}

// The minimize, restore and close buttons of a maximized MDI child, cut from one
// strip of three buttons with four frames each.
void TSkinData::ParseMdiButtons(std::size_t first) {
    for (std::int32_t j = 0; j < 3; ++j) {
        auto button = std::make_unique<TDataSkinSysButton>("");
        button->Action = 7 + j;
        button->Align = 100;
        button->Visibility = 100;
        button->Visibility1 = 100;
        button->FrameCount = 4;
        SysButtons.push_back(std::move(button));
    }
    SkinBitmap strip;
    LoadBitmapKey(strip, "MDICONTROLS", "Image");
    if (strip.Empty()) return;
    const int a = strip.Width() / 12;
    for (int j = 0; j < 3; ++j) {
        TDataSkinSysButton& button = *SysButtons[first + static_cast<std::size_t>(j)];
        if (a > 0) {
            SkinBitmap piece(4 * a, strip.Height());
            CopyRect(piece, 0, 0, strip, Rect{4 * a * j, 0, 4 * a * j + 4 * a, strip.Height()});
            button.Bitmap = std::move(piece);
        }
        button.Xcoord = (a + 4) * (3 - j);
    }
}

void TSkinData::ParseButtons() {
    constexpr std::string_view section = "Buttons";
    TDataSkinButton& b = Buttons;
    LoadBitmapKey(b.Bitmap, section, "Bitmap");
    LoadBitmapKey(b.CheckBitmap, section, "CheckButton");
    LoadBitmapKey(b.RadioBitmap, section, "RadioButton");
    b.LeftWidth = ReadInteger(section, "LeftWidth", 0);
    b.RightWidth = ReadInteger(section, "RightWidth", 0);
    b.TopHeight = ReadInteger(section, "TopHeight", 0);
    b.BottomHeight = ReadInteger(section, "BottomHeight", 0);
    b.Trans = ReadInteger(section, "Trans", 0);
    b.Tile = ReadInteger(section, "Tile", 0);  // stored unchanged, unlike the image sections
    b.NormalColour = ReadInteger(section, "NormalColour", -1);
    b.MouseOverColour = ReadInteger(section, "MouseOverColour", -1);
    b.PressedColour = ReadInteger(section, "PressedColour", -1);
    b.RadioFrameCount = ReadInteger(section, "RadioButtonFrame", 0);
    b.CheckFrameCount = ReadInteger(section, "CheckButtonFrame", 0);
    auto textColour = [&](std::string_view key, TColor& slot, std::uint8_t& given) {
        const std::string value = ReadString(section, key);
        slot = ParseColour(value, ButtonTextColour);
        given = value.empty() ? 0 : 1;
    };
    textColour("NormalColour2", b.NormalColour2, b.HasNormalColour2);
    textColour("MouseOverColour2", b.MouseOverColour2, b.HasMouseOverColour2);
    textColour("PressedColour2", b.PressedColour2, b.HasPressedColour2);
}

void TSkinData::ParseTitle() {
    TDataSkinTitle& t = Title;
    LoadBitmapKey(t.Bitmap, kPersonality, "TextBack");
    t.LeftWidth = ReadInteger(kPersonality, "TextShift", 0);
    t.TopHeight = ReadInteger(kPersonality, "TextShiftVert", 0);
    t.RightWidth = ReadInteger(kPersonality, "TextRightClip", 0);
    t.BottomHeight = 0;
    t.TextAlignment = ReadInteger(kPersonality, "TextAlignment", 0);
    t.Textbackground = ReadInteger(kPersonality, "Textbackground", 0);
    t.TXTBackleft = ReadInteger(kPersonality, "TXTBackleft", 0);
    t.TXTBackRight = ReadInteger(kPersonality, "TXTBackRight", 0);
    // A caption text colour counts only when all three of its parts are given.
    auto textColour = [this](const std::string& prefix) {
        const std::int32_t r = ReadInteger(kPersonality, prefix + "R", -1);
        const std::int32_t g = ReadInteger(kPersonality, prefix + "G", -1);
        const std::int32_t b = ReadInteger(kPersonality, prefix + "B", -1);
        return r >= 0 && g >= 0 && b >= 0 ? RgbOfInts(r, g, b) : kClNone;
    };
    t.ActiveTextColour = textColour("ActiveText");
    t.InActiveTextColour = textColour("InActiveText");
    t.FontHeight = ReadInteger("Fonts", "FontHeight", 14);
}

void TSkinData::ParseProgressAndMenuBar() {
    constexpr std::string_view section = "Progress";
    Progress.reset();
    const std::string image = ReadString(section, "Bitmap");
    if (!image.empty()) {
        Progress = std::make_unique<TDataSkinBorder>(std::string(section));
        TDataSkinBorder& p = *Progress;
        LoadBitmapMember(p.Bitmap, image);
        LoadBitmapKey(p.Bitmap2, section, "Chunk");
        p.LeftWidth = ReadInteger(section, "LeftWidth", 0);
        p.RightWidth = ReadInteger(section, "RightWidth", 0);
        p.TopHeight = ReadInteger(section, "TopHeight", 0);
        p.BottomHeight = ReadInteger(section, "BottomHeight", 0);
        p.Trans = ReadInteger(section, "Trans", 0);
        p.Tile = ReadInteger(section, "Tile", 0);  // stored unchanged
        p.Style = ReadInteger(section, "Style", 0);
    }

    MenuBar.reset();
    const std::string menuBar = ReadString(kPersonality, "menuBar");
    if (!menuBar.empty()) {
        MenuBar = std::make_unique<TDataSkinObject>(std::string(kPersonality));
        LoadBitmapMember(MenuBar->Bitmap, menuBar);
        MenuBar->Tile = ReadInteger(kPersonality, "TileMenu", 0);
        MenuBar->LeftWidth = ReadInteger(kPersonality, "TileLeftMenu", 1);
        MenuBar->RightWidth = ReadInteger(kPersonality, "TileRightMenu", 1);
    }
}

void TSkinData::FillImageSection(TDataSkinObject& object, const std::string& section,
                                 bool readStyle) {
    object.LeftWidth = ReadInteger(section, "LeftWidth", 0);
    object.RightWidth = ReadInteger(section, "RightWidth", 0);
    object.TopHeight = ReadInteger(section, "TopHeight", 0);
    object.BottomHeight = ReadInteger(section, "BottomHeight", 0);
    object.Trans = ReadInteger(section, "Trans", 0);
    const std::int32_t tile = ReadInteger(section, "Tile", 0);
    object.Tile = tile > 1 ? 0 : tile;
    if (readStyle) object.Style = ReadInteger(section, "Style", 0);
    object.NormalColour = ReadInteger(section, "NormalColour", -1);
    object.MouseOverColour = ReadInteger(section, "MouseOverColour", -1);
    object.PressedColour = ReadInteger(section, "PressedColour", -1);
    object.NormalColour2 = ParseColour(ReadString(section, "NormalColour2"), ButtonTextColour);
    object.MouseOverColour2 =
        ParseColour(ReadString(section, "MouseOverColour2"), ButtonTextColour);
    object.PressedColour2 = ParseColour(ReadString(section, "PressedColour2"), ButtonTextColour);
}

// The slot is filled before its bitmaps are decoded, so that a bad image leaves the
// half-built object where the next parse will free it.
template <class T>
void TSkinData::ParseImageSection(std::unique_ptr<T>& slot, std::string_view section,
                                  bool readStyle, std::string_view secondBitmapKey) {
    slot.reset();
    const std::string image = ReadString(section, "Image");
    if (image.empty()) return;
    const std::string name(section);
    slot = std::make_unique<T>(name);
    LoadBitmapMember(slot->Bitmap, image);
    if constexpr (std::is_same_v<T, TDataSkinBorder>) {
        if (!secondBitmapKey.empty()) LoadBitmapKey(slot->Bitmap2, section, secondBitmapKey);
    }
    FillImageSection(*slot, name, readStyle);
}

void TSkinData::ParseImageSections() {
    ParseImageSection(Tabs, "Tabs", false, "Border");
    ParseImageSection(StatusBarEdges, "StatusBarEdges", true);
    ParseImageSection(ComboButton, "ComboButton", false);
    MirrorComboButton();
    ParseImageSection(SunkEdge, "SunkEdge", true);
    ParseImageSection(ExtraImages, "ExtraImages", true);
    ParseImageSection(Headerbar, "Headerbar", true);
    ParseImageSection(MenuItem, "MenuItem", true);
    ParseImageSection(MenuBackground, "MenuBackground", true);
    ParseImageSection(Scrollbar, "Scrollbar", true);
    ParseImageSection(HorzScroll, "HorzScroll", true);
    ParseImageSection(VertScroll, "VertScroll", true);
    ParseImageSection(HorzScrollThumb, "HorzScrollThumb", true);
    ParseImageSection(VertScrollThumb, "VertScrollThumb", true);
    ParseImageSection(TrackbarThumbHorz, "Trackbar.ThumbHorz", true);
    ParseImageSection(TrackbarThumbVert, "Trackbar.ThumbVert", true);
    ParseImageSection(UpDownHorz, "UpDown.Horz", false, "GlyphImage");
    ParseImageSection(UpDownVert, "UpDown.Vert", false, "GlyphImage");
}

// The combo button's second image is its first one mirrored left to right.
void TSkinData::MirrorComboButton() {
    if (!ComboButton || ComboButton->Bitmap.Empty()) return;
    ComboButton->Bitmap2 = ComboButton->Bitmap.Clone();
    MirrorBitmap(ComboButton->Bitmap2);
}

void TSkinData::SetFrameCounts() {
    auto set = [](auto& slot, std::int32_t frames) {
        if (slot) slot->FrameCount = frames;
    };
    Title.FrameCount = 2;
    Buttons.FrameCount = 5;
    set(Progress, 2);
    set(MenuBar, 2);
    for (auto* slot : {&ExtraImages, &Headerbar, &MenuItem, &TrackbarThumbHorz, &TrackbarThumbVert})
        set(*slot, 5);
    set(Tabs, 5);
    set(StatusBarEdges, 3);
    set(ComboButton, 4);
    for (auto* slot : {&SunkEdge, &HorzScroll, &VertScroll}) set(*slot, 4);
    set(MenuBackground, 1);
    set(Scrollbar, 23);
    set(UpDownHorz, 8);
    set(UpDownVert, 8);
    set(HorzScrollThumb, ReadInteger("HorzScrollThumb", "FrameCount", 3));
    set(VertScrollThumb, ReadInteger("VertScrollThumb", "FrameCount", 3));
    if (Buttons.RadioFrameCount == 0) Buttons.RadioFrameCount = DeriveCheckFrameCount(Buttons.RadioBitmap);
    if (Buttons.CheckFrameCount == 0) Buttons.CheckFrameCount = DeriveCheckFrameCount(Buttons.CheckBitmap);
}

}  // namespace zuno::skin

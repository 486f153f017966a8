// Builds the flat-colour skin package with the real skin writer.
#include "tests/win/SkinFixture.h"

#include <string>

#include "skin/draw/BmpEncoder.h"
#include "skin/package/LzhEncoder.h"

namespace zuno::wintest {
namespace {

using skin::Pixel32;
using skin::SkinBitmap;

Pixel32 P(COLORREF c) { return skin::MakePixel(GetRValue(c), GetGValue(c), GetBValue(c)); }

// Two frames of solid colour, side by side or stacked.
SkinBitmap TwoFrames(int w, int h, bool stacked, COLORREF active, COLORREF inactive) {
    SkinBitmap b(stacked ? w : 2 * w, stacked ? 2 * h : h);
    b.Fill({0, 0, w, h}, P(active));
    if (stacked)
        b.Fill({0, h, w, 2 * h}, P(inactive));
    else
        b.Fill({w, 0, 2 * w, h}, P(inactive));
    return b;
}

SkinBitmap Buttons(COLORREF c) {
    // Four frames: normal, pressed, over, inactive; pressed and over darker.
    SkinBitmap b(4 * kFixButtonWidth, kFixButtonHeight, P(c));
    b.Fill({kFixButtonWidth, 0, 3 * kFixButtonWidth, kFixButtonHeight}, P(RGB(10, 10, 10)));
    b.Fill({3 * kFixButtonWidth, 0, 4 * kFixButtonWidth, kFixButtonHeight}, P(RGB(90, 90, 90)));
    return b;
}

// Three buttons of four frames each, side by side: minimise, restore, close.
SkinBitmap MdiStrip() {
    const int a = kFixMdiButton;
    SkinBitmap b(12 * a, a, P(RGB(10, 10, 10)));
    const COLORREF colours[3] = {kFixMdiMin, kFixMdiRestore, kFixMdiClose};
    for (int j = 0; j < 3; ++j) b.Fill({4 * a * j, 0, 4 * a * j + a, a}, P(colours[j]));
    return b;
}

skin::SkinPackageMember Bmp(std::string name, const SkinBitmap& b) {
    return {std::move(name), skin::EncodeBmp24(b)};
}

// Five frames side by side: normal, separator, (unused), selected, (unused).
SkinBitmap MenuItemFrames() {
    const int w = 20, h = kFixItemImageHeight;
    SkinBitmap b(5 * w, h, P(RGB(128, 128, 128)));
    b.Fill({0, 0, w, h}, P(kFixItem));
    b.Fill({w, 0, 2 * w, h - kFixSeparatorRows}, skin::kKeyPixel);
    b.Fill({w, h - kFixSeparatorRows, 2 * w, h}, P(kFixSeparator));
    b.Fill({3 * w, 0, 4 * w, h}, P(kFixItemSelected));
    return b;
}

SkinBitmap MenuBackground() {
    SkinBitmap b(20, 20, P(kFixMenuBorder));
    b.Fill({3, 3, 17, 17}, P(kFixMenuBack));
    return b;
}

// n frames of w x h side by side, frame i in colours[i].
SkinBitmap Strip(int w, int h, const COLORREF* colours, int n) {
    SkinBitmap b(w * n, h);
    for (int i = 0; i < n; ++i) b.Fill({i * w, 0, (i + 1) * w, h}, P(colours[i]));
    return b;
}

std::vector<std::uint8_t> Package(COLORREF left, int leftWidth, bool controls, bool roundCorners, int menuBarLeft);

}  // namespace

std::vector<std::uint8_t> FlatSkinPackage(COLORREF left, int leftWidth, bool roundCorners, int menuBarLeft) {
    return Package(left, leftWidth, false, roundCorners, menuBarLeft);
}

std::vector<std::uint8_t> ControlsSkinPackage() { return Package(kFixLeft, kFixLeftWidth, true, true, -1); }

namespace {

std::vector<std::uint8_t> Package(COLORREF left, int leftWidth, bool controls, bool roundCorners, int menuBarLeft) {
    SkinBitmap top = TwoFrames(40, kFixTopHeight, true, kFixTop, kFixTopInactive);
    // Rounded-corner stand-in: the two outermost pixels of the first row are key.
    for (int f = 0; f < 2 && roundCorners; ++f) {
        const int y = f * kFixTopHeight;
        top.SetPixel(0, y, skin::kKeyPixel);
        top.SetPixel(1, y, skin::kKeyPixel);
        top.SetPixel(38, y, skin::kKeyPixel);
        top.SetPixel(39, y, skin::kKeyPixel);
    }
    const std::string menuBar = menuBarLeft < 0 ? std::string()
                                                  : "menuBar=menubar.bmp\r\nTileLeftMenu=" +
                                                        std::to_string(menuBarLeft) + "\r\nTileRightMenu=1\r\n";
    const std::string ini =
        "[Personality]\r\nSkinName=flat\r\n" + menuBar +
        "Left=left.bmp\r\nLeftFrame=2\r\n"
        "Right=right.bmp\r\nRightFrame=2\r\n"
        "Top=top.bmp\r\nTopFrame=2\r\nTopTopHeight=2\r\nTopBotHeight=2\r\n"
        "Bottom=bottom.bmp\r\nBottomFrame=2\r\n"
        "[Button1]\r\nButtonImage=close.bmp\r\nAction=0\r\nAlign=1\r\nXcoord=22\r\nYcoord=4\r\nframe=4\r\n"
        "[Button2]\r\nButtonImage=max.bmp\r\nAction=1\r\nAlign=1\r\nXcoord=40\r\nYcoord=4\r\nframe=4\r\n"
        "Visibility=2\r\n"
        "[Button3]\r\nButtonImage=restore.bmp\r\nAction=22\r\nAlign=1\r\nXcoord=40\r\nYcoord=4\r\nframe=4\r\n"
        "Visibility=1\r\n"
        "[MDICONTROLS]\r\nImage=mdi.bmp\r\n"
        "[Colours]\r\nMenubar=230 230 230\r\nMenuBarText=0 0 0\r\nTitleTextActive=255 255 255\r\n"
        "TitleTextNoActive=128 128 128\r\nButtonFace=240 240 240\r\n" +
        std::string(controls ? "ButtonText=0 0 170\r\nButtonShadow=50 50 50\r\n"
                               "[Buttons]\r\nBitmap=buttons.bmp\r\nCheckButton=check.bmp\r\nRadioButton=radio.bmp\r\n"
                               "CheckButtonFrame=4\r\nRadioButtonFrame=8\r\nTrans=1\r\n"
                               "[ComboButton]\r\nImage=combo.bmp\r\n"
                               "[SunkEdge]\r\nImage=sunk.bmp\r\nLeftWidth=2\r\nRightWidth=2\r\nTopHeight=2\r\n"
                               "BottomHeight=2\r\n"
                             : "Menu=250 240 200\r\nMenuText=0 0 96\r\nHilight=40 80 160\r\n"
                               "HilightText=255 255 255\r\nButtonShadow=150 150 150\r\nButtonHilight=250 10 10\r\n"
                               "[MenuItem]\r\nImage=menuitem.bmp\r\nLeftWidth=2\r\nRightWidth=2\r\n"
                               "[MenuBackground]\r\nImage=menubg.bmp\r\nLeftWidth=3\r\nTopHeight=3\r\n"
                               "RightWidth=3\r\nBottomHeight=3\r\n");
    std::vector<skin::SkinPackageMember> members;
    members.push_back({"skin.ini", std::vector<std::uint8_t>(ini.begin(), ini.end())});
    members.push_back(Bmp("left.bmp", TwoFrames(leftWidth, 40, false, left, kFixLeftInactive)));
    members.push_back(Bmp("right.bmp", TwoFrames(kFixRightWidth, 40, false, kFixRight, kFixRightInactive)));
    members.push_back(Bmp("top.bmp", top));
    members.push_back(Bmp("bottom.bmp", TwoFrames(40, kFixBottomHeight, true, kFixBottom, kFixBottomInactive)));
    members.push_back(Bmp("close.bmp", Buttons(kFixClose)));
    members.push_back(Bmp("max.bmp", Buttons(kFixMax)));
    members.push_back(Bmp("restore.bmp", Buttons(kFixRestore)));
    members.push_back(Bmp("mdi.bmp", MdiStrip()));
    if (controls) {
        members.push_back(Bmp("buttons.bmp", Strip(12, 12, kFixButtonFrames, 5)));
        members.push_back(Bmp("check.bmp", Strip(kFixCheckCell, kFixCheckCell, kFixCheckFrames, 4)));
        members.push_back(Bmp("radio.bmp", Strip(kFixCheckCell, kFixCheckCell, kFixRadioFrames, 8)));
        members.push_back(Bmp("combo.bmp", Strip(8, 8, kFixComboFrames, 4)));
        members.push_back(Bmp("sunk.bmp", Strip(8, 8, kFixSunkFrames, 4)));
    } else {
        members.push_back(Bmp("menuitem.bmp", MenuItemFrames()));
        members.push_back(Bmp("menubg.bmp", MenuBackground()));
    }
    if (menuBarLeft >= 0)
        members.push_back(Bmp("menubar.bmp", TwoFrames(40, 20, true, kFixMenuBarImage, kFixMenuBarImage)));
    return skin::WriteSkinPackage(members);
}

}  // namespace

}  // namespace zuno::wintest

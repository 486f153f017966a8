// A skin package in flat colours for the frame tests: every border piece, the
// caption background and the title buttons have their own colour (magenta corners
// included), so that a capture of the window shows where each part was drawn.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace zuno::wintest {

// Colours of the fixture (COLORREF, 0x00BBGGRR).
inline constexpr COLORREF kFixLeft = RGB(200, 0, 0), kFixLeftInactive = RGB(100, 0, 0);
inline constexpr COLORREF kFixRight = RGB(0, 200, 0), kFixRightInactive = RGB(0, 100, 0);
inline constexpr COLORREF kFixTop = RGB(0, 0, 200), kFixTopInactive = RGB(0, 0, 100);
inline constexpr COLORREF kFixBottom = RGB(200, 200, 0), kFixBottomInactive = RGB(100, 100, 0);
inline constexpr COLORREF kFixClose = RGB(0, 200, 200);
inline constexpr COLORREF kFixMax = RGB(200, 0, 200 - 1), kFixRestore = RGB(20, 40, 60);
inline constexpr COLORREF kFixMenuBar = RGB(230, 230, 230);
// The buttons of a maximised MDI child, 12 x 12 per frame (Xcoord 48, 32, 16).
inline constexpr COLORREF kFixMdiMin = RGB(10, 120, 10), kFixMdiRestore = RGB(120, 10, 120),
                          kFixMdiClose = RGB(200, 100, 0);
inline constexpr int kFixMdiButton = 12;

// Border thicknesses of the fixture: left 5, top 24, right 6, bottom 7. The top
// piece's two top-left and top-right pixels are magenta (outside the region).
inline constexpr int kFixLeftWidth = 5, kFixTopHeight = 24, kFixRightWidth = 6, kFixBottomHeight = 7;
// Title buttons: close (Action 0) at Align 1, Xcoord 22, Ycoord 4, 16 x 14 per frame;
// maximise (Action 1, Visibility 2) and restore (Action 22, Visibility 1) at Xcoord 40.
inline constexpr int kFixButtonWidth = 16, kFixButtonHeight = 14;

// Menus: the menu background is a 3-pixel band around a plain centre; the menu-item
// image has five 20 x 18 frames (1 normal, 2 separator: key colour above its last
// four rows, 4 selected) with 2-pixel side margins.
inline constexpr COLORREF kFixMenuBorder = RGB(120, 60, 0), kFixMenuBack = RGB(250, 240, 200);
inline constexpr COLORREF kFixItem = RGB(220, 230, 250), kFixItemSelected = RGB(40, 80, 160);
inline constexpr COLORREF kFixSeparator = RGB(0, 128, 128);
inline constexpr COLORREF kFixMenuText = RGB(0, 0, 96), kFixMenuShadow = RGB(150, 150, 150);
inline constexpr COLORREF kFixButtonHilight = RGB(250, 10, 10);
inline constexpr int kFixItemMargin = 2, kFixItemImageHeight = 18, kFixSeparatorRows = 4;
// Colour of the optional menu-bar image.
inline constexpr COLORREF kFixMenuBarImage = RGB(180, 210, 180);

// The package bytes; a variant may give the left border another colour and width,
// the top piece square corners, or a menu-bar image whose left cap is `menuBarLeft`
// wide (none when negative).
std::vector<std::uint8_t> FlatSkinPackage(COLORREF left = kFixLeft, int leftWidth = kFixLeftWidth,
                                          bool roundCorners = true, int menuBarLeft = -1);

// The controls variant adds flat images for the control wrappers: [Buttons] with five
// push-button frames, a 4-frame check strip and an 8-frame radio strip of 13-pixel
// cells, a 4-frame combo button and sunk edge, each frame in its own colour.
inline constexpr COLORREF kFixFace = RGB(240, 240, 240);
inline constexpr COLORREF kFixButtonFrames[5] = {RGB(10, 100, 10), RGB(20, 20, 120), RGB(90, 90, 90),
                                                  RGB(200, 120, 0), RGB(120, 0, 120)};
inline constexpr COLORREF kFixCheckFrames[4] = {RGB(0, 150, 150), RGB(150, 0, 150), RGB(60, 60, 0), RGB(0, 60, 60)};
inline constexpr COLORREF kFixRadioFrames[8] = {RGB(1, 50, 1),  RGB(2, 50, 2),  RGB(3, 50, 3),  RGB(4, 50, 4),
                                                RGB(5, 50, 5),  RGB(6, 50, 6),  RGB(7, 50, 7),  RGB(8, 50, 8)};
inline constexpr COLORREF kFixComboFrames[4] = {RGB(250, 0, 0), RGB(0, 250, 0), RGB(0, 0, 250), RGB(250, 250, 0)};
inline constexpr COLORREF kFixSunkFrames[4] = {RGB(100, 0, 0), RGB(0, 100, 0), RGB(0, 0, 100), RGB(100, 100, 0)};
inline constexpr COLORREF kFixButtonText = RGB(0, 0, 170);
inline constexpr COLORREF kFixShadow = RGB(50, 50, 50);
inline constexpr int kFixCheckCell = 13;
std::vector<std::uint8_t> ControlsSkinPackage();

}  // namespace zuno::wintest

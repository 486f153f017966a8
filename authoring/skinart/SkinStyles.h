// The looks of the shipped skins: each skin is one SkinStyle, a small set of base
// colours and shape choices from which every bitmap and the [Colours] section are
// derived, so that one skin's parts always agree with each other.
#pragma once

#include <string>
#include <vector>

#include "authoring/skinart/ArtImage.h"

namespace zuno::skinart {

// How the caption buttons (close, maximise, restore, minimise) are drawn.
enum class TitleButtonLook {
    Glass,  // rounded squares with a glossy fill and a light rim, close always red
    Flat,   // bare glyphs; a soft plate on hover, close turns red
    Round,  // small round pebbles in the caption colours
};

// The decoration painted just right of the title text.
enum class Ornament { Droplet, Star, Leaf, Moon, Blossom, Diamond };

struct SkinStyle {
    std::string id;    // ASCII, for command lines and folder-independent lookups
    std::string name;  // the skin's name as users see it (UTF-8): SkinName and file name
    bool isDefault = false;
    std::string description;  // one line for the README and --list

    // Frame geometry, pixels.
    int captionHeight = 27;
    int borderWidth = 5;    // left and right pieces
    int bottomHeight = 5;
    double topRadius = 7;   // outer corners of the caption
    double bottomRadius = 3;

    // Caption of the active window, top to bottom, and the glossy break: the upper
    // part of the caption is lightened above `glossAt` (0 = no gloss).
    std::vector<Stop> caption;
    double glossAt = 0;
    double glossStrength = 0;
    bool brushed = false;    // fine horizontal streaks, as on brushed metal
    Rgb outline;             // the outermost line of the frame
    Rgb frame;               // the side and bottom borders
    Rgb captionText;
    Rgb inactiveText;
    // The inactive caption is the active one moved this far towards `inactiveTint`.
    Rgb inactiveTint;
    double inactiveFade = 0.6;

    // Client area and controls.
    Rgb face;         // ButtonFace: forms and dialogs
    Rgb faceText;     // ButtonText
    Rgb shadow;       // ButtonShadow
    Rgb highlight;    // ButtonHilight: the program frames the menu-bar item under the mouse in it
    Rgb darkShadow;   // ButtonDkShadow
    Rgb field;        // inside edits, combo boxes, tracks
    Rgb control;      // resting colour of push buttons and bars
    Rgb controlEdge;  // their outline
    Rgb accent;       // selection, progress, focus
    Rgb accentText;   // text on the accent
    Rgb scrollTrack;  // Scrollbar colour

    // Menus.
    Rgb menu;
    Rgb menuText;
    Rgb menuGutter;   // the icon column on the left of popup menus
    std::vector<Stop> menuBar;
    Rgb menuBarText;

    TitleButtonLook buttons = TitleButtonLook::Flat;
    Rgb glyph;        // caption button symbols
    Rgb closeRed;     // the close button's hover (or resting, for Glass) colour
    Ornament ornament = Ornament::Droplet;
    Rgb ornamentColour;
    int progressStyle = 0;  // 0 two frames, 1 chunks
    double controlRadius = 3;
};

// Every shipped skin; the default skin first.
const std::vector<SkinStyle>& AllSkinStyles();
// Looks a skin up by id or by name; nullptr when there is none.
const SkinStyle* FindSkinStyle(const std::string& idOrName);

// Colours of a caption row (0 .. captionHeight - 1), active or inactive: what lies
// behind the title text and the caption buttons.
Rgb CaptionColour(const SkinStyle& style, double y, bool active);
// The caption paint for the whole caption strip, gloss and streaks included.
Paint CaptionPaint(const SkinStyle& style, bool active);
// The menu bar's colour at a row of a bar `height` pixels high.
Rgb MenuBarColour(const SkinStyle& style, double y, double height);
// The dark skin and its like draw light glyphs on dark parts.
bool IsDark(const SkinStyle& style);
// The colour of depth in the art (grooves, lower bevels). Not ButtonShadow on dark
// skins: there ButtonShadow is a mid grey, since the program writes disabled text in it.
Rgb Shade(const SkinStyle& style);
// The light edge of bevels and rims: white, or a lifted face colour on dark skins.
Rgb BevelLight(const SkinStyle& style);

}  // namespace zuno::skinart

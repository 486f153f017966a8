// Which wrapper each control gets: the rules for a form's control objects (by class,
// the skin's control set and the class-name map) and for the child windows of a plain
// window (by window class and style). Portable: the Windows side supplies the facts.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/SkinControlTypes.h"

namespace zuno::skin::controls {

// One value per wrapper class; None: no wrapper.
enum class SkinKind : std::uint8_t {
    None,
    Button, BitButton, SpeedButton, CheckBox, RadioButton, ComBox, Edit, GroupBox, Box, Sizer,
    // Wrappers of the common controls and scroll bars.
    Tab, Tab31, TrackBar, UpDown, StatusBar, Progress, ScControl, Scrollbar, ListView,
};

// What discovery knows about a control object C.
struct ControlFacts {
    std::string className;                          // C's class name as it is
    std::function<bool(std::string_view)> isA;      // C is that class or a descendant
    TSkinControlTypes controls;                     // the skin's SkinControls
    bool skinHasTabs = false;                       // the skin has a Tabs object
    bool scrollStyle = false;                       // WS_HSCROLL or WS_VSCROLL in its style
    int tag = 0;
    bool pickerShowsUpDown = false;                 // a date-time picker in up-down mode
};

// The outcome for C. Unless said otherwise the wrapper is owned by C, attached to
// the control object and does not own the colour.
struct ControlDecision {
    int row = 0;                   // the matching row of the class table; 0: none matched
    SkinKind kind = SkinKind::None;
    bool ownsColour = false;
    bool attachToWindow = false;   // attach to C's window rather than to the object
    bool frameOwns = false;        // the frame, not C, owns the wrapper
    bool recurse = false;          // run discovery over C's own components too
    bool ownThumb = true;          // scroll-bar wrappers: handle their own thumb clicks
    SkinKind childKind = SkinKind::None;  // every child control of C gets this wrapper
    bool setFlat = false;          // "Flat" := True where C has it
    bool setTransparent = false;   // "Transparent" := True where C has it
    bool toolBar = false;          // custom-drawn tool buttons, owner-drawn menu items
    bool toolButtonMenu = false;   // the items of C's drop-down menu become owner-drawn
    bool switchOffGrip = false;    // a status bar's size grip is switched off
    bool fixedColour = false;      // a grid's fixed cells take the face colour
};

// The kind of the first Skin3rd line whose lower-cased text begins with the class
// name, lower-cased, followed by "="; the text after the first "=" (at most 50
// characters), lower-cased. Nothing when no line matches.
std::optional<std::string> Skin3rdKind(const std::vector<std::string>& lines, std::string_view className);

// The decision of a Skin3rd kind (row 3 of the class table).
ControlDecision DecideSkin3rd(const std::string& kind, TSkinControlTypes controls, bool skinHasTabs);

// The first matching row of the class table.
ControlDecision ClassifyControl(const ControlFacts& c, const std::vector<std::string>& skin3rd);

// Discovery over a plain window's child window: the wrapper for a window of this
// class (any case) and style; `onFirstChild` when it goes on the window's first child.
struct WindowDecision {
    SkinKind kind = SkinKind::None;
    bool onFirstChild = false;
};
WindowDecision ClassifyChildWindow(std::string_view className, std::uint32_t style, bool hasFirstChild);

// ASCII case changes; other bytes (code page 936 lead and trail bytes) stay.
std::string AsciiLower(std::string_view s);
std::string AsciiUpper(std::string_view s);

}  // namespace zuno::skin::controls

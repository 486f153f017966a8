// The class table and the class-name map for control objects, and the class/style
// table for the child windows of plain windows.
#include "skin/controls/core/ControlRules.h"

#include <algorithm>
#include <initializer_list>

namespace zuno::skin::controls {
namespace {

using X = TSkinControlType;

bool OneOf(const std::string& n, std::initializer_list<std::string_view> names) {
    return std::find(names.begin(), names.end(), n) != names.end();
}

ControlDecision Wrap(int row, SkinKind kind) {
    ControlDecision d;
    d.row = row;
    d.kind = kind;
    return d;
}

ControlDecision OwningColour(int row, SkinKind kind, bool recurse) {
    ControlDecision d = Wrap(row, kind);
    d.ownsColour = true;
    d.recurse = recurse;
    return d;
}

ControlDecision RecurseOnly(int row) {
    ControlDecision d = Wrap(row, SkinKind::None);
    d.recurse = true;
    return d;
}

ControlDecision ScrollWrapper(int row, bool ownThumb) {
    ControlDecision d = Wrap(row, SkinKind::Scrollbar);
    d.ownThumb = ownThumb;
    return d;
}

// Rows 4 to 19 (rows 1 to 3 are decided before the class-name map is consulted).
std::optional<ControlDecision> ClassRows(const ControlFacts& c, const std::string& n) {
    const TSkinControlTypes x = c.controls;
    const bool tabs = x.Contains(X::xcTab) && c.skinHasTabs;
    const bool scroll = x.Contains(X::xcScrollbar);
    if (c.isA("TToolButton") && x.Contains(X::xcMainMenu)) {
        ControlDecision d = Wrap(4, SkinKind::None);
        d.toolButtonMenu = true;
        return d;
    }
    if (n == "TTABSET" && tabs) return Wrap(5, SkinKind::Tab31);
    if (n == "TTABBEDNOTEBOOK" && tabs) {
        ControlDecision d = Wrap(6, SkinKind::Tab);
        d.attachToWindow = true;
        return d;
    }
    if (n == "TMVCPANEL") return RecurseOnly(7);
    if (c.isA("TPageControl") && tabs) {
        ControlDecision d = Wrap(8, SkinKind::Tab);
        d.attachToWindow = d.frameOwns = true;
        return d;
    }
    if (c.isA("TCustomCheckBox") && x.Contains(X::xcCheckBox)) return Wrap(9, SkinKind::CheckBox);
    if (n == "TTRACKBAR" && x.Contains(X::xcButton)) return Wrap(10, SkinKind::TrackBar);
    if (n == "TUPDOWN" && x.Contains(X::xcButton)) return Wrap(11, SkinKind::UpDown);
    if (c.isA("TCustomRadioGroup") && x.Contains(X::xcRadioButton)) {
        ControlDecision d = OwningColour(12, SkinKind::GroupBox, false);
        d.childKind = SkinKind::RadioButton;
        return d;
    }
    if (n == "TDBNAVIGATOR" && x.Contains(X::xcPanel)) {
        ControlDecision d = OwningColour(13, SkinKind::Box, false);
        d.setFlat = true;
        return d;
    }
    if (c.isA("TCustomGroupBox") && x.Contains(X::xcPanel)) return OwningColour(14, SkinKind::GroupBox, true);
    if (c.isA("TRadioButton") && x.Contains(X::xcRadioButton)) return Wrap(15, SkinKind::RadioButton);
    if (c.isA("TToolBar") && x.Contains(X::xcToolbar)) {
        ControlDecision d = OwningColour(16, SkinKind::Box, false);
        d.setFlat = d.setTransparent = d.toolBar = true;
        return d;
    }
    if (c.isA("TStatusBar") && x.Contains(X::xcStatusBar)) {
        ControlDecision d = Wrap(17, SkinKind::StatusBar);
        d.switchOffGrip = true;
        return d;
    }
    if (c.isA("TProgressBar") && x.Contains(X::xcProgress)) return Wrap(18, SkinKind::Progress);
    if (c.isA("TScrollBar") && scroll) return Wrap(19, SkinKind::ScControl);
    return std::nullopt;
}

// Rows 20 to 34.
std::optional<ControlDecision> LaterClassRows(const ControlFacts& c, const std::string& n) {
    const TSkinControlTypes x = c.controls;
    const bool scroll = x.Contains(X::xcScrollbar);
    if (c.isA("TCustomComboBox") && x.Contains(X::xcCombo)) return Wrap(20, SkinKind::ComBox);
    if (n == "TDATETIMEPICKER" && x.Contains(X::xcEdit))
        return Wrap(21, c.pickerShowsUpDown ? SkinKind::Edit : SkinKind::ComBox);
    if (scroll && OneOf(n, {"TRICHEDIT", "TWWDBRICHEDIT", "TDXDBMEMO"})) return ScrollWrapper(22, true);
    if (c.isA("TBitBtn")) return Wrap(23, x.Contains(X::xcBitBtn) ? SkinKind::BitButton : SkinKind::None);
    if (c.isA("TSpeedButton") && x.Contains(X::xcSpeedButton)) return Wrap(24, SkinKind::SpeedButton);
    if (c.isA("TCustomPanel") && x.Contains(X::xcPanel)) return OwningColour(25, SkinKind::Box, true);
    if (scroll && OneOf(n, {"TDXTREELIST", "TDXDBTREELIST", "TDXDBGRID"})) return ScrollWrapper(26, false);
    if (c.isA("TCustomListView") && scroll) return Wrap(27, SkinKind::ListView);
    if (scroll && c.isA("TCustomMemo")) return ScrollWrapper(28, true);
    if (scroll && c.isA("TCustomGrid")) {
        ControlDecision d = ScrollWrapper(29, true);
        d.fixedColour = true;
        return d;
    }
    const bool scrollable = c.scrollStyle || c.isA("TListBox") || c.isA("TMemo") || c.isA("TCustomListBox") ||
                            c.isA("TCustomTreeView") || c.isA("TScrollBox") || c.tag == 55;
    if (scroll && scrollable) return ScrollWrapper(30, true);
    if (c.isA("TButton") && x.Contains(X::xcButton)) return Wrap(31, SkinKind::Button);
    if (c.isA("TCustomEdit") && x.Contains(X::xcEdit)) {
        ControlDecision d = Wrap(32, SkinKind::Edit);
        d.attachToWindow = true;
        return d;
    }
    if (c.isA("TCustomFrame")) return RecurseOnly(33);
    if (c.isA("TCustomForm")) return OwningColour(34, SkinKind::Box, true);
    return std::nullopt;
}

}  // namespace

std::string AsciiLower(std::string_view s) {
    std::string r(s);
    for (char& ch : r)
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
    return r;
}

std::string AsciiUpper(std::string_view s) {
    std::string r(s);
    for (char& ch : r)
        if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
    return r;
}

std::optional<std::string> Skin3rdKind(const std::vector<std::string>& lines, std::string_view className) {
    const std::string key = AsciiLower(className) + "=";
    for (const std::string& line : lines) {
        if (line.size() < key.size() || AsciiLower(std::string_view(line).substr(0, key.size())) != key) continue;
        const std::size_t eq = line.find('=');
        return AsciiLower(std::string_view(line).substr(eq + 1, 50));
    }
    return std::nullopt;
}

ControlDecision DecideSkin3rd(const std::string& kind, TSkinControlTypes x, bool skinHasTabs) {
    ControlDecision d = Wrap(3, SkinKind::None);
    auto when = [&](bool condition, SkinKind k) {
        if (condition) d.kind = k;
        return d;
    };
    if (kind == "combobox") return when(x.Contains(X::xcCombo), SkinKind::ComBox);
    if (kind == "edit") {
        d.attachToWindow = true;
        return when(x.Contains(X::xcEdit), SkinKind::Edit);
    }
    if (kind == "radiobutton") return when(x.Contains(X::xcRadioButton), SkinKind::RadioButton);
    if (kind == "panel" && x.Contains(X::xcPanel)) {
        d.setTransparent = d.ownsColour = true;
        return when(true, SkinKind::Box);
    }
    if (kind == "trackbar" && x.Contains(X::xcButton)) {
        d.setTransparent = true;
        return when(true, SkinKind::TrackBar);
    }
    if (kind == "button") return when(x.Contains(X::xcButton), SkinKind::Button);
    if (kind == "bitbtn") return when(x.Contains(X::xcButton), SkinKind::BitButton);
    if (kind == "tab") {
        d.attachToWindow = true;
        return when(x.Contains(X::xcTab) && skinHasTabs, SkinKind::Tab);
    }
    if (kind == "progress") return when(x.Contains(X::xcProgress), SkinKind::Progress);
    if (kind == "scrollbar") return when(x.Contains(X::xcScrollbar), SkinKind::Scrollbar);
    if (kind == "groupbox" && x.Contains(X::xcGroupBox)) {
        d.ownsColour = true;
        return when(true, SkinKind::GroupBox);
    }
    if ((kind == "radiogroup" || kind == "checkgroup") && x.Contains(X::xcPanel)) {
        d.ownsColour = true;
        if (x.Contains(X::xcRadioButton))
            d.childKind = kind == "radiogroup" ? SkinKind::RadioButton : SkinKind::CheckBox;
        return when(true, SkinKind::GroupBox);
    }
    if (kind == "checkbox") return when(x.Contains(X::xcCheckBox), SkinKind::CheckBox);
    return d;  // "nil", an unknown kind or a failed condition: no wrapper, no walk
}

ControlDecision ClassifyControl(const ControlFacts& c, const std::vector<std::string>& skin3rd) {
    const std::string n = AsciiUpper(c.className);
    if (OneOf(n, {"TDBCOMBOBOXEH", "TQRPREVIEW", "TFRDESIGNERPAGE", "TFRPBOX"})) return RecurseOnly(1);
    if (c.isA("TTabControl") && c.controls.Contains(X::xcTab) && c.skinHasTabs) {
        ControlDecision d = Wrap(2, SkinKind::Tab);
        d.attachToWindow = true;
        return d;
    }
    if (auto kind = Skin3rdKind(skin3rd, c.className)) return DecideSkin3rd(*kind, c.controls, c.skinHasTabs);
    if (auto d = ClassRows(c, n)) return *d;
    if (auto d = LaterClassRows(c, n)) return *d;
    return ControlDecision{};
}

WindowDecision ClassifyChildWindow(std::string_view className, std::uint32_t s, bool hasFirstChild) {
    const std::string n = AsciiLower(className.substr(0, 100));
    if (n == "button") {
        if ((s & 7) == 7) return {};
        if ((s & 3) == 3 || (s & 2) != 0 || (s & 5) == 5) return {SkinKind::CheckBox};
        if ((s & 9) == 9 || (s & 4) != 0) return {SkinKind::RadioButton};
        return {SkinKind::Button};
    }
    if (n == "combobox") return (s & 3) != 1 ? WindowDecision{SkinKind::ComBox} : WindowDecision{};
    if (n == "comboboxex32") return hasFirstChild ? WindowDecision{SkinKind::ComBox, true} : WindowDecision{};
    if (n == "scrollbar") return {SkinKind::Sizer};
    if (n == "systabcontrol32") return (s & 0x2000) == 0 ? WindowDecision{SkinKind::Tab} : WindowDecision{};
    if (n == "edit") return {SkinKind::Edit};
    return {};
}

}  // namespace zuno::skin::controls

// Which kinds of window parts a skin data component skins, and which windows it
// serves. The set is kept as a bit mask: bit n stands for the value n of
// TSkinControlType, in declaration order, as the stored form data number them.
#pragma once

#include <cstdint>

namespace zuno::skin {

enum class TSkinControlType : std::uint8_t {
    xcMainMenu,     // window frames, menu bars, drop-down menu windows, tool-button menus
    xcPopupMenu,    // popup menu components of a skinned form become owner-drawn
    xcToolbar,
    xcControlbar,   // switches nothing in this program
    xcCombo,
    xcCheckBox,
    xcRadioButton,  // also the children of radio groups and "checkgroup" controls
    xcProgress,
    xcScrollbar,    // scroll bars and scrollable controls
    xcEdit,         // edits and date-time pickers
    xcButton,       // buttons, track bars, up-down controls, the "bitbtn" kind of Skin3rd
    xcBitBtn,
    xcSpeedButton,
    xcPanel,        // panels, group boxes, radio groups, database navigators
    xcGroupBox,     // the "groupbox" kind of Skin3rd
    xcStatusBar,
    xcTab,          // tab controls, page controls, tab sets
    xcSystemMenu,   // the window's system menu is replaced by a skinned one
    xcFastReport,   // when present, windows whose class name begins with "Tfr" stay plain
};

inline constexpr int kSkinControlTypeCount = 19;

// A set of TSkinControlType values.
class TSkinControlTypes {
public:
    constexpr TSkinControlTypes() = default;
    constexpr explicit TSkinControlTypes(std::uint32_t bits) : bits_(bits & kAllBits) {}

    // Every value except xcFastReport: the component's default.
    static constexpr TSkinControlTypes Default() {
        return TSkinControlTypes(kAllBits & ~Bit(TSkinControlType::xcFastReport));
    }

    constexpr bool Contains(TSkinControlType t) const { return (bits_ & Bit(t)) != 0; }
    constexpr void Include(TSkinControlType t) { bits_ |= Bit(t); }
    constexpr void Exclude(TSkinControlType t) { bits_ &= ~Bit(t); }
    constexpr std::uint32_t Bits() const { return bits_; }
    friend constexpr bool operator==(TSkinControlTypes, TSkinControlTypes) = default;

private:
    static constexpr std::uint32_t kAllBits = (std::uint32_t{1} << kSkinControlTypeCount) - 1;
    static constexpr std::uint32_t Bit(TSkinControlType t) {
        return std::uint32_t{1} << static_cast<unsigned>(t);
    }
    std::uint32_t bits_ = 0;
};

// Which windows a component's skin is for; the choice per window is the manager's.
enum class TSkinFormType : std::uint8_t {
    sfMainform,      // every window of the program
    sfOnlyThisForm,  // the owner form only
    sfDialog,        // message boxes and standard dialogs
};

}  // namespace zuno::skin

// Geometry of the display page: tops, heights and visibility of Image1, Label1 and
// the 24 option controls, pagebottom, pagetops and the scroll bar. The Windows side
// measures what only Windows can (picture size, wrapped label height), calls these
// steps and then moves its controls to the values here.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "runner/core/Layout.h"

namespace zuno::runner {

// Controls in the order of pagetops: Image1, Label1, RadioButton1..12, CheckBox1..12.
inline constexpr std::size_t kPageControls = 26;
inline constexpr std::size_t kImage1 = 0;
inline constexpr std::size_t kLabel1 = 1;
constexpr std::size_t RadioButton(int k) { return 1 + static_cast<std::size_t>(k); }   // k = 1..12
constexpr std::size_t CheckBox(int k) { return 13 + static_cast<std::size_t>(k); }     // k = 1..12

struct ScrollBarState {
    bool visible = false;
    std::int32_t maximum = 0;    // range 0..maximum
    std::int32_t position = 0;
    bool operator==(const ScrollBarState&) const = default;
};

struct ControlBox {
    std::int32_t top = 0;        // pixels, relative to GroupBox1
    std::int32_t height = 0;
    bool visible = false;        // Image1 and Label1 are always shown
};

class DisplayPage {
public:
    DisplayPage();

    // selectinit: scroll bar hidden at 0, Image1 at top 10 with height 0, Label1 at
    // top 20, every option hidden. (The Windows side also clears the picture, the
    // caption and the check states.)
    void selectinit();

    // showquestion after selectinit, once the picture is loaded (imageHeight 0
    // without one) and Label1 has been sized to the question text (textHeight).
    // optionTexts are all option rows in database order; the first 12 are laid
    // out on check boxes (multipleChoice) or radio buttons, the rest skipped.
    // Then pagebottom decides the scroll bar, and pagetops are recorded.
    void LayOutQuestion(std::int32_t imageHeight, std::int32_t textHeight, bool multipleChoice,
                        const std::vector<std::string>& optionTexts, const LayoutMetrics& metrics);

    // The result page. found: after selectinit, Label1 holds the result. Not found:
    // Label1 holds the no-result text over the last question, which stays.
    void ShowResult(bool found, std::int32_t textHeight);

    // The reader's page, after selectinit: Label1 holds the title line and the text.
    void ShowText(std::int32_t textHeight);

    // enableskinscrollbar: shows the bar for content reaching `extra` pixels below
    // the page; maximum extra + 30, position 0, no control moves.
    void enableskinscrollbar(std::int32_t extra);

    // ScrollBarChange: Image1, Label1 and every visible option go to their recorded
    // top minus the position (clamped to the bar's range).
    void ScrollBarChange(std::int32_t position);

    const ControlBox& Control(std::size_t index) const { return controls_[index]; }
    int OptionCount() const { return optionCount_; }
    std::uint16_t pagebottom() const { return pagebottom_; }
    const std::array<std::uint16_t, kPageControls>& pagetops() const { return pagetops_; }
    const ScrollBarState& ScrollBar() const { return scroll_; }

private:
    // Shows the scroll bar when pagebottom passes the page; otherwise hides it only
    // when asked (a question page hides it, result and text pages leave it).
    void UpdateScrollBar(bool hideWhenShort);

    std::array<ControlBox, kPageControls> controls_{};
    int optionCount_ = 0;                 // options laid out on the current question
    std::uint16_t pagebottom_ = 0;        // top + height of the last control laid out; wraps at 65536
    std::array<std::uint16_t, kPageControls> pagetops_{};   // tops at scroll position 0
    ScrollBarState scroll_;
};

}  // namespace zuno::runner

// Display page geometry: the layout of a question, the result and reader pages,
// and scrolling. Positions are 16-bit where the page keeps them (pagebottom,
// pagetops), with the wrap written at the assignment.
#include "runner/core/DisplayPage.h"

#include "runner/core/RunState.h"

#include <algorithm>

namespace zuno::runner {
namespace {

constexpr std::int32_t kImageTop = 10;
constexpr std::int32_t kLabelTop = 20;
constexpr std::int32_t kLabelGap = 15;      // Image1's bottom to Label1
constexpr std::int32_t kFirstOptionGap = 35;
constexpr std::int32_t kOptionGap = 11;

std::int32_t Bottom(const ControlBox& box) { return box.top + box.height; }

}  // namespace

DisplayPage::DisplayPage() {
    controls_[kImage1] = {kImageTop, 0, true};
    controls_[kLabel1] = {kLabelTop, kLabelMinHeight, true};
    for (std::size_t i = 0; i < kPageControls; ++i) pagetops_[i] = static_cast<std::uint16_t>(controls_[i].top);
}

void DisplayPage::selectinit() {
    scroll_ = {};
    controls_[kImage1] = {kImageTop, 0, true};
    controls_[kLabel1].top = kLabelTop;
    for (std::size_t i = RadioButton(1); i < kPageControls; ++i) controls_[i].visible = false;
    optionCount_ = 0;
}

void DisplayPage::LayOutQuestion(std::int32_t imageHeight, std::int32_t textHeight, bool multipleChoice,
                                 const std::vector<std::string>& optionTexts, const LayoutMetrics& metrics) {
    ControlBox& image = controls_[kImage1];
    image.height = std::clamp(imageHeight, 0, kMaxControlHeight);
    ControlBox& label = controls_[kLabel1];
    label.top = Bottom(image) + kLabelGap;
    label.height = Label1Height(textHeight);
    // Without options the question text itself is the content that may need scrolling.
    pagebottom_ = static_cast<std::uint16_t>(Bottom(label));

    optionCount_ = static_cast<int>(std::min<std::size_t>(optionTexts.size(), kOptionsPerQuestion));
    const ControlBox* previous = nullptr;
    for (int k = 1; k <= optionCount_; ++k) {
        ControlBox& box = controls_[multipleChoice ? CheckBox(k) : RadioButton(k)];
        box.height = OptionHeight(optionTexts[k - 1], metrics);
        box.top = previous == nullptr ? Bottom(label) + kFirstOptionGap : Bottom(*previous) + kOptionGap;
        box.visible = true;
        pagebottom_ = static_cast<std::uint16_t>(Bottom(box));   // wraps at 65536
        previous = &box;
    }

    UpdateScrollBar(true);
    // Every control's top is recorded, shown or not: the scroll origin.
    for (std::size_t i = 0; i < kPageControls; ++i) pagetops_[i] = static_cast<std::uint16_t>(controls_[i].top);
}

void DisplayPage::ShowResult(bool found, std::int32_t textHeight) {
    if (found) {
        selectinit();
    } else {
        // The no-result text is written over the last question without clearing it.
        // Back to the scroll origin first: a scrolled page would put the text out of
        // sight and give pagebottom a top that may be negative.
        ScrollBarChange(0);
    }
    ControlBox& label = controls_[kLabel1];
    label.height = Label1Height(textHeight);
    pagebottom_ = static_cast<std::uint16_t>(Bottom(label));
    pagetops_[kLabel1] = static_cast<std::uint16_t>(label.top);
    UpdateScrollBar(false);
}

void DisplayPage::ShowText(std::int32_t textHeight) {
    selectinit();
    ControlBox& label = controls_[kLabel1];
    pagetops_[kLabel1] = static_cast<std::uint16_t>(label.top);
    label.height = Label1Height(textHeight);
    pagebottom_ = static_cast<std::uint16_t>(Bottom(label));
    UpdateScrollBar(false);
}

void DisplayPage::enableskinscrollbar(std::int32_t extra) {
    scroll_.visible = true;
    scroll_.maximum = extra + kScrollMargin;
    scroll_.position = 0;
}

void DisplayPage::ScrollBarChange(std::int32_t position) {
    position = std::clamp(position, 0, std::max(scroll_.maximum, 0));
    scroll_.position = position;
    controls_[kImage1].top = pagetops_[kImage1] - position;
    controls_[kLabel1].top = pagetops_[kLabel1] - position;
    for (std::size_t i = RadioButton(1); i < kPageControls; ++i)
        if (controls_[i].visible) controls_[i].top = pagetops_[i] - position;
}

void DisplayPage::UpdateScrollBar(bool hideWhenShort) {
    if (pagebottom_ > kPageHeight)
        enableskinscrollbar(pagebottom_ - kPageHeight);
    else if (hideWhenShort)
        scroll_.visible = false;
}

}  // namespace zuno::runner

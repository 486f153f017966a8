// Layout arithmetic of the display page: characters per line and line height for
// a font size, option heights from GBK byte lengths, Label1's height limits, the
// picture marker in question texts, and the reader's centred title line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zuno::runner {

// Page constants, in pixels.
inline constexpr std::int32_t kLabelMinHeight = 20;     // Label1 sizes itself within these
inline constexpr std::int32_t kLabelMaxHeight = 5000;
inline constexpr std::int32_t kPageHeight = 336;        // content below this needs the scroll bar
inline constexpr std::int32_t kScrollMargin = 30;       // the scroll range goes this far past the content

struct LayoutMetrics {
    std::int32_t charsperline = 58;   // GBK bytes per option line
    std::int32_t lineheight = 20;     // pixels per option line
    bool operator==(const LayoutMetrics&) const = default;
};

// From the point size S of Label1's font: 58 and 20 at 12 points, otherwise
// 58 ÷ (S ÷ 12) and S ÷ 12 × 20, each rounded to the nearest integer with halves
// to the even neighbour (computed exactly as 696 / S and 5S / 3). Sizes below 1
// count as 1; charsperline is at least 1, so that an option height can be formed.
LayoutMetrics LayoutMetricsFor(std::int32_t pointSize);

// Height of an option whose text is gbkLength bytes long:
// (gbkLength div charsperline + 1) × lineheight, kept within kMaxControlHeight.
inline constexpr std::int32_t kMaxControlHeight = 1 << 20;
std::int32_t OptionHeight(std::size_t gbkLength, const LayoutMetrics& metrics);
std::int32_t OptionHeight(std::string_view text, const LayoutMetrics& metrics);

// Label1's height for the height its wrapped text needs: between 20 and 5000.
std::int32_t Label1Height(std::int32_t textHeight);

// A question text may end in "@!##" and a picture id.
inline constexpr std::string_view kPictureMarker = "@!##";
struct QuestionText {
    std::string_view shown;                  // before the first marker (all of it without one)
    bool hasMarker = false;
    std::optional<std::int64_t> pictureId;   // only a plain decimal id is looked up
};
QuestionText SplitQuestionText(std::string_view text);

// Full-width spaces before a title of gbkLength bytes, so that it stands centred on
// a 30-character line: ((30 - gbkLength div 2) div 2) - 1, none if that is below 1.
int TitleIndent(std::size_t gbkLength);

// The reader's title line: the indent in "　", the title and four CR LF.
std::string TitleLine(std::string_view title);

// The reader's page text: the title line, the content as stored and two CR LF.
std::string ReaderText(std::string_view title, std::string_view content);

}  // namespace zuno::runner

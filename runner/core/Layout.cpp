// Layout arithmetic. Rounding is done on exact fractions: binary floating point
// would put 43.5 (16 points) a hair off the half and round it by accident.
#include "runner/core/Layout.h"

#include "runner/core/Gbk.h"
#include "runner/core/Texts.h"

#include <algorithm>

namespace zuno::runner {
namespace {

// numerator / denominator (both positive) rounded half to even.
std::int64_t RoundHalfEven(std::int64_t numerator, std::int64_t denominator) {
    const std::int64_t quotient = numerator / denominator;
    const std::int64_t twice = 2 * (numerator % denominator);
    if (twice > denominator || (twice == denominator && quotient % 2 != 0)) return quotient + 1;
    return quotient;
}

}  // namespace

LayoutMetrics LayoutMetricsFor(std::int32_t pointSize) {
    if (pointSize == 12) return {58, 20};
    const std::int64_t s = std::max<std::int32_t>(pointSize, 1);
    const std::int64_t chars = RoundHalfEven(58 * 12, s);
    const std::int64_t height = RoundHalfEven(20 * s, 12);
    return {static_cast<std::int32_t>(std::max<std::int64_t>(chars, 1)),
            static_cast<std::int32_t>(std::min<std::int64_t>(height, kMaxControlHeight))};
}

std::int32_t OptionHeight(std::size_t gbkLength, const LayoutMetrics& metrics) {
    const auto perLine = static_cast<std::uint64_t>(std::max(metrics.charsperline, 1));
    const std::uint64_t lines = gbkLength / perLine + 1;
    const auto lineHeight = static_cast<std::uint64_t>(std::clamp(metrics.lineheight, 0, kMaxControlHeight));
    const std::uint64_t limit = static_cast<std::uint64_t>(kMaxControlHeight);
    if (lineHeight != 0 && lines > limit / lineHeight) return kMaxControlHeight;
    return static_cast<std::int32_t>(lines * lineHeight);
}

std::int32_t OptionHeight(std::string_view text, const LayoutMetrics& metrics) {
    return OptionHeight(GbkLength(text), metrics);
}

std::int32_t Label1Height(std::int32_t textHeight) {
    return std::clamp(textHeight, kLabelMinHeight, kLabelMaxHeight);
}

QuestionText SplitQuestionText(std::string_view text) {
    QuestionText out;
    const std::size_t marker = text.find(kPictureMarker);
    if (marker == std::string_view::npos) {
        out.shown = text;
        return out;
    }
    out.shown = text.substr(0, marker);
    out.hasMarker = true;
    // The id goes into a statement: only plain digits are taken, anything else shows
    // no picture instead of a statement the database rejects.
    const std::string_view id = text.substr(marker + kPictureMarker.size());
    constexpr std::size_t kMaxDigits = 18;   // fits in 64 bits
    if (id.empty() || id.size() > kMaxDigits) return out;
    std::int64_t value = 0;
    for (char c : id) {
        if (c < '0' || c > '9') return out;
        value = value * 10 + (c - '0');
    }
    out.pictureId = value;
    return out;
}

int TitleIndent(std::size_t gbkLength) {
    constexpr std::int64_t kLineChars = 30;   // full-width characters on one line of Label1
    const std::int64_t halfLength = static_cast<std::int64_t>(std::min<std::size_t>(gbkLength, 1u << 30)) / 2;
    const std::int64_t k = (kLineChars - halfLength) / 2 - 1;   // both divisions truncate toward zero
    return k > 0 ? static_cast<int>(k) : 0;
}

std::string TitleLine(std::string_view title) {
    std::string line;
    const int indent = TitleIndent(GbkLength(title));
    for (int i = 0; i < indent; ++i) line += texts::kFullWidthSpace;
    line += title;
    line += "\r\n\r\n\r\n\r\n";
    return line;
}

std::string ReaderText(std::string_view title, std::string_view content) {
    std::string text = TitleLine(title);
    text += content;
    text += "\r\n\r\n";
    return text;
}

}  // namespace zuno::runner

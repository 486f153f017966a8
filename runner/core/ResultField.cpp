// Result field parsing. Error messages are Chinese: the Windows side shows them
// through the program's error convention, and they name the faulty segment.
#include "runner/core/ResultField.h"

#include "runner/core/Gbk.h"

#include <algorithm>
#include <limits>

namespace zuno::runner {
namespace {

// A short, whole-character excerpt of a faulty piece for the message.
std::string Excerpt(std::string_view text) {
    constexpr std::size_t kMaxBytes = 24;
    std::size_t end = 0;
    while (end < text.size()) {
        const std::size_t next = end + DecodeUtf8(text.substr(end)).length;
        if (next > kMaxBytes) break;
        end = next;
    }
    std::string out(1, '"');
    out.append(text.substr(0, end));
    if (end < text.size()) out += "…";
    out += '"';
    return out;
}

std::string SegmentError(std::size_t number, const std::string& problem) {
    return "测试结果数据有误：第" + std::to_string(number) + "段" + problem + "。";
}

// Skips kSkippedBytes GBK bytes from the start of text; nullopt when the text is
// shorter or a double-byte character straddles the end of the skipped bytes.
std::optional<std::size_t> SkipGbkBytes(std::string_view text) {
    std::size_t bytes = 0;
    std::size_t pos = 0;
    while (bytes < kSkippedBytes) {
        if (pos >= text.size()) return std::nullopt;
        const Utf8Character c = DecodeUtf8(text.substr(pos));
        bytes += c.code == kMalformed || GbkBytesOf(c.code) != 2 ? 1 : 2;
        pos += c.length;
    }
    if (bytes != kSkippedBytes) return std::nullopt;
    return pos;
}

// One segment, or the message why it cannot be read.
std::optional<std::string> ParseSegment(std::string_view segment, std::size_t number,
                                        resultstructure& out) {
    if (segment.empty()) return SegmentError(number, "是空的（结果数据不能以\"!rt#\"结尾）");
    const std::size_t marker = segment.find(kTextMarker);
    if (marker == std::string_view::npos) return SegmentError(number, "缺少\"@___@\"");
    const std::string_view range = segment.substr(0, marker);
    const std::size_t join = range.find(kRangeJoin);
    if (join == std::string_view::npos) return SegmentError(number, "缺少\"--to\"");

    const std::string_view lowText = range.substr(0, join);
    const std::string_view afterJoin = range.substr(join + kRangeJoin.size());
    const std::optional<std::size_t> skipped = SkipGbkBytes(afterJoin);
    const std::string_view highText = skipped ? afterJoin.substr(*skipped) : std::string_view();
    const std::optional<std::int32_t> low = ParseDecimal(lowText);
    if (!low) return SegmentError(number, "的下限" + Excerpt(lowText) + "不是整数");
    const std::optional<std::int32_t> high = ParseDecimal(highText);
    if (!high) return SegmentError(number, "的上限" + Excerpt(highText) + "不是整数");

    out.low = static_cast<std::uint8_t>(*low);   // only the low 8 bits are kept
    out.high = static_cast<std::uint8_t>(*high);
    out.text = std::string(segment.substr(marker + kTextMarker.size()));
    return std::nullopt;
}

}  // namespace

std::optional<std::int32_t> ParseDecimal(std::string_view text) {
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
    if (pos == text.size()) return std::nullopt;
    std::int64_t value = 0;
    for (; pos < text.size(); ++pos) {
        if (text[pos] < '0' || text[pos] > '9') return std::nullopt;
        value = value * 10 + (text[pos] - '0');
        if (value > static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::max()) + 1)
            return std::nullopt;
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

ParsedResultField ParseResultField(std::string_view stored) {
    ParsedResultField parsed;
    ResultField& field = parsed.field;
    std::string text(stored);
    text += kSegmentEnd;

    std::string_view body = text;
    if (body.substr(0, kTypePrefix.size()) == kTypePrefix) {
        const std::string_view typeText = body.substr(kTypePrefix.size(), 2);
        const std::optional<std::int32_t> type = ParseDecimal(typeText);
        if (!type) {
            parsed.error = "测试结果数据有误：类型" + Excerpt(typeText) + "不是数字。";
            return parsed;
        }
        field.type = *type;
        field.kind = *type == 11 ? ResultKind::MostFrequent
                   : *type == 12 ? ResultKind::PerAnswer
                                 : ResultKind::Unsupported;
        body.remove_prefix(std::min(body.size(), kTypePrefix.size() + 2));
    }

    for (std::size_t end = body.find(kSegmentEnd); end != std::string_view::npos;
         end = body.find(kSegmentEnd)) {
        ++field.segmentCount;
        if (!field.walkError) {
            resultstructure segment;
            field.walkError = ParseSegment(body.substr(0, end), field.segmentCount, segment);
            if (!field.walkError) field.segments.push_back(std::move(segment));
        }
        body.remove_prefix(end + kSegmentEnd.size());
    }
    return parsed;
}

}  // namespace zuno::runner

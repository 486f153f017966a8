// Conversions of a field value to the types the program reads: text, integer,
// Boolean and bytes. Each failure names the column and, for text, the value.
#include "content/Field.h"

#include "content/ContentError.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace zuno::content {
namespace {

std::string_view TrimBlanks(std::string_view s) {
    constexpr std::string_view kBlanks = " \t\r\n";
    const std::size_t first = s.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(kBlanks) - first + 1);
}

// Decimal integer text with an optional sign; nothing else.
bool ParseInteger(std::string_view text, std::int64_t& out) {
    text = TrimBlanks(text);
    const bool plus = !text.empty() && text.front() == '+';
    if (plus) text.remove_prefix(1);
    if (text.empty() || text.front() == '+' || (plus && text.front() == '-')) return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), out);
    return error == std::errc() && end == text.data() + text.size();
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// At most about 40 bytes of a text for a message, cut on a UTF-8 character start.
std::string Excerpt(std::string_view text) {
    constexpr std::size_t kLimit = 40;
    if (text.size() <= kLimit) return std::string(text);
    std::size_t cut = kLimit;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    return std::string(text.substr(0, cut)) + "…";
}

std::string RealText(double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::general, 15);
    return std::string(buffer, result.ptr);
}

}  // namespace

void Field::Fail(std::string_view problem) const {
    throw ContentError("字段 " + std::string(name_) + " " + std::string(problem));
}

std::string Field::AsText() const {
    if (const auto* text = std::get_if<std::string>(value_)) return *text;
    if (const auto* integer = std::get_if<std::int64_t>(value_)) return std::to_string(*integer);
    if (const auto* real = std::get_if<double>(value_)) return RealText(*real);
    if (IsNull()) Fail("没有值");
    Fail("是二进制数据，不能转换为文本");
}

std::int32_t Field::AsInteger() const {
    constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    std::int64_t value = 0;
    if (const auto* integer = std::get_if<std::int64_t>(value_)) {
        value = *integer;
    } else if (const auto* real = std::get_if<double>(value_)) {
        // The default rounding mode rounds halves to even, as the program's
        // variant conversion did.
        const double rounded = std::nearbyint(*real);
        if (!(rounded >= kMin && rounded <= kMax)) Fail("的值 " + RealText(*real) + " 超出整数范围");
        return static_cast<std::int32_t>(rounded);
    } else if (const auto* text = std::get_if<std::string>(value_)) {
        if (!ParseInteger(*text, value)) Fail("的值“" + Excerpt(*text) + "”不能转换为整数");
    } else if (IsNull()) {
        Fail("没有值");
    } else {
        Fail("是二进制数据，不能转换为整数");
    }
    if (value < kMin || value > kMax) Fail("的值 " + std::to_string(value) + " 超出整数范围");
    return static_cast<std::int32_t>(value);
}

bool Field::AsBoolean() const {
    if (const auto* integer = std::get_if<std::int64_t>(value_)) return *integer != 0;
    if (const auto* real = std::get_if<double>(value_)) return *real != 0.0;
    if (const auto* text = std::get_if<std::string>(value_)) {
        const std::string_view trimmed = TrimBlanks(*text);
        if (EqualsNoCase(trimmed, "true")) return true;
        if (EqualsNoCase(trimmed, "false")) return false;
        std::int64_t number = 0;
        if (ParseInteger(trimmed, number)) return number != 0;
        Fail("的值“" + Excerpt(*text) + "”不能转换为是/否");
    }
    if (IsNull()) Fail("没有值");
    Fail("是二进制数据，不能转换为是/否");
}

Blob Field::AsBlob() const {
    if (const auto* blob = std::get_if<Blob>(value_)) return *blob;
    if (const auto* text = std::get_if<std::string>(value_)) return Blob(text->begin(), text->end());
    if (IsNull()) Fail("没有值");
    Fail("是数字，不能作为二进制数据读取");
}

}  // namespace zuno::content

// The start-up rules of the settings file and the number conversions they rely on.
#include "app/core/Settings.h"

#include <cctype>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace zuno::app {
namespace {

constexpr char kNothing[] = "nothing";

std::string Trimmed(const std::string& text) {
    size_t b = 0, e = text.size();
    while (b < e && std::isspace(static_cast<unsigned char>(text[b]))) ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(text[e - 1]))) --e;
    return text.substr(b, e - b);
}

[[noreturn]] void NotInteger(const std::string& text) {
    throw std::invalid_argument("“" + text + "”不是有效的整数");
}

// The counter rule for one pair: a grown database moves New to Old and records the
// new maximum; the threshold is what Old holds afterwards.
std::int32_t ApplyCounterRule(ProfileStore& ini, const char* newKey, const char* oldKey, std::int32_t maximum) {
    const std::string newText = ini.Read("zuno", newKey, "0");
    if (maximum > ParseCounter(newText)) {
        ini.Write("zuno", oldKey, newText);
        ini.Write("zuno", newKey, std::to_string(maximum));
    }
    return ParseCounter(ini.Read("zuno", oldKey, "0"));
}

}  // namespace

bool SwitchIsOn(const std::string& value) { return value == "1"; }

std::int32_t ParseCounter(const std::string& text) {
    const std::string t = Trimmed(text);
    size_t i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) negative = t[i++] == '-';
    int base = 10;
    if (i < t.size() && t[i] == '$') {
        base = 16;
        ++i;
    }
    if (i >= t.size()) NotInteger(text);
    std::int64_t value = 0;
    for (; i < t.size(); ++i) {
        const auto c = static_cast<unsigned char>(t[i]);
        int digit;
        if (std::isdigit(c)) {
            digit = c - '0';
        } else if (base == 16 && std::isxdigit(c)) {
            digit = std::tolower(c) - 'a' + 10;
        } else {
            NotInteger(text);
        }
        value = value * base + digit;
        if (value > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) NotInteger(text);
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<std::int32_t>::max()) NotInteger(text);
    return static_cast<std::int32_t>(value);
}

double ParseVersion(const std::string& text) {
    const std::string t = Trimmed(text);
    size_t i = 0, digits = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) ++i, ++digits;
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) ++i, ++digits;
    }
    if (digits > 0 && i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        size_t j = i + 1;
        if (j < t.size() && (t[j] == '+' || t[j] == '-')) ++j;
        const size_t expStart = j;
        while (j < t.size() && std::isdigit(static_cast<unsigned char>(t[j]))) ++j;
        if (j > expStart) i = j;
    }
    if (digits == 0 || i != t.size())
        throw std::invalid_argument("内容数据库的版本号“" + text + "”不是有效的数字");
    const double v = std::strtod(t.c_str(), nullptr);
    if (!std::isfinite(v)) throw std::invalid_argument("内容数据库的版本号“" + text + "”不是有效的数字");
    return v;
}

bool VersionIsNewer(const std::string& softversion) { return ParseVersion(softversion) > 4.3; }

StartupSettings ReadStartupSettings(ProfileStore& ini, const ContentMaxima& maxima) {
    if (ini.Read("inifile", "exist", kNothing) == kNothing) {
        ini.Write("inifile", "exist", "yes");
        ini.Write("zuno", "exever", kProgramVersion);
        ini.Write("zuno", "NewLibNum", std::to_string(maxima.tests));
        ini.Write("zuno", "OldLibNum", std::to_string(maxima.tests));
        ini.Write("zuno", "NewArtNum", std::to_string(maxima.articles));
        ini.Write("zuno", "OldArtNum", std::to_string(maxima.articles));
        ini.Write("zuno", "NewHumorNum", std::to_string(maxima.humor));
        ini.Write("zuno", "OldHumorNum", std::to_string(maxima.humor));
        ini.Write("tool", "usesound", "1");
    }
    StartupSettings s;
    s.record = SwitchIsOn(ini.Read("tool", "record", kNothing));
    s.usesound = SwitchIsOn(ini.Read("tool", "usesound", kNothing));
    s.testThreshold = ApplyCounterRule(ini, "NewLibNum", "OldLibNum", maxima.tests);
    s.articleThreshold = ApplyCounterRule(ini, "NewArtNum", "OldArtNum", maxima.articles);
    s.humorThreshold = ApplyCounterRule(ini, "NewHumorNum", "OldHumorNum", maxima.humor);
    return s;
}

}  // namespace zuno::app

// The start-up rules of zuno.ini: first run, switches, the counter rule that moves
// the "New" marks, and the number conversions behind the counters and version gate.
#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <vector>

#include "app/core/Settings.h"

namespace {

using namespace zuno::app;

// An in-memory profile that remembers every write in order.
class MemoryProfile : public ProfileStore {
public:
    std::map<std::pair<std::string, std::string>, std::string> values;
    std::vector<std::string> writes;
    bool failWrites = false;

    std::string Read(std::string_view section, std::string_view key, std::string_view def) override {
        auto it = values.find({std::string(section), std::string(key)});
        return it == values.end() ? std::string(def) : it->second;
    }
    void Write(std::string_view section, std::string_view key, std::string_view value) override {
        if (failWrites) throw std::runtime_error("Unable to write to C:\\zuno\\zuno.ini");
        values[{std::string(section), std::string(key)}] = std::string(value);
        writes.push_back(std::string(section) + "." + std::string(key) + "=" + std::string(value));
    }
    void Set(const std::string& section, const std::string& key, const std::string& value) {
        values[{section, key}] = value;
    }
};

TEST(StartupSettings, FirstRunWritesTheWholeBlockInOrder) {
    MemoryProfile ini;
    const auto s = ReadStartupSettings(ini, {180, 95, 60});
    const std::vector<std::string> expected = {
        "inifile.exist=yes",   "zuno.exever=4.3",     "zuno.NewLibNum=180",   "zuno.OldLibNum=180",
        "zuno.NewArtNum=95",   "zuno.OldArtNum=95",   "zuno.NewHumorNum=60",  "zuno.OldHumorNum=60",
        "tool.usesound=1",
    };
    EXPECT_EQ(ini.writes, expected);
    EXPECT_TRUE(s.usesound);
    EXPECT_FALSE(s.record);
    EXPECT_EQ(s.testThreshold, 180);  // nothing is "New" on the first run
    EXPECT_EQ(s.articleThreshold, 95);
    EXPECT_EQ(s.humorThreshold, 60);
}

TEST(StartupSettings, FirstRunBlockRunsWheneverExistIsMissing) {
    MemoryProfile ini;
    ini.Set("tool", "record", "1");
    ini.Set("zuno", "NewLibNum", "7");
    const auto s = ReadStartupSettings(ini, {10, 1, 1});
    EXPECT_EQ(ini.Read("zuno", "NewLibNum", ""), "10");
    EXPECT_TRUE(s.record);
}

MemoryProfile Existing(const std::string& newLib, const std::string& oldLib) {
    MemoryProfile ini;
    ini.Set("inifile", "exist", "yes");
    ini.Set("zuno", "NewLibNum", newLib);
    ini.Set("zuno", "OldLibNum", oldLib);
    ini.Set("zuno", "NewArtNum", "5");
    ini.Set("zuno", "OldArtNum", "5");
    ini.Set("zuno", "NewHumorNum", "5");
    ini.Set("zuno", "OldHumorNum", "5");
    return ini;
}

TEST(StartupSettings, CounterRule) {
    struct Case {
        const char* what;
        std::string newLib, oldLib;
        int maxLib;
        std::vector<std::string> writes;
        int threshold;
    };
    const std::vector<Case> cases = {
        {"unchanged database writes nothing", "180", "150", 180, {}, 150},
        {"grown database moves the pair", "180", "150", 200, {"zuno.OldLibNum=180", "zuno.NewLibNum=200"}, 180},
        {"shrunk database moves nothing", "180", "150", 170, {}, 150},
        {"Old keeps New's text as written", " 180", "150", 200, {"zuno.OldLibNum= 180", "zuno.NewLibNum=200"}, 180},
    };
    for (const auto& c : cases) {
        auto ini = Existing(c.newLib, c.oldLib);
        const auto s = ReadStartupSettings(ini, {c.maxLib, 5, 5});
        EXPECT_EQ(ini.writes, c.writes) << c.what;
        EXPECT_EQ(s.testThreshold, c.threshold) << c.what;
    }
}

TEST(StartupSettings, MissingZunoSectionMarksEverythingNew) {
    MemoryProfile ini;
    ini.Set("inifile", "exist", "yes");
    const auto s = ReadStartupSettings(ini, {30, 20, 10});
    EXPECT_EQ(ini.Read("zuno", "OldLibNum", ""), "0");
    EXPECT_EQ(ini.Read("zuno", "NewLibNum", ""), "30");
    EXPECT_EQ(ini.Read("zuno", "OldHumorNum", ""), "0");
    EXPECT_EQ(s.testThreshold, 0);
    EXPECT_EQ(s.articleThreshold, 0);
    EXPECT_EQ(s.humorThreshold, 0);
}

TEST(StartupSettings, OnlyTheTextOneSwitchesOn) {
    for (const char* value : {"yes", "true", "01", " 1", "1 ", "nothing", ""}) {
        auto ini = Existing("1", "1");
        ini.Set("tool", "usesound", value);
        ini.Set("tool", "record", value);
        const auto s = ReadStartupSettings(ini, {1, 5, 5});
        EXPECT_FALSE(s.usesound) << value;
        EXPECT_FALSE(s.record) << value;
    }
    auto ini = Existing("1", "1");
    ini.Set("tool", "usesound", "1");
    EXPECT_TRUE(ReadStartupSettings(ini, {1, 5, 5}).usesound);
}

TEST(StartupSettings, BadCounterAndFailedWriteRaise) {
    auto ini = Existing("abc", "1");
    EXPECT_THROW(ReadStartupSettings(ini, {1, 5, 5}), std::invalid_argument);
    MemoryProfile readOnly;
    readOnly.failWrites = true;
    try {
        ReadStartupSettings(readOnly, {1, 1, 1});
        FAIL() << "a failed write must raise";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "Unable to write to C:\\zuno\\zuno.ini");
    }
}

TEST(Conversions, Counters) {
    EXPECT_EQ(ParseCounter("180"), 180);
    EXPECT_EQ(ParseCounter(" 42 "), 42);
    EXPECT_EQ(ParseCounter("-3"), -3);
    EXPECT_EQ(ParseCounter("$1F"), 31);
    EXPECT_EQ(ParseCounter("2147483647"), 2147483647);
    for (const char* bad : {"", " ", "abc", "12a", "1.5", "2147483648", "$", "+", "1 2"})
        EXPECT_THROW(ParseCounter(bad), std::invalid_argument) << bad;
}

TEST(Conversions, VersionGate) {
    EXPECT_FALSE(VersionIsNewer("4.3"));
    EXPECT_FALSE(VersionIsNewer("4.2"));
    EXPECT_FALSE(VersionIsNewer(" 4.30 "));
    EXPECT_TRUE(VersionIsNewer("4.31"));
    EXPECT_TRUE(VersionIsNewer("5"));
    EXPECT_TRUE(VersionIsNewer("1e1"));
    for (const char* bad : {"", "abc", "4.3a", "4..3", ".", "inf", "nan", "1e999"})
        EXPECT_THROW(ParseVersion(bad), std::invalid_argument) << bad;
}

}  // namespace

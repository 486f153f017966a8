// TQuickIni lookup rules, table-driven: each row is a definition text, a lookup and
// the answer, with the rule it pins down.
#include <gtest/gtest.h>

#include "skin/package/QuickIni.h"

namespace zuno::skin {
namespace {

struct StringCase {
    const char* rule;
    std::string text;
    std::string section, key, def;
    std::string expected;
};

TEST(QuickIniReadString, Table) {
    const StringCase cases[] = {
        {"plain lookup", "[Buttons]\nImage=b.bmp\n", "Buttons", "Image", "d", "b.bmp"},
        {"key case ignored", "[Buttons]\nButtonImage=x\n", "Buttons", "BUTTONIMAGE", "d", "x"},
        {"stored key case ignored", "[Buttons]\nBUTTONIMAGE=x\n", "Buttons", "buttonimage", "d", "x"},
        {"section case ignored", "[Buttons]\nA=1\n", "bUTTONS", "a", "d", "1"},
        {"first key wins", "[S]\nTop=1\nTop=2\n", "S", "Top", "d", "1"},
        {"empty value gives default and stops", "[S]\nTrans=\nTrans=5\n", "S", "Trans", "d", "d"},
        {"blank value gives default", "[S]\nTrans=  \t\nTrans=5\n", "S", "Trans", "d", "d"},
        {"first section wins", "[S]\nA=1\n[s]\nA=2\nB=3\n", "S", "A", "d", "1"},
        {"later repeat of a section is never read", "[S]\nA=1\n[s]\nB=3\n", "S", "B", "d", "d"},
        {"search stops at the next header", "[S]\n[T]\nA=1\n", "S", "A", "d", "d"},
        {"missing section", "[S]\nA=1\n", "X", "A", "d", "d"},
        {"missing key", "[S]\nA=1\n", "S", "B", "d", "d"},
        {"empty text", "", "S", "A", "d", "d"},
        {"keys before any header are unreadable", "A=1\n[S]\n", "S", "A", "d", "d"},
        {"spaces around = are trimmed", "[S]\n  Image  =  a b.bmp ; note \n", "S", "image", "d", "a b.bmp ; note"},
        {"tabs and control bytes trimmed", "[S]\n\tA\x01=\x1f v \x7f\n", "S", "A", "d", "v \x7f"},
        {"further = belong to the value", "[S]\nA=b=c\n", "S", "A", "d", "b=c"},
        {"CR LF line ends", "[S]\r\nA=1\r\nB=2\r\n", "S", "B", "d", "2"},
        {"CR alone ends a line", "[S]\rA=1\rB=2", "S", "B", "d", "2"},
        {"LF CR is two breaks", "[S]\n\rA=1\n\rB=2", "S", "B", "d", "2"},
        {"comment lines are dropped", "[S]\n;A=1\nA=2\n", "S", "A", "d", "2"},
        {"indented comment", "[S]\n   ; A=1\nA=2\n", "S", "A", "d", "2"},
        {"semicolon inside a key", "[S]\nA;x=1\n", "S", "a;x", "d", "1"},
        {"a zero byte ends the text", std::string("[S]\nA=1\0\nB=2\n", 13), "S", "B", "d", "d"},
        {"text before a zero byte is kept", std::string("[S]\nA=1\0\nB=2\n", 13), "S", "A", "d", "1"},
        {"header with inner spaces is not found by its trimmed name", "[ Buttons ]\nA=1\n", "Buttons", "A", "d", "d"},
        {"header with inner spaces is found with them", "[ Buttons ]\nA=1\n", " Buttons ", "A", "d", "1"},
        {"header with outer spaces is trimmed", "   [Buttons]  \nA=1\n", "Buttons", "A", "d", "1"},
        {"unclosed bracket is a key line of the section", "[S]\n[Buttons\nA=1\n", "S", "A", "d", "1"},
        {"line without = never matches, even for an empty key", "[S]\nnoequals\n=v\n", "S", "", "d", "d"},
        {"key with non-ASCII bytes kept as is", "[S]\n\xC4\xE3=1\n", "S", "\xC4\xE3", "d", "1"},
        {"non-ASCII bytes are not folded", "[S]\n\xC4=1\n", "S", "\xE4", "d", "d"},
        {"section name with GBK char", "[\xB0\xA1]\nA=1\n", "\xB0\xA1", "A", "d", "1"},
        {"GBK trail byte in A-Z is not folded", "[\x81\x41]\nA=1\n", "\x81\x61", "A", "d", "d"},
        {"default returned as given", "[S]\n", "S", "A", " spaced ", " spaced "},
    };
    for (const StringCase& c : cases) {
        TQuickIni ini;
        ini.LoadFromText(c.text);
        EXPECT_EQ(ini.ReadString(c.section, c.key, c.def), c.expected) << c.rule;
    }
}

struct IntCase {
    const char* rule;
    std::string value;  // the value text in "[S]\nV=<value>"
    int32_t expected;   // with default -999
};

TEST(QuickIniReadInteger, Table) {
    const IntCase cases[] = {
        {"decimal", "42", 42},
        {"negative", "-5", -5},
        {"plus sign", "+7", 7},
        {"0x prefix", "0x1F", 31},
        {"0X prefix", "0X1F", 31},
        {"dollar hex", "$1F", 31},
        {"lower-case hex digits", "$ff", 255},
        {"hex is a 32-bit pattern", "$FFFFFFFF", -1},
        {"0x to a 32-bit pattern", "0x80000000", INT32_MIN},
        {"eight hex digits at most", "$123456789", -999},
        {"0x alone is not rewritten", "0x", -999},
        {"$ alone", "$", -999},
        {"trailing letters", "12px", -999},
        {"empty value", "", -999},
        {"largest", "2147483647", INT32_MAX},
        {"smallest", "-2147483648", INT32_MIN},
        {"just beyond", "2147483648", -999},
        {"just below", "-2147483649", -999},
        {"far beyond", "99999999999999999999", -999},
        {"leading zeros", "0007", 7},
        {"zero", "0", 0},
        {"sign alone", "-", -999},
        {"sign before hex", "-$1", -999},
        {"sign before 0x", "-0x1", -999},
        {"inner space", "1 2", -999},
        {"decimal point", "1.5", -999},
        {"0x with a bad digit", "0x1G", -999},
        {"x without the zero", "x1F", -999},
    };
    for (const IntCase& c : cases) {
        TQuickIni ini;
        ini.LoadFromText("[S]\nV=" + c.value + "\n");
        EXPECT_EQ(ini.ReadInteger("S", "v", -999), c.expected) << c.rule << ": '" << c.value << "'";
    }
    TQuickIni ini;
    ini.LoadFromText("[S]\nV=1\n");
    EXPECT_EQ(ini.ReadInteger("S", "missing", 123), 123);
    EXPECT_EQ(ini.ReadInteger("T", "V", 124), 124);
}

TEST(QuickIniReadSections, ListsEveryHeaderTrimmedInFileOrder) {
    TQuickIni ini;
    ini.LoadFromText("x=1\n[A]\n[ Buttons ]\n  [B]  \n[A]\n[]\n[[x]]\n; [C]\n[D\n");
    std::vector<std::string> list{"old"};
    ini.ReadSections(list);
    EXPECT_EQ(list, (std::vector<std::string>{"A", "Buttons", "B", "A", "", "[x]"}));
}

TEST(QuickIniLoad, KeepsTrimmedNonCommentLinesAndIndexesHeaders) {
    TQuickIni ini;
    ini.LoadFromText("  ; c\n\n[A]\n k = v \n\t\n[B]\n");
    EXPECT_EQ(ini.Lines(), (std::vector<std::string>{"[A]", "k = v", "[B]"}));
    ASSERT_EQ(ini.Sections().size(), 2u);
    EXPECT_EQ(ini.Sections()[1].second, 2);
    EXPECT_EQ(ini.SectionIndex("b"), 2);
    EXPECT_EQ(ini.SectionIndex("c"), -1);
}

TEST(QuickIniLoad, ReloadingReplacesTheContent) {
    TQuickIni ini;
    ini.LoadFromText("[A]\nk=1\n");
    const std::string second = "[B]\nk=2\n";
    ini.LoadFromStream(std::span(reinterpret_cast<const uint8_t*>(second.data()), second.size()));
    EXPECT_EQ(ini.ReadString("A", "k", "none"), "none");
    EXPECT_EQ(ini.ReadString("B", "k", "none"), "2");
    ini.LoadFromStream(static_cast<const std::vector<uint8_t>*>(nullptr));  // no stream: unchanged
    EXPECT_EQ(ini.ReadString("B", "k", "none"), "2");
    const std::vector<uint8_t> empty;
    ini.LoadFromStream(&empty);  // an empty stream empties the reader
    EXPECT_EQ(ini.ReadString("B", "k", "none"), "none");
}

TEST(QuickIniHelpers, LineKeyLineValueIsSectionLine) {
    EXPECT_EQ(TQuickIni::LineKey(" Top = 5"), "top");
    EXPECT_EQ(TQuickIni::LineKey("noequals"), "");
    EXPECT_EQ(TQuickIni::LineKey("=v"), "");
    EXPECT_EQ(TQuickIni::LineValue("Top = 5 ", "top"), "5");
    EXPECT_EQ(TQuickIni::LineValue("Top = 5", "left"), "");
    EXPECT_EQ(TQuickIni::LineValue("Top = 5", ""), "");
    EXPECT_EQ(TQuickIni::LineValue("", "top"), "");
    EXPECT_TRUE(TQuickIni::IsSectionLine("[a]"));
    EXPECT_TRUE(TQuickIni::IsSectionLine("  [a]  "));
    EXPECT_TRUE(TQuickIni::IsSectionLine("[]"));
    EXPECT_FALSE(TQuickIni::IsSectionLine("["));
    EXPECT_FALSE(TQuickIni::IsSectionLine(""));
    EXPECT_FALSE(TQuickIni::IsSectionLine("[a]=1"));
}

TEST(QuickIniSectionEquality, CanBeReplacedByThePlatformComparison) {
    TQuickIni ini;
    ini.LoadFromText("[Abc]\nk=1\n");
    ini.SetSectionEquality([](std::string_view a, std::string_view b) { return a == b; });
    EXPECT_EQ(ini.ReadString("abc", "k", "d"), "d");
    EXPECT_EQ(ini.ReadString("Abc", "k", "d"), "1");
}

}  // namespace
}  // namespace zuno::skin

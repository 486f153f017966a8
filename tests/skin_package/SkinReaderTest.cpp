// TSkinReader on well-formed packages: name-list splitting, lower-casing, the two
// lookups and their case rules, the running offset, and the version refusal.
#include <gtest/gtest.h>

#include "SkinFixtures.h"
#include "skin/package/SkinReader.h"

namespace zuno::skin {
namespace {

using namespace fixtures;

TEST(NameListSplitting, Table) {
    struct Case { std::string text; std::vector<std::string> lines; const char* why; };
    const Case cases[] = {
        {"a.bmp\r\nb.ini\r\n", {"a.bmp", "b.ini"}, "a final break starts no line"},
        {"a.bmp\r\n\r\nb.ini", {"a.bmp", "", "b.ini"}, "an empty line between breaks is a name"},
        {"", {}, "no text, no names"},
        {"\r\n", {""}, "one break: one empty name"},
        {"a\rb\nc", {"a", "b", "c"}, "CR and LF alone end lines"},
        {"a\n\rb", {"a", "", "b"}, "LF CR is two breaks"},
        {"a\r\r\nb", {"a", "", "b"}, "CR then CR LF"},
        {"a\n\n", {"a", ""}, "two LFs at the end"},
        {std::string("a\r\nb\0c\r\nd", 9), {"a", "b"}, "a zero byte ends the text"},
        {std::string("\0a", 2), {}, "a zero byte first: nothing"},
        {" a \t\r\n", {" a \t"}, "names are not trimmed"},
    };
    for (const Case& c : cases) EXPECT_EQ(SplitStringListText(c.text), c.lines) << c.why;
}

TEST(AsciiLowerCase, OnlyLettersAToZ) {
    EXPECT_EQ(AsciiLowerCase("Close.BMP"), "close.bmp");
    EXPECT_EQ(AsciiLowerCase("@[`{"), "@[`{");  // neighbours of the letter ranges
    EXPECT_EQ(AsciiLowerCase("\xC4\xD6\xB0\xA1Z"), "\xC4\xD6\xB0\xA1z");  // bytes >= 0x80 untouched
}

// A package of: Skin.INI, Close.BMP, a.bmp (empty), close.bmp (duplicate), b.ini.
RawArchive Sample() {
    RawArchive a;
    a.names = "Skin.INI\r\nClose.BMP\r\na.bmp\r\nclose.bmp\r\nb.ini\r\n";
    a.sizes = {5, 3, 0, 4, 2};
    a.data = "[a]\r\nCLSSECObb";
    return a;
}

class LoadedSample : public ::testing::Test {
protected:
    void SetUp() override {
        reader.SetMessageCallback([this](const std::string& m) { messages.push_back(m); });
        ASSERT_TRUE(reader.LoadFromStream(Package(Sample())));
    }
    std::string Extract(std::string_view name) {
        Bytes out{'?'};
        reader.ExtractFile(name, out);
        return Str(out);
    }
    TSkinReader reader;
    std::vector<std::string> messages;
};

TEST_F(LoadedSample, FieldsAreReadAndNamesLowerCased) {
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(reader.Version(), 20000u);
    EXPECT_EQ(reader.NamesLength(), static_cast<int32_t>(Sample().names.size()));
    EXPECT_EQ(Str(Bytes(reader.Reserved().begin(), reader.Reserved().end())), "RSVDRSVD");
    EXPECT_EQ(reader.Count(), 5);
    EXPECT_EQ(reader.Names(),
              (std::vector<std::string>{"skin.ini", "close.bmp", "a.bmp", "close.bmp", "b.ini"}));
    EXPECT_EQ(reader.Sizes()[0], 5);
    EXPECT_EQ(reader.Sizes()[4], 2);
    EXPECT_EQ(reader.Sizes()[5], 0);
    EXPECT_EQ(Str(reader.Data()), Sample().data);
}

TEST_F(LoadedSample, ExtractFileIgnoresAsciiCaseAndFindsTheFirst) {
    EXPECT_EQ(Extract("close.bmp"), "CLS");
    EXPECT_EQ(Extract("CLOSE.BMP"), "CLS");
    EXPECT_EQ(Extract("cLoSe.BmP"), "CLS");  // the first of the two
    EXPECT_EQ(Extract("skin.ini"), "[a]\r\n");
    EXPECT_EQ(Extract("b.ini"), "bb");  // running offset passes every member before it
}

TEST_F(LoadedSample, ExtractFileWithoutAMatchLeavesDestEmpty) {
    EXPECT_EQ(Extract("missing.bmp"), "");
    EXPECT_EQ(Extract("close"), "");      // exact, not a fragment
    EXPECT_EQ(Extract("a.bmp"), "");      // found, but empty
    Bytes out{'x'};
    EXPECT_TRUE(reader.ExtractFile("A.BMP", out));
    EXPECT_FALSE(reader.ExtractFile("nope", out));
}

TEST_F(LoadedSample, ExtractMatchingFileIsCaseSensitiveOnTheFragment) {
    Bytes out;
    std::string name = "unchanged";
    EXPECT_FALSE(reader.ExtractMatchingFile(".INI", out, name));  // stored names are lower case
    EXPECT_TRUE(out.empty());
    EXPECT_EQ(name, "unchanged");
    EXPECT_TRUE(reader.ExtractMatchingFile(".ini", out, name));
    EXPECT_EQ(name, "skin.ini");  // the first of two .ini members
    EXPECT_EQ(Str(out), "[a]\r\n");
}

TEST_F(LoadedSample, ExtractMatchingFileTakesTheFirstOfOverlappingMatches) {
    Bytes out;
    std::string name;
    EXPECT_TRUE(reader.ExtractMatchingFile("close", out, name));  // two members named close.bmp
    EXPECT_EQ(Str(out), "CLS");
    EXPECT_TRUE(reader.ExtractMatchingFile("b", out, name));      // "close.bmp" comes before "b.ini"
    EXPECT_EQ(name, "close.bmp");
    EXPECT_TRUE(reader.ExtractMatchingFile("bmp", out, name));
    EXPECT_EQ(name, "close.bmp");
    EXPECT_TRUE(reader.ExtractMatchingFile("i", out, name));      // "skin.ini" holds it twice
    EXPECT_EQ(name, "skin.ini");
    name = "kept";
    EXPECT_FALSE(reader.ExtractMatchingFile("", out, name));      // an empty fragment is found nowhere
    EXPECT_EQ(name, "kept");
}

TEST(SkinReaderOverlap, FragmentOccurrencesOverlappingInsideOneName) {
    RawArchive a;
    a.names = "xaax\r\naaa.ini\r\n";
    a.sizes = {1, 1};
    a.data = "12";
    TSkinReader r;
    ASSERT_TRUE(r.LoadFromStream(Package(a)));
    Bytes out;
    std::string name;
    EXPECT_TRUE(r.ExtractMatchingFile("aaa", out, name));
    EXPECT_EQ(name, "aaa.ini");
    EXPECT_EQ(Str(out), "2");
}

TEST(SkinReaderNames, NonAsciiBytesAreNotLowerCased) {
    RawArchive a;
    a.names = "\xC4QUA.BMP\r\n";  // 0xC4 is a letter in code page 1252 and a lead byte in 936
    a.sizes = {1};
    a.data = "q";
    TSkinReader r;
    ASSERT_TRUE(r.LoadFromStream(Package(a)));
    EXPECT_EQ(r.Names()[0], "\xC4qua.bmp");
    Bytes out;
    EXPECT_TRUE(r.ExtractFile("\xC4Qua.bmp", out));
    EXPECT_FALSE(r.ExtractFile("\xE4qua.bmp", out));  // not folded to its 1252 lower case
}

TEST(SkinReaderNames, EmptyNamesAndDataLongerThanTheSizes) {
    RawArchive a;
    a.names = "a.bmp\r\n\r\nb.ini";
    a.sizes = {1, 2, 3};
    a.data = "ABBCCCtrailing";  // bytes beyond the sizes belong to Data and are harmless
    TSkinReader r;
    ASSERT_TRUE(r.LoadFromStream(Package(a)));
    EXPECT_EQ(r.Count(), 3);
    Bytes out;
    EXPECT_TRUE(r.ExtractFile("", out));
    EXPECT_EQ(Str(out), "BB");
    EXPECT_TRUE(r.ExtractFile("B.INI", out));
    EXPECT_EQ(Str(out), "CCC");
    EXPECT_EQ(r.Data().size(), 14u);
}

TEST(SkinReaderNames, NoNamesAtAll) {
    RawArchive a;
    a.data = "xyz";
    TSkinReader r;
    ASSERT_TRUE(r.LoadFromStream(Package(a)));
    EXPECT_EQ(r.Count(), 0);
    Bytes out{'?'};
    EXPECT_FALSE(r.ExtractFile("", out));
    EXPECT_TRUE(out.empty());
}

TEST(SkinReaderNames, ExactlyTheLargestTableOf1001Members) {
    RawArchive a;
    for (int i = 0; i < 1001; ++i) {
        a.names.append("m").append(std::to_string(i)).append(".bmp\r\n");
        a.sizes.push_back(i == 1000 ? 2 : 0);
    }
    a.data = "ok";
    TSkinReader r;
    ASSERT_TRUE(r.LoadFromStream(Package(a)));
    EXPECT_EQ(r.Count(), 1001);
    Bytes out;
    EXPECT_TRUE(r.ExtractFile("M1000.bmp", out));
    EXPECT_EQ(Str(out), "ok");
}

struct VersionCase {
    const char* why;
    Bytes package;
};

TEST(SkinReaderVersion, OtherVersionsSendTheMessageAndReturnFalse) {
    RawArchive older = Sample();
    older.version = 19999;
    Bytes shortArchive;
    PutInt32(shortArchive, 20000);  // right version, but the archive ends inside the header
    shortArchive.resize(15, 0);
    const VersionCase cases[] = {
        {"version 19999", Package(older)},
        {"archive size 0", Bytes{0, 0, 0, 0}},
        {"archive size 0 with trailing bytes", Bytes{0, 0, 0, 0, 0xE6, 0x80}},
        {"archive shorter than its header: fields stay zero", Package(shortArchive)},
    };
    for (const VersionCase& c : cases) {
        TSkinReader r;
        std::vector<std::string> messages;
        r.SetMessageCallback([&](const std::string& m) { messages.push_back(m); });
        EXPECT_FALSE(r.LoadFromStream(c.package)) << c.why;
        ASSERT_EQ(messages.size(), 1u) << c.why;
        EXPECT_EQ(messages[0], "This is Older Skin File\rPlease update to new version !") << c.why;
        EXPECT_EQ(r.Count(), 0) << c.why;
    }
    TSkinReader r;
    EXPECT_FALSE(r.LoadFromStream(Package(older)));  // no callback: nothing shown, still false
    EXPECT_EQ(r.Version(), 19999u);
    TSkinReader s;
    EXPECT_FALSE(s.LoadFromStream(Package(shortArchive)));
    EXPECT_EQ(s.Version(), 0u);
}

TEST(SkinReaderDecompress, ProducesTheStatedSize) {
    const Bytes archive = Build(Sample());
    Bytes out;
    TSkinReader::Decompress(Package(archive), out);
    EXPECT_EQ(out, archive);
}

}  // namespace
}  // namespace zuno::skin

// The NoSkin flag and what survives a failed load: broken packages, packages of the
// wrong version, missing definitions, bad images, skin files that do not exist, and
// the stored "SkinStream" data of the form.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "skin/draw/BmpDecoder.h"
#include "tests/skin_data/SkinTestPackages.h"

namespace zuno::skin {
namespace {

using test::Bmp;
using test::LoadSkin;
using test::Member;
using test::SkinPackage;

constexpr const char* kGoodSkin = "[TitlebarSkin]\nSkinName=good\n[Buttons]\nBitmap=b.bmp\n";

void LoadGoodSkin(TSkinData& data) {
    ASSERT_TRUE(LoadSkin(data, kGoodSkin, {Member("b.bmp", Bmp(9, 9))}));
    ASSERT_FALSE(data.NoSkin);
}

// The good skin's objects are still there.
void ExpectGoodSkinKept(const TSkinData& data) {
    EXPECT_TRUE(data.NoSkin);
    EXPECT_EQ(data.SkinName, "good");
    EXPECT_EQ(data.Buttons.Bitmap.Width(), 9);
}

std::vector<std::uint8_t> PackageOfVersion(std::uint32_t version) {
    std::vector<std::uint8_t> archive = BuildSkinArchive({test::TextMember("skin.ini", "[TitlebarSkin]\n")});
    for (int i = 0; i < 4; ++i) archive[static_cast<size_t>(i)] = static_cast<std::uint8_t>(version >> (8 * i));
    return PackSkinArchive(archive);
}

TEST(SkinDataNoSkin, IsTrueUntilADefinitionWasParsed) {
    TSkinData data;
    EXPECT_TRUE(data.NoSkin);
    LoadGoodSkin(data);
    EXPECT_FALSE(data.NoSkin);
}

// Broken packages, each a small fixture; none may change the loaded skin.
struct BrokenPackageCase {
    const char* note;
    std::vector<std::uint8_t> bytes;
};

TEST(SkinDataBrokenPackage, IsRefusedAndKeepsTheOldSkin) {
    // Archive: version 20000, a 9-byte name list "skin.ini\n", 8 reserved bytes, then a
    // size table entry announcing 1000 bytes of which none follow.
    std::vector<std::uint8_t> archive = {0x20, 0x4E, 0, 0, 9, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    for (char c : std::string("skin.ini\n")) archive.push_back(static_cast<std::uint8_t>(c));
    for (std::uint8_t b : {0xE8, 0x03, 0x00, 0x00}) archive.push_back(b);
    const std::vector<std::uint8_t> sizePastEnd = PackSkinArchive(archive);
    archive.resize(12);  // the header itself cut short after the reserved bytes began
    const std::vector<std::uint8_t> shortHeader = PackSkinArchive(archive);
    const BrokenPackageCase cases[] = {
        {"shorter than the archive size field", {1, 2, 3}},
        {"negative archive size", {0xFF, 0xFF, 0xFF, 0xFF, 0x00}},
        {"archive size the stream cannot produce", {0x00, 0x00, 0x00, 0x7F, 0x00}},
        {"member size running past the end of the archive", sizePastEnd},
        {"archive shorter than its header", shortHeader},
    };
    for (const BrokenPackageCase& c : cases) {
        TSkinData data;
        LoadGoodSkin(data);
        data.PackageStream = c.bytes;
        bool loaded = true;
        try {
            loaded = data.LoadPackage();
        } catch (const SkinPackageError&) {
            loaded = false;
        }
        EXPECT_FALSE(loaded) << c.note;
        ExpectGoodSkinKept(data);
    }
}

TEST(SkinDataBrokenPackage, WrongVersionReturnsFalseAndShowsTheMessage) {
    for (std::uint32_t version : {19999u, 0u, 20001u}) {
        TSkinData data;
        LoadGoodSkin(data);
        std::vector<std::string> messages;
        data.OnPackageMessage = [&](const std::string& text) { messages.push_back(text); };
        data.PackageStream = PackageOfVersion(version);
        EXPECT_FALSE(data.LoadPackage()) << version;
        ASSERT_EQ(messages.size(), 1u) << version;
        EXPECT_EQ(messages[0], "This is Older Skin File\rPlease update to new version !");
        ExpectGoodSkinKept(data);
    }
}

TEST(SkinDataBrokenPackage, EmptyArchiveIsAWrongVersion) {
    TSkinData data;
    data.PackageStream = PackSkinArchive({});
    EXPECT_FALSE(data.LoadPackage());
    EXPECT_TRUE(data.NoSkin);
}

TEST(SkinDataMissingDefinition, ParsesToDefaultsWithoutOptionalObjects) {
    TSkinData data;
    LoadGoodSkin(data);
    data.PackageStream = WriteSkinPackage({Member("b.bmp", Bmp(9, 9)), test::TextMember("skin.txt", "[Tabs]\nImage=b.bmp\n")});
    ASSERT_TRUE(data.LoadPackage());
    EXPECT_FALSE(data.NoSkin);
    EXPECT_EQ(data.SkinName, "");
    EXPECT_TRUE(data.Buttons.Bitmap.Empty());
    EXPECT_EQ(data.Tabs, nullptr);
    EXPECT_EQ(data.ButtonFaceColour, clBtnFace);
}

TEST(SkinDataBadImage, StopsTheParseWithTheImageError) {
    TSkinData data;
    LoadGoodSkin(data);
    // "BM" and nothing after it: a member that claims to be a BMP but holds no header.
    const std::vector<std::uint8_t> notABmp = {'B', 'M', 0, 0};
    data.PackageStream = SkinPackage(
        "[TitlebarSkin]\nSkinName=half\n[Colours]\nButtonFace=1 2 3\n[Buttons]\nBitmap=bad.bmp\n",
        {Member("bad.bmp", notABmp)});
    EXPECT_THROW(data.LoadPackage(), BmpError);
    EXPECT_TRUE(data.NoSkin);
    EXPECT_EQ(data.SkinName, "half") << "what was refilled before the error keeps its new contents";
    EXPECT_EQ(data.ButtonFaceColour, MakeTColor(1, 2, 3));
}

TEST(SkinDataBadImage, CanBeFollowedByAGoodLoad) {
    TSkinData data;
    data.PackageStream = SkinPackage("[Tabs]\nImage=bad.bmp\n", {Member("bad.bmp", {'B', 'M', 1})});
    EXPECT_THROW(data.LoadPackage(), BmpError);
    LoadGoodSkin(data);
    EXPECT_EQ(data.Tabs, nullptr) << "the half-built object of the failed load is freed";
}

// Records what the component hands to the skin manager.
class RecordingLink : public ISkinManagerLink {
public:
    std::vector<std::string> calls;
    void Loaded(TSkinData&) override { calls.push_back("Loaded"); }
    void MakeCurrent(TSkinData&) override { calls.push_back("MakeCurrent"); }
    void Schedule(TSkinData&, SkinCommand c) override {
        calls.push_back("Schedule" + std::to_string(static_cast<int>(c)));
    }
    void ApplySkin(TSkinData&) override { calls.push_back("ApplySkin"); }
    void Unregister(TSkinData&) override { calls.push_back("Unregister"); }
};

class SkinDataFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("skin_data_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string WriteFile(const std::string& name, const std::vector<std::uint8_t>& bytes) {
        const auto path = dir_ / name;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return path.string();
    }

    std::filesystem::path dir_;
};

TEST_F(SkinDataFileTest, LoadsAnExistingFileAndHandsItToTheManager) {
    RecordingLink link;
    TSkinData data;
    data.SetManagerLink(&link);
    const std::string path = WriteFile("blue.skn", SkinPackage("[TitlebarSkin]\nSkinName=blue\n"));
    data.SetSkinFile(path);
    EXPECT_EQ(data.SkinFile(), path);
    EXPECT_FALSE(data.NoSkin);
    EXPECT_EQ(data.SkinName, "blue");
    EXPECT_EQ(data.PackageStream, SkinPackage("[TitlebarSkin]\nSkinName=blue\n"));
    EXPECT_EQ(link.calls, std::vector<std::string>{"ApplySkin"});
    data.SetManagerLink(nullptr);
}

TEST_F(SkinDataFileTest, DialogSkinIsNotHandedToTheManager) {
    RecordingLink link;
    TSkinData data;
    data.SetManagerLink(&link);
    data.SkinFormtype = TSkinFormType::sfDialog;
    data.SetSkinFile(WriteFile("d.skn", SkinPackage("[TitlebarSkin]\n")));
    EXPECT_FALSE(data.NoSkin);
    EXPECT_TRUE(link.calls.empty());
    data.SetManagerLink(nullptr);
}

TEST_F(SkinDataFileTest, MissingFileKeepsTheOldObjectsButCountsAsNoSkin) {
    RecordingLink link;
    TSkinData data;
    data.SetManagerLink(&link);
    LoadGoodSkin(data);
    const auto before = data.PackageStream;
    for (const std::string& path : {(dir_ / "none.skn").string(), dir_.string(), std::string()}) {
        data.SetSkinFile(path);
        EXPECT_EQ(data.SkinFile(), path);
        ExpectGoodSkinKept(data);
        EXPECT_EQ(data.PackageStream, before);
    }
    data.SetActive(true);
    EXPECT_TRUE(data.Active());
    EXPECT_TRUE(link.calls.empty()) << "switching on without a skin changes nothing";
    data.SetManagerLink(nullptr);
}

TEST_F(SkinDataFileTest, BrokenFileRaisesToTheCaller) {
    TSkinData data;
    LoadGoodSkin(data);
    EXPECT_THROW(data.SetSkinFile(WriteFile("bad.skn", {1, 2})), SkinPackageError);
    ExpectGoodSkinKept(data);
}

std::string Stored(const TSkinData& data) {
    std::ostringstream out;
    data.WriteSkinStream(out);
    return out.str();
}

TEST(SkinDataSkinStream, RoundTripsThePackage) {
    TSkinData source;
    LoadGoodSkin(source);
    const std::string stored = Stored(source);
    ASSERT_EQ(stored.size(), source.PackageStream.size() + 4);
    const std::uint32_t count = static_cast<std::uint8_t>(stored[0]) | static_cast<std::uint8_t>(stored[1]) << 8 |
                                static_cast<std::uint8_t>(stored[2]) << 16 | static_cast<std::uint32_t>(static_cast<std::uint8_t>(stored[3])) << 24;
    EXPECT_EQ(count, source.PackageStream.size()) << "32-bit little-endian count first";

    TSkinData copy;
    std::istringstream in(stored + "next property");
    copy.ReadSkinStream(in);
    EXPECT_EQ(copy.PackageStream, source.PackageStream);
    EXPECT_FALSE(copy.NoSkin);
    EXPECT_EQ(copy.SkinName, "good");
    EXPECT_EQ(copy.Buttons.Bitmap.Width(), 9);
    std::string rest;
    std::getline(in, rest);
    EXPECT_EQ(rest, "next property") << "exactly the stored bytes are consumed";
}

TEST(SkinDataSkinStream, EmptyPackageIsStoredAsCountZero) {
    TSkinData data;
    EXPECT_EQ(Stored(data), std::string(4, '\0'));
}

struct StoredStreamCase {
    const char* note;
    std::string bytes;
    bool throws;
};

TEST(SkinDataSkinStream, DamagedOrEmptyDataLoadNothing) {
    const StoredStreamCase cases[] = {
        {"count 0", std::string(4, '\0'), false},
        {"negative count", std::string("\xFF\xFF\xFF\xFF", 4), false},
        {"count cut short", std::string("\x01\x00", 2), true},
        {"100 bytes announced, 3 present", std::string("\x64\x00\x00\x00" "abc", 7), true},
        {"2 GiB announced, none present", std::string("\xFF\xFF\xFF\x7F", 4), true},
    };
    for (const StoredStreamCase& c : cases) {
        TSkinData data;
        data.PackageStream = {1, 2, 3};
        std::istringstream in(c.bytes);
        if (c.throws)
            EXPECT_THROW(data.ReadSkinStream(in), std::runtime_error) << c.note;
        else
            EXPECT_NO_THROW(data.ReadSkinStream(in)) << c.note;
        EXPECT_TRUE(data.NoSkin) << c.note;
        EXPECT_EQ(data.PackageStream, (std::vector<std::uint8_t>{1, 2, 3})) << c.note << ": nothing lost";
    }
}

}  // namespace
}  // namespace zuno::skin

// The archive writer: the layout it writes is the one the reader parses, and it
// refuses what the format cannot hold.
#include <gtest/gtest.h>

#include "SkinFixtures.h"
#include "skin/package/SkinReader.h"

namespace zuno::skin {
namespace {

using namespace fixtures;

TEST(SkinArchiveWriter, LayoutIsHeaderNamesSizesData) {
    const Bytes archive = BuildSkinArchive({{"A.bmp", {1, 2}}, {"b.ini", {3}}}, {9, 9, 9, 9, 9, 9, 9, 9});
    RawArchive expected;
    expected.names = "A.bmp\r\nb.ini\r\n";
    expected.sizes = {2, 1};
    expected.data = "\x01\x02\x03";
    expected.reserved = std::string(8, '\x09');
    EXPECT_EQ(archive, Build(expected));
}

TEST(SkinArchiveWriter, PackageRoundTripKeepsEveryMember) {
    std::vector<SkinPackageMember> members;
    for (int i = 0; i < 40; ++i) {
        Bytes data(static_cast<size_t>(i * 97), static_cast<uint8_t>(i));
        for (size_t k = 0; k < data.size(); k += 7) data[k] = static_cast<uint8_t>(k);
        members.push_back({"Member" + std::to_string(i) + ".BMP", data});
    }
    members.push_back({"", {'e'}});  // an empty name survives too
    const Bytes package = WriteSkinPackage(members);
    TSkinReader reader;
    ASSERT_TRUE(reader.LoadFromStream(package));
    ASSERT_EQ(reader.Count(), 41);
    for (const auto& m : members) {
        Bytes out;
        EXPECT_TRUE(reader.ExtractFile(m.name, out)) << m.name;
        EXPECT_EQ(out, m.bytes) << m.name;
    }
}

TEST(SkinArchiveWriter, EmptyPackage) {
    TSkinReader reader;
    ASSERT_TRUE(reader.LoadFromStream(WriteSkinPackage({})));
    EXPECT_EQ(reader.Count(), 0);
    EXPECT_TRUE(reader.Data().empty());
}

TEST(SkinArchiveWriter, RefusesWhatTheFormatCannotHold) {
    EXPECT_THROW(BuildSkinArchive({{"a\r\nb", {}}}), SkinPackageError);
    EXPECT_THROW(BuildSkinArchive({{"a\nb", {}}}), SkinPackageError);
    EXPECT_THROW(BuildSkinArchive({{"a\rb", {}}}), SkinPackageError);
    EXPECT_THROW(BuildSkinArchive({{std::string("a\0b", 3), {}}}), SkinPackageError);
    std::vector<SkinPackageMember> many(1002, SkinPackageMember{"x", {}});
    EXPECT_THROW(BuildSkinArchive(many), SkinPackageError);
    many.pop_back();
    EXPECT_NO_THROW(BuildSkinArchive(many));
}

}  // namespace
}  // namespace zuno::skin

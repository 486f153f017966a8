// Packages outside the container format. Each fixture carries one fault; the
// reader must throw SkinPackageError without touching memory outside the input
// (the suite runs under AddressSanitizer) and keep what it had loaded before.
#include <gtest/gtest.h>

#include "SkinFixtures.h"
#include "skin/package/SkinReader.h"

namespace zuno::skin {
namespace {

using namespace fixtures;

struct Refusal {
    const char* what;  // the fault the fixture exercises
    Bytes package;
};

Bytes WithSizeField(int32_t size, Bytes stream) {
    Bytes b;
    PutInt32(b, static_cast<uint32_t>(size));
    for (uint8_t x : stream) b.push_back(x);
    return b;
}

RawArchive Good() {
    RawArchive a;
    a.names = "a.bmp\r\nb.ini\r\n";
    a.sizes = {2, 3};
    a.data = "AABBB";
    return a;
}

std::vector<Refusal> Refusals() {
    std::vector<Refusal> r;
    r.push_back({"empty file: no archive size", {}});
    r.push_back({"three bytes: no archive size", {1, 0, 0}});
    r.push_back({"negative archive size", WithSizeField(-1, {0xE6, 0x80})});
    r.push_back({"archive size of 49 from one compressed byte (at most 48)", WithSizeField(49, {0x00})});
    r.push_back({"archive size 2^31-1 from a few bytes", WithSizeField(0x7FFFFFFF, {1, 2, 3, 4})});
    r.push_back({"archive size 1 and no compressed bytes", WithSizeField(1, {})});

    RawArchive a = Good();
    a.namesLength = -1;
    r.push_back({"negative name-list length", Package(a)});
    a = Good();
    a.namesLength = 1000;
    r.push_back({"name list runs past the end", Package(a)});
    a = Good();
    a.namesLength = 0x7FFFFFFF;
    r.push_back({"name-list length 2^31-1", Package(a)});

    a = Good();
    a.sizes = {2};
    a.data = "";  // the table needs 8 bytes, only 4 are there
    r.push_back({"size table runs past the end", Package(a)});
    a = Good();
    a.sizes = {};
    a.data = "";
    r.push_back({"archive ends right after the name list", Package(a)});

    a = Good();
    a.sizes = {-1, 3};
    r.push_back({"negative member size", Package(a)});
    a = Good();
    a.sizes = {2, 4};
    r.push_back({"member data runs past the end by one byte", Package(a)});
    a = Good();
    a.sizes = {0x7FFFFFFF, 0x7FFFFFFF};
    r.push_back({"sizes whose sum overflows 32 bits", Package(a)});

    a = RawArchive{};
    for (int i = 0; i < 1002; ++i) {
        a.names += "n\r\n";
        a.sizes.push_back(0);
    }
    r.push_back({"1,002 names", Package(a)});
    a = RawArchive{};
    a.names = std::string(1002, '\n');  // 1,002 empty names, no size table at all
    r.push_back({"1,002 empty names", Package(a)});
    return r;
}

TEST(SkinReaderRefusal, EveryFaultIsRefusedAndThePreviousLoadKept) {
    for (const Refusal& c : Refusals()) {
        TSkinReader reader;
        int messages = 0;
        reader.SetMessageCallback([&](const std::string&) { ++messages; });
        ASSERT_TRUE(reader.LoadFromStream(Package(Good())));
        EXPECT_THROW(reader.LoadFromStream(c.package), SkinPackageError) << c.what;
        EXPECT_EQ(messages, 0) << c.what;
        Bytes out;
        EXPECT_TRUE(reader.ExtractFile("b.ini", out)) << c.what;
        EXPECT_EQ(Str(out), "BBB") << c.what;
        EXPECT_EQ(reader.Version(), 20000u) << c.what;
    }
}

TEST(SkinReaderRefusal, TheOutputBoundIsExactlyFortyEightBytesPerCompressedByte) {
    // 48 is accepted: one zero byte then zero bits decode to 48 bytes of 't' -- not an
    // archive, so the version message follows, but no error.
    TSkinReader reader;
    int messages = 0;
    reader.SetMessageCallback([&](const std::string&) { ++messages; });
    EXPECT_FALSE(reader.LoadFromStream(WithSizeField(48, {0x00})));
    EXPECT_EQ(messages, 1);
    Bytes out;
    TSkinReader::Decompress(WithSizeField(48, {0x00}), out);
    EXPECT_GE(out.size(), 48u);
}

TEST(SkinReaderRefusal, TruncatedStreamsDecodeFromZeroBitsToTheStatedSize) {
    // Within the bound, a cut stream is decoded on with zero bits, as the original did.
    const Bytes full = Package(Good());
    Bytes cut(full.begin(), full.begin() + 12);
    Bytes out;
    TSkinReader::Decompress(cut, out);
    const uint32_t stated = full[0] | full[1] << 8;
    EXPECT_GE(out.size(), stated);
    EXPECT_LT(out.size(), stated + 60);
}

TEST(SkinReaderRefusal, AHugeListOfLineBreaksStopsAtTheFirstNameBeyondTheTable) {
    // 8 MB of line breaks would be 8 million empty names; splitting must stop at 1,002.
    RawArchive a;
    a.names = std::string(8u << 20, '\n');
    const Bytes archive = Build(a);
    SkinArchiveView view;
    EXPECT_THROW(ParseSkinArchive(archive, view), SkinPackageError);
    EXPECT_EQ(view.names.size(), 1002u);
}

TEST(SkinReaderRefusal, ErrorTextsSayWhatIsWrong) {
    try {
        TSkinReader reader;
        reader.LoadFromStream(Bytes{1, 2});
        FAIL();
    } catch (const SkinPackageError& e) {
        EXPECT_NE(std::string(e.what()).find("no archive size"), std::string::npos) << e.what();
    }
    RawArchive a = Good();
    a.sizes = {-5, 3};
    try {
        TSkinReader reader;
        reader.LoadFromStream(Package(a));
        FAIL();
    } catch (const SkinPackageError& e) {
        EXPECT_NE(std::string(e.what()).find("negative size -5"), std::string::npos) << e.what();
    }
}

}  // namespace
}  // namespace zuno::skin

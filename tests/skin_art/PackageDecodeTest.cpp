// Each shipped skin's package through both LZH decoders of the program: the
// whole-stream one the reader uses and the step-by-step one give the same bytes,
// the archive the package was made from.
#include <gtest/gtest.h>

#include <algorithm>

#include "SkinArtFixtures.h"
#include "skin/package/Lzh.h"
#include "skin/package/SkinReader.h"

namespace zuno::skinart::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

class PackageDecodeTest : public testing::TestWithParam<std::string> {};

TEST_P(PackageDecodeTest, WholeStreamAndStepDecodersAgree) {
    const Bytes package = PackageBytes(Generated(*FindSkinStyle(GetParam())));
    Bytes whole;
    skin::TSkinReader::Decompress(package, whole);

    const std::span<const std::uint8_t> stream(package.data() + 4, package.size() - 4);
    const auto count = static_cast<int64_t>(package[0] | package[1] << 8 | package[2] << 16 | package[3] << 24);
    Bytes steps;
    size_t pos = 0;
    skin::TLZH().Unpack(
        count,
        [&](std::uint8_t* buf, size_t n) {
            n = std::min(n, stream.size() - pos);
            std::copy_n(stream.data() + pos, n, buf);
            pos += n;
            return n;
        },
        [&](const std::uint8_t* b, size_t n) { steps.insert(steps.end(), b, b + n); });

    ASSERT_EQ(whole.size(), static_cast<size_t>(count));
    EXPECT_TRUE(whole == steps);
    skin::TSkinReader reader;
    ASSERT_TRUE(reader.LoadFromStream(package));
    EXPECT_FALSE(reader.Names().empty());
}

INSTANTIATE_TEST_SUITE_P(Skins, PackageDecodeTest, testing::ValuesIn(AllStyles()), StyleName);

}  // namespace
}  // namespace zuno::skinart::test

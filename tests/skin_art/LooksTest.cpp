// The set of skins as a whole: one default, unique names, looks that really differ,
// text that can be read on the colour it is drawn on, and output that does not
// change from one run to the next.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "SkinArtFixtures.h"

namespace zuno::skinart::test {
namespace {

double Distance(Rgb a, Rgb b) { return std::sqrt(std::pow(a.r - b.r, 2) + std::pow(a.g - b.g, 2) + std::pow(a.b - b.b, 2)); }

TEST(SkinSetTest, ExactlyOneDefaultAndItComesFirst) {
    int defaults = 0;
    for (const SkinStyle& s : AllSkinStyles()) defaults += s.isDefault;
    EXPECT_EQ(defaults, 1);
    EXPECT_TRUE(AllSkinStyles().front().isDefault);
}

TEST(SkinSetTest, AtLeastFiveSkinsBesideTheDefault) { EXPECT_GE(AllSkinStyles().size(), 6u); }

TEST(SkinSetTest, NamesAndIdsAreUnique) {
    std::set<std::string> names, ids;
    for (const SkinStyle& s : AllSkinStyles()) {
        EXPECT_TRUE(names.insert(s.name).second) << s.name;
        EXPECT_TRUE(ids.insert(s.id).second) << s.id;
        for (char c : s.id) EXPECT_TRUE((c >= 'a' && c <= 'z') || c == '-') << s.id;
        // The name becomes a file name in the skin folder.
        EXPECT_EQ(s.name.find_first_of("/\\:*?\"<>|"), std::string::npos) << s.name;
    }
}

TEST(SkinSetTest, FindsSkinsByIdAndByName) {
    for (const SkinStyle& s : AllSkinStyles()) {
        EXPECT_EQ(FindSkinStyle(s.id), &s);
        EXPECT_EQ(FindSkinStyle(s.name), &s);
    }
    EXPECT_EQ(FindSkinStyle("no-such-skin"), nullptr);
}

TEST(SkinSetTest, EveryPairOfSkinsLooksDifferent) {
    const auto& all = AllSkinStyles();
    for (size_t i = 0; i < all.size(); ++i)
        for (size_t j = i + 1; j < all.size(); ++j) {
            SCOPED_TRACE(all[i].id + " vs " + all[j].id);
            const double caption = Distance(CaptionColour(all[i], all[i].captionHeight / 2.0, true),
                                            CaptionColour(all[j], all[j].captionHeight / 2.0, true));
            const double face = Distance(all[i].face, all[j].face);
            const double accent = Distance(all[i].accent, all[j].accent);
            EXPECT_GT(caption + face + accent, 60.0);
        }
}

class ReadabilityTest : public SkinParamTest {};

// Text against the colour it is drawn on, by perceived brightness.
TEST_P(ReadabilityTest, TextContrastsWithItsBackground) {
    const SkinStyle& s = style();
    struct Pair {
        const char* what;
        Rgb text, back;
        double minimum;
    };
    const Pair pairs[] = {
        {"caption text", s.captionText, CaptionColour(s, s.captionHeight / 2.0, true), 90},
        {"inactive caption text", s.inactiveText, CaptionColour(s, s.captionHeight / 2.0, false), 35},
        {"button text", s.faceText, s.face, 120},
        {"menu text", s.menuText, s.menu, 120},
        {"menu bar text", s.menuBarText, StopsAt(s.menuBar, 0.5), 120},
        {"selected menu text", s.accentText, s.accent, 60},
        {"disabled menu text", s.shadow, s.menu, 25},
    };
    for (const Pair& p : pairs) {
        SCOPED_TRACE(p.what);
        EXPECT_GT(std::abs(Luma(p.text) - Luma(p.back)), p.minimum);
    }
}

TEST_P(ReadabilityTest, GenerationIsRepeatable) {
    const auto first = SkinFiles(GenerateSkin(style()));
    const auto second = SkinFiles(GenerateSkin(style()));
    ASSERT_EQ(first.size(), second.size());
    for (size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(first[i].first, second[i].first);
        EXPECT_TRUE(first[i].second == second[i].second) << first[i].first;
    }
}

INSTANTIATE_TEST_SUITE_P(Skins, ReadabilityTest, testing::ValuesIn(AllStyles()), StyleName);

}  // namespace
}  // namespace zuno::skinart::test

// Identifier clashes under the rules of the program's like lookups.
#include <gtest/gtest.h>

#include "authoring/contentc/IdChecks.h"

namespace zuno::authoring {
namespace {

using Pairs = std::vector<std::pair<size_t, size_t>>;

TEST(LikeEquals, WildcardAndCase) {
    EXPECT_TRUE(LikeEquals("T_000077", "TX000077"));
    EXPECT_FALSE(LikeEquals("TX000077", "T_000077"));  // '_' in the subject is a plain character
    EXPECT_TRUE(LikeEquals("t0000001", "T0000001"));
    EXPECT_FALSE(LikeEquals("T0000001", "T00000011"));
}

TEST(FindLikeMatches, PrefixMatchesFindTestsWhoseQuestionsWouldMix) {
    const std::vector<std::string> ids = {"T0000001", "T0000002", "T_000001", "t0000002"};
    EXPECT_EQ(FindLikeMatches(ids, ids, true),
              (Pairs{{0, 0}, {1, 1}, {1, 3}, {2, 0}, {2, 2}, {3, 1}, {3, 3}}));
}

TEST(FindLikeMatches, ContainmentAnywhereFindsTheA1A10Clash) {
    const std::vector<std::string> questions = {"T0000001A1", "T0000001A10"};
    const std::vector<std::string> options = {"T0000001A1x", "T0000001A10x"};
    // Question A1 occurs in the option of A10: the program would list it twice.
    EXPECT_EQ(FindLikeMatches(questions, options, false), (Pairs{{0, 0}, {0, 1}, {1, 1}}));
}

TEST(FindLikeMatches, ContainmentAtAnyOffset) {
    EXPECT_EQ(FindLikeMatches({"Q1"}, {"xxQ1yy", "q1", "Q2"}, false), (Pairs{{0, 0}, {0, 1}}));
    EXPECT_EQ(FindLikeMatches({"Q1"}, {"xxQ1yy"}, true), Pairs{});
}

TEST(FindLikeMatches, FixedWidthIdsNeverClash) {
    std::vector<std::string> questions, options;
    for (int q = 1; q <= 120; ++q) {
        char qid[32];
        std::snprintf(qid, sizeof qid, "T0000001Q%03d", q);
        questions.push_back(qid);
        for (int k = 1; k <= 12; ++k) {
            char oid[40];
            std::snprintf(oid, sizeof oid, "%sO%02d", qid, k);
            options.push_back(oid);
        }
    }
    for (const auto& [q, o] : FindLikeMatches(questions, options, false)) EXPECT_EQ(q, o / 12);
}

}  // namespace
}  // namespace zuno::authoring

// Identifier widths and the stored result-field text.
#include <gtest/gtest.h>

#include "authoring/common/ContentFormat.h"

namespace zuno::authoring {
namespace {

TEST(ContentFormat, IdentifiersHaveFixedWidths) {
    EXPECT_EQ(DefaultTestId(12), "T0000012");
    EXPECT_EQ(DefaultTestId(9999999), "T9999999");
    EXPECT_EQ(QuestionId("T0000012", 1), "T0000012Q001");
    EXPECT_EQ(QuestionId("T0000012", 254), "T0000012Q254");
    EXPECT_EQ(OptionId("T0000012Q001", 1), "T0000012Q001O01");
    EXPECT_EQ(OptionId("T0000012Q010", 12), "T0000012Q010O12");
}

TEST(ContentFormat, QuestionOneIsNotInsideTheOptionIdsOfQuestionTen) {
    // With IDs like T0000001A1 and T0000001A10 the first would list the options of
    // the second; fixed widths keep them apart.
    EXPECT_EQ(OptionId(QuestionId("T0000001", 10), 1).find(QuestionId("T0000001", 1)), std::string::npos);
}

TEST(ContentFormat, PictureMarker) { EXPECT_EQ(QuestionTextWithPicture("看图", 17), "看图@!##17"); }

TEST(ContentFormat, ResultFieldOfEachKind) {
    const std::vector<ResultSegment> segs = {{0, 10, "低"}, {11, 255, "高\r\n二"}};
    EXPECT_EQ(BuildResultField(Evaluation::Score, segs), "0--to  10@___@低!rt#11--to  255@___@高\r\n二");
    EXPECT_EQ(BuildResultField(Evaluation::MostFrequent, {{1, 1, "甲"}}), "ts111--to  1@___@甲");
    EXPECT_EQ(BuildResultField(Evaluation::PerAnswer, {{3, 3, "a"}, {13, 14, "b"}}), "ts123--to  3@___@a!rt#13--to  14@___@b");
}

TEST(ContentFormat, AnswerCodes) {
    EXPECT_EQ(AnswerCode(1, 3), 3);
    EXPECT_EQ(AnswerCode(2, 1), 13);
    EXPECT_EQ(AnswerCode(22, 3), 255);
    EXPECT_EQ(AnswerCode(22, 4), 256);
}

}  // namespace
}  // namespace zuno::authoring

// The conventions that tie the content database together, shared by the compiler
// and the generator so that they cannot drift apart: identifiers of tests,
// questions and options, the result field's text format, the picture marker in
// question texts and the software-information records the program reads.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zuno::authoring {

// A test ID has exactly this many characters: the program finds a test's questions
// and options through their first 8 characters.
inline constexpr size_t kTestIdLength = 8;
inline constexpr int kMaxQuestions = 254;        // the question count and index are 8-bit
inline constexpr int kMaxOptionsShown = 12;      // twelve option controls on the page
inline constexpr int kMaxMark = 255;             // a page's mark is 8-bit
inline constexpr int kMaxResultBound = 255;      // result bounds keep their low 8 bits
inline constexpr int64_t kMaxDefaultIdNumber = 9999999;  // "T" + 7 digits

inline constexpr std::string_view kPictureMarker = "@!##";
inline constexpr std::string_view kSegmentEnd = "!rt#";
inline constexpr std::string_view kRangeJoin = "--to";
// The two characters after "--to" are skipped unread by the program.
inline constexpr std::string_view kRangeFiller = "  ";
inline constexpr std::string_view kTextMarker = "@___@";
inline constexpr std::string_view kMostFrequentPrefix = "ts11";
inline constexpr std::string_view kPerAnswerPrefix = "ts12";

// Software information: at least 13 records, the 12th is the content version.
inline constexpr size_t kMinSoftInfoRecords = 13;
inline constexpr size_t kVersionRecord = 12;     // counted from 1
inline constexpr std::string_view kContentVersion = "4.3";

enum class Evaluation { Score, MostFrequent, PerAnswer };

// "T" followed by the number in 7 digits; number must be 0..9999999.
std::string DefaultTestId(int64_t number);
// Test ID + "Q" + 3 digits, question counted from 1.
std::string QuestionId(std::string_view testId, int question);
// Question ID + "O" + 2 digits, option counted from 1.
std::string OptionId(std::string_view questionId, int option);
// Question text as stored: with a picture, the text, the marker and the id.
std::string QuestionTextWithPicture(std::string_view text, int64_t pictureId);

// Answer code of option k of question q (both from 1) in a per-answer test.
inline int64_t AnswerCode(int64_t question, int64_t option) { return (question - 1) * 12 + option; }

struct ResultSegment {
    int low = 0;   // 0..255
    int high = 0;  // 0..255
    std::string text;
};

// The stored result field: prefix by kind, segments joined by "!rt#", without a
// trailing "!rt#" (the program appends one before it parses).
std::string BuildResultField(Evaluation kind, const std::vector<ResultSegment>& segments);

}  // namespace zuno::authoring

// Identifier and result-field formatting for the content database.
#include "authoring/common/ContentFormat.h"

#include <cstdio>

namespace zuno::authoring {

std::string DefaultTestId(int64_t number) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "T%07lld", static_cast<long long>(number));
    return buffer;
}

std::string QuestionId(std::string_view testId, int question) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "Q%03d", question);
    return std::string(testId) + buffer;
}

std::string OptionId(std::string_view questionId, int option) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "O%02d", option);
    return std::string(questionId) + buffer;
}

std::string QuestionTextWithPicture(std::string_view text, int64_t pictureId) {
    return std::string(text) + std::string(kPictureMarker) + std::to_string(pictureId);
}

std::string BuildResultField(Evaluation kind, const std::vector<ResultSegment>& segments) {
    std::string field;
    if (kind == Evaluation::MostFrequent) field = kMostFrequentPrefix;
    if (kind == Evaluation::PerAnswer) field = kPerAnswerPrefix;
    for (size_t i = 0; i < segments.size(); ++i) {
        if (i > 0) field += kSegmentEnd;
        field += std::to_string(segments[i].low);
        field += kRangeJoin;
        field += kRangeFiller;
        field += std::to_string(segments[i].high);
        field += kTextMarker;
        field += segments[i].text;
    }
    return field;
}

}  // namespace zuno::authoring

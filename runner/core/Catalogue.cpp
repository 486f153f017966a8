// Catalogue captions. Score and count are the database's 32-bit integers; the
// product is formed in 64 bits so that a large score cannot overflow.
#include "runner/core/Catalogue.h"

#include "runner/core/Texts.h"

namespace zuno::runner {

std::string TestItemCaption(std::string_view title, std::int32_t score, std::int32_t count,
                            std::int32_t recId, std::int32_t newThreshold) {
    std::string caption(title);
    if (count != 0) {
        const std::int64_t percent = static_cast<std::int64_t>(score) * 10 / count;
        caption += texts::kCredibilityGap;
        caption += std::to_string(percent);
        caption += '%';
    } else {
        caption += texts::kUnknownCredibility;
    }
    if (recId > newThreshold) caption += texts::kTestNewMark;
    return caption;
}

std::string TextItemCaption(std::string_view name, std::int32_t id, std::int32_t newThreshold) {
    std::string caption(name);
    if (id > newThreshold) caption += texts::kTextNewMark;
    return caption;
}

std::string LoadingCaption(std::string_view title) {
    std::string caption(texts::kLoading);
    caption += '"';
    caption += title;
    caption += '"';
    return caption;
}

}  // namespace zuno::runner

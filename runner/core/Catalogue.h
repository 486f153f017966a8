// Captions of the catalogue menus: a test's title with its credibility figure and
// "New" mark, an article's or humour text's name with its "New" mark, and the
// splash progress text shown while the catalogues are built.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zuno::runner {

// Title T, then five spaces and score × 10 div count with "%" (remainder dropped,
// truncating toward zero), or "    ?" when count is 0; then "     New" when recId
// is greater than the tests' "New" threshold (OldLibNum).
std::string TestItemCaption(std::string_view title, std::int32_t score, std::int32_t count,
                            std::int32_t recId, std::int32_t newThreshold);

// Article and humour items: the name, with "   New" when id is greater than the
// threshold (OldArtNum or OldHumorNum).
std::string TextItemCaption(std::string_view name, std::int32_t id, std::int32_t newThreshold);

// Splash label while the catalogues are built: "正在加载" and the title in ASCII
// double quotes.
std::string LoadingCaption(std::string_view title);

}  // namespace zuno::runner

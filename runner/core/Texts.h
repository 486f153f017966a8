// The test runner's own texts, exactly as the user sees them (UTF-8 here; shown
// and logged in GBK). "\r" is a carriage return alone, as the result page uses it.
#pragma once

#include <string_view>

namespace zuno::runner::texts {

// Navigation buttons. The finish caption has two spaces.
inline constexpr std::string_view kNextCaption = "下一题";
inline constexpr std::string_view kFinishCaption = "完  成";
inline constexpr std::string_view kPreviousCaption = "上一题";

// Side caption after loading: kQuestionCountHead, the count, kQuestionCountTail.
inline constexpr std::string_view kQuestionCountHead = "本测试共有";
inline constexpr std::string_view kQuestionCountTail = "个问题";

// Result page.
inline constexpr std::string_view kResultHeading = "测试结果：本道测试题最低分为：";
inline constexpr std::string_view kRangeMiddle = "分,最高分为：";
inline constexpr std::string_view kScoreLine = "分，你的得分为：";
inline constexpr std::string_view kScoreUnit = "分。";
inline constexpr std::string_view kPerAnswerNotice = "分。\r该类型的题目没有得分记录。\r\r";
inline constexpr std::string_view kNoResult =
    "没有得出测试结果，请检查你的答题方法是否正确。或者是因为题库升级的关系，你现在的Mobix程序"
    "已经不支持新的题目类型，请去Mobix网站下载最新的心理测试Mobix软件。";

// Result log.
inline constexpr std::string_view kLogTitle = "测试问题：";
inline constexpr std::string_view kLogQuestionHead = "第";
inline constexpr std::string_view kLogQuestionTail = "个问题的选择为： ";
inline constexpr std::string_view kLogOptionHead = "第";
inline constexpr std::string_view kLogOptionTail = "个 ";
inline constexpr std::string_view kLogOptionsEnd = "选项";

// Catalogue captions and the splash progress text.
inline constexpr std::string_view kLoading = "正在加载";
inline constexpr std::string_view kUnknownCredibility = "    ?";
inline constexpr std::string_view kCredibilityGap = "     ";
inline constexpr std::string_view kTestNewMark = "     New";
inline constexpr std::string_view kTextNewMark = "   New";

// Reader title line: the full-width space "　" (U+3000, GBK A1 A1).
inline constexpr std::string_view kFullWidthSpace = "　";

}  // namespace zuno::runner::texts

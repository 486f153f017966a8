// The synthetic vocabulary: a few dozen words combined into sentences.
#include "authoring/contentgen/Vocabulary.h"

#include <array>
#include <string_view>

namespace zuno::authoring {
namespace {

template <size_t N>
std::string_view Pick(Random& rng, const std::array<std::string_view, N>& words) {
    return words[rng.Next() % N];
}

constexpr std::array<std::string_view, 10> kClasses = {"性格分析", "情绪与情感", "职业发展", "社会交往", "趣味测试",
                                                       "家庭生活", "学习成长", "健康心理", "恋爱婚姻", "自我认知"};
constexpr std::array<std::string_view, 10> kSubclasses = {"类型", "倾向", "能力", "习惯", "态度",
                                                          "压力", "沟通", "动机", "偏好", "潜能"};
constexpr std::array<std::string_view, 12> kSubjects = {"你", "朋友", "同事", "家人", "陌生人", "老师",
                                                        "伴侣", "邻居", "孩子", "上司", "同学", "自己"};
constexpr std::array<std::string_view, 10> kAdverbs = {"常常", "偶尔", "总是", "很少", "有时",
                                                       "默默地", "主动", "认真地", "轻松地", "悄悄地"};
constexpr std::array<std::string_view, 12> kVerbs = {"思考", "面对", "安排", "讨论", "回忆", "选择",
                                                     "规划", "表达", "倾听", "整理", "尝试", "接受"};
constexpr std::array<std::string_view, 14> kObjects = {"周末的计划", "新的挑战", "一次争吵", "未来的方向",
                                                       "内心的感受", "工作的压力", "生活的节奏", "身边的变化",
                                                       "一段旅行", "小小的失误", "别人的建议", "自己的情绪",
                                                       "一本好书", "热闹的聚会"};
constexpr std::array<std::string_view, 8> kTitleHeads = {"你是哪一种", "测测你的", "你的", "看看你的",
                                                         "你真正的", "你隐藏的", "你内心的", "你适合的"};
constexpr std::array<std::string_view, 10> kTitleTails = {"性格类型", "沟通方式", "压力指数", "社交能量", "情绪模式",
                                                          "职业倾向", "恋爱风格", "思维习惯", "幸福感", "自信程度"};
constexpr std::array<std::string_view, 4> kGenderMarks = {"", "", "（男）", "（女）"};

}  // namespace

uint64_t Random::Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

std::string ClassName(int index) { return std::string(kClasses[index % kClasses.size()]); }

std::string SubclassName(int index) {
    return std::string(kClasses[(index / kSubclasses.size()) % kClasses.size()]).substr(0, 6) +
           std::string(kSubclasses[index % kSubclasses.size()]);
}

std::string TestTitle(Random& rng) {
    return std::string(Pick(rng, kTitleHeads)) + std::string(Pick(rng, kTitleTails)) + std::string(Pick(rng, kGenderMarks));
}

std::string QuestionText(Random& rng) {
    return "当" + std::string(Pick(rng, kSubjects)) + std::string(Pick(rng, kAdverbs)) + std::string(Pick(rng, kVerbs)) +
           std::string(Pick(rng, kObjects)) + "时，你会怎么做？";
}

std::string OptionText(Random& rng) {
    return std::string(Pick(rng, kAdverbs)) + std::string(Pick(rng, kVerbs)) + std::string(Pick(rng, kObjects));
}

std::string Sentence(Random& rng) {
    return std::string(Pick(rng, kSubjects)) + std::string(Pick(rng, kAdverbs)) + std::string(Pick(rng, kVerbs)) +
           std::string(Pick(rng, kObjects)) + "。";
}

std::string Paragraphs(Random& rng, int count) {
    std::string text;
    for (int p = 0; p < count; ++p) {
        if (p > 0) text += "\r\n";
        text += "\xE3\x80\x80\xE3\x80\x80";  // two ideographic spaces indent a paragraph
        const int sentences = static_cast<int>(rng.Between(2, 5));
        for (int s = 0; s < sentences; ++s) text += Sentence(rng);
    }
    return text;
}

std::string ArticleTitle(Random& rng) {
    return "谈谈" + std::string(Pick(rng, kObjects)) + "与" + std::string(Pick(rng, kTitleTails));
}

}  // namespace zuno::authoring

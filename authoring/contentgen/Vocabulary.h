// Words and sentence patterns for synthetic content, and a seeded random source.
#pragma once

#include <cstdint>
#include <string>

namespace zuno::authoring {

class Random {
public:
    explicit Random(uint64_t seed) : state_(seed ^ 0x9E3779B97F4A7C15ull) {}
    uint64_t Next();  // splitmix64
    // Uniform in [lo, hi].
    int64_t Between(int64_t lo, int64_t hi) { return lo + static_cast<int64_t>(Next() % static_cast<uint64_t>(hi - lo + 1)); }
    bool Chance(int percent) { return Between(1, 100) <= percent; }

private:
    uint64_t state_;
};

std::string ClassName(int index);     // a catalogue class caption
std::string SubclassName(int index);  // a subclass caption
std::string TestTitle(Random& rng);
std::string QuestionText(Random& rng);
std::string OptionText(Random& rng);
std::string Sentence(Random& rng);
std::string Paragraphs(Random& rng, int count);  // joined with CR LF
std::string ArticleTitle(Random& rng);

}  // namespace zuno::authoring

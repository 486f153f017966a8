// Like-pattern clash search. Patterns are grouped by length and by where their
// '_' wildcards sit, so each group is one hash lookup per position of a subject.
#include "authoring/contentc/IdChecks.h"

#include <algorithm>
#include <map>
#include <unordered_map>

namespace zuno::authoring {
namespace {

char Fold(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

struct PatternGroup {
    size_t length = 0;
    std::vector<size_t> wildcards;  // positions of '_'
    std::unordered_map<std::string, std::vector<size_t>> byKey;
};

// The pattern's key: case folded, every wildcard position written as '_'.
std::string KeyOf(const std::string& text, size_t offset, const PatternGroup& g) {
    std::string key(g.length, '_');
    for (size_t i = 0; i < g.length; ++i) key[i] = Fold(text[offset + i]);
    for (size_t w : g.wildcards) key[w] = '_';
    return key;
}

}  // namespace

bool LikeEquals(const std::string& pattern, const std::string& subject) {
    if (pattern.size() != subject.size()) return false;
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '_' && Fold(pattern[i]) != Fold(subject[i])) return false;
    }
    return true;
}

std::vector<std::pair<size_t, size_t>> FindLikeMatches(const std::vector<std::string>& patterns,
                                                        const std::vector<std::string>& subjects, bool prefixOnly) {
    std::map<std::pair<size_t, std::vector<size_t>>, PatternGroup> groups;
    for (size_t p = 0; p < patterns.size(); ++p) {
        const std::string& pattern = patterns[p];
        std::vector<size_t> wildcards;
        for (size_t i = 0; i < pattern.size(); ++i) {
            if (pattern[i] == '_') wildcards.push_back(i);
        }
        PatternGroup& g = groups[{pattern.size(), wildcards}];
        g.length = pattern.size();
        g.wildcards = wildcards;
        g.byKey[KeyOf(pattern, 0, g)].push_back(p);
    }
    std::vector<std::pair<size_t, size_t>> matches;
    for (size_t s = 0; s < subjects.size(); ++s) {
        const std::string& subject = subjects[s];
        for (const auto& [shape, g] : groups) {
            if (g.length == 0 || g.length > subject.size()) continue;
            const size_t lastOffset = prefixOnly ? 0 : subject.size() - g.length;
            for (size_t offset = 0; offset <= lastOffset; ++offset) {
                const auto it = g.byKey.find(KeyOf(subject, offset, g));
                if (it == g.byKey.end()) continue;
                for (size_t p : it->second) matches.emplace_back(p, s);
            }
        }
    }
    std::sort(matches.begin(), matches.end());
    matches.erase(std::unique(matches.begin(), matches.end()), matches.end());
    return matches;
}

}  // namespace zuno::authoring

// Identifier clashes as the program's lookups see them. The program finds a
// test's questions with "ID like 'TEST%'" and a question's options with
// "ID like '%QUESTION%'": in those patterns '_' stands for any one character and
// letter case is ignored, so IDs must stay apart under exactly these rules.
#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace zuno::authoring {

// True when subject matches pattern as the database's like would, with the
// pattern anchored at both ends (no '%' in it).
bool LikeEquals(const std::string& pattern, const std::string& subject);

// All pairs (p, s) where patterns[p] matches a part of subjects[s]: its start
// when prefixOnly, any part otherwise. Pairs come sorted.
std::vector<std::pair<size_t, size_t>> FindLikeMatches(const std::vector<std::string>& patterns,
                                                        const std::vector<std::string>& subjects, bool prefixOnly);

}  // namespace zuno::authoring

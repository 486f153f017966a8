// Whole-content checks of the content compiler.
#include "authoring/contentc/ContentChecks.h"

#include <algorithm>
#include <map>
#include <set>

#include "authoring/common/SourceText.h"
#include "authoring/contentc/IdChecks.h"
#include "authoring/contentc/TestChecks.h"

namespace zuno::authoring {
namespace {

std::string Where(const std::string& file, int line) { return file + ":" + std::to_string(line); }

std::set<std::string> KeysOf(const Catalogue& c) {
    std::set<std::string> keys;
    for (const CatalogueEntry& e : c.entries) keys.insert(e.typeKey);
    return keys;
}

void CheckKind(Diagnostics& d, const std::string& file, const Field& kind, const std::set<std::string>& keys,
               const std::string& catalogueFile) {
    if (kind.present() && !kind.value.empty() && !keys.count(kind.value)) {
        d.Error(file, kind.line, "kind '" + kind.value + "' is not a type key of " + catalogueFile);
    }
}

std::string FoldCase(std::string s) {
    for (char& c : s) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return s;
}

// Test IDs must differ even as the program's like patterns see them.
void CheckTestIds(std::vector<Test>& tests, Diagnostics& d) {
    std::vector<std::string> ids;
    std::vector<size_t> owners;
    for (size_t i = 0; i < tests.size(); ++i) {
        if (tests[i].testId.empty()) continue;
        ids.push_back(tests[i].testId);
        owners.push_back(i);
    }
    std::set<std::pair<size_t, size_t>> reported;
    for (const auto& [p, s] : FindLikeMatches(ids, ids, true)) {
        if (p == s || !reported.insert({std::min(p, s), std::max(p, s)}).second) continue;
        const Test& earlier = tests[owners[std::min(p, s)]];
        const Test& later = tests[owners[std::max(p, s)]];
        const int line = later.id.present() ? later.id.line : later.number.line;
        const std::string where = Where(earlier.file, earlier.id.present() ? earlier.id.line : earlier.number.line);
        if (FoldCase(ids[p]) == FoldCase(ids[s])) {
            d.Error(later.file, line, "test ID '" + later.testId + "' is already used by " + where + (later.testId == earlier.testId ? "" : " (letter case does not tell IDs apart)"));
        } else {
            d.Error(later.file, line, "test ID '" + later.testId + "' and test ID '" + earlier.testId + "' of " + where + " match each other in the program's lookups ('_' stands for any character there, case is ignored); their questions would mix");
        }
    }
}

// No question ID may occur inside the option IDs of another question: the program
// lists a question's options with "like '%QUESTION%'".
void CheckOptionIds(const std::vector<Test>& tests, Diagnostics& d) {
    struct Owner { size_t test; size_t question; };
    std::vector<std::string> questionIds, optionIds;
    std::vector<Owner> questionOwners, optionOwners;
    for (size_t t = 0; t < tests.size(); ++t) {
        if (tests[t].testId.empty()) continue;
        for (size_t q = 0; q < tests[t].questions.size(); ++q) {
            const std::string qid = QuestionId(tests[t].testId, static_cast<int>(q + 1));
            questionIds.push_back(qid);
            questionOwners.push_back({t, q});
            for (size_t k = 0; k < tests[t].questions[q].options.size(); ++k) {
                optionIds.push_back(OptionId(qid, static_cast<int>(k + 1)));
                optionOwners.push_back({t, q});
            }
        }
    }
    std::set<std::pair<size_t, size_t>> reportedTests;
    for (const auto& [q, o] : FindLikeMatches(questionIds, optionIds, false)) {
        const Owner qo = questionOwners[q], oo = optionOwners[o];
        if (qo.test == oo.test && qo.question == oo.question) continue;
        // Clashing test IDs are reported already; their options clash as a consequence.
        if (qo.test != oo.test && LikeEquals(tests[qo.test].testId, tests[oo.test].testId.substr(0, kTestIdLength))) continue;
        if (!reportedTests.insert({qo.test, oo.test}).second) continue;
        const Test& t = tests[qo.test];
        d.Error(t.file, t.questions[qo.question].line, "question ID '" + questionIds[q] + "' occurs in option ID '" + optionIds[o] + "' of another question (" + Where(tests[oo.test].file, tests[oo.test].questions[oo.question].line) + "); the program would list that option under this question");
    }
}

void CheckTests(Sources& s, Diagnostics& d) {
    const std::set<std::string> keys = KeysOf(s.testCatalogue);
    std::map<int64_t, const Test*> numbers;
    for (Test& t : s.tests) {
        CheckTest(t, d);
        CheckKind(d, t.file, t.kind, keys, s.testCatalogue.file);
        if (!t.recId) continue;
        if (auto [it, fresh] = numbers.emplace(*t.recId, &t); !fresh) {
            d.Error(t.file, t.number.line, "number " + std::to_string(*t.recId) + " is already used by " + Where(it->second->file, it->second->number.line));
        }
    }
    std::stable_sort(s.tests.begin(), s.tests.end(), [](const Test& a, const Test& b) {
        return a.recId.value_or(0) < b.recId.value_or(0);
    });
    CheckTestIds(s.tests, d);
    CheckOptionIds(s.tests, d);
    if (s.tests.empty()) d.Error("tests", 0, "no tests: the program needs at least one to start");
}

void CheckTexts(std::vector<TextItem>& items, const Catalogue& catalogue, const char* folder, Diagnostics& d) {
    const std::set<std::string> keys = KeysOf(catalogue);
    std::map<int64_t, const TextItem*> numbers;
    for (TextItem& item : items) {
        auto missing = [&](const Field& f, const char* key) {
            if (!f.present()) d.Error(item.file, 1, std::string("missing '") + key + ":'");
            return !f.present();
        };
        if (!missing(item.number, "number")) {
            const auto n = ParseDecimal(item.number.value, 2147483647);
            if (!n || *n < 1 || *n > 2147483647) d.Error(item.file, item.number.line, "number must be a whole number from 1 to 2147483647");
            else item.id = *n;
        }
        if (!missing(item.title, "title") && item.title.value.empty()) d.Error(item.file, item.title.line, "the title is empty");
        if (!missing(item.kind, "kind") && item.kind.value.empty()) d.Error(item.file, item.kind.line, "the kind is empty");
        CheckKind(d, item.file, item.kind, keys, catalogue.file);
        if (item.bodyLine == 0) d.Error(item.file, 1, "missing the '---' line that starts the text");
        else if (item.bodyLines.empty()) d.Error(item.file, item.bodyLine, "the text is empty");
        if (!item.id) continue;
        if (auto [it, fresh] = numbers.emplace(*item.id, &item); !fresh) {
            d.Error(item.file, item.number.line, "number " + std::to_string(*item.id) + " is already used by " + Where(it->second->file, it->second->number.line));
        }
    }
    std::stable_sort(items.begin(), items.end(), [](const TextItem& a, const TextItem& b) { return a.id.value_or(0) < b.id.value_or(0); });
    if (items.empty()) d.Error(folder, 0, std::string("no texts in ") + folder + ": the program needs at least one to start");
}

void CheckSoftInfo(const SoftInfo& info, Diagnostics& d) {
    if (info.file.empty()) return;  // missing file, reported when loading
    for (const SoftInfoRecord& r : info.records) {
        if (r.textLines.empty()) d.Error(info.file, r.line, "record [" + std::to_string(r.number) + "] is empty");
    }
    if (info.records.size() < kMinSoftInfoRecords) {
        d.Error(info.file, 0, "there are " + std::to_string(info.records.size()) + " records; the program reads at least 13 (about text 7-9, version 12, date 13)");
    }
    if (info.records.size() >= kVersionRecord) {
        const SoftInfoRecord& r = info.records[kVersionRecord - 1];
        const std::string text = JoinCrLf(r.textLines);
        if (text != kContentVersion) {
            d.Error(info.file, r.line, "record [12] is the content version and must be exactly 4.3, not '" + text + "': the program refuses content of a newer version");
        }
    }
}

}  // namespace

void CheckSources(Sources& sources, Diagnostics& diag) {
    CheckTests(sources, diag);
    CheckTexts(sources.articles, sources.articleCatalogue, "articles", diag);
    CheckTexts(sources.humor, sources.humorCatalogue, "humor", diag);
    CheckSoftInfo(sources.softInfo, diag);
}

}  // namespace zuno::authoring

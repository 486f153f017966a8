// Checks of a single test. Messages say what the program would do wrong, so the
// writer can see why a rule exists.
#include "authoring/contentc/TestChecks.h"

#include <algorithm>
#include <cstdint>

#include "authoring/common/SourceText.h"

namespace zuno::authoring {
namespace {

constexpr int64_t kMaxRecordNumber = 2147483647;
constexpr int64_t kMaxCredibilityValue = 100000000;

// "3-5, 9, 12-13" for a sorted list of values; long lists are cut short.
std::string DescribeValues(const std::vector<int>& values) {
    std::string out;
    int listed = 0;
    for (size_t i = 0; i < values.size();) {
        size_t j = i;
        while (j + 1 < values.size() && values[j + 1] == values[j] + 1) ++j;
        if (listed == 8) {
            out += ", …";
            break;
        }
        if (!out.empty()) out += ", ";
        out += std::to_string(values[i]);
        if (j > i) {
            out += '-';
            out += std::to_string(values[j]);
        }
        ++listed;
        i = j + 1;
    }
    return out;
}

std::string RangeText(const ResultSegment& s) {
    return s.low == s.high ? std::to_string(s.low) : std::to_string(s.low) + "-" + std::to_string(s.high);
}

// A growable bit set with shift-or, for the reachable-score sums.
class ScoreSet {
public:
    explicit ScoreSet(size_t size) : words_(size / 64 + 1, 0) {}
    void Set(size_t i) { words_[i / 64] |= uint64_t{1} << (i % 64); }
    bool Test(size_t i) const { return i / 64 < words_.size() && (words_[i / 64] >> (i % 64) & 1) != 0; }
    // this |= source << shift
    void OrShifted(const ScoreSet& source, size_t shift) {
        const size_t ws = shift / 64, bs = shift % 64;
        for (size_t i = words_.size(); i-- > ws;) {
            uint64_t v = source.words_[i - ws] << bs;
            if (bs != 0 && i - ws >= 1) v |= source.words_[i - ws - 1] >> (64 - bs);
            words_[i] |= v;
        }
    }

private:
    std::vector<uint64_t> words_;
};

void CheckHeader(Test& t, Diagnostics& d) {
    auto missing = [&](const Field& f, const char* key) {
        if (!f.present()) d.Error(t.file, t.line, std::string("missing '") + key + ":'");
        return !f.present();
    };
    if (!missing(t.number, "number")) {
        const auto n = ParseDecimal(t.number.value, kMaxRecordNumber);
        if (!n || *n < 1 || *n > kMaxRecordNumber) {
            d.Error(t.file, t.number.line, "number must be a whole number from 1 to " + std::to_string(kMaxRecordNumber));
        } else {
            t.recId = *n;
        }
    }
    if (!missing(t.title, "title") && t.title.value.empty()) d.Error(t.file, t.title.line, "the title is empty");
    if (!missing(t.kind, "kind") && t.kind.value.empty()) d.Error(t.file, t.kind.line, "the kind is empty");
    if (!missing(t.credibility, "credibility")) {
        const std::string& v = t.credibility.value;
        const size_t slash = v.find('/');
        const auto score = ParseDecimal(TrimBlanks(std::string_view(v).substr(0, slash)), kMaxCredibilityValue);
        const auto count = slash == std::string::npos ? std::nullopt
                                                      : ParseDecimal(TrimBlanks(std::string_view(v).substr(slash + 1)), kMaxCredibilityValue);
        if (!score || !count || *score > kMaxCredibilityValue || *count > kMaxCredibilityValue) {
            d.Error(t.file, t.credibility.line, "credibility must be 'score/count', two whole numbers up to " + std::to_string(kMaxCredibilityValue));
        } else {
            t.score = *score;
            t.count = *count;
            if (t.count > 0 && t.score * 10 / t.count > 100) {
                d.Warning(t.file, t.credibility.line, "the catalogue would show " + std::to_string(t.score * 10 / t.count) + "% credibility");
            }
        }
    }
    if (!missing(t.evaluation, "evaluation")) {
        const std::string& v = t.evaluation.value;
        if (v == "score") t.evaluationKind = Evaluation::Score;
        else if (v == "most-frequent") t.evaluationKind = Evaluation::MostFrequent;
        else if (v == "per-answer") t.evaluationKind = Evaluation::PerAnswer;
        else d.Error(t.file, t.evaluation.line, "evaluation must be score, most-frequent or per-answer, not '" + v + "'");
    }
    if (t.id.present()) {
        if (t.id.value.size() != kTestIdLength || !IsIdentifier(t.id.value)) {
            d.Error(t.file, t.id.line, "test ID '" + t.id.value + "' must be exactly 8 letters, digits or underscores, not beginning with a digit");
        } else {
            t.testId = t.id.value;
        }
    } else if (t.recId) {
        if (*t.recId > kMaxDefaultIdNumber) {
            d.Error(t.file, t.number.line, "number " + std::to_string(*t.recId) + " has more than 7 digits, too many for the default test ID; give one with 'id:'");
        } else {
            t.testId = DefaultTestId(*t.recId);
        }
    }
}

void CheckQuestions(Test& t, Diagnostics& d) {
    if (t.questions.empty()) d.Error(t.file, t.line, "a test needs at least one question (Q: or Q+:)");
    if (t.questions.size() > static_cast<size_t>(kMaxQuestions)) {
        d.Error(t.file, t.questions[kMaxQuestions].line, "a test has at most " + std::to_string(kMaxQuestions) + " questions; this is question " + std::to_string(kMaxQuestions + 1));
    }
    for (Question& q : t.questions) {
        const std::string text = JoinCrLf(q.textLines);
        if (text.empty()) d.Error(t.file, q.line, "the question text is empty");
        if (text.find(kPictureMarker) != std::string::npos) {
            d.Error(t.file, q.line, "the question text must not contain \"@!##\": the program reads a picture number after it");
        }
        if (q.options.empty()) d.Error(t.file, q.line, "a question needs at least one option 'MARK: text'");
        if (q.options.size() > static_cast<size_t>(kMaxOptionsShown)) {
            d.Warning(t.file, q.options[kMaxOptionsShown].line, "the program shows at most 12 options; this one and those after it are left out");
            q.options.resize(kMaxOptionsShown);
        }
        int64_t sum = 0;
        for (const Option& o : q.options) {
            if (o.mark > kMaxMark) d.Error(t.file, o.line, "mark " + std::to_string(o.mark) + " is out of range: marks are 0 to 255");
            if (o.text.empty()) d.Error(t.file, o.line, "the option text is empty");
            sum += o.mark;
        }
        if (q.multiple && sum > kMaxMark) {
            d.Error(t.file, q.line, "the marks of a multiple-choice question add up to " + std::to_string(sum) + "; at most 255, or checking all options would wrap the page's 8-bit mark");
        }
    }
}

// Result text, range syntax and bounds common to every kind. Returns true when
// every result line could be read.
bool CheckResultTexts(const Test& t, Diagnostics& d) {
    if (t.results.empty()) d.Error(t.file, t.line, "a test needs at least one result (R LOW-HIGH:)");
    bool allRead = true;
    for (const Result& r : t.results) {
        allRead = allRead && r.rangeValid;
        const std::string text = JoinCrLf(r.textLines);
        if (text.empty()) d.Error(t.file, r.line, "the result has no interpretation text");
        if (text.find(kSegmentEnd) != std::string::npos) {
            d.Error(t.file, r.line, "the interpretation must not contain \"!rt#\": the program ends a result there");
        }
    }
    return allRead;
}

void WarnOverlaps(const Test& t, Diagnostics& d, const std::vector<ResultSegment>& segs, const char* laterWins) {
    for (size_t j = 1; j < segs.size(); ++j) {
        for (size_t i = 0; i < j; ++i) {
            if (segs[i].low <= segs[j].high && segs[j].low <= segs[i].high) {
                d.Warning(t.file, t.results[j].line, "R " + RangeText(segs[j]) + " overlaps R " + RangeText(segs[i]) + " at line " + std::to_string(t.results[i].line) + laterWins);
                break;
            }
        }
    }
}

// Plain bounds (not Q.K) within lowest..highest and LOW <= HIGH; fills segs.
bool ReadPlainBounds(const Test& t, Diagnostics& d, int lowest, int highest, const char* unit,
                     std::vector<ResultSegment>& segs) {
    bool ok = true;
    for (const Result& r : t.results) {
        if (r.low.dotted || r.high.dotted) {
            d.Error(t.file, r.line, "write this kind's result ranges as whole numbers, 'R LOW-HIGH:'; Q.K is for per-answer tests");
            ok = false;
        } else if (r.low.first < lowest || r.high.first < lowest || r.low.first > highest || r.high.first > highest) {
            d.Error(t.file, r.line, std::string("result bounds are ") + unit + " " + std::to_string(lowest) + " to " + std::to_string(highest));
            ok = false;
        } else if (r.low.first > r.high.first) {
            d.Error(t.file, r.line, "the low bound " + std::to_string(r.low.first) + " is above the high bound " + std::to_string(r.high.first));
            ok = false;
        }
        segs.push_back({static_cast<int>(r.low.first), static_cast<int>(r.high.first), JoinCrLf(r.textLines)});
    }
    return ok;
}

std::vector<int> Uncovered(const std::vector<ResultSegment>& segs, const std::vector<int>& wanted) {
    std::vector<int> missing;
    for (int v : wanted) {
        const bool covered = std::any_of(segs.begin(), segs.end(), [v](const ResultSegment& s) { return s.low <= v && v <= s.high; });
        if (!covered) missing.push_back(v);
    }
    return missing;
}

void CheckScoreResults(Test& t, Diagnostics& d, std::vector<ResultSegment>& segs) {
    if (!ReadPlainBounds(t, d, 0, kMaxResultBound, "scores", segs)) return;
    for (size_t j = 1; j < segs.size(); ++j) {
        if (segs[j].low < segs[j - 1].low) {
            d.Error(t.file, t.results[j].line, "write score results in ascending order: the program shows the first result's low bound as the lowest score and the last one's high bound as the highest");
        }
    }
    WarnOverlaps(t, d, segs, "; where both match, the later one is shown");
    const std::vector<bool> reachable = ReachableScores(t);
    std::vector<int> wanted;
    for (size_t s = 0; s < reachable.size() && s <= static_cast<size_t>(kMaxResultBound); ++s) {
        if (reachable[s]) wanted.push_back(static_cast<int>(s));
    }
    const int highest = static_cast<int>(reachable.size()) - 1;
    if (highest > kMaxResultBound) {
        d.Error(t.file, t.line, "the highest reachable score is " + std::to_string(highest) + ", but result bounds stop at 255; lower the marks");
    }
    if (const std::vector<int> missing = Uncovered(segs, wanted); !missing.empty()) {
        d.Error(t.file, t.results.front().line, "no result for the reachable scores " + DescribeValues(missing) + " (answers give scores from " + std::to_string(wanted.empty() ? 0 : wanted.front()) + " to " + std::to_string(highest) + ")");
    }
    for (size_t j = 0; j < segs.size(); ++j) {
        bool any = false;
        for (int s = segs[j].low; s <= segs[j].high && !any; ++s) any = static_cast<size_t>(s) < reachable.size() && reachable[s];
        if (!any) d.Warning(t.file, t.results[j].line, "no way of answering gives a score in " + RangeText(segs[j]) + "; this result is never shown");
    }
}

void CheckMostFrequentResults(Test& t, Diagnostics& d, std::vector<ResultSegment>& segs) {
    if (!ReadPlainBounds(t, d, 1, kMaxOptionsShown, "option numbers", segs)) return;
    const int n = static_cast<int>(segs.size());
    if (n > kMaxOptionsShown) {
        d.Error(t.file, t.results[kMaxOptionsShown].line, "a most-frequent test has at most 12 results, one per option number");
        return;
    }
    size_t mostOptions = 0;
    for (const Question& q : t.questions) mostOptions = std::max(mostOptions, q.options.size());
    if (mostOptions > static_cast<size_t>(n)) {
        d.Error(t.file, t.results.front().line, "questions have up to " + std::to_string(mostOptions) + " options but there are only " + std::to_string(n) + " results; the program counts only option numbers 1 to the number of results, so later options would be ignored");
    }
    std::vector<int> wanted;
    for (int v = 1; v <= n; ++v) wanted.push_back(v);
    if (const std::vector<int> missing = Uncovered(segs, wanted); !missing.empty()) {
        d.Error(t.file, t.results.front().line, "no result for option numbers " + DescribeValues(missing) + "; write one result per option number, R 1:, R 2: …");
    }
    WarnOverlaps(t, d, segs, "; where both match, the later one is shown");
}

// Code of a Q.K bound, or -1 after reporting why it is not an answer of this test.
int64_t AnswerCodeOf(const Test& t, Diagnostics& d, const Result& r, const ResultBound& b) {
    if (!b.dotted) {
        d.Error(t.file, r.line, "per-answer results are written 'R Q.K:' (option K of question Q)");
        return -1;
    }
    if (b.first < 1 || b.first > static_cast<int64_t>(t.questions.size())) {
        d.Error(t.file, r.line, "question " + std::to_string(b.first) + " does not exist; the test has " + std::to_string(t.questions.size()));
        return -1;
    }
    const size_t options = t.questions[b.first - 1].options.size();
    if (b.second < 1 || b.second > static_cast<int64_t>(options)) {
        d.Error(t.file, r.line, "question " + std::to_string(b.first) + " has no option " + std::to_string(b.second) + "; it has " + std::to_string(options));
        return -1;
    }
    const int64_t code = AnswerCode(b.first, b.second);
    if (code > kMaxResultBound) {
        d.Error(t.file, r.line, "answer " + std::to_string(b.first) + "." + std::to_string(b.second) + " has code " + std::to_string(code) + "; codes above 255 never match (questions after 21 are out of reach, but for options 1 to 3 of question 22)");
        return -1;
    }
    return code;
}

void CheckPerAnswerResults(Test& t, Diagnostics& d, std::vector<ResultSegment>& segs) {
    bool ok = true;
    for (const Result& r : t.results) {
        const int64_t low = AnswerCodeOf(t, d, r, r.low);
        const int64_t high = low < 0 ? -1 : AnswerCodeOf(t, d, r, r.high);
        if (low >= 0 && high >= 0 && low > high) {
            d.Error(t.file, r.line, "the first answer of the range comes after the second");
            ok = false;
        }
        ok = ok && low >= 0 && high >= 0;
        segs.push_back({static_cast<int>(low), static_cast<int>(high), JoinCrLf(r.textLines)});
    }
    if (!ok) return;
    for (const Question& q : t.questions) {
        if (q.multiple) {
            d.Warning(t.file, q.line, "in a per-answer test only the lowest-numbered checked option of a multiple-choice question gets its result");
            break;
        }
    }
    // With one single-choice question whose every option has a result, some result
    // always matches; otherwise a way of answering leads to the program's
    // "no result" message.
    bool alwaysFound = false;
    for (size_t q = 0; q < t.questions.size() && !alwaysFound; ++q) {
        if (t.questions[q].multiple || t.questions[q].options.empty()) continue;
        std::vector<int> codes;
        for (size_t k = 1; k <= t.questions[q].options.size(); ++k) codes.push_back(static_cast<int>(AnswerCode(q + 1, k)));
        alwaysFound = Uncovered(segs, codes).empty();
    }
    if (!alwaysFound) {
        d.Warning(t.file, t.results.front().line, "some ways of answering match no result and the program would say it found none; give every option of at least one single-choice question a result");
    }
}

}  // namespace

std::vector<bool> ReachableScores(const Test& test) {
    size_t total = 0;
    for (const Question& q : test.questions) {
        int64_t most = 0, sum = 0;
        for (const Option& o : q.options) {
            const int64_t mark = std::min<int64_t>(o.mark, kMaxMark);
            most = std::max(most, mark);
            sum += mark;
        }
        total += static_cast<size_t>(q.multiple ? sum : most);
    }
    ScoreSet reach(total + 1);
    reach.Set(0);
    for (const Question& q : test.questions) {
        if (q.options.empty()) continue;
        if (q.multiple) {
            for (const Option& o : q.options) {
                const ScoreSet before = reach;
                reach.OrShifted(before, static_cast<size_t>(std::min<int64_t>(o.mark, kMaxMark)));
            }
        } else {
            ScoreSet next(total + 1);
            for (const Option& o : q.options) next.OrShifted(reach, static_cast<size_t>(std::min<int64_t>(o.mark, kMaxMark)));
            reach = next;
        }
    }
    std::vector<bool> out(total + 1);
    for (size_t s = 0; s <= total; ++s) out[s] = reach.Test(s);
    while (out.size() > 1 && !out.back()) out.pop_back();
    return out;
}

void CheckTest(Test& test, Diagnostics& diag) {
    CheckHeader(test, diag);
    CheckQuestions(test, diag);
    const bool allRead = CheckResultTexts(test, diag);
    // Past 254 questions the test is refused anyway; its scores are not worth summing.
    if (!allRead || test.results.empty() || !test.evaluationKind || test.questions.size() > static_cast<size_t>(kMaxQuestions)) return;
    std::vector<ResultSegment> segs;
    const int before = diag.errorCount();
    switch (*test.evaluationKind) {
        case Evaluation::Score: CheckScoreResults(test, diag, segs); break;
        case Evaluation::MostFrequent: CheckMostFrequentResults(test, diag, segs); break;
        case Evaluation::PerAnswer: CheckPerAnswerResults(test, diag, segs); break;
    }
    if (diag.errorCount() == before) test.segments = std::move(segs);
}

}  // namespace zuno::authoring

// Reader of test sources: header keys, then questions with their options, then
// results. Lines are classified by their first characters; see data/content/README.md.
#include "authoring/contentc/Parsers.h"

namespace zuno::authoring {
namespace {

enum class Part { Header, QuestionText, Options, Results };

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view SkipBlanks(std::string_view s) {
    while (!s.empty() && (s[0] == ' ' || s[0] == '\t')) s.remove_prefix(1);
    return s;
}

// "Q:" or "Q+:" followed by the question's first line.
bool IsQuestionLine(std::string_view t, bool& multiple, std::string_view& rest) {
    if (t.empty() || t[0] != 'Q') return false;
    std::string_view s = t.substr(1);
    multiple = !s.empty() && s[0] == '+';
    if (multiple) s.remove_prefix(1);
    s = SkipBlanks(s);
    const size_t colon = ColonLength(s);
    if (colon == 0) return false;
    rest = TrimBlanks(s.substr(colon));
    return true;
}

// "MARK: text"
bool IsOptionLine(std::string_view t, int64_t& mark, std::string_view& text) {
    size_t digits = 0;
    while (digits < t.size() && IsDigit(t[digits])) ++digits;
    if (digits == 0) return false;
    std::string_view s = SkipBlanks(t.substr(digits));
    const size_t colon = ColonLength(s);
    if (colon == 0) return false;
    mark = *ParseDecimal(t.substr(0, digits), 100000);
    text = TrimBlanks(s.substr(colon));
    return true;
}

// An "R" followed by a number: meant as a result line, well formed or not.
bool LooksLikeResultLine(std::string_view t) {
    if (t.empty() || t[0] != 'R') return false;
    const std::string_view s = SkipBlanks(t.substr(1));
    return !s.empty() && IsDigit(s[0]);
}

bool ReadBound(std::string_view& s, ResultBound& bound) {
    size_t n = 0;
    while (n < s.size() && IsDigit(s[n])) ++n;
    if (n == 0) return false;
    bound.first = *ParseDecimal(s.substr(0, n), 100000);
    s.remove_prefix(n);
    if (!s.empty() && s[0] == '.') {
        size_t m = 1;
        while (m < s.size() && IsDigit(s[m])) ++m;
        if (m == 1) return false;
        bound.dotted = true;
        bound.second = *ParseDecimal(s.substr(1, m - 1), 100000);
        s.remove_prefix(m);
    }
    return true;
}

// "R LOW-HIGH:" or "R N:"; text after the colon starts the interpretation.
bool ParseResultLine(std::string_view t, Result& result, std::string_view& rest) {
    std::string_view s = SkipBlanks(t.substr(1));
    if (!ReadBound(s, result.low)) return false;
    result.high = result.low;
    s = SkipBlanks(s);
    if (!s.empty() && s[0] == '-') {
        s = SkipBlanks(s.substr(1));
        if (!ReadBound(s, result.high)) return false;
        s = SkipBlanks(s);
    }
    const size_t colon = ColonLength(s);
    if (colon == 0) return false;
    rest = TrimBlanks(s.substr(colon));
    return true;
}

class TestReader {
public:
    TestReader(const SourceFile& file, Diagnostics& diag) : file_(file), diag_(diag) { test_.file = file.path; }

    Test Read() {
        for (const SourceLine& line : file_.lines) ReadLine(line);
        FinishQuestion();
        for (Result& r : test_.results) TrimBlankLines(r.textLines);
        return std::move(test_);
    }

private:
    void Error(int line, std::string message) { diag_.Error(file_.path, line, std::move(message)); }

    void ReadLine(const SourceLine& line) {
        const std::string_view t = TrimBlanks(line.text);
        if (!t.empty() && t[0] == '#') return;
        if (t.empty()) {
            if (part_ == Part::QuestionText) test_.questions.back().textLines.emplace_back();
            if (part_ == Part::Results) test_.results.back().textLines.emplace_back();
            return;
        }
        bool multiple = false;
        std::string_view rest;
        if (LooksLikeResultLine(t)) return StartResult(line.number, t);
        if (IsQuestionLine(t, multiple, rest)) return StartQuestion(line.number, multiple, rest);
        switch (part_) {
            case Part::Header: return ReadHeader(line.number, t);
            case Part::QuestionText: return ReadQuestionLine(line.number, line.text, t);
            case Part::Options: return ReadOptionLine(line.number, t);
            case Part::Results:
                CheckShowable(diag_, file_.path, line.number, line.text);
                test_.results.back().textLines.emplace_back(TrimTrailingBlanks(line.text));
                return;
        }
    }

    void ReadHeader(int line, std::string_view t) {
        std::string key, value;
        if (!SplitKeyValue(t, key, value)) {
            return Error(line, "expected 'key: value' or the first question (Q: or Q+:)");
        }
        Field* field = key == "number" ? &test_.number
                       : key == "title" ? &test_.title
                       : key == "kind" ? &test_.kind
                       : key == "credibility" ? &test_.credibility
                       : key == "evaluation" ? &test_.evaluation
                       : key == "id" ? &test_.id
                       : nullptr;
        if (!field) return Error(line, "unknown key '" + key + "' (expected number, title, kind, credibility, evaluation or id)");
        if (field->present()) return Error(line, "'" + key + "' is already given at line " + std::to_string(field->line));
        *field = {value, line};
        if (key == "title") CheckShowable(diag_, file_.path, line, value);
    }

    void StartQuestion(int line, bool multiple, std::string_view firstLine) {
        if (part_ == Part::Results) Error(line, "a question after the results; write all questions before the first R line");
        FinishQuestion();
        Question q;
        q.line = line;
        q.multiple = multiple;
        if (!firstLine.empty()) q.textLines.emplace_back(firstLine);
        CheckShowable(diag_, file_.path, line, firstLine);
        test_.questions.push_back(std::move(q));
        part_ = Part::QuestionText;
    }

    void ReadQuestionLine(int line, std::string_view raw, std::string_view t) {
        Question& q = test_.questions.back();
        std::string key, value;
        if (SplitKeyValue(t, key, value) && key == "picture") {
            if (q.picture.present()) return Error(line, "the question already has a picture (line " + std::to_string(q.picture.line) + ")");
            if (value.empty()) return Error(line, "picture: needs a picture name");
            q.picture = {value, line};
            return;
        }
        if (TryOption(line, t)) return;
        CheckShowable(diag_, file_.path, line, raw);
        q.textLines.emplace_back(TrimTrailingBlanks(raw));
    }

    void ReadOptionLine(int line, std::string_view t) {
        if (TryOption(line, t)) return;
        std::string key, value;
        if (SplitKeyValue(t, key, value) && key == "picture") {
            return Error(line, "picture: must come after the question text, before the options");
        }
        Error(line, "expected an option 'MARK: text', the next question (Q: or Q+:) or a result (R LOW-HIGH:)");
    }

    bool TryOption(int line, std::string_view t) {
        int64_t mark = 0;
        std::string_view text;
        if (!IsOptionLine(t, mark, text)) return false;
        CheckShowable(diag_, file_.path, line, text);
        test_.questions.back().options.push_back({line, mark, std::string(text)});
        part_ = Part::Options;
        return true;
    }

    void StartResult(int line, std::string_view t) {
        if (test_.questions.empty()) Error(line, "results must come after the questions");
        FinishQuestion();
        Result r;
        r.line = line;
        std::string_view rest;
        r.rangeValid = ParseResultLine(t, r, rest);
        if (!r.rangeValid) {
            Error(line, "cannot read the result line; write 'R LOW-HIGH:', 'R N:' or, for per-answer tests, 'R Q.K:' or 'R Q.K-Q.K:'");
        } else if (!rest.empty()) {
            CheckShowable(diag_, file_.path, line, rest);
            r.textLines.emplace_back(rest);
        }
        test_.results.push_back(std::move(r));
        part_ = Part::Results;
    }

    void FinishQuestion() {
        if (test_.questions.empty()) return;
        TrimBlankLines(test_.questions.back().textLines);
    }

    const SourceFile& file_;
    Diagnostics& diag_;
    Test test_;
    Part part_ = Part::Header;
};

}  // namespace

Test ParseTest(const SourceFile& file, Diagnostics& diag) { return TestReader(file, diag).Read(); }

}  // namespace zuno::authoring

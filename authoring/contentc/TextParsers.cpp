// Readers of catalogues, articles and humour texts, and the software information.
#include <map>
#include <set>

#include "authoring/common/Gbk.h"
#include "authoring/contentc/Parsers.h"

namespace zuno::authoring {
namespace {

constexpr std::string_view kFullWidthEquals = "\xEF\xBC\x9D";  // U+FF1D

// Splits "name = key" at the first ASCII or full-width equals sign.
bool SplitAssignment(std::string_view line, std::string_view& name, std::string_view& key) {
    size_t at = line.find('=');
    size_t len = 1;
    const size_t wide = line.find(kFullWidthEquals);
    if (wide != std::string_view::npos && (at == std::string_view::npos || wide < at)) {
        at = wide;
        len = kFullWidthEquals.size();
    }
    if (at == std::string_view::npos) return false;
    name = TrimBlanks(line.substr(0, at));
    key = TrimBlanks(line.substr(at + len));
    return true;
}

// Reads a "[N]" line; returns false for anything else.
bool ParseRecordHeader(std::string_view t, int64_t& number) {
    if (t.size() < 3 || t.front() != '[' || t.back() != ']') return false;
    const auto value = ParseDecimal(t.substr(1, t.size() - 2), 1000000);
    if (!value) return false;
    number = *value;
    return true;
}

}  // namespace

void CheckShowable(Diagnostics& diag, std::string_view file, int line, std::string_view text) {
    if (auto bad = FindNonGbkCharacter(text)) {
        diag.Error(file, line, "character " + *bad + " cannot be shown by the program (it is not in the GBK code page)");
    }
}

Catalogue ParseCatalogue(const SourceFile& file, Diagnostics& diag) {
    Catalogue catalogue;
    catalogue.file = file.path;
    std::string currentClass;
    int classLine = 0;
    bool classHasSubclass = true;
    std::map<std::string, int> classLines;
    std::map<std::string, int> keyLines;
    auto finishClass = [&] {
        if (classLine > 0 && !classHasSubclass) {
            diag.Error(file.path, classLine, "class [" + currentClass + "] has no subclasses; a class is stored only through its subclasses");
        }
    };
    for (const SourceLine& line : file.lines) {
        const std::string_view t = TrimBlanks(line.text);
        if (t.empty() || t[0] == '#') continue;
        if (t.front() == '[') {
            finishClass();
            currentClass = t.back() == ']' ? std::string(TrimBlanks(t.substr(1, t.size() - 2))) : std::string();
            classLine = line.number;
            classHasSubclass = false;
            if (t.back() != ']') {
                diag.Error(file.path, line.number, "a class line must be written [class name]");
                classHasSubclass = true;  // reported already
                continue;
            }
            if (currentClass.empty()) diag.Error(file.path, line.number, "empty class name");
            if (currentClass.find('\'') != std::string::npos) {
                diag.Error(file.path, line.number, "a class name must not contain an apostrophe ('): the program quotes class names with it");
            }
            CheckShowable(diag, file.path, line.number, currentClass);
            if (auto [it, fresh] = classLines.emplace(currentClass, line.number); !fresh) {
                diag.Error(file.path, line.number, "class [" + currentClass + "] is already started at line " + std::to_string(it->second) + "; list all its subclasses under one heading");
            }
            continue;
        }
        std::string_view name, key;
        if (!SplitAssignment(t, name, key)) {
            diag.Error(file.path, line.number, "expected [class] or 'subclass name = type key'");
            continue;
        }
        if (classLine == 0) {
            diag.Error(file.path, line.number, "subclass before the first [class] line");
            continue;
        }
        classHasSubclass = true;
        bool ok = true;
        if (name.empty()) { diag.Error(file.path, line.number, "empty subclass name"); ok = false; }
        if (!IsIdentifier(key)) {
            diag.Error(file.path, line.number, "type key '" + std::string(key) + "' must be letters, digits and underscore, not beginning with a digit");
            ok = false;
        }
        CheckShowable(diag, file.path, line.number, name);
        if (auto [it, fresh] = keyLines.emplace(std::string(key), line.number); !fresh && ok) {
            diag.Error(file.path, line.number, "type key '" + std::string(key) + "' is already used at line " + std::to_string(it->second));
            ok = false;
        }
        if (ok) catalogue.entries.push_back({currentClass, std::string(name), std::string(key), line.number});
    }
    finishClass();
    return catalogue;
}

TextItem ParseTextItem(const SourceFile& file, Diagnostics& diag) {
    TextItem item;
    item.file = file.path;
    for (const SourceLine& line : file.lines) {
        if (item.bodyLine > 0) {  // the body is kept exactly as written
            CheckShowable(diag, file.path, line.number, line.text);
            item.bodyLines.push_back(line.text);
            continue;
        }
        const std::string_view t = TrimBlanks(line.text);
        if (t.empty() || t[0] == '#') continue;
        if (t == "---") {
            item.bodyLine = line.number;
            continue;
        }
        std::string key, value;
        if (!SplitKeyValue(t, key, value)) {
            diag.Error(file.path, line.number, "expected 'key: value' or the '---' line before the text");
            continue;
        }
        Field* field = key == "number" ? &item.number : key == "title" ? &item.title : key == "kind" ? &item.kind : nullptr;
        if (!field) {
            diag.Error(file.path, line.number, "unknown key '" + key + "' (expected number, title or kind)");
        } else if (field->present()) {
            diag.Error(file.path, line.number, "'" + key + "' is already given at line " + std::to_string(field->line));
        } else {
            *field = {value, line.number};
            if (key == "title") CheckShowable(diag, file.path, line.number, value);
        }
    }
    while (!item.bodyLines.empty() && TrimBlanks(item.bodyLines.back()).empty()) item.bodyLines.pop_back();
    return item;
}

SoftInfo ParseSoftInfo(const SourceFile& file, Diagnostics& diag) {
    SoftInfo info;
    info.file = file.path;
    for (const SourceLine& line : file.lines) {
        const std::string_view t = TrimBlanks(line.text);
        if (!t.empty() && t[0] == '#') continue;
        int64_t number = 0;
        if (ParseRecordHeader(t, number)) {
            const auto expected = static_cast<int64_t>(info.records.size()) + 1;
            if (number != expected) {
                diag.Error(file.path, line.number, "record [" + std::to_string(number) + "] out of order: expected [" + std::to_string(expected) + "]");
            }
            info.records.push_back({line.number, number, {}});
            continue;
        }
        if (info.records.empty()) {
            if (!t.empty()) diag.Error(file.path, line.number, "text before the first record; start a record with a line [1]");
            continue;
        }
        CheckShowable(diag, file.path, line.number, line.text);
        info.records.back().textLines.emplace_back(TrimTrailingBlanks(line.text));
    }
    for (SoftInfoRecord& record : info.records) TrimBlankLines(record.textLines);
    return info;
}

}  // namespace zuno::authoring

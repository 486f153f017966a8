// Search dialog costs under Wine on a large content database (ZUNO_BENCH_DB, or the
// sample beside the exe): each kind of search run as the user runs it — kind and
// keyword typed, SearchButtonClick, the filled list painted — median of several runs.
#include <windows.h>

#include "bench/win/BenchUtil.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "app/MainModule.h"
#include "app/MainWindow.h"
#include "content/Recordset.h"
#include "content/Statements.h"
#include "forms/Application.h"
#include "search/SearchLib_Unt.h"
#include "winutil/WideText.h"

using namespace zuno;

using namespace zuno::bench;

namespace {

constexpr int kRuns = 9;  // a search now and then runs slow on a busy machine: the median stays put

std::wstring DatabasePath() {
    wchar_t big[MAX_PATH * 4];
    if (GetEnvironmentVariableW(L"ZUNO_BENCH_DB", big, MAX_PATH * 4)) return big;
    std::printf("ZUNO_BENCH_DB not set: timing the sample content database\n");
    return Folder() + L"test.dll";
}

// One search through the dialog, from the click to the painted list.
double TimedSearch(search::TSearchLib* dialog, const std::wstring& kind, const std::wstring& keyword) {
    dialog->SearchType->SetText(kind);
    dialog->SearchText->SetText(keyword);
    forms::Application()->ProcessMessages();
    const auto t0 = Clock::now();
    dialog->SearchButtonClick();
    UpdateWindow(dialog->Handle());
    RedrawWindow(dialog->SearchList->Handle(), nullptr, nullptr, RDW_UPDATENOW);
    forms::Application()->ProcessMessages();
    return Ms(t0);
}

// The statement alone, rows read as the dialog reads them but kept nowhere: the
// share of the database in the dialog's time.
double TimedStatement(const std::wstring& kind, const std::wstring& keyword) {
    const std::string key = app::Narrow(keyword);
    const auto t0 = Clock::now();
    content::Recordset rs;
    if (kind == L"心理测试") {
        content::OpenTestSearch(rs, app::adoconn, key);
    } else if (kind == L"心理文章") {
        content::OpenArticleSearch(rs, app::adoconn, key);
    } else {
        content::OpenHumorSearch(rs, app::adoconn, key);
    }
    static volatile std::size_t sink = 0;
    for (; !rs.Eof(); rs.MoveNext()) sink = sink + rs.Fields("ID").AsText().size();
    rs.Close();
    return Ms(t0);
}

}  // namespace

int wmain() {
    forms::TApplication application;
    application.OnException = [](const std::wstring& text) {
        std::printf("error: %s\n", app::Narrow(text).c_str());
    };
    app::Form1 = application.CreateForm<app::TForm1>();
    app::Form1->ShowForm();
    const std::wstring db = DatabasePath();
    app::adoconn.Open(app::Narrow(db));
    auto* dialog = application.CreateForm<search::TSearchLib>();
    search::SearchLib = dialog;
    dialog->ShowForm();

    struct Case {
        const wchar_t* kind;
        const wchar_t* keyword;
        const char* label;  // ASCII, so that any console shows it
        const char* key;    // name in the RESULT lines
    };
    const Case cases[] = {
        {L"心理测试", L"挑战", "tests,    common keyword", "tests_common"},
        {L"心理测试", L"无此关键词", "tests,    keyword found nowhere", "tests_nowhere"},
        {L"心理测试", L"", "tests,    empty keyword (all)", "tests_all"},
        {L"心理文章", L"挑战", "articles, common keyword", "articles_common"},
        {L"心理文章", L"无此关键词", "articles, keyword found nowhere", "articles_nowhere"},
        {L"心理文章", L"", "articles, empty keyword (all)", "articles_all"},
        {L"幽默文集", L"挑战", "humour,   common keyword", "humour_common"},
        {L"幽默文集", L"无此关键词", "humour,   keyword found nowhere", "humour_nowhere"},
        {L"幽默文集", L"", "humour,   empty keyword (all)", "humour_all"},
    };
    std::printf("database: %s, median of %d runs after one warm-up\n", app::Narrow(db).c_str(), kRuns);
    for (const Case& c : cases) {
        TimedSearch(dialog, c.kind, c.keyword);
        std::vector<double> times, statement;
        for (int i = 0; i < kRuns; ++i) {
            times.push_back(TimedSearch(dialog, c.kind, c.keyword));
            statement.push_back(TimedStatement(c.kind, c.keyword));
        }
        std::printf("%-34s %6d rows  dialog %8.1f ms  statement alone %8.1f ms\n", c.label,
                    dialog->SearchList->Count(), Median(times), Median(statement));
        std::printf("RESULT search_%s_ms %.2f\nRESULT search_dialog_%s_ms %.2f\n", c.key, Median(statement), c.key,
                    Median(times));
    }
    app::adoconn.Close();
    return 0;
}

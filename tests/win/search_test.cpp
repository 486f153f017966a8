// The search dialog on real windows beside the real main window: its controls as
// the user sees them, the three kinds of search against plain reference queries,
// Enter in the keyword, the remembered kind, opening results, hiding and showing,
// the button's caption during a search, failures, and the input-method request.
#include <gtest/gtest.h>
#include <windows.h>
#include <imm.h>

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/MainModule.h"
#include "app/MainWindow.h"
#include "content/ConnectionString.h"
#include "content/Recordset.h"
#include "forms/Application.h"
#include "runner/core/Layout.h"
#include "search/SearchLib_Unt.h"
#include "tests/win/ProgramUnderTest.h"
#include "tools/Sounds.h"
#include "winutil/WideText.h"

namespace {

using namespace zuno;
using namespace zuno::forms;
using Rows = std::vector<std::pair<std::wstring, std::wstring>>;  // (Id, title)

constexpr wchar_t kTests[] = L"心理测试";
constexpr wchar_t kArticles[] = L"心理文章";
constexpr wchar_t kHumor[] = L"幽默文集";

std::string SampleDatabase() {
    return content::DataSourceOf(content::BuildConnectionString(app::Narrow(wintest::ExeFolder())));
}

// What each kind should find, written plainly and apart from the program's own
// statements: substring search, each test once, rows in stored order.
const char* ReferenceStatement(const std::wstring& kind) {
    if (kind == kTests)
        return "SELECT DISTINCT b.rowid, b.ID, b.BigQuestion FROM BigQuestion b"
               " JOIN SmallQuestion s ON b.ID = substr(s.ID, 1, 8) JOIN Optional o ON b.ID = substr(o.ID, 1, 8)"
               " WHERE instr(b.BigQuestion, ?1) OR instr(s.SmallQuestion, ?1) OR instr(o.optional, ?1)"
               " ORDER BY b.rowid";
    if (kind == kArticles)
        return "SELECT Id AS ID, Name AS BigQuestion FROM Article WHERE instr(Name, ?1) OR instr(Content, ?1)"
               " ORDER BY rowid";
    return "SELECT Id AS ID, Name AS BigQuestion FROM Humor WHERE instr(Name, ?1) OR instr(Content, ?1)"
           " ORDER BY rowid";
}

Rows Reference(const std::wstring& kind, const std::wstring& keyword) {
    content::Recordset rs;
    rs.Open(ReferenceStatement(kind), app::adoconn, app::Narrow(keyword));
    Rows rows;
    for (; !rs.Eof(); rs.MoveNext())
        rows.emplace_back(app::Widen(rs.Fields("ID").AsText()), app::Widen(rs.Fields("BigQuestion").AsText()));
    return rows;
}

int QuestionCount(const std::wstring& testId) {
    content::Recordset rs;
    rs.Open("SELECT count(*) AS n FROM SmallQuestion WHERE substr(ID, 1, 8) = ?1", app::adoconn,
            app::Narrow(testId));
    return rs.Fields("n").AsInteger();
}

// A copy of the sample database in which a test option, an article and a humour
// text hold single quotes, as English text or a quoted saying would.
class QuotedDatabase {
public:
    QuotedDatabase() {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        path_ = std::wstring(temp) + L"zuno-search-quote.db";
        CopyFileW(app::Widen(SampleDatabase()).c_str(), path_.c_str(), FALSE);
        sqlite3* db = nullptr;
        sqlite3_open(app::Narrow(path_).c_str(), &db);
        sqlite3_exec(db,
                     "INSERT INTO Optional VALUES ('T0000003Q001O09', 'I''m fine', 0);"
                     "INSERT INTO Article VALUES (901, '父亲说''慢慢来''', '引号里的话', 'a');"
                     "INSERT INTO Humor VALUES (902, '笑话', '他说：''It''s OK''', 'h');",
                     nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
    ~QuotedDatabase() { DeleteFileW(path_.c_str()); }
    std::string Path() const { return app::Narrow(path_); }

private:
    std::wstring path_;
};

class SearchTest : public ::testing::Test {
protected:
    void SetUp() override {
        app = std::make_unique<TApplication>();
        app->Title = L"心理测试Mobix4.3";
        app->OnException = [this](const std::wstring& text) { errors.push_back(text); };
        app::adoconn.Open(SampleDatabase());
        app::exepath = wintest::ExeFolder();
        main = app->CreateForm<app::TForm1>();
        main->ADOQuery1ConnectionString = content::BuildConnectionString(app::Narrow(wintest::ExeFolder()));
        app::Form1 = main;
        tools::SetSoundPlayer([](const std::wstring&) {});
        main->ShowForm();
        dialog = app->CreateForm<search::TSearchLib>();
        search::SearchLib = dialog;
        search::SetInputMethodRequester([this](const std::wstring& name) { inputMethods.push_back(name); });
        dialog->ShowForm();
        app->ProcessMessages();
    }
    void TearDown() override {
        search::SetInputMethodRequester(nullptr);
        tools::SetSoundPlayer(nullptr);
        app.reset();
        app::adoconn.Close();
        app::runState = {};
        app::Form1 = nullptr;
        search::SearchLib = nullptr;
    }
    void Search(const std::wstring& kind, const std::wstring& keyword) {
        dialog->SearchType->SetText(kind);
        dialog->SearchText->SetText(keyword);
        Click(dialog->SearchButton);
    }
    void Click(TButton* b) { SendMessageW(b->Handle(), BM_CLICK, 0, 0); }
    void DoubleClick(int item) {
        dialog->SearchList->SetItemIndex(item);
        SendMessageW(dialog->SearchList->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    }
    // The lists as the window shows them, row by row: (IDList entry, SearchList entry).
    Rows Listed() {
        Rows rows;
        HWND titles = dialog->SearchList->Handle(), ids = dialog->IDList->Handle();
        const auto count = SendMessageW(titles, LB_GETCOUNT, 0, 0);
        EXPECT_EQ(SendMessageW(ids, LB_GETCOUNT, 0, 0), count) << "one Id per title";
        for (int i = 0; i < count; ++i) rows.emplace_back(ItemText(ids, i), ItemText(titles, i));
        return rows;
    }
    // The screen's pixels where the dialog's window is: what the user sees there.
    std::vector<COLORREF> ScreenOfDialog() {
        RECT r;
        GetWindowRect(dialog->Handle(), &r);
        const int w = r.right - r.left, h = r.bottom - r.top;
        HDC screen = GetDC(nullptr);
        HDC mem = CreateCompatibleDC(screen);
        HBITMAP bmp = CreateCompatibleBitmap(screen, w, h);
        HGDIOBJ old = SelectObject(mem, bmp);
        BitBlt(mem, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
        std::vector<COLORREF> pixels;
        for (int y = 0; y < h; y += 2)
            for (int x = 0; x < w; x += 2) pixels.push_back(GetPixel(mem, x, y));
        SelectObject(mem, old);
        DeleteObject(bmp);
        DeleteDC(mem);
        ReleaseDC(nullptr, screen);
        return pixels;
    }
    // Share of pixels that differ between two captures of the dialog's place.
    static double Changed(const std::vector<COLORREF>& a, const std::vector<COLORREF>& b) {
        size_t n = 0;
        for (size_t i = 0; i < a.size() && i < b.size(); ++i) n += a[i] != b[i];
        return a.empty() ? 1.0 : static_cast<double>(n) / static_cast<double>(a.size());
    }
    static std::wstring ItemText(HWND list, int i) {
        std::wstring text(static_cast<size_t>(SendMessageW(list, LB_GETTEXTLEN, i, 0)), L'\0');
        SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        return text;
    }
    std::unique_ptr<TApplication> app;
    app::TForm1* main = nullptr;
    search::TSearchLib* dialog = nullptr;
    std::vector<std::wstring> errors, inputMethods;
};

// ---- what the user sees ---------------------------------------------------

TEST_F(SearchTest, DialogWindowAsDesigned) {
    HWND h = dialog->Handle();
    EXPECT_EQ(wintest::WindowText(h), L"搜索题库");
    EXPECT_EQ(wintest::ClassNameOf(h), L"TSearchLib");
    RECT client;
    GetClientRect(h, &client);
    EXPECT_EQ(client.right, 400);
    EXPECT_EQ(client.bottom, 295);
    const LONG_PTR style = GetWindowLongPtrW(h, GWL_STYLE), ex = GetWindowLongPtrW(h, GWL_EXSTYLE);
    EXPECT_TRUE(ex & WS_EX_TOPMOST) << "stays above the main window";
    EXPECT_TRUE(ex & WS_EX_DLGMODALFRAME);
    EXPECT_TRUE(style & WS_SYSMENU) << "close box";
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_EQ(GetWindow(h, GW_OWNER), main->Handle());
    RECT d, m;
    GetWindowRect(h, &d);
    GetWindowRect(main->Handle(), &m);
    EXPECT_NEAR((d.left + d.right) / 2, (m.left + m.right) / 2, 1) << "centred on the main window";
    EXPECT_NEAR((d.top + d.bottom) / 2, (m.top + m.bottom) / 2, 1);
    EXPECT_EQ(dialog->ActiveControl(), dialog->SearchText) << "the keyword takes the first focus";
    EXPECT_FALSE(IsWindowVisible(dialog->IDList->Handle()));
    EXPECT_EQ(dialog->SearchList->Hint, L"") << "no kind before the first search";
}

TEST_F(SearchTest, ControlsPlacesFontsAndCaptions) {
    struct Case {
        TWinControl* control;
        RECT place;
        int fontHeight;
        const wchar_t* caption;
    };
    const Case cases[] = {
        {dialog->SearchType, {24, 16, 113, 39}, 15, kTests},
        {dialog->SearchText, {128, 16, 289, 39}, 15, L""},
        {dialog->SearchButton, {304, 16, 377, 41}, 16, L"开始搜索"},
        {dialog->SearchList, {24, 56, 377, 233}, 15, nullptr},
        {dialog->ContentButton, {56, 248, 137, 281}, 16, L"详细内容"},
        {dialog->QuitButton, {256, 248, 337, 281}, 16, L"退   出"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(app::Narrow(c.control->Name));
        HWND h = c.control->Handle();
        EXPECT_TRUE(IsWindowVisible(h));
        const RECT r = wintest::ChildRect(h);
        EXPECT_EQ(r.left, c.place.left);
        EXPECT_EQ(r.top, c.place.top);
        EXPECT_EQ(r.right, c.place.right);
        // A drop-down combo's window is as tall as its font makes the closed field.
        if (c.control != dialog->SearchType) {
            EXPECT_EQ(r.bottom, c.place.bottom);
        }
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(h, WM_GETFONT, 0, 0)), sizeof font, &font);
        EXPECT_EQ(font.lfHeight, -c.fontHeight);
        EXPECT_STREQ(font.lfFaceName, L"宋体");
        EXPECT_EQ(font.lfCharSet, GB2312_CHARSET);
        if (c.caption) {
            EXPECT_EQ(wintest::WindowText(h), c.caption);
        }
    }
    HWND combo = dialog->SearchType->Handle();
    ASSERT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 3);
    const wchar_t* kinds[] = {kTests, kArticles, kHumor};
    for (int i = 0; i < 3; ++i) {
        wchar_t item[32] = {};
        SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
        EXPECT_STREQ(item, kinds[i]);
    }
    EXPECT_EQ(GetWindowLongPtrW(combo, GWL_STYLE) & 3, CBS_DROPDOWN) << "the kind's text is editable";
}

// ---- searching ------------------------------------------------------------

struct SearchCase {
    const wchar_t* kind;
    const wchar_t* keyword;
    int expected;  // results in the sample content
    const char* fault;
};

const SearchCase kSearchCases[] = {
    {kTests, L"睡眠", 1, "30 matching question-option rows of one test must list it once"},
    {kTests, L"压力", 6, "tests found through titles, questions and options"},
    {kTests, L"", 39, "an empty keyword lists every test with questions and options"},
    {kTests, L"没有这样的词", 0, "nothing found leaves both lists empty"},
    {kArticles, L"睡眠", 9, "articles by title or body"},
    {kArticles, L"", 20, "an empty keyword lists every article"},
    {kHumor, L"妈妈", 5, "humour texts by title or body"},
    {kHumor, L"", 18, "an empty keyword lists every humour text"},
};

TEST_F(SearchTest, EachKindListsWhatTheReferenceFinds) {
    for (const SearchCase& c : kSearchCases) {
        SCOPED_TRACE(app::Narrow(std::wstring(c.kind) + L" “" + c.keyword + L"”: ") + c.fault);
        Search(c.kind, c.keyword);
        const Rows listed = Listed();
        EXPECT_EQ(static_cast<int>(listed.size()), c.expected);
        EXPECT_EQ(listed, Reference(c.kind, c.keyword));
        for (const auto& [id, title] : listed) EXPECT_FALSE(title.empty()) << app::Narrow(id);
        EXPECT_EQ(dialog->SearchList->Hint, c.kind);
        EXPECT_FALSE(IsWindowVisible(dialog->IDList->Handle())) << "the Ids stay out of sight";
        EXPECT_EQ(dialog->SearchButton->Caption(), L"开始搜索");
        EXPECT_EQ(wintest::WindowText(dialog->SearchButton->Handle()), L"开始搜索");
    }
    EXPECT_TRUE(errors.empty());
}

TEST_F(SearchTest, ArticleAndHumourIdsAreDecimalNumbers) {
    for (const wchar_t* kind : {kArticles, kHumor}) {
        Search(kind, L"");
        for (const auto& [id, title] : Listed()) {
            EXPECT_FALSE(id.empty());
            EXPECT_EQ(id.find_first_not_of(L"0123456789"), std::wstring::npos) << app::Narrow(id);
        }
    }
}

TEST_F(SearchTest, KeywordWithSingleQuotesFindsTheTextsHoldingThem) {
    QuotedDatabase quoted;
    app::adoconn.Open(quoted.Path());
    struct Case {
        const wchar_t* kind;
        const wchar_t* keyword;
        Rows expected;
    };
    const Case cases[] = {
        {kTests, L"I'm", {{L"T0000003", L"几个小选择里的你"}}},
        {kArticles, L"'慢慢来'", {{L"901", L"父亲说'慢慢来'"}}},
        {kHumor, L"It's", {{L"902", L"笑话"}}},
        {kHumor, L"'", {{L"902", L"笑话"}}},
        {kTests, L"'; DROP TABLE BigQuestion; --", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(app::Narrow(c.keyword));
        Search(c.kind, c.keyword);
        EXPECT_EQ(Listed(), c.expected);
    }
    EXPECT_TRUE(errors.empty()) << app::Narrow(errors.empty() ? L"" : errors[0]);
}

TEST_F(SearchTest, EachSearchReplacesThePreviousResults) {
    Search(kTests, L"");
    ASSERT_EQ(Listed().size(), 39u);
    Search(kArticles, L"睡眠");
    EXPECT_EQ(Listed(), Reference(kArticles, L"睡眠"));
}

TEST_F(SearchTest, EnterInTheKeywordRunsTheSearchOtherKeysDoNot) {
    struct Case {
        wchar_t key;
        bool searches;
    };
    const Case cases[] = {{L'a', false}, {L'\n', false}, {L'\r', true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.key));
        dialog->SearchList->Clear();
        dialog->IDList->Clear();
        dialog->SearchText->SetText(L"压力");
        SendMessageW(dialog->SearchText->Handle(), WM_CHAR, c.key, 0);
        EXPECT_EQ(Listed().size(), c.searches ? 6u : 0u);
    }
    EXPECT_EQ(dialog->SearchText->Text(), L"压力") << "Enter is not typed into the keyword";
    EXPECT_TRUE(errors.empty());
}

TEST_F(SearchTest, UnknownKindRunsNothingAndKeepsTheRememberedKind) {
    for (const wchar_t* typed : {L"心理", L"心理测试 ", L"", L"幽默"}) {
        SCOPED_TRACE(app::Narrow(typed));
        app::adoconn.Open(SampleDatabase());
        Search(kTests, L"压力");
        ASSERT_EQ(Listed().size(), 6u);
        app::adoconn.Close();  // any statement would now fail loudly
        Search(typed, L"压力");
        EXPECT_TRUE(Listed().empty());
        EXPECT_EQ(dialog->SearchList->Hint, kTests);
        EXPECT_EQ(dialog->SearchButton->Caption(), L"开始搜索");
    }
    EXPECT_TRUE(errors.empty());
}

TEST_F(SearchTest, DatabaseErrorIsReportedAndTheButtonRecovers) {
    app::adoconn.Close();
    Search(kArticles, L"睡眠");
    EXPECT_EQ(errors.size(), 1u) << "reported by the error convention";
    EXPECT_TRUE(Listed().empty());
    EXPECT_EQ(wintest::WindowText(dialog->SearchButton->Handle()), L"开始搜索");
    app::adoconn.Open(SampleDatabase());
    Search(kArticles, L"睡眠");
    EXPECT_EQ(Listed().size(), 9u) << "the next search runs normally";
}

TEST_F(SearchTest, ButtonShowsSearchingWhileTheQueryRuns) {
    std::vector<std::wstring> painted, seenByPosted;
    HWND button = dialog->SearchButton->Handle();
    TWndMethod buttonProc = dialog->SearchButton->WindowProc;
    dialog->SearchButton->WindowProc = [&](TMessage& m) {
        if (m.Msg == WM_PAINT) painted.push_back(wintest::WindowText(button));
        buttonProc(m);
    };
    // A message already waiting must be handled before the query, with the new caption up.
    const UINT probe = WM_APP + 7;
    TWndMethod listProc = dialog->SearchList->WindowProc;
    dialog->SearchList->WindowProc = [&](TMessage& m) {
        if (m.Msg == probe) seenByPosted.push_back(wintest::WindowText(button));
        listProc(m);
    };
    PostMessageW(dialog->SearchList->Handle(), probe, 0, 0);
    Search(kTests, L"压力");
    EXPECT_NE(std::find(painted.begin(), painted.end(), L"搜索中"), painted.end()) << "painted during the search";
    EXPECT_EQ(seenByPosted, std::vector<std::wstring>{L"搜索中"});
    EXPECT_EQ(wintest::WindowText(button), L"开始搜索");
    dialog->SearchButton->WindowProc = buttonProc;
    dialog->SearchList->WindowProc = listProc;
}

TEST_F(SearchTest, ClickOrEnterWaitingDuringASearchDoesNotStartAnother) {
    // Handled while the caption paints; a second search inside the first would list
    // every row twice and put the caption back while the first still runs.
    PostMessageW(dialog->SearchButton->Handle(), BM_CLICK, 0, 0);
    PostMessageW(dialog->SearchText->Handle(), WM_CHAR, L'\r', 0);
    Search(kTests, L"压力");
    EXPECT_EQ(Listed(), Reference(kTests, L"压力"));
    EXPECT_EQ(wintest::WindowText(dialog->SearchButton->Handle()), L"开始搜索");
    Search(kHumor, L"妈妈");
    EXPECT_EQ(Listed().size(), 5u) << "searching works again afterwards";
    EXPECT_TRUE(errors.empty());
}

// ---- opening results ------------------------------------------------------

TEST_F(SearchTest, RememberedKindDecidesWhatOpens) {
    Search(kTests, L"睡眠");
    const Rows found = Listed();
    ASSERT_EQ(found.size(), 1u);
    dialog->SearchType->SetText(kArticles);  // changed, but not searched again
    dialog->SearchList->SetItemIndex(0);
    app->ProcessMessages();
    const std::vector<COLORREF> seen = ScreenOfDialog();
    DoubleClick(0);
    app->ProcessMessages();
    const int n = QuestionCount(found[0].first);
    ASSERT_GT(n, 0);
    EXPECT_EQ(app::runState.sqcount, n) << "a test opened, not an article";
    EXPECT_EQ(main->ZunoLabel->Caption(), L"本测试共有" + std::to_wstring(n) + L"个问题");
    EXPECT_TRUE(main->NextButton->Enabled());
    EXPECT_TRUE(IsWindowVisible(dialog->Handle())) << "the dialog stays open";
    EXPECT_LT(Changed(seen, ScreenOfDialog()), 0.1) << "and on screen above the main window, which took the focus";
    EXPECT_EQ(main->ActiveControl(), main->RadioButton[0]);
    EXPECT_TRUE(errors.empty());
}

TEST_F(SearchTest, ArticlesAndHumourOpenInTheReader) {
    struct Case {
        const wchar_t* kind;
        const wchar_t* keyword;
        bool byButton;
    };
    const Case cases[] = {
        {kArticles, L"睡眠", false}, {kArticles, L"", true}, {kHumor, L"妈妈", false}, {kHumor, L"", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(app::Narrow(std::wstring(c.kind) + c.keyword));
        Search(c.kind, c.keyword);
        const Rows found = Listed();
        ASSERT_GE(found.size(), 2u);
        const int pick = static_cast<int>(found.size()) - 1;
        dialog->SearchList->SetItemIndex(pick);
        app->ProcessMessages();
        const std::vector<COLORREF> seen = ScreenOfDialog();
        if (c.byButton) {
            Click(dialog->ContentButton);
        } else {
            DoubleClick(pick);
        }
        EXPECT_EQ(main->ZunoLabel->Caption(), c.kind);
        const std::wstring title = app::Widen(runner::TitleLine(app::Narrow(found[pick].second)));
        EXPECT_EQ(main->Label1->Caption().rfind(title, 0), 0u) << app::Narrow(main->Label1->Caption());
        EXPECT_GT(main->Label1->Caption().size(), title.size()) << "the body follows the title";
        app->ProcessMessages();
        EXPECT_LT(Changed(seen, ScreenOfDialog()), 0.1) << "the dialog stays in sight";
    }
    EXPECT_TRUE(errors.empty());
}

TEST_F(SearchTest, NothingSelectedOpensNothing) {
    main->ZunoLabel->SetCaption(L"未动");
    DoubleClick(-1);  // before any search: an empty list
    Click(dialog->ContentButton);
    Search(kTests, L"没有这样的词");
    DoubleClick(0);
    Search(kArticles, L"睡眠");
    dialog->SearchList->SetItemIndex(-1);
    Click(dialog->ContentButton);
    SendMessageW(dialog->SearchList->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(main->ZunoLabel->Caption(), L"未动");
    EXPECT_EQ(app::runState.sqcount, 0);
    EXPECT_TRUE(errors.empty());
}

// ---- hiding and showing ---------------------------------------------------

TEST_F(SearchTest, QuitAndCloseBoxHideKeepingKeywordKindAndResults) {
    for (bool closeBox : {false, true}) {
        SCOPED_TRACE(closeBox ? "close box" : "QuitButton");
        Search(kHumor, L"妈妈");
        const Rows found = Listed();
        dialog->SearchType->SetText(kTests);
        if (closeBox) {
            SendMessageW(dialog->Handle(), WM_CLOSE, 0, 0);
        } else {
            Click(dialog->QuitButton);
        }
        EXPECT_FALSE(IsWindowVisible(dialog->Handle()));
        EXPECT_FALSE(dialog->Visible());
        main->SearchLibMenuClick();
        app->ProcessMessages();
        EXPECT_TRUE(IsWindowVisible(dialog->Handle()));
        EXPECT_EQ(wintest::WindowText(dialog->SearchText->Handle()), L"妈妈");
        EXPECT_EQ(wintest::WindowText(dialog->SearchType->Handle()), kTests);
        EXPECT_EQ(dialog->SearchList->Hint, kHumor);
        EXPECT_EQ(Listed(), found);
    }
    EXPECT_TRUE(errors.empty());
}

// ---- keyboard ----------------------------------------------------------------

// Tab order: kind box, keyword, search button, results, details, quit. In the kind
// box the focus sits in the combo box's own edit, a window without an object.
TEST_F(SearchTest, TabAndShiftTabLeaveTheKindBoxFromItsInnerEdit) {
    HWND inner = GetWindow(dialog->SearchType->Handle(), GW_CHILD);
    ASSERT_TRUE(inner);
    struct Case {
        bool shift;
        TWinControl* expected;
    };
    const Case cases[] = {{false, dialog->SearchText}, {true, dialog->QuitButton}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shift ? "Shift+Tab" : "Tab");
        SetFocus(inner);
        ASSERT_EQ(GetFocus(), inner);
        BYTE state[256] = {};
        if (c.shift) state[VK_SHIFT] = 0x80;
        SetKeyboardState(state);
        MSG msg{inner, WM_KEYDOWN, VK_TAB, 0};
        EXPECT_TRUE(app->PreTranslate(msg));
        SetKeyboardState(std::array<BYTE, 256>{}.data());
        EXPECT_EQ(GetFocus(), c.expected->Handle());
        EXPECT_EQ(dialog->ActiveControl(), c.expected);
    }
    // Typing in the inner edit is still typing: letters are not dialog keys.
    SetFocus(inner);
    MSG letter{inner, WM_KEYDOWN, 'A', 0};
    EXPECT_FALSE(app->PreTranslate(letter));
}

// ---- input method ---------------------------------------------------------

TEST_F(SearchTest, InputsAndListAskForTheInputMethodOnFocus) {
    struct Case {
        TWinControl* control;
        bool asks;
    };
    const Case cases[] = {
        {dialog->SearchButton, false}, {dialog->SearchType, true},     {dialog->ContentButton, false},
        {dialog->SearchText, true},    {dialog->QuitButton, false},     {dialog->SearchList, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(app::Narrow(c.control->Name));
        inputMethods.clear();
        SetFocus(c.control->Handle());
        app->ProcessMessages();
        EXPECT_EQ(inputMethods, c.asks ? std::vector<std::wstring>{search::kInputMethod}
                                       : std::vector<std::wstring>{});
    }
    // Clicking into the combo's own edit is focus for the combo too.
    SetFocus(dialog->SearchButton->Handle());
    inputMethods.clear();
    SetFocus(GetWindow(dialog->SearchType->Handle(), GW_CHILD));
    EXPECT_EQ(inputMethods, std::vector<std::wstring>{search::kInputMethod});
}

// The input method exists only where the system has it; elsewhere nothing changes.
TEST_F(SearchTest, MissingInputMethodChangesNothing) {
    bool installed = false;
    HKL layouts[64];
    const int n = GetKeyboardLayoutList(64, layouts);
    for (int i = 0; i < n; ++i) {
        wchar_t name[256] = {};
        if (ImmGetDescriptionW(layouts[i], name, 255) && std::wstring(name) == search::kInputMethod) installed = true;
    }
    const HKL before = GetKeyboardLayout(0);
    EXPECT_EQ(search::ActivateInputMethod(search::kInputMethod), installed);
    EXPECT_FALSE(search::ActivateInputMethod(L"")) << "layouts without an input method have no description";
    EXPECT_FALSE(search::ActivateInputMethod(L"没有这种输入法"));
    if (!installed) {
        EXPECT_EQ(GetKeyboardLayout(0), before);
    }
    search::SetInputMethodRequester(nullptr);
    for (TWinControl* c : {static_cast<TWinControl*>(dialog->SearchType), static_cast<TWinControl*>(dialog->SearchText),
                           static_cast<TWinControl*>(dialog->SearchList)})
        SetFocus(c->Handle());
    EXPECT_TRUE(errors.empty());
}

}  // namespace

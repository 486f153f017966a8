// The program as a user meets it: start-up in a fresh folder, the settings file it
// writes, the version gate, the ways it ends, start-up failures shown in error boxes,
// and the main window's layout read back from its windows.
#include <gtest/gtest.h>
#include <windows.h>
#include <psapi.h>

#include "content/Connection.h"
#include "content/ConnectionString.h"
#include "content/Recordset.h"
#include "content/Statements.h"
#include "tests/win/ProgramUnderTest.h"
#include "winutil/WideText.h"

namespace {

using namespace zuno::wintest;
using namespace std::chrono_literals;

struct Maxima {
    int tests, articles, humor;
};

Maxima SampleMaxima() {
    using namespace zuno::content;
    Connection db;
    db.Open(DataSourceOf(BuildConnectionString(zuno::app::Narrow(ExeFolder()))));
    Recordset rs;
    Maxima m{};
    OpenHighestTestNumber(rs, db);
    m.tests = rs.Fields("RecId").AsInteger();
    OpenHighestArticleNumber(rs, db);
    m.articles = rs.Fields("Id").AsInteger();
    OpenHighestHumorNumber(rs, db);
    m.humor = rs.Fields("Id").AsInteger();
    return m;
}

void PressEscape(HWND main) { PostMessageW(main, WM_KEYDOWN, VK_ESCAPE, 0); }

// The error box whose message holds `text`, waiting up to ten seconds for it.
HWND WaitForErrorBox(RunningProgram& zuno, const wchar_t* text) {
    for (int i = 0; i < 200; ++i) {
        HWND h = zuno.FindWindowOfClass(L"#32770");
        if (h && MessageBoxText(h).find(text) != std::wstring::npos) return h;
        Sleep(50);
    }
    return nullptr;
}

TEST(Startup, FreshFolderGetsTheFirstRunSettings) {
    Sandbox box;
    {
        RunningProgram zuno(box);
        HWND main = zuno.WaitForWindow(L"TForm1");
        ASSERT_TRUE(main);
        EXPECT_EQ(WindowText(main), L"心理测试Mobix4.3版");
        PressEscape(main);
        EXPECT_EQ(zuno.WaitForExit(), 0);
    }
    const Maxima m = SampleMaxima();
    const std::vector<std::string> expected = {
        "[inifile]", "exist=yes", "[zuno]", "exever=4.3",
        "NewLibNum=" + std::to_string(m.tests), "OldLibNum=" + std::to_string(m.tests),
        "NewArtNum=" + std::to_string(m.articles), "OldArtNum=" + std::to_string(m.articles),
        "NewHumorNum=" + std::to_string(m.humor), "OldHumorNum=" + std::to_string(m.humor),
        "[tool]", "usesound=1",
    };
    EXPECT_EQ(Lines(box.ReadFile(L"zuno.ini")), expected);
}

std::string RunWithSettings(const std::string& ini) {
    Sandbox box;
    box.WriteFile(L"zuno.ini", ini);
    RunningProgram zuno(box);
    HWND main = zuno.WaitForWindow(L"TForm1");
    if (!main) return "no main window";
    PressEscape(main);
    zuno.WaitForExit();
    return box.ReadFile(L"zuno.ini");
}

TEST(Startup, CounterRuleFollowsTheDatabase) {
    const Maxima m = SampleMaxima();
    const std::string pairs = "NewArtNum=1\r\nOldArtNum=1\r\nNewHumorNum=1\r\nOldHumorNum=1\r\n";
    // Database unchanged since the last start: nothing moves.
    std::string same = "[inifile]\r\nexist=yes\r\n[zuno]\r\nNewLibNum=" + std::to_string(m.tests) +
                       "\r\nOldLibNum=10\r\n" + pairs;
    auto lines = Lines(RunWithSettings(same));
    EXPECT_NE(std::find(lines.begin(), lines.end(), "OldLibNum=10"), lines.end());
    // Database grown since: Old takes New's value, New the maximum.
    std::string grown = "[inifile]\r\nexist=yes\r\n[zuno]\r\nNewLibNum=5\r\nOldLibNum=3\r\n" + pairs;
    lines = Lines(RunWithSettings(grown));
    EXPECT_NE(std::find(lines.begin(), lines.end(), "OldLibNum=5"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "NewLibNum=" + std::to_string(m.tests)), lines.end());
}

TEST(Startup, LoggingOnCreatesAResultLogWithTheMainWindow) {
    Sandbox box;
    box.WriteFile(L"zuno.ini", "[inifile]\r\nexist=yes\r\n[tool]\r\nrecord=1\r\n");
    RunningProgram zuno(box);
    HWND main = zuno.WaitForWindow(L"TForm1");
    ASSERT_TRUE(main);
    bool found = false;
    for (int i = 0; i < 100 && !found; ++i) {
        for (int n = 0; n <= 99 && !found; ++n) found = box.Exists(L"zuno" + std::to_wstring(n) + L".txt");
        if (!found) Sleep(50);
    }
    EXPECT_TRUE(found) << "a new log exists as soon as the main window is shown";
    PressEscape(main);
    EXPECT_EQ(zuno.WaitForExit(), 0);
}

TEST(VersionGate, NewerDatabaseShowsTheMessageAndStillStarts) {
    for (const char* version : {"4.31", "5"}) {
        Sandbox box;
        box.SetDatabaseVersion(version);
        RunningProgram zuno(box);
        HWND msg = zuno.WaitForWindow(L"Tmsg");
        ASSERT_TRUE(msg) << version;
        // The box is shown first and filled right after.
        for (int i = 0; i < 100 && !FindChild(msg, L"知道了", L"BUTTON"); ++i) Sleep(50);
        EXPECT_EQ(WindowText(msg), L"版本太旧");
        EXPECT_TRUE(FindChild(msg, L"知道了", L"BUTTON"));
        HWND main = zuno.FindWindowOfClass(L"TForm1");
        ASSERT_TRUE(main);
        EXPECT_FALSE(IsWindowEnabled(main)) << "the message box disables the main window";
        SendMessageW(FindChild(msg, L"知道了", L"BUTTON"), BM_CLICK, 0, 0);
        EXPECT_TRUE(IsWindowEnabled(main));
        EXPECT_FALSE(IsWindowVisible(msg));
        PressEscape(main);
        EXPECT_EQ(zuno.WaitForExit(), 0);
    }
}

TEST(VersionGate, SameVersionShowsNothing) {
    Sandbox box;
    RunningProgram zuno(box);
    HWND main = zuno.WaitForWindow(L"TForm1");
    ASSERT_TRUE(main);
    Sleep(500);
    EXPECT_FALSE(zuno.FindWindowOfClass(L"Tmsg"));
    EXPECT_TRUE(IsWindowEnabled(main));
    PressEscape(main);
    EXPECT_EQ(zuno.WaitForExit(), 0);
}

TEST(VersionGate, VersionThatIsNotANumberEndsTheProgramAfterTheErrorBox) {
    Sandbox box;
    box.SetDatabaseVersion("4.3 beta");
    RunningProgram zuno(box);
    HWND error = zuno.WaitForWindow(L"#32770");
    ASSERT_TRUE(error);
    EXPECT_EQ(WindowText(error), L"心理测试Mobix4.3");
    EXPECT_NE(MessageBoxText(error).find(L"4.3 beta"), std::wstring::npos);
    PostMessageW(error, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(zuno.WaitForExit(), 1);
}

TEST(Failures, MissingDatabaseIsReportedByName) {
    Sandbox box;
    DeleteFileW(box.Path(L"test.dll").c_str());
    RunningProgram zuno(box);
    HWND error = zuno.WaitForWindow(L"#32770");
    ASSERT_TRUE(error);
    EXPECT_NE(MessageBoxText(error).find(L"test.dll"), std::wstring::npos) << zuno::app::Narrow(MessageBoxText(error));
    PostMessageW(error, WM_COMMAND, IDOK, 0);
    // Creation goes on to show the main window; the empty version then ends the program.
    HWND second = WaitForErrorBox(zuno, L"版本号");
    ASSERT_TRUE(second);
    EXPECT_TRUE(zuno.FindWindowOfClass(L"TForm1"));
    PostMessageW(second, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(zuno.WaitForExit(), 1);
}

TEST(Failures, UnwritableSettingsFileIsReportedWithItsPath) {
    Sandbox box;
    // A folder where the file should be makes every write fail, even for root.
    CreateDirectoryW(box.Path(L"zuno.ini").c_str(), nullptr);
    RunningProgram zuno(box);
    HWND error = zuno.WaitForWindow(L"#32770");
    ASSERT_TRUE(error);
    const std::wstring text = MessageBoxText(error);
    EXPECT_EQ(text.rfind(L"Unable to write to ", 0), 0u) << zuno::app::Narrow(text);
    EXPECT_NE(text.find(box.Path(L"zuno.ini")), std::wstring::npos) << "the full path";
    PostMessageW(error, WM_COMMAND, IDOK, 0);
    // The creation step stopped there: the window is still shown, but the version
    // was never read, so the version gate ends the program with a second error box.
    HWND main = zuno.WaitForWindow(L"TForm1");
    EXPECT_TRUE(main) << "the main window is still shown";
    HWND second = WaitForErrorBox(zuno, L"版本号");
    ASSERT_TRUE(second);
    PostMessageW(second, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(zuno.WaitForExit(), 1);
}

TEST(Ending, CloseBoxAndExitButtonEndTheProgram) {
    {
        Sandbox box;
        RunningProgram zuno(box);
        HWND main = zuno.WaitForWindow(L"TForm1");
        ASSERT_TRUE(main);
        PostMessageW(main, WM_CLOSE, 0, 0);
        EXPECT_EQ(zuno.WaitForExit(), 0);
    }
    {
        Sandbox box;
        RunningProgram zuno(box);
        HWND main = zuno.WaitForWindow(L"TForm1");
        ASSERT_TRUE(main);
        HWND exit = FindChild(main, L"退  出", L"BUTTON");
        ASSERT_TRUE(exit);
        PostMessageW(exit, BM_CLICK, 0, 0);
        EXPECT_EQ(zuno.WaitForExit(), 0);
    }
}

// What the first window does not need waits: the question page's hidden options get
// their windows once the main window is up, and comctl32 (under Wine its loading costs
// about what a bare window takes to appear) is not loaded for the main window at all.
TEST(Startup, OptionWindowsFollowTheWindowAndCommonControlsStayUnloaded) {
    Sandbox box;
    RunningProgram zuno(box);
    HWND main = zuno.WaitForWindow(L"TForm1");
    ASSERT_TRUE(main);
    auto hiddenButtons = [main] {
        std::pair<int, HWND> count{0, main};
        EnumChildWindows(
            main,
            [](HWND h, LPARAM lp) {
                auto* c = reinterpret_cast<std::pair<int, HWND>*>(lp);
                if (!IsWindowVisible(h) && _wcsicmp(ClassNameOf(h).c_str(), L"Button") == 0) ++c->first;
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&count));
        return count.first;
    };
    for (int i = 0; i < 100 && hiddenButtons() < 24; ++i) Sleep(20);
    EXPECT_EQ(hiddenButtons(), 24) << "12 radio buttons and 12 check boxes, hidden";
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, zuno.ProcessId());
    ASSERT_TRUE(process);
    HMODULE modules[512];
    DWORD bytes = 0;
    ASSERT_TRUE(EnumProcessModules(process, modules, sizeof modules, &bytes));
    for (DWORD i = 0; i < bytes / sizeof(HMODULE); ++i) {
        wchar_t name[MAX_PATH] = {};
        GetModuleBaseNameW(process, modules[i], name, MAX_PATH);
        EXPECT_NE(_wcsicmp(name, L"comctl32.dll"), 0) << "comctl32 loaded by the main window";
    }
    CloseHandle(process);
    PressEscape(main);
    EXPECT_EQ(zuno.WaitForExit(), 0);
}

TEST(MainWindow, LayoutAsDesigned) {
    Sandbox box;
    RunningProgram zuno(box);
    HWND main = zuno.WaitForWindow(L"TForm1");
    ASSERT_TRUE(main);
    RECT client;
    GetClientRect(main, &client);
    EXPECT_EQ(client.right, 636);
    EXPECT_EQ(client.bottom, 408);
    const LONG style = GetWindowLongW(main, GWL_STYLE);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    struct Expected {
        const wchar_t* text;
        RECT rect;
        bool enabled;
    };
    for (const Expected& e : {Expected{L"上一题", {60, 355, 149, 388}, false},
                              Expected{L"下一题", {189, 355, 278, 388}, false},
                              Expected{L"退  出", {493, 355, 582, 388}, true}}) {
        HWND b = FindChild(main, e.text, L"BUTTON");
        ASSERT_TRUE(b) << zuno::app::Narrow(e.text);
        const RECT r = ChildRect(b);
        EXPECT_TRUE(EqualRect(&r, &e.rect)) << zuno::app::Narrow(e.text) << " at " << r.left << "," << r.top;
        EXPECT_EQ(IsWindowEnabled(b) != 0, e.enabled);
    }
    // The skinned frame took the native menu off the window and draws the menu bar
    // itself (menus are checked in-process); the window answers the skin's query.
    EXPECT_FALSE(GetMenu(main));
    EXPECT_EQ(SendMessageW(main, 0x3504 /* SKINMSG_QUERY */, 0, 0), 1);
    PressEscape(main);
    EXPECT_EQ(zuno.WaitForExit(), 0);
}

}  // namespace

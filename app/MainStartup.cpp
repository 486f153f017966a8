// TForm1::FormCreate: the main window's creation steps in their fixed order —
// settings, skin choice, content database, "New" counters, catalogues, version.
#include <windows.h>

#include "app/MainModule.h"
#include "app/MainWindow.h"
#include "app/ProfileFile.h"
#include "app/SplashForm.h"
#include "app/StartupTrace.h"
#include "app/core/Settings.h"
#include "content/ConnectionString.h"
#include "content/Recordset.h"
#include "content/Statements.h"
#include "winutil/WideText.h"

namespace zuno::app {

std::wstring exepath;
std::wstring inipath;
content::Connection adoconn;
std::string softversion;
TForm1* Form1 = nullptr;
Tflash* flash = nullptr;

namespace {

std::wstring ProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    return path.substr(0, path.find_last_of(L"\\/") + 1);
}

ContentMaxima ReadContentMaxima(content::Recordset& rs) {
    ContentMaxima m;
    content::OpenHighestTestNumber(rs, adoconn);
    m.tests = rs.Fields("RecId").AsInteger();
    rs.Close();
    content::OpenHighestArticleNumber(rs, adoconn);
    m.articles = rs.Fields("Id").AsInteger();
    rs.Close();
    content::OpenHighestHumorNumber(rs, adoconn);
    m.humor = rs.Fields("Id").AsInteger();
    rs.Close();
    return m;
}

}  // namespace

void TForm1::FormCreate() {
    SetCaption(L"心理测试Mobix4.3版");
    exepath = ProgramFolder();
    inipath = exepath + L"zuno.ini";
    ProfileFile ini(inipath);

    ChooseSkinAtStartup(ini);
    TraceStep("  settings file, skin choice");

    content::Recordset rs1, rs2, rs3;
    adoconn.Open(content::DataSourceOf(content::BuildConnectionString(Narrow(exepath))));
    ADOQuery1ConnectionString = content::BuildConnectionString(Narrow(exepath));
    TraceStep("  database opened");

    const ContentMaxima maxima = ReadContentMaxima(rs1);
    const StartupSettings settings = ReadStartupSettings(ini, maxima);
    N3->SetChecked(settings.record);
    N9->SetChecked(settings.usesound);
    LibThreshold = settings.testThreshold;
    ArtThreshold = settings.articleThreshold;
    HumorThreshold = settings.humorThreshold;
    TraceStep("  highest numbers, New counters");

    BuildTestCatalogue(rs1, rs2, rs3);
    TraceStep("  test catalogue");
    BuildTextCatalogue(false, rs1, rs2, rs3);
    TraceStep("  article catalogue");
    BuildTextCatalogue(true, rs1, rs2, rs3);
    TraceStep("  humour catalogue");

    if (flash) flash->SetProgress(L"加载软件信息", true);
    content::OpenSoftInfo(rs1, adoconn);
    rs1.Move(11);
    softversion = rs1.Fields("information").AsText();
    rs1.Close();
    TraceStep("  software information");
}

}  // namespace zuno::app

// TForm1's reader: an article or humour text on the display page, opened from its
// catalogue entry or from the search dialog. The test run is left as it was.
#include <windows.h>

#include "app/MainModule.h"
#include "app/MainWindow.h"
#include "content/Recordset.h"
#include "content/Statements.h"
#include "runner/core/Layout.h"
#include "winutil/WideText.h"

namespace zuno::app {

using namespace forms;

namespace {

struct ReaderKind {
    const wchar_t* sideCaption;
    const wchar_t* namePrefix;
    void (*openWithName)(content::Recordset&, const content::Connection&, std::int64_t);
    void (*openContent)(content::Recordset&, const content::Connection&, std::int64_t);
};

constexpr ReaderKind kArticle{L"心理文章", L"ArtMenu", content::OpenArticleWithName, content::OpenArticleContent};
constexpr ReaderKind kHumor{L"幽默文集", L"HumorMenu", content::OpenHumorWithName, content::OpenHumorContent};

// The Id in decimal; anything else is refused before it reaches a statement.
std::int64_t TextId(const std::wstring& text) { return content::ParseId(Narrow(text)); }

}  // namespace

void TForm1::ShowReaderText(const std::string& text) {
    Label1->SetCaption(Widen(text));
    page.ShowText(Label1->Height());
    ApplyScrollBar();
    runner::DisableNavigation(runState);
    NextButton->SetEnabled(false);
    PreviousButton->SetEnabled(false);
}

void TForm1::OpenTextFromMenu(TMenuItem* item, bool humor) {
    const ReaderKind& kind = humor ? kHumor : kArticle;
    PlayMenuClick();
    ZunoLabel->SetCaption(kind.sideCaption);
    item->SetChecked(true);
    selectinit();
    const std::int64_t id = TextId(item->Name.substr(std::wcslen(kind.namePrefix)));
    content::Recordset rs;
    kind.openWithName(rs, adoconn, id);
    std::string text;
    if (!rs.Eof() && !rs.Bof())
        text = runner::ReaderText(rs.Fields("Name").AsText(), rs.Fields("Content").AsText());
    rs.Close();
    ShowReaderText(text);
}

void TForm1::OpenText(const std::string& id, const std::string& title, bool humor) {
    const ReaderKind& kind = humor ? kHumor : kArticle;
    ZunoLabel->SetCaption(kind.sideCaption);
    selectinit();
    const std::int64_t textId = TextId(Widen(id));
    std::string text = runner::TitleLine(title);
    content::Recordset rs;
    kind.openContent(rs, adoconn, textId);
    if (!rs.Eof() && !rs.Bof()) text = runner::ReaderText(title, rs.Fields("Content").AsText());
    rs.Close();
    ShowReaderText(text);
}

void TForm1::ArtMenuClick(TMenuItem* item) { OpenTextFromMenu(item, false); }
void TForm1::HumorMenuClick(TMenuItem* item) { OpenTextFromMenu(item, true); }
void TForm1::OpenArticle(const std::string& id, const std::string& title) { OpenText(id, title, false); }
void TForm1::OpenHumor(const std::string& id, const std::string& title) { OpenText(id, title, true); }

}  // namespace zuno::app

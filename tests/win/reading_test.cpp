// The reader, copy to the clipboard and the font choice on the real main window:
// texts opened from the catalogue and by Id, the scroll range of a long text, the
// clipboard's bytes and locale, and the page laid out again in a new font.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>

#include "app/MainModule.h"
#include "app/MainWindow.h"
#include "content/ConnectionString.h"
#include "content/Recordset.h"
#include "forms/Application.h"
#include "runner/core/Layout.h"
#include "tests/win/ProgramUnderTest.h"
#include "tools/Sounds.h"
#include "winutil/WideText.h"

namespace {

using namespace zuno;
using namespace zuno::forms;

class ReadingTest : public ::testing::Test {
protected:
    void SetUp() override {
        app = std::make_unique<TApplication>();
        app->OnException = [this](const std::wstring& text) { errors.push_back(text); };
        app::adoconn.Open(content::DataSourceOf(content::BuildConnectionString(app::Narrow(wintest::ExeFolder()))));
        form = app->CreateForm<app::TForm1>();
        form->ADOQuery1ConnectionString = content::BuildConnectionString(app::Narrow(wintest::ExeFolder()));
        form->ShowForm();
        tools::SetSoundPlayer([this](const std::wstring& path) { sounds.push_back(path); });
    }
    void TearDown() override {
        tools::SetSoundPlayer(nullptr);
        app.reset();
        app::adoconn.Close();
        app::runState = {};
    }
    std::string Name(const char* table, int id) {
        content::Recordset rs;
        rs.Open(std::string("select Name from ") + table + " where Id = ?1", app::adoconn, std::int64_t{id});
        return rs.Fields("Name").AsText();
    }
    std::string Clipboard(UINT format) {
        std::string bytes;
        if (!OpenClipboard(nullptr)) return bytes;
        if (HANDLE h = GetClipboardData(format)) {
            bytes.assign(static_cast<const char*>(GlobalLock(h)), GlobalSize(h));
            GlobalUnlock(h);
        }
        CloseClipboard();
        return bytes;
    }
    TFont& FontDialog1Font() { return form->FontDialog1->Font; }
    std::unique_ptr<TApplication> app;
    app::TForm1* form = nullptr;
    std::vector<std::wstring> errors, sounds;
};

TEST_F(ReadingTest, ArticleFromTheCatalogue) {
    content::Recordset a, b, c;
    form->BuildTextCatalogue(false, a, b, c);
    TMenuItem* item = form->PsyArtMenu->Items(0)->Items(0)->Items(0);
    form->OpenQuestion("T0000002", "生活节奏");  // an unfinished test stays as it is
    item->Click();
    EXPECT_EQ(form->ZunoLabel->Caption(), L"心理文章");
    EXPECT_TRUE(item->Checked());
    EXPECT_TRUE(sounds.size() >= 1 && sounds.back().ends_with(L"menuclick.wav"));
    const int id = std::stoi(item->Name.substr(7));
    const std::string title = Name("Article", id);
    EXPECT_EQ(form->Label1->Caption().rfind(app::Widen(runner::TitleLine(title)), 0), 0u);
    EXPECT_TRUE(form->Label1->Caption().ends_with(L"\r\n\r\n"));
    EXPECT_FALSE(form->NextButton->Enabled());
    EXPECT_FALSE(form->PreviousButton->Enabled());
    for (int k = 0; k < 12; ++k) EXPECT_FALSE(form->RadioButton[k]->Visible());
    EXPECT_EQ(app::runState.sqindex, 1) << "the test run is not touched";
    for (WORD key : {VK_RETURN, VK_SPACE, VK_BACK}) SendMessageW(form->Handle(), WM_KEYDOWN, key, 0);
    EXPECT_EQ(app::runState.sqindex, 1) << "Enter, Space and Backspace do nothing on a text";
    EXPECT_TRUE(errors.empty());
}

TEST_F(ReadingTest, LongTextIsCutAt5000PixelsAndScrolls) {
    // The longest sample article runs far past 5000 pixels.
    content::Recordset rs;
    rs.Open("select Id, Name from Article order by length(Content) desc limit 1", app::adoconn);
    const std::string id = rs.Fields("Id").AsText(), title = rs.Fields("Name").AsText();
    form->OpenArticle(id, title);
    EXPECT_EQ(form->Label1->Height(), 5000);
    ASSERT_TRUE(form->ScrollBar->Visible());
    EXPECT_EQ(form->ScrollBar->Max(), 5020 - 336 + 30);
    form->ScrollBar->SetPosition(1000);
    EXPECT_EQ(form->Label1->Top(), 20 - 1000);
    for (const auto& [delta, top] : {std::pair{-2 * WHEEL_DELTA, 20 - 1060}, {WHEEL_DELTA, 20 - 1030}}) {
        SendMessageW(form->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, delta), 0);
        EXPECT_EQ(form->Label1->Top(), top) << "the wheel scrolls by three steps a notch, down for " << delta;
    }
    form->OpenHumor("1", Name("Humor", 1));
    EXPECT_EQ(form->ZunoLabel->Caption(), L"幽默文集");
    EXPECT_EQ(form->Label1->Top(), 20);
    EXPECT_EQ(form->ScrollBar->Visible(), form->Label1->Top() + form->Label1->Height() > 336);
    EXPECT_TRUE(sounds.empty()) << "opening by Id plays nothing";
}

TEST_F(ReadingTest, IdThatIsNotANumberNeverReachesAStatement) {
    // Raised to the caller, which reports it by the error convention.
    EXPECT_THROW(form->OpenArticle("1 or 1=1", "标题"), std::exception);
    form->OpenArticle("99999", "没有这篇");
    EXPECT_EQ(form->Label1->Caption(), app::Widen(runner::TitleLine("没有这篇"))) << "a missing row leaves the title";
}

TEST_F(ReadingTest, CopyPutsThePageOnTheClipboardInGbk) {
    form->Formshow();
    form->CopyTxtMenuClick();
    EXPECT_EQ(Clipboard(CF_LOCALE).substr(0, 4), std::string("\x04\x08\x00\x00", 4));
    form->OpenQuestion("T0000002", "生活节奏");
    form->CopyTxtMenuClick();
    std::wstring expected = form->Label1->Caption() + L"\r\n\r\n";
    for (auto* r : form->RadioButton)
        if (r->Visible()) expected += r->Caption() + L"\r\n";
    EXPECT_EQ(form->PageText(), expected);
    const std::string text = Clipboard(CF_TEXT);
    const std::string gbk = text.substr(0, text.find('\0'));
    wchar_t wide[8192];
    const int n = MultiByteToWideChar(936, 0, gbk.data(), static_cast<int>(gbk.size()), wide, 8192);
    EXPECT_EQ(std::wstring(wide, n), expected) << "code page 936 bytes, whatever the system code page";
    form->OpenArticle("1", Name("Article", 1));
    EXPECT_EQ(form->PageText(), form->Label1->Caption() + L"\r\n\r\n");
}

TEST_F(ReadingTest, CopyOfAMultipleChoiceQuestionListsTheCheckBoxes) {
    form->OpenQuestion("T0000005", "社交电量");
    while (form->RadioButton[0]->Visible() && form->NextButton->Caption() != L"完  成")
        SendMessageW(form->NextButton->Handle(), BM_CLICK, 0, 0);
    ASSERT_TRUE(form->CheckBox[0]->Visible()) << "this test has a multiple-choice question";
    std::wstring expected = form->Label1->Caption() + L"\r\n\r\n";
    for (auto* c : form->CheckBox)
        if (c->Visible()) expected += c->Caption() + L"\r\n";
    EXPECT_EQ(form->PageText(), expected);
}

TEST_F(ReadingTest, ChoosingATestByItsMenuCommand) {
    content::Recordset a, b, c;
    form->BuildTestCatalogue(a, b, c);
    TMenuItem* item = nullptr;
    std::function<void(TMenuItem*)> find = [&](TMenuItem* m) {
        for (int i = 0; i < m->Count() && !item; ++i) {
            if (m->Items(i)->Name == L"T0000002") item = m->Items(i);
            find(m->Items(i));
        }
    };
    find(form->questionmenu);
    ASSERT_TRUE(item);
    SendMessageW(form->Handle(), WM_COMMAND, item->Command(), 0);
    EXPECT_TRUE(item->Checked());
    EXPECT_EQ(form->ZunoLabel->Caption(), L"本测试共有10个问题");
    EXPECT_TRUE(!sounds.empty() && sounds.front().ends_with(L"menuclick.wav"));
    SendMessageW(form->NextButton->Handle(), BM_CLICK, 0, 0);
    SendMessageW(form->Handle(), WM_COMMAND, item->Command(), 0);
    EXPECT_EQ(app::runState.sqindex, 1) << "choosing it again restarts the test";
    EXPECT_TRUE(errors.empty());
}

TEST_F(ReadingTest, FontChangeLaysTheQuestionOutAgain) {
    form->OpenQuestion("T0000002", "生活节奏");
    FontDialog1Font().Assign(form->Label1->Font());
    FontDialog1Font().SetSize(18);
    form->ApplyFont();
    EXPECT_EQ(form->RadioButton[0]->Font().Size(), 18);
    EXPECT_EQ(form->RadioButton[0]->Height() % 30, 0) << "18 points: 30-pixel option lines";
    EXPECT_EQ(app::runState.sqindex, 1);
    form->OpenArticle("1", Name("Article", 1));
    const int before = form->Label1->Height();
    FontDialog1Font().SetSize(9);
    form->ApplyFont();
    EXPECT_TRUE(form->RadioButton[0]->Visible()) << "an unfinished test takes the page back";
    form->OpenArticle("1", Name("Article", 1));
    EXPECT_LT(form->Label1->Height(), before) << "a smaller font reflows the text shorter";
}

}  // namespace

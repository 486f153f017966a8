// A test run on the real main window, driven as a user would: choosing a test,
// answering with the controls, Next/Previous by button and key, the result page,
// the scroll bar, the option sound and the result log file. Built twice: plain, and
// with the program's resources, so that the default skin wraps every control.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <memory>
#include <thread>

#include "app/MainModule.h"
#include "app/MainWindow.h"
#include "content/ConnectionString.h"
#include "content/Recordset.h"
#include "content/Statements.h"
#include "forms/Application.h"
#include "runner/core/ResultLog.h"
#include "runner/core/Scoring.h"
#include "skin/controls/SkinControl.h"
#include "skin/frames/WinSkinForm.h"
#include "tests/win/ProgramUnderTest.h"
#include "tools/MessageForm.h"
#include "tools/Sounds.h"
#include "winutil/WideText.h"

namespace {

using namespace zuno;
using namespace zuno::forms;

class RunTest : public ::testing::Test {
protected:
    void SetUp() override {
        app = std::make_unique<TApplication>();
        app->OnException = [this](const std::wstring& text) { errors.push_back(text); };
        app::adoconn.Open(content::DataSourceOf(content::BuildConnectionString(app::Narrow(wintest::ExeFolder()))));
        app::exepath = wintest::ExeFolder();
        form = app->CreateForm<app::TForm1>();
        form->ADOQuery1ConnectionString = content::BuildConnectionString(app::Narrow(wintest::ExeFolder()));
        tools::msg = app->CreateForm<tools::Tmsg>();
        form->ShowForm();
        tools::SetSoundPlayer([this](const std::wstring& path) { sounds.push_back(path); });
#ifdef ZUNO_SKINNED_RUN
        // The skin manager frames the window 250 ms after the skin was loaded.
        Pump(400);
        auto* frame = skin::frames::TWinSkinForm::FromWindow(form->Handle());
        ASSERT_TRUE(frame);
        for (int i = 0; i < 12; ++i) {
            ASSERT_TRUE(Wrapped(frame, form->RadioButton[i])) << i;
            ASSERT_TRUE(Wrapped(frame, form->CheckBox[i])) << i;
        }
        ASSERT_TRUE(Wrapped(frame, form->NextButton));
#endif
    }
    static bool Wrapped(skin::frames::TWinSkinForm* frame, TWinControl* c) {
        for (skin::controls::TSkinControl* s : frame->Wrappers)
            if (s->Window == c->Handle() && s->State == 1) return true;
        return false;
    }
    void Pump(int ms) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        do {
            app->ProcessMessages();
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        } while (std::chrono::steady_clock::now() < end);
    }
    // A key as the message loop hands it over: dialog keys first.
    bool Key(HWND target, WORD vk) {
        MSG msg{target, WM_KEYDOWN, vk, 0};
        if (app->PreTranslate(msg)) return true;
        SendMessageW(target, WM_KEYDOWN, vk, 0);
        SendMessageW(target, WM_KEYUP, vk, 0xC0000001);
        return false;
    }
    // A click of the left button inside the control, as the mouse gives it.
    void MouseClick(TWinControl* c) {
        SendMessageW(c->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
        SendMessageW(c->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
        Pump(20);
    }
    void TearDown() override {
        form->CloseResultLog();
        tools::SetSoundPlayer(nullptr);
        app.reset();
        app::adoconn.Close();
        app::runState = {};
    }
    int OptionSounds() const {
        return static_cast<int>(std::count_if(sounds.begin(), sounds.end(), [](const std::wstring& s) {
            return s.ends_with(L"optionalclick.wav");
        }));
    }
    std::string Title(const std::string& id) {
        content::Recordset rs;
        rs.Open("select BigQuestion from BigQuestion where ID = ?1", app::adoconn, id);
        return rs.Fields("BigQuestion").AsText();
    }
    std::string ResultField(const std::string& id) {
        content::Recordset rs;
        content::OpenResult(rs, app::adoconn, id);
        return rs.Fields("result").AsText();
    }
    void Click(TButton* b) { SendMessageW(b->Handle(), BM_CLICK, 0, 0); }
    // Chooses option k (1-based) on the page, as a click would.
    void Choose(int k) {
        if (form->RadioButton[0]->Visible()) SendMessageW(form->RadioButton[k - 1]->Handle(), BM_CLICK, 0, 0);
        else SendMessageW(form->CheckBox[k - 1]->Handle(), BM_CLICK, 0, 0);
    }
    // Answers every question with option k (or option 1 when there are fewer) and finishes.
    void AnswerAll(int k) {
        while (form->NextButton->Enabled()) {
            int options = 0;
            for (int i = 0; i < 12; ++i)
                options += form->RadioButton[i]->Visible() || form->CheckBox[i]->Visible();
            Choose(std::min(k, options));
            Click(form->NextButton);
        }
    }
    // The page the runner core makes of these answers, for comparison.
    std::wstring ExpectedResult(const std::string& id) {
        runner::RunState probe = app::runState;
        const runner::ResultOutcome r = runner::EvaluateResult(
            ResultField(id), {probe.marksum, probe.sqcount, &probe.selectflags});
        return app::Widen(r.label);
    }

    std::unique_ptr<TApplication> app;
    app::TForm1* form = nullptr;
    std::vector<std::wstring> errors, sounds;
};

TEST_F(RunTest, LoadingShowsQuestionOneAndResetsTheButtons) {
    form->OpenQuestion("T0000002", Title("T0000002"));
    EXPECT_EQ(form->ZunoLabel->Caption(), L"本测试共有10个问题");
    EXPECT_EQ(form->NextButton->Caption(), L"下一题");
    EXPECT_TRUE(form->NextButton->Enabled());
    EXPECT_FALSE(form->PreviousButton->Enabled());
    EXPECT_TRUE(form->RadioButton[0]->Visible());
    EXPECT_TRUE(form->RadioButton[0]->Checked());
    EXPECT_FALSE(form->CheckBox[0]->Visible());
    EXPECT_EQ(form->ActiveControl(), form->RadioButton[0]);
    EXPECT_EQ(form->Label1->Top(), 25) << "no picture: the label starts at 25";
    EXPECT_EQ(form->RadioButton[0]->Top(), form->Label1->Top() + form->Label1->Height() + 35);
    EXPECT_EQ(form->RadioButton[1]->Top(), form->RadioButton[0]->Top() + form->RadioButton[0]->Height() + 11);
    EXPECT_TRUE(errors.empty());
}

TEST_F(RunTest, PlainScoreRunWithStepBackAndKeys) {
    form->OpenQuestion("T0000002", Title("T0000002"));
    // Backspace on question 1 does nothing; Enter on an option presses Next.
    SendMessageW(form->RadioButton[0]->Handle(), WM_KEYDOWN, VK_BACK, 0);
    EXPECT_EQ(app::runState.sqindex, 1);
    Choose(2);
    const int markOfQ1 = form->RadioButton[1]->Tag;
    SendMessageW(form->RadioButton[1]->Handle(), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(app::runState.sqindex, 2);
    EXPECT_EQ(app::runState.marksum, markOfQ1);
    EXPECT_TRUE(form->PreviousButton->Enabled());
    SendMessageW(form->RadioButton[0]->Handle(), WM_KEYDOWN, VK_BACK, 0);
    EXPECT_EQ(app::runState.sqindex, 1);
    EXPECT_TRUE(form->RadioButton[1]->Checked()) << "answers are restored on the way back";
    EXPECT_EQ(app::runState.marksum, 0) << "and their mark taken out";
    AnswerAll(2);
    EXPECT_EQ(form->NextButton->Caption(), L"完  成");
    EXPECT_FALSE(form->NextButton->Enabled());
    EXPECT_TRUE(form->PreviousButton->Enabled());
    const std::wstring& label = form->Label1->Caption();
    EXPECT_EQ(label.rfind(L"测试结果：本道测试题最低分为：", 0), 0u) << app::Narrow(label);
    EXPECT_EQ(label, ExpectedResult("T0000002"));
    EXPECT_FALSE(form->RadioButton[0]->Visible()) << "a found result clears the page";
    SendMessageW(form->Handle(), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(app::runState.sqindex, 11) << "Enter on the result page does nothing";
    Click(form->PreviousButton);
    EXPECT_EQ(app::runState.sqindex, 10);
    EXPECT_TRUE(form->NextButton->Enabled());
    EXPECT_TRUE(form->RadioButton[1]->Checked());
    EXPECT_TRUE(errors.empty());
}

TEST_F(RunTest, MostFrequentAndPerAnswerResults) {
    for (const char* id : {"T0000001", "T0000013", "T0000055"}) {
        form->OpenQuestion(id, Title(id));
        AnswerAll(3);
        EXPECT_FALSE(form->NextButton->Enabled()) << id;
        EXPECT_EQ(form->Label1->Caption(), ExpectedResult(id)) << id;
    }
    EXPECT_NE(form->Label1->Caption().find(L"分，你的得分为："), std::wstring::npos);
    EXPECT_TRUE(errors.empty());
}

TEST_F(RunTest, ScrollBarFollowsThePageBottom) {
    form->OpenQuestion("T0000003", Title("T0000003"));
    bool sawScroll = false;
    while (form->NextButton->Caption() != L"完  成") {
        const int bottom = app::page.pagebottom();
        EXPECT_EQ(form->ScrollBar->Visible(), bottom > 336);
        if (form->ScrollBar->Visible()) {
            sawScroll = true;
            EXPECT_EQ(form->ScrollBar->Max(), bottom - 336 + 30);
            EXPECT_EQ(form->ScrollBar->Position(), 0);
            const int labelTop = form->Label1->Top(), imageTop = form->Image1->Top();
            form->ScrollBar->SetPosition(40);
            EXPECT_EQ(form->Label1->Top(), labelTop - 40);
            EXPECT_EQ(form->Image1->Top(), imageTop - 40);
        }
        Click(form->NextButton);
    }
    EXPECT_TRUE(sawScroll) << "a picture question of this test runs past the page";
}

TEST_F(RunTest, OptionSoundOnlyForRealChanges) {
    form->OpenQuestion("T0000002", Title("T0000002"));
    sounds.clear();
    Click(form->NextButton);  // option 1 stays selected: clearing changes nothing
    EXPECT_EQ(OptionSounds(), 0);
    Choose(2);
    EXPECT_EQ(OptionSounds(), 1);
    Click(form->NextButton);  // clearing selects option 1 again: a real change
    EXPECT_EQ(OptionSounds(), 2);
    wintest::Sandbox box;
    app::inipath = box.Path(L"zuno.ini");
    form->N9Click();
    app::inipath.clear();
    Choose(3);
    EXPECT_EQ(OptionSounds(), 2) << "sounds off: nothing is asked for";
}

TEST_F(RunTest, ResultLogNeverReplacesAnEarlierLog) {
    wintest::Sandbox box;
    wchar_t old[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, old);
    SetCurrentDirectoryW(box.Folder().c_str());
    app::inipath = box.Path(L"zuno.ini");
    for (int n = 0; n <= 99; ++n) box.WriteFile(L"zuno" + std::to_wstring(n) + L".txt", "earlier log");
    form->N3Click();
    ASSERT_TRUE(form->N3->Checked());
    ASSERT_TRUE(form->ResultLogOpen());
    form->OpenQuestion("T0000002", Title("T0000002"));
    AnswerAll(2);
    const std::string expected = runner::ResultLogEntryBytes(app::runState, app::Narrow(form->Label1->Caption()));
    Click(form->PreviousButton);
    Click(form->NextButton);  // a second result in the same run: a second entry
    EXPECT_EQ(box.ReadFile(L"zuno100.txt"), expected + expected) << "written and flushed as it goes";
    for (int n = 0; n <= 99; ++n) EXPECT_EQ(box.ReadFile(L"zuno" + std::to_wstring(n) + L".txt"), "earlier log");
    EXPECT_NE(box.ReadFile(L"zuno.ini").find("record=1"), std::string::npos);
    form->N3Click();
    EXPECT_FALSE(form->ResultLogOpen());
    EXPECT_NE(box.ReadFile(L"zuno.ini").find("record=0"), std::string::npos);
    SetCurrentDirectoryW(old);
    app::inipath.clear();
}

TEST_F(RunTest, MouseAndArrowKeysSelectOptionsAndMoveTheTestOn) {
    form->OpenQuestion("T0000002", Title("T0000002"));  // three options
    sounds.clear();
    MouseClick(form->RadioButton[1]);
    EXPECT_TRUE(form->RadioButton[1]->Checked());
    EXPECT_FALSE(form->RadioButton[0]->Checked());
    EXPECT_EQ(OptionSounds(), 1);
    form->RadioButton[1]->SetFocus();
    Key(form->RadioButton[1]->Handle(), VK_DOWN);
    EXPECT_TRUE(form->RadioButton[2]->Checked());
    EXPECT_EQ(form->ActiveControl(), form->RadioButton[2]);
    Key(form->RadioButton[2]->Handle(), VK_UP);
    EXPECT_TRUE(form->RadioButton[1]->Checked());
    EXPECT_EQ(OptionSounds(), 3);
    const int mark = form->RadioButton[1]->Tag;
    MouseClick(form->NextButton);
    EXPECT_EQ(app::runState.sqindex, 2);
    EXPECT_EQ(app::runState.marksum, mark);
    EXPECT_TRUE(errors.empty());
}

TEST_F(RunTest, TestWithoutQuestionsIsRefusedWithAMessage) {
    form->Formshow();
    const std::wstring greeting = form->Label1->Caption();
    form->OpenQuestion("NOSUCHID", "没有这个测试");
    EXPECT_TRUE(tools::msg->Visible());
    EXPECT_FALSE(tools::msg->MessageLabel->Caption().empty());
    EXPECT_EQ(form->Label1->Caption(), greeting) << "the current page stays";
    EXPECT_FALSE(form->NextButton->Enabled());
    tools::msg->OKButtonClick();
}

}  // namespace

// TForm1's test-running operations: loading a test, laying out a question on the
// display page, answers and navigation, the result page. The rules come from the
// runner core; this file reads and writes the controls.
#include <windows.h>

#include "app/MainModule.h"
#include "app/MainWindow.h"
#include "content/ConnectionString.h"
#include "content/Recordset.h"
#include "content/Statements.h"
#include "forms/Application.h"
#include "runner/JpegDecoder.h"
#include "runner/core/Layout.h"
#include "runner/core/Navigation.h"
#include "winutil/WideText.h"

namespace zuno::app {

using namespace forms;

runner::RunState runState;
runner::DisplayPage page;

namespace {

std::vector<runner::sqstructure> ReadQuestions(content::Recordset& rs) {
    std::vector<runner::sqstructure> rows;
    while (!rs.Eof() && !rs.Bof()) {
        rows.push_back({rs.Fields("id").AsText(), rs.Fields("smallquestion").AsText(),
                        rs.Fields("optionalkind").AsBoolean()});
        rs.MoveNext();
    }
    return rows;
}

// Holds back the page's painting while its options are hidden, moved and shown again,
// so the page is painted once, finished, instead of once per option change; and the
// form's windows get only their net moves and shows, in one batch, at the end.
class PageFreeze {
public:
    PageFreeze(TWinControl* form, TWinControl* page)
        : form_(form), hwnd_(page->HandleIfAllocated()), frozen_(hwnd_ && IsWindowVisible(hwnd_)) {
        if (frozen_) SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
        form_->BeginUpdate();
    }
    ~PageFreeze() {
        form_->EndUpdate();
        if (!frozen_) return;
        SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
        RedrawWindow(hwnd_, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
    }
    PageFreeze(const PageFreeze&) = delete;
    PageFreeze& operator=(const PageFreeze&) = delete;

private:
    TWinControl* form_;
    HWND hwnd_;
    bool frozen_;
};

}  // namespace

TButtonControl* TForm1::OptionControl(size_t pageIndex) const {
    if (pageIndex >= runner::RadioButton(1) && pageIndex <= runner::RadioButton(12))
        return RadioButton[pageIndex - runner::RadioButton(1)];
    return CheckBox[pageIndex - runner::CheckBox(1)];
}

void TForm1::LoadRun(std::vector<runner::sqstructure> questions, std::string title) {
    const runner::LoadOutcome outcome = runner::LoadTest(runState, std::move(questions), std::move(title));
    if (!outcome.loaded) {
        showmsg(Widen(outcome.message), L"心理测试Mobix4.3", L"知道了");
        return;
    }
    ZunoLabel->SetCaption(Widen(runner::QuestionCountCaption(runState.sqcount)));
    ApplyButtons();
    PageFreeze freeze(this, GroupBox1);
    showquestion(1);
}

void TForm1::sqmenuclick(TMenuItem* item) {
    PlayMenuClick();
    item->SetChecked(true);
    content::Recordset rs;
    content::OpenQuestionsWithTitle(rs, adoconn, Narrow(item->Name));
    std::string title;
    if (!rs.Eof()) title = rs.Fields("BigQuestion").AsText();
    std::vector<runner::sqstructure> rows = ReadQuestions(rs);
    rs.Close();
    LoadRun(std::move(rows), std::move(title));
}

void TForm1::OpenQuestion(const std::string& testId, const std::string& title) {
    content::Recordset rs;
    content::OpenQuestions(rs, adoconn, testId);
    std::vector<runner::sqstructure> rows = ReadQuestions(rs);
    rs.Close();
    LoadRun(std::move(rows), title);
}

void TForm1::ApplyButtons() {
    NextButton->SetCaption(Widen(runState.buttons.NextCaption()));
    NextButton->SetEnabled(runState.buttons.nextEnabled);
    PreviousButton->SetEnabled(runState.buttons.previousEnabled);
}

void TForm1::selectinit() {
    if (ScrollBar->Visible()) {
        ScrollBar->SetVisible(false);
        ScrollBar->SetPosition(0);
    }
    Image1->ClearPicture();
    Image1->SetBounds(Image1->Left(), 10, 0, 0);
    Label1->SetCaption(L"");
    Label1->SetTop(20);
    for (int i = 0; i < 12; ++i) {
        RadioButton[i]->SetVisible(false);
        CheckBox[i]->SetVisible(false);
    }
    // Changed check states raise the click event, and with it the option sound.
    RadioButton[0]->SetChecked(true);
    for (auto* c : CheckBox) c->SetChecked(false);
    page.selectinit();
}

void TForm1::showpic(std::int64_t pictureId) {
    if (!pictureQuery_.IsOpen()) pictureQuery_.Open(content::DataSourceOf(ADOQuery1ConnectionString));
    content::Recordset rs;
    content::OpenPicture(rs, pictureQuery_, pictureId);
    if (rs.Eof()) return;  // no such picture: the question shows without one
    const auto picture = runner::DecodeJpeg(rs.Fields("pic").AsBlob());
    Image1->SetPicture(picture.width, picture.height, picture.pixels.data());
}

void TForm1::ApplyScrollBar() {
    const runner::ScrollBarState& bar = page.ScrollBar();
    // The change handler is detached, so that resetting the position moves nothing.
    auto handler = std::move(ScrollBar->OnChange);
    ScrollBar->OnChange = nullptr;
    if (bar.visible) {
        ScrollBar->SetVisible(true);
        ScrollBar->SetParams(bar.position, 0, bar.maximum);
    } else {
        ScrollBar->SetVisible(false);
    }
    ScrollBar->OnChange = std::move(handler);
}

void TForm1::enableskinscrollbar(std::int32_t extra) {
    page.enableskinscrollbar(extra);
    ApplyScrollBar();
}

void TForm1::ApplyPageTops() {
    Image1->SetTop(page.Control(runner::kImage1).top);
    Label1->SetTop(page.Control(runner::kLabel1).top);
    for (size_t i = runner::RadioButton(1); i <= runner::CheckBox(12); ++i) {
        const runner::ControlBox& box = page.Control(i);
        TButtonControl* c = OptionControl(i);
        if (box.visible) c->SetBounds(c->Left(), box.top, c->Width(), box.height);
        c->SetVisible(box.visible);
    }
}

void TForm1::showquestion(int q) {
    selectinit();
    const runner::sqstructure& question = runState.sqlist[static_cast<size_t>(q)];
    const runner::QuestionText text = runner::SplitQuestionText(question.text);
    if (text.pictureId) showpic(*text.pictureId);
    Label1->SetTop(Image1->Top() + Image1->Height() + 15);
    Label1->SetCaption(Widen(text.shown));

    content::Recordset rs;
    content::OpenOptions(rs, adoconn, question.id);
    std::vector<std::string> texts;
    std::vector<int> keys;
    while (!rs.Eof() && !rs.Bof()) {
        texts.push_back(rs.Fields("optional").AsText());
        keys.push_back(rs.Fields("key").AsInteger());
        rs.MoveNext();
    }
    rs.Close();

    page.LayOutQuestion(Image1->HasPicture() ? Image1->Height() : 0, Label1->Height(), question.multipleChoice,
                        texts, runner::LayoutMetricsFor(Label1->Font().Size()));
    for (int k = 1; k <= page.OptionCount(); ++k) {
        TButtonControl* c = OptionControl(question.multipleChoice ? runner::CheckBox(k) : runner::RadioButton(k));
        c->SetCaption(Widen(texts[static_cast<size_t>(k - 1)]));
        c->Tag = keys[static_cast<size_t>(k - 1)];
    }
    ApplyPageTops();
    if (page.OptionCount() > 0)
        OptionControl(question.multipleChoice ? runner::CheckBox(1) : runner::RadioButton(1))->SetFocus();
    ApplyScrollBar();
}

void TForm1::ScrollBarChange() {
    page.ScrollBarChange(ScrollBar->Position());
    ApplyPageTops();
}

runner::PageAnswers TForm1::ReadPage() const {
    runner::PageAnswers answers;
    answers.multipleChoice = !RadioButton[0]->Visible();
    for (int k = 0; k < 12; ++k) {
        answers.chosen[k] = answers.multipleChoice ? CheckBox[k]->Checked() : RadioButton[k]->Checked();
        answers.keys[k] = answers.multipleChoice ? CheckBox[k]->Tag : RadioButton[k]->Tag;
    }
    return answers;
}

void TForm1::ApplyStep(const runner::NavigationStep& step) {
    if (step.error) throw std::runtime_error(*step.error);
    if (!step.acted) return;
    if (step.question) {
        PageFreeze freeze(this, GroupBox1);
        showquestion(step.question);
        if (step.restoreAnswers) {
            const runner::sqstructure& q = runState.sqlist[step.question];
            runner::OptionKeys keys{};
            for (int k = 0; k < 12; ++k) keys[k] = q.multipleChoice ? CheckBox[k]->Tag : RadioButton[k]->Tag;
            const runner::OptionFlags chosen = runner::showselect(runState, step.question, keys);
            for (int k = 0; k < 12; ++k) {
                if (!chosen[k]) continue;
                if (q.multipleChoice) CheckBox[k]->SetChecked(true);
                else RadioButton[k]->SetChecked(true);
            }
        }
    }
    if (step.result) ShowResultPage(*step.result);
    ApplyButtons();
}

void TForm1::ShowResultPage(const runner::ResultPage& result) {
    if (result.found) selectinit();
    Label1->SetCaption(Widen(result.label));
    page.ShowResult(result.found, Label1->Height());
    Label1->SetTop(page.Control(runner::kLabel1).top);
    ApplyScrollBar();
    if (N3->Checked()) writeresult();
}

void TForm1::NextButtonClick() {
    PlayButtonClick();
    const runner::NavigationStep step =
        runner::NextButtonClick(runState, ReadPage(), [](std::string_view testId) {
            content::Recordset rs;
            content::OpenResult(rs, adoconn, testId);
            return rs.Fields("result").AsText();
        });
    ApplyStep(step);
}

void TForm1::PreviousButtonClick() {
    PlayButtonClick();
    ApplyStep(runner::PreviousButtonClick(runState));
}

void TForm1::WndProc(forms::TMessage& m) {
    if (m.Msg == WM_CREATEOPTIONWINDOWS) {
        // Whatever of the window is still to be painted is painted first: the hidden
        // windows must not hold the first frame back.
        RedrawWindow(Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        // A wait, however short, is where the window system puts what was painted on
        // screen; without one the first frame would show only after the options are made.
        MsgWaitForMultipleObjectsEx(0, nullptr, 0, QS_ALLINPUT, 0);
        CreateOptionWindows();
        return;
    }
    if (m.Msg == WM_MOUSEWHEEL && ScrollBar->Visible()) {
        const int notches = GET_WHEEL_DELTA_WPARAM(m.WParam) / WHEEL_DELTA;
        ScrollBar->SetPosition(ScrollBar->Position() - notches * 3 * ScrollBar->SmallChange);
        m.Result = 0;
        return;
    }
    TForm::WndProc(m);
}

void TForm1::FormKeyDown(WORD& key, TShiftState shift) {
    runner::NavigationKey k = runner::NavigationKey::Other;
    switch (key) {
    case VK_ESCAPE: k = runner::NavigationKey::Escape; break;
    case VK_RETURN: k = runner::NavigationKey::Enter; break;
    case VK_SPACE: k = runner::NavigationKey::Space; break;
    case VK_BACK: k = runner::NavigationKey::Backspace; break;
    }
    // The key goes on to the focused control afterwards, as it always has.
    switch (runner::FormKeyDown(runState, k)) {
    case runner::KeyAction::EndProgram: Application()->Terminate(); break;
    case runner::KeyAction::Next:
        if (NextButton->Enabled()) NextButtonClick();
        break;
    case runner::KeyAction::Previous:
        if (PreviousButton->Enabled()) PreviousButtonClick();
        break;
    case runner::KeyAction::None: break;
    }
}

}  // namespace zuno::app

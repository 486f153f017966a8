// Module Unit1: the main window TForm1 — menus, display page, navigation buttons —
// and its start-up, shutdown and tool handlers. The test-running and reading
// operations of the same window live in runner/ and reading/.
#pragma once

#include <array>
#include <string>

#include "app/core/ProfileStore.h"
#include "content/Connection.h"
#include "content/Recordset.h"
#include "controls/EnhButtn.h"
#include "forms/ExtCtrls.h"
#include "forms/Form.h"
#include "forms/Menus.h"
#include "forms/StdCtrls.h"
#include "runner/core/DisplayPage.h"
#include "runner/core/Navigation.h"
#include "runner/core/ResultLog.h"
#include "runner/core/RunState.h"
#include "skin/frames/WinSkinData.h"

namespace zuno::app {

class TForm1 : public forms::TForm {
public:
    explicit TForm1(forms::TComponent* owner);

    // Controls, owned by the form as components.
    forms::TLabel* ZunoLabel;
    forms::TGroupBox* GroupBox1;
    forms::TImage* Image1;
    forms::TLabel* Label1;
    std::array<controls::TRadioButton95*, 12> RadioButton{};
    std::array<controls::TCheckBox95*, 12> CheckBox{};
    forms::TScrollBar* ScrollBar;
    forms::TButton* PreviousButton;
    forms::TButton* NextButton;
    forms::TButton* CancelButton;
    forms::TFontDialog* FontDialog1;
    // Holds the skin; loaded with the default skin stored in the program and active,
    // so that every window is skinned from its first activation.
    skin::frames::TSkinData* SkinData;
    // The picture dataset keeps its own copy of the connection string.
    std::string ADOQuery1ConnectionString;

    forms::TMainMenu* MainMenu1;
    forms::TMenuItem *questionmenu, *PsyArtMenu, *PsyHumorMenu, *N1, *CopyTxtMenu, *SearchLibMenu,
        *ChangeSkinMenu, *N6, *N7, *N3, *N9, *N2, *N13, *N4, *about;

    // Event handlers.
    void FormCreate();
    void Formshow();
    void FormClose(forms::TCloseAction& action);
    void CancelButtonClick();
    void FormKeyDown(WORD& key, forms::TShiftState shift);
    void N9Click();
    void N13Click();
    void N4Click();
    void aboutClick();
    void SearchLibMenuClick();

    // The skin choice: the remembered package is loaded and the skin menu filled
    // from the skin folder during creation; LoadSkin reports a failed load through
    // showmsg once the message box exists.
    void ChooseSkinAtStartup(ProfileStore& ini);
    void FillSkinMenu();
    void LoadSkin(const std::wstring& path);
    void MenuLoadSkin(forms::TMenuItem* sender);

    // The program's own message box: message, window caption, button caption (an
    // empty button caption keeps the one the button has).
    void showmsg(const std::wstring& message, const std::wstring& caption, const std::wstring& buttonCaption);

    // Catalogue menus built during creation, with a progress text per entry.
    void BuildTestCatalogue(content::Recordset& classes, content::Recordset& subclasses, content::Recordset& tests);
    void BuildTextCatalogue(bool humor, content::Recordset& classes, content::Recordset& subclasses,
                            content::Recordset& texts);
    void ShowLoadingProgress(const std::string& title);

    // The question page's options and the page's scroll bar get their windows when this
    // message, posted as the window is shown, arrives after the first paint (or as soon
    // as one is needed).
    static constexpr UINT WM_CREATEOPTIONWINDOWS = WM_APP + 0x31;
    void CreateOptionWindows();

    // The test run.
    void sqmenuclick(forms::TMenuItem* item);
    void OpenQuestion(const std::string& testId, const std::string& title);
    void selectinit();
    void showquestion(int q);
    void showpic(std::int64_t pictureId);
    void enableskinscrollbar(std::int32_t extra);
    void ScrollBarChange();
    // The wheel moves a long page wherever the pointer is, three steps a notch.
    void WndProc(forms::TMessage& m) override;
    void NextButtonClick();
    void PreviousButtonClick();

    // The reader.
    void ArtMenuClick(forms::TMenuItem* item);
    void HumorMenuClick(forms::TMenuItem* item);
    void OpenArticle(const std::string& id, const std::string& title);
    void OpenHumor(const std::string& id, const std::string& title);

    // Copy and font.
    void CopyTxtMenuClick();
    std::wstring PageText() const;
    void N6Click();
    void FontDialog1Apply();
    void ApplyFont();

    // The result log.
    void N3Click();
    void writeresult();
    void OpenResultLog(runner::LogStart start);
    void CloseResultLog();
    bool ResultLogOpen() const;

    void PlayOptionalClick();
    void PlayButtonClick();
    void PlayMenuClick();

    // Thresholds above which catalogue entries are marked "New".
    int LibThreshold = 0, ArtThreshold = 0, HumorThreshold = 0;
    // [tool] skin as read at start-up: a package file name in the skin folder.
    std::string RememberedSkin = "nothing";

private:
    void LoadRun(std::vector<runner::sqstructure> questions, std::string title);
    void ApplyButtons();
    void ApplyScrollBar();
    void ApplyPageTops();
    void ApplyStep(const runner::NavigationStep& step);
    void ShowResultPage(const runner::ResultPage& result);
    runner::PageAnswers ReadPage() const;
    forms::TButtonControl* OptionControl(size_t pageIndex) const;
    void OpenTextFromMenu(forms::TMenuItem* item, bool humor);
    void OpenText(const std::string& id, const std::string& title, bool humor);
    void ShowReaderText(const std::string& text);
    // The picture dataset's own connection, opened on first use.
    content::Connection pictureQuery_;

    void CreateSkinData();
    void CreateDisplayPage();
    void CreateButtons();
    void CreateMenu();
    forms::TMenuItem* AddItem(forms::TMenuItem* parent, const wchar_t* name, const wchar_t* caption,
                              forms::TShortCut shortCut = 0);
};

// The greeting shown on the display page when the main window appears.
extern const wchar_t kGreeting[];

}  // namespace zuno::app

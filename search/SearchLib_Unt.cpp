// TSearchLib: the dialog's controls and fonts, the keyword search over tests,
// articles and humour texts, opening a result in the main window, and the input
// method the inputs ask for.
#include "search/SearchLib_Unt.h"


#include <string_view>
#include <vector>

#include "app/MainModule.h"
#include "app/MainWindow.h"
#include "content/Recordset.h"
#include "content/Statements.h"
#include "forms/Application.h"
#include "winutil/LateSystemCalls.h"
#include "winutil/WideText.h"

namespace zuno::search {

using namespace forms;

TSearchLib* SearchLib = nullptr;

namespace {

constexpr wchar_t kSearchCaption[] = L"开始搜索";
constexpr wchar_t kSearchingCaption[] = L"搜索中";

// One kind of content the dialog searches: its name in SearchType (and in the
// remembered kind), its statement, the field that holds the title, and how the
// main window opens one.
struct SearchKind {
    const wchar_t* name;
    void (*open)(content::Recordset&, const content::Connection&, std::string_view);
    const char* titleField;
    bool numericId;  // article and humour Ids are numbers, listed in decimal
    void (app::TForm1::*openResult)(const std::string& id, const std::string& title);
};

constexpr SearchKind kKinds[] = {
    {L"心理测试", content::OpenTestSearch, "BigQuestion", false, &app::TForm1::OpenQuestion},
    {L"心理文章", content::OpenArticleSearch, "Name", true, &app::TForm1::OpenArticle},
    {L"幽默文集", content::OpenHumorSearch, "Name", true, &app::TForm1::OpenHumor},
};

// The kind named exactly `name`, or null: the combo's text is editable.
const SearchKind* FindKind(const std::wstring& name) {
    for (const SearchKind& kind : kKinds) {
        if (name == kind.name) return &kind;
    }
    return nullptr;
}

std::function<void(const std::wstring&)> g_requester;

void RequestInputMethod() {
    if (g_requester) {
        g_requester(kInputMethod);
    } else {
        ActivateInputMethod(kInputMethod);
    }
}

// Shows "搜索中" on the button, painted before the query starts, and puts the
// usual caption back however the search ends: a failed query must not leave the
// button claiming to search.
class SearchingCaption {
public:
    SearchingCaption(TButton* button, bool& busy) : button_(button), busy_(busy) {
        busy_ = true;
        button_->SetCaption(kSearchingCaption);
        button_->Repaint();
        Application()->ProcessMessages();
    }
    ~SearchingCaption() {
        button_->SetCaption(kSearchCaption);
        busy_ = false;
    }
    SearchingCaption(const SearchingCaption&) = delete;
    SearchingCaption& operator=(const SearchingCaption&) = delete;

private:
    TButton* button_;
    bool& busy_;
};

// Stops a list box from repainting and re-ranging its scroll bar for every row
// while many rows go in; one repaint at the end.
class ListFill {
public:
    explicit ListFill(TListBox* list)
        : hwnd_(list->HandleIfAllocated()), hidden_(hwnd_ && !(GetWindowLongW(hwnd_, GWL_STYLE) & WS_VISIBLE)) {
        if (hwnd_) SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
    }
    ~ListFill() {
        if (!hwnd_) return;
        SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
        // DefWindowProc's WM_SETREDRAW TRUE marks a window visible: IDList stays hidden.
        if (hidden_) {
            ShowWindow(hwnd_, SW_HIDE);
        } else {
            InvalidateRect(hwnd_, nullptr, TRUE);
        }
    }
    ListFill(const ListFill&) = delete;
    ListFill& operator=(const ListFill&) = delete;

private:
    HWND hwnd_;
    bool hidden_;
};

}  // namespace

bool ActivateInputMethod(const std::wstring& description) {
    const int count = GetKeyboardLayoutList(0, nullptr);
    if (count <= 0) return false;
    std::vector<HKL> layouts(static_cast<size_t>(count));
    layouts.resize(static_cast<size_t>(GetKeyboardLayoutList(count, layouts.data())));
    for (HKL layout : layouts) {
        wchar_t name[256] = {};
        const UINT length = winutil::ImmGetDescriptionLate(layout, name, 255);
        if (length == 0 || std::wstring_view(name, length) != description) continue;
        return ActivateKeyboardLayout(layout, 0) != nullptr;
    }
    return false;
}

void SetInputMethodRequester(std::function<void(const std::wstring&)> requester) {
    g_requester = std::move(requester);
}

TSearchLib::TSearchLib(TComponent* owner) : TForm(owner, L"SearchLib") {
    BorderStyle = TFormBorderStyle::bsDialog;
    BorderIcons = biSystemMenu;
    FormStyle = TFormStyle::fsStayOnTop;
    Position = TPosition::poMainFormCenter;
    SetCaption(L"搜索题库");
    SetClientSize(400, 295);
    CreateInputs();
    CreateLists();
    CreateButtons();
    SetActiveControl(SearchText);
}

void TSearchLib::CreateInputs() {
    SearchType = new TComboBox(this);
    SearchType->Name = L"SearchType";
    SearchType->SetParent(this);
    SearchType->SetBounds(24, 16, 89, 23);
    SearchType->Font().Set(L"宋体", 15);
    SearchType->SetItems({kKinds[0].name, kKinds[1].name, kKinds[2].name});
    SearchType->SetText(kKinds[0].name);
    SearchType->TabOrder = 0;
    // Focus goes to the combo's inner edit, a window that is not ours: the combo
    // learns of it only through CBN_SETFOCUS.
    TWndMethod inherited = SearchType->WindowProc;
    SearchType->WindowProc = [this, inherited](TMessage& m) {
        inherited(m);
        if (m.Msg == CN_COMMAND && HIWORD(m.WParam) == CBN_SETFOCUS) SearchTypeEnter();
    };

    SearchText = new TEdit(this);
    SearchText->Name = L"SearchText";
    SearchText->SetParent(this);
    SearchText->SetBounds(128, 16, 161, 23);
    SearchText->Font().Set(L"宋体", 15);
    SearchText->TabOrder = 1;
    SearchText->OnKeyPress = [this](TComponent*, wchar_t& key) { SearchTextKeyPress(key); };
    SearchText->OnEnter = [this](TComponent*) { SearchTextEnter(); };
}

void TSearchLib::CreateLists() {
    SearchList = new TListBox(this);
    SearchList->Name = L"SearchList";
    SearchList->SetParent(this);
    SearchList->SetBounds(24, 56, 353, 177);
    SearchList->Font().Set(L"宋体", 15);
    SearchList->TabOrder = 3;
    SearchList->OnDblClick = [this](TComponent*) { SearchListDblClick(); };
    SearchList->OnEnter = [this](TComponent*) { SearchListEnter(); };

    IDList = new TListBox(this);
    IDList->Name = L"IDList";
    IDList->SetParent(this);
    IDList->SetBounds(24, 56, 353, 177);
    IDList->Font().Set(L"宋体", 15);
    IDList->TabStop = false;
    IDList->SetVisible(false);
}

void TSearchLib::CreateButtons() {
    auto make = [this](const wchar_t* name, const wchar_t* caption, int left, int top, int width, int height,
                       int tabOrder) {
        auto* b = new TButton(this);
        b->Name = name;
        b->SetParent(this);
        b->SetBounds(left, top, width, height);
        b->SetCaption(caption);
        b->Font().Set(L"宋体", 16);
        b->TabOrder = tabOrder;
        return b;
    };
    SearchButton = make(L"SearchButton", kSearchCaption, 304, 16, 73, 25, 2);
    ContentButton = make(L"ContentButton", L"详细内容", 56, 248, 81, 33, 4);
    QuitButton = make(L"QuitButton", L"退   出", 256, 248, 81, 33, 5);
    SearchButton->OnClick = [this](TComponent*) { SearchButtonClick(); };
    ContentButton->OnClick = [this](TComponent*) { ContentButtonClick(); };
    QuitButton->OnClick = [this](TComponent*) { QuitButtonClick(); };
}

void TSearchLib::SearchButtonClick() {
    if (searching_) return;
    SearchList->Clear();
    IDList->Clear();
    SearchingCaption caption(SearchButton, searching_);
    const SearchKind* kind = FindKind(SearchType->Text());
    if (!kind) return;  // an edited kind matches nothing: no statement, kind kept
    SearchList->Hint = kind->name;
    content::Recordset rs;
    kind->open(rs, app::adoconn, app::Narrow(SearchText->Text()));
    ListFill fillTitles(SearchList), fillIds(IDList);
    while (!rs.Eof()) {
        const content::Field title = rs.Fields(kind->titleField);
        SearchList->Add(title.IsNull() ? std::wstring() : app::Widen(title.AsText()));
        const content::Field id = rs.Fields("ID");
        IDList->Add(kind->numericId ? std::to_wstring(id.AsInteger()) : app::Widen(id.AsText()));
        rs.MoveNext();
    }
    rs.Close();
}

void TSearchLib::SearchTextKeyPress(wchar_t& key) {
    if (key != 13) return;
    key = 0;  // consumed: a one-line edit would only beep at it
    SearchButtonClick();
}

void TSearchLib::OpenSelected() {
    const int i = SearchList->ItemIndex();
    if (i < 0 || i >= SearchList->Count() || i >= IDList->Count()) return;
    // The kind of the search that filled the list, not what SearchType says now.
    const SearchKind* kind = FindKind(SearchList->Hint);
    if (!kind || !app::Form1) return;
    (app::Form1->*kind->openResult)(app::Narrow(IDList->Item(i)), app::Narrow(SearchList->Item(i)));
    KeepOnTop();
}

void TSearchLib::KeepOnTop() {
    if (!hwnd_ || !IsWindowVisible(hwnd_)) return;
    // Opening a test moves the focus into the main window. Wine (without a window
    // manager) then raises the main window's X window over this one, though its own
    // z-order keeps us on top; only a real change of our z-order restacks it.
    constexpr UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER;
    SetWindowPos(hwnd_, HWND_NOTOPMOST, 0, 0, 0, 0, flags);
    SetWindowPos(hwnd_, HWND_TOPMOST, 0, 0, 0, 0, flags);
}

void TSearchLib::SearchListDblClick() { OpenSelected(); }

void TSearchLib::ContentButtonClick() { OpenSelected(); }

void TSearchLib::QuitButtonClick() { Close(); }

void TSearchLib::SearchTypeEnter() { RequestInputMethod(); }

void TSearchLib::SearchTextEnter() { RequestInputMethod(); }

void TSearchLib::SearchListEnter() { RequestInputMethod(); }

}  // namespace zuno::search

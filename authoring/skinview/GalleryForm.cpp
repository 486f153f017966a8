// Builds the gallery window: buttons, check boxes and radio buttons in every state,
// edits, lists and a memo that scroll, scroll bars, tabs on all four sides, a tab
// set, progress and track bars, up-downs, a tool bar, a list view and a status bar.
#include "authoring/skinview/GalleryForm.h"

#include "forms/Buttons.h"
#include "forms/Menus.h"
#include "forms/Panels.h"

namespace zuno::skinview {

using namespace forms;

TGalleryForm::TGalleryForm(TComponent* owner, std::vector<SkinEntry> skins)
    : TForm(owner, L"SkinGallery"), skins_(std::move(skins)) {
    SetCaption(L"皮肤一览 - 心理测试Mobix4.3");
    Position = TPosition::poDesigned;
    SetBounds(10, 10, 0, 0);
    SetClientSize(780, 560);
    SkinData = new skin::frames::TSkinData(this);
    SkinData->BeginLoading();
    SkinData->ReadStoredSkinStream();
    SkinData->SetActive(true);
    BuildMenu();
    BuildButtons();
    BuildLists();
    BuildTabs();
    BuildCommonControls();
    SkinData->Loaded();
}

template <class T>
T* TGalleryForm::Place(TWinControl* parent, int left, int top, int width, int height) {
    auto* c = new T(this);
    c->SetParent(parent ? parent : this);
    c->SetBounds(left, top, width, height);
    return c;
}

bool TGalleryForm::ChooseSkin(int i, bool quiet) {
    if (i < 0 || i >= static_cast<int>(skins_.size())) return false;
    try {
        const std::string& path = skins_[static_cast<size_t>(i)].path;
        if (path.empty()) {
            // The default skin is the one stored in this program.
            SkinData->ReadStoredSkinStream();
            SkinData->ApplySkin();
        } else {
            SkinData->SetSkinFile(path);
        }
    } catch (const std::exception&) {
        if (!quiet)
            MessageBoxW(Handle(), (L"皮肤资源加载失败：" + skins_[static_cast<size_t>(i)].caption).c_str(),
                        L"更换皮肤", MB_OK | MB_ICONWARNING);
        return false;
    }
    if (chooser_ && chooser_->ItemIndex() != i) chooser_->SetItemIndex(i);
    return true;
}

void TGalleryForm::BuildMenu() {
    auto* menu = new TMainMenu(this);
    auto add = [this](TMenuItem* parent, const wchar_t* caption) {
        auto* item = new TMenuItem(this);
        item->SetCaption(caption);
        parent->Add(item);
        return item;
    };
    TMenuItem* file = add(menu->Items(), L"文件");
    add(file, L"打开 MDI 窗口")->OnClick = [this](TMenuItem*) {
        if (OnOpenMdi) OnOpenMdi();
    };
    add(file, L"-");
    add(file, L"退出")->OnClick = [this](TMenuItem*) { Close(); };
    TMenuItem* view = add(menu->Items(), L"查看");
    TMenuItem* checked = add(view, L"已选中的项");
    checked->SetChecked(true);
    add(view, L"停用的项")->SetEnabled(false);
    add(menu->Items(), L"帮助");
    SetMenu(menu);
}

void TGalleryForm::BuildButtons() {
    auto* box = Place<TGroupBox>(nullptr, 8, 36, 250, 250);
    box->SetCaption(L"按钮与选项");
    auto* normal = Place<TButton>(box, 10, 20, 110, 25);
    normal->SetCaption(L"消息框…");
    normal->OnClick = [this](TComponent*) {
        MessageBoxW(Handle(), L"这是皮肤中的消息框。", L"皮肤一览", MB_OKCANCEL | MB_ICONINFORMATION);
    };
    auto* font = new TButton(this);
    font->Default = true;
    font->SetParent(box);
    font->SetBounds(130, 20, 110, 25);
    font->SetCaption(L"字体…(默认)");
    fontDialog_ = new TFontDialog(this);
    font->OnClick = [this](TComponent*) { fontDialog_->Execute(Handle()); };
    auto* off = Place<TButton>(box, 10, 52, 110, 25);
    off->SetCaption(L"停用的按钮");
    off->SetEnabled(false);
    auto* bit = Place<TBitBtn>(box, 130, 52, 110, 25);
    bit->SetCaption(L"位图按钮");

    // As on the program's page, the group's (skinned) face shows behind option captions.
    auto onFace = [this, box](auto* c, int left, int top) {
        c->ParentColor = true;
        c->SetParent(box);
        c->SetBounds(left, top, 110, 20);
        return c;
    };
    const wchar_t* checks[] = {L"未选中", L"已选中", L"不确定", L"停用"};
    for (int i = 0; i < 4; ++i) {
        auto* c = onFace(new TCheckBox(this), 10, 88 + i * 22);
        c->SetCaption(checks[i]);
        if (i == 1) c->SetChecked(true);
        if (i == 2) c->SetState(TCheckBoxState::cbGrayed);
        if (i == 3) c->SetEnabled(false);
    }
    const wchar_t* radios[] = {L"单选一", L"单选二", L"停用单选"};
    for (int i = 0; i < 3; ++i) {
        auto* r = onFace(new TRadioButton(this), 130, 88 + i * 22);
        r->SetCaption(radios[i]);
        if (i == 0) r->SetChecked(true);
        if (i == 2) r->SetEnabled(false);
    }
    auto* edit = Place<TEdit>(box, 10, 182, 110, 22);
    edit->SetText(L"编辑框");
    chooser_ = Place<TComboBox>(box, 130, 182, 110, 200);
    chooser_->Style = TComboBoxStyle::csDropDownList;
    std::vector<std::wstring> names;
    for (const SkinEntry& s : skins_) names.push_back(s.caption);
    chooser_->SetItems(names);
    chooser_->SetItemIndex(0);
    chooser_->OnChange = [this](TComponent*) { ChooseSkin(chooser_->ItemIndex(), false); };
    auto* panel = Place<TPanel>(box, 10, 212, 230, 30);
    panel->SetCaption(L"面板");
}

void TGalleryForm::BuildLists() {
    auto* list = Place<TListBox>(nullptr, 266, 36, 120, 120);
    for (int i = 1; i <= 40; ++i) list->Add(L"列表项 " + std::to_wstring(i));
    auto* memo = Place<TMemo>(nullptr, 266, 162, 120, 124);
    memo->SetWordWrap(false);
    memo->SetScrollBars(TScrollStyle::ssBoth);
    std::vector<std::wstring> lines;
    for (int i = 1; i <= 30; ++i)
        lines.push_back(L"第" + std::to_wstring(i) + L"行：一段很长的文字，让备注框左右和上下都能滚动。");
    memo->SetLines(lines);
    auto* horz = Place<TScrollBar>(nullptr, 394, 270, 180, 17);
    horz->SetPageSize(10);
    horz->SetParams(45, 0, 99);
    auto* vert = new TScrollBar(this);
    vert->Kind = TScrollBarKind::sbVertical;
    vert->SetParent(this);
    vert->SetBounds(580, 36, 17, 251);
    vert->SetParams(30, 0, 100);
}

void TGalleryForm::BuildTabs() {
    const TTabPosition sides[] = {TTabPosition::tpTop, TTabPosition::tpBottom, TTabPosition::tpLeft,
                                  TTabPosition::tpRight};
    const wchar_t* names[] = {L"上", L"下", L"左", L"右"};
    for (int i = 0; i < 4; ++i) {
        auto* pages = new TPageControl(this);
        pages->TabPosition = sides[i];
        pages->SetParent(this);
        pages->SetBounds(394 + (i % 2) * 92 , 36 + (i / 2) * 116, 88, 110);
        pages->AddPage(std::wstring(L"标签") + names[i]);
        pages->AddPage(L"第二");
    }
    auto* tabs = Place<TTabControl>(nullptr, 604, 36, 168, 60);
    for (const wchar_t* t : {L"甲", L"乙", L"丙", L"丁", L"戊", L"己", L"庚", L"辛"}) tabs->AddTab(t);
    auto* set = Place<TTabSet>(nullptr, 604, 104, 168, 22);
    set->Tabs = {L"一月", L"二月", L"三月", L"四月", L"五月", L"六月"};
    set->TabsChanged();
}

void TGalleryForm::BuildCommonControls() {
    auto* bar = Place<TToolBar>(nullptr, 0, 0, 780, 30);
    bar->AddButton(L"新建");
    bar->AddButton(L"打开");
    TToolButton* on = bar->AddButton(L"按下");
    on->Check = true;
    on->Down = true;
    bar->AddButton(L"停用")->Enabled = false;

    auto* smooth = Place<TProgressBar>(nullptr, 604, 134, 168, 16);
    smooth->Smooth = true;
    smooth->SetPosition(60);
    auto* chunks = Place<TProgressBar>(nullptr, 604, 156, 168, 16);
    chunks->SetPosition(35);
    auto* track = Place<TTrackBar>(nullptr, 604, 178, 130, 40);
    track->SetPosition(4);
    auto* vtrack = new TTrackBar(this);
    vtrack->Orientation = TTrackBarOrientation::trVertical;
    vtrack->SetParent(this);
    vtrack->SetBounds(740, 178, 32, 108);
    vtrack->SetPosition(7);
    auto* up = Place<TUpDown>(nullptr, 604, 226, 17, 30);
    up->SetPosition(50);
    auto* side = new TUpDown(this);
    side->Orientation = TUDOrientation::udHorizontal;
    side->SetParent(this);
    side->SetBounds(630, 226, 34, 17);
    auto* offUp = Place<TUpDown>(nullptr, 674, 226, 17, 30);
    offUp->SetEnabled(false);

    auto* list = Place<TListView>(nullptr, 8, 294, 578, 236);
    list->AddColumn({L"名称", 180});
    list->AddColumn({L"居中", 120, TAlignment::taCenter});
    list->AddColumn({L"右对齐", 120, TAlignment::taRightJustify});
    list->AddColumn({L"说明", 260});
    for (int i = 1; i <= 40; ++i)
        list->AddItem({L"项目 " + std::to_wstring(i), std::to_wstring(i * 3), std::to_wstring(i * 100),
                       L"列表视图中的一行文字"});
    auto* scrollBox = Place<TScrollBox>(nullptr, 594, 294, 178, 236);
    for (int i = 0; i < 8; ++i) {
        auto* p = Place<TPanel>(scrollBox, 4, 4 + i * 48, 220, 40);
        p->SetCaption(L"滚动框中的面板 " + std::to_wstring(i + 1));
    }
    scrollBox->Realign();

    auto* status = Place<TStatusBar>(nullptr, 0, 538, 780, 22);
    status->Panels = {{L"凹陷的面板", 150},
                      {L"凸起的面板", 150, TAlignment::taCenter, TStatusPanelBevel::pbRaised},
                      {L"", 100, TAlignment::taLeftJustify, TStatusPanelBevel::pbNone},
                      {L"右对齐", 100, TAlignment::taRightJustify}};
    status->PanelsChanged();
}

}  // namespace zuno::skinview

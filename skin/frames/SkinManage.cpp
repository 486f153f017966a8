// The skin manager: the CBT hook, the refusal rules of SkinWindow, the choice of
// skin data per window, delayed commands through the 250 ms timer and the lists of
// frames and menu-window wrappers.
#include "skin/frames/SkinManage.h"

#include <algorithm>
#include <cctype>

#include "forms/Application.h"
#include "skin/frames/WinSkinData.h"
#include "skin/frames/WinSkinForm.h"
#include "skin/menus/WinSkinPopMenu.h"

namespace zuno::skin::frames {

TSkinManage* SkinManager = nullptr;
DWORD PlatformVersion = 0;
bool IsWinNT = (GetVersion() & 0x80000000u) == 0;

namespace {

LRESULT CALLBACK CbtHookProc(int code, WPARAM wParam, LPARAM lParam) {
    TSkinManage* manager = SkinManager;
    if (code >= 0 && manager) {
        // The hook never blocks an action and no error leaves it.
        try {
            const auto window = reinterpret_cast<HWND>(wParam);
            switch (code) {
            case HCBT_CREATEWND:
                if (WindowClassName(window) == "#32768") manager->SkinMenuWindow(window);
                break;
            case HCBT_DESTROYWND:
                manager->UnskinMenuWindow(window);
                break;
            case HCBT_ACTIVATE:
                if (manager->ActivationsSeen == 0) manager->ActivationsSeen = 1;
                manager->SkinWindow(window);
                break;
            }
        } catch (...) {
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// A form about to be shown is framed while still hidden: activation would frame it only
// once it is on screen, and its frame and menu would then change in sight.
void FrameBeforeShow(forms::TForm& form) {
    if (!SkinManager) return;
    try {
        SkinManager->SkinWindow(form.HandleIfAllocated(), true);
    } catch (...) {
    }
}

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

TSkinData* AsWin(skin::TSkinData& data) { return dynamic_cast<TSkinData*>(&data); }

// The link the skin data components talk to; it creates the manager on demand.
class ManagerLink : public ISkinManagerLink {
public:
    void Loaded(skin::TSkinData& base) override {
        TSkinData* data = AsWin(base);
        if (!data) return;
        if (!SkinManager) SkinManager = new TSkinManage();
        SkinManager->RegisterSkinData(data);
        if (data->SkinFormtype != TSkinFormType::sfMainform) {
            SkinManager->SkinningOn = true;
            ++SkinManager->ActivationsSeen;
            if (auto* form = dynamic_cast<forms::TForm*>(data->Owner()); form && form->HandleAllocated())
                SkinManager->SkinWindow(form->HandleIfAllocated());
        } else {
            SkinManager->InstallHook();
        }
    }
    void MakeCurrent(skin::TSkinData& base) override {
        if (SkinManager) SkinManager->CurrentSkinData = AsWin(base);
    }
    void Schedule(skin::TSkinData& base, SkinCommand command) override {
        if (!SkinManager) return;
        SkinManager->CurrentSkinData = AsWin(base);
        SkinManager->Schedule(static_cast<std::int32_t>(command), 250);
    }
    void ApplySkin(skin::TSkinData& base) override {
        if (!SkinManager) base.Loaded();
        if (!SkinManager) return;
        SkinManager->CurrentSkinData = AsWin(base);
        SkinManager->DropTitleButtons();
        SkinManager->Schedule(static_cast<std::int32_t>(SkinCommand::Refresh), 250);
    }
    void Unregister(skin::TSkinData& base) override {
        if (!SkinManager) return;
        SkinManager->UnregisterSkinData(AsWin(base));
        // The last component takes the manager with it: the program is ending.
        if (SkinManager->SkinDatas.empty()) {
            delete SkinManager;
            SkinManager = nullptr;
        }
    }
};

}  // namespace

ISkinManagerLink& RealManagerLink() {
    static ManagerLink link;
    return link;
}

std::string WindowClassName(HWND window) {
    wchar_t name[101] = {};
    const int n = GetClassNameW(window, name, 101);
    std::string out;
    for (int i = 0; i < n; ++i) out += name[i] < 0x80 ? static_cast<char>(name[i]) : '?';
    return out;
}

TSkinManage::TSkinManage() : CommandTimer(nullptr, false) {
    CommandTimer.SetInterval(250);
    CommandTimer.OnTimer = [this](forms::TComponent*) { RunCommand(); };
}

TSkinManage::~TSkinManage() {
    if (HookHandle) {
        forms::SetFormShowingHook(nullptr);
        UnhookWindowsHookEx(HookHandle);
    }
    HookHandle = nullptr;
    CommandTimer.SetEnabled(false);
    for (TWinSkinPopMenu* w : MenuWrappers) {
        w->DetachMenuWindow();
        delete w;
    }
    MenuWrappers.clear();
    for (TWinSkinForm* f : Frames) {
        f->DetachForDestroy();
        if (!f->InDispatch()) delete f;  // one still on the stack is left to its window
    }
    Frames.clear();
    SkinDatas.clear();
}

void TSkinManage::InstallHook() {
    PlatformVersion = GetVersion();
    if (!HookHandle) HookHandle = SetWindowsHookExW(WH_CBT, CbtHookProc, nullptr, GetCurrentThreadId());
    if (HookHandle) forms::SetFormShowingHook(FrameBeforeShow);
}

void TSkinManage::RegisterSkinData(TSkinData* data) {
    if (data && std::find(SkinDatas.begin(), SkinDatas.end(), data) == SkinDatas.end())
        SkinDatas.push_back(data);
}

void TSkinManage::UnregisterSkinData(TSkinData* data) {
    if (CurrentSkinData == data) CurrentSkinData = nullptr;
    for (auto it = Frames.begin(); it != Frames.end();) {
        TWinSkinForm* f = *it;
        if (f->SkinData() != data) {
            ++it;
            continue;
        }
        // Frames must not outlive the data they paint from.
        if (f->Lifecycle() != TWinSkinForm::lsDead) f->Detach();
        it = Frames.erase(it);
        if (!f->InDispatch()) delete f;
    }
    SkinDatas.erase(std::remove(SkinDatas.begin(), SkinDatas.end(), data), SkinDatas.end());
}

void TSkinManage::Schedule(std::int32_t command, UINT delay) {
    PendingCommand = command;
    CommandTimer.SetInterval(delay);
    if (ActivationsSeen != 0) {
        CommandTimer.SetEnabled(true);
        return;
    }
    CommandTimer.SetEnabled(false);
    if (command == 1 || command == 2) SkinningOn = command == 1;
}

void TSkinManage::DropTitleButtons() {
    for (TWinSkinForm* f : Frames) f->FreeTitleButtons();
}

void TSkinManage::SkinForm(forms::TForm* form) {
    if (!form || !form->HandleAllocated()) return;
    HWND window = form->HandleIfAllocated();
    if ((GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) &&
        !(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_MDICHILD))
        return;
    if (!IsWindowVisible(window)) return;
    SkinWindow(window);
}

bool TSkinManage::SkinWindow(HWND window, bool showing) {
    if (!SkinningOn || !IsWindow(window)) return false;
    if (SendMessageW(window, SKINMSG_QUERY, 0, 0) == 1) return false;
    PurgeDeadFrames();
    if (FindFrame(window)) return false;
    forms::TForm* form = FormOfWindow(window);
    const std::string className = WindowClassName(window);
    if (!ActivationPass && (GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) &&
        Lower(WindowClassName(GetParent(window))) != "mdiclient")
        return false;
    RECT r{};
    GetWindowRect(window, &r);
    if (static_cast<long long>(r.right - r.left) * (r.bottom - r.top) == 0) return false;
    if (form && form->Tag == 99) return false;
    if (className == "TApplication") return false;
    if (!AllowClass(className)) return false;
    TSkinData* data = ChooseSkinData(window);
    if (!data || data->NoSkin) return false;
    auto* frame = new TWinSkinForm(form);
    frame->Handle = window;
    Frames.push_back(frame);
    // A window on screen (one being activated is) takes its skinned shape at once, and
    // nothing of it is painted from the attachment until then: waiting for the posted
    // message, it would show its native frame meanwhile. One about to be shown takes
    // it at once too, before it is mapped. The posted one then finds the first show done.
    const bool onScreen = IsWindowVisible(window) != FALSE;
    frame->HoldPainting(onScreen);
    if (form)
        frame->AttachForm(data, form);
    else
        frame->AttachWindow(data);
    PostMessageW(window, SKINMSG_FIRSTSHOW, 0, 1000);
    if (onScreen || showing) {
        SendMessageW(window, SKINMSG_FIRSTSHOW, 0, 1000);
        if (FindFrame(window) == frame) frame->HoldPainting(false);
    }
    frame->FrameExistingMdiChildren();
    return true;
}

TSkinData* TSkinManage::ChooseSkinData(HWND window) const {
    auto last = [&](auto&& match) -> TSkinData* {
        for (auto it = SkinDatas.rbegin(); it != SkinDatas.rend(); ++it)
            if (match(*it)) return *it;
        return nullptr;
    };
    if (TSkinData* d = last([&](TSkinData* s) {
            auto* owner = dynamic_cast<forms::TForm*>(s->Owner());
            return s->SkinFormtype == TSkinFormType::sfOnlyThisForm && owner &&
                   owner->HandleIfAllocated() == window;
        }))
        return d;
    const std::string cls = Lower(WindowClassName(window));
    if (cls == "tmessageform" || cls == "#32770") {
        if (TSkinData* d = last([](TSkinData* s) { return s->SkinFormtype == TSkinFormType::sfDialog; }))
            return d;
    }
    if (TSkinData* d = last([](TSkinData* s) { return s->SkinFormtype == TSkinFormType::sfMainform; }))
        return d;
    return SkinDatas.empty() ? nullptr : SkinDatas.front();
}

bool TSkinManage::AllowClass(const std::string& className) const {
    for (TSkinData* s : SkinDatas)
        if (s->SkinFormtype == TSkinFormType::sfMainform) return s->AllowFormClass(className, true);
    return true;
}

void TSkinManage::SkinMenuWindow(HWND window) {
    if (!SkinningOn || IsMenuWindowSkinned(window)) return;
    if (SendMessageW(window, SKINMSG_QUERY, 0, 0) == 1) return;
    TSkinData* data = ChooseSkinData(window);
    if (!data || data->NoSkin || !data->SkinControls.Contains(TSkinControlType::xcMainMenu)) return;
    auto* wrapper = new menus::TWinSkinPopMenu();
    wrapper->AttachMenuWindow(window, data);
    MenuWrappers.push_back(wrapper);
}

void TSkinManage::UnskinMenuWindow(HWND window) {
    for (auto it = MenuWrappers.begin(); it != MenuWrappers.end(); ++it) {
        if ((*it)->Window() != window) continue;
        TWinSkinPopMenu* w = *it;
        MenuWrappers.erase(it);
        w->DetachMenuWindow();
        delete w;
        return;
    }
}

bool TSkinManage::IsMenuWindowSkinned(HWND window) const {
    return std::any_of(MenuWrappers.begin(), MenuWrappers.end(),
                       [&](TWinSkinPopMenu* w) { return w->Window() == window; });
}

TWinSkinPopMenu* TSkinManage::MenuWrapperOf(HMENU menu) const {
    if (!menu) return nullptr;
    for (TWinSkinPopMenu* w : MenuWrappers)
        if (w->Menu() == menu) return w;
    return nullptr;
}

const DibSurface* TSkinManage::MenuWrapperBitmap(HMENU menu) const {
    const TWinSkinPopMenu* w = MenuWrapperOf(menu);
    return w ? &w->Background() : nullptr;
}

TWinSkinForm* TSkinManage::FindFrame(HWND window) const {
    for (TWinSkinForm* f : Frames)
        if (f->Handle == window) return f;
    return nullptr;
}

void TSkinManage::RemoveFrame(HWND window) {
    for (auto it = Frames.begin(); it != Frames.end(); ++it) {
        if ((*it)->Handle == window) {
            Frames.erase(it);
            return;
        }
    }
}

void TSkinManage::PurgeDeadFrames() {
    for (auto it = Frames.begin(); it != Frames.end();) {
        TWinSkinForm* f = *it;
        // A frame whose window procedure is still on the stack is freed next time.
        if (f->Lifecycle() == TWinSkinForm::lsDead && !f->InDispatch()) {
            it = Frames.erase(it);
            delete f;
        } else {
            ++it;
        }
    }
}

forms::TForm* TSkinManage::FormOfWindow(HWND window) const {
    if (!forms::Application()) return nullptr;
    for (forms::TForm* f : forms::Application()->Forms())
        if (f->HandleIfAllocated() == window) return f;
    return nullptr;
}

void TSkinManage::SetMdiMaximised(bool flag) {
    if (flag == MdiMaximised) return;
    MdiMaximised = flag;
    for (TWinSkinForm* f : Frames) {
        if (f->Kind() != TWinSkinForm::FrameKind::MdiChild || f->Lifecycle() == TWinSkinForm::lsDead) continue;
        if (flag) {
            if (f->RegionSet()) {
                f->RemoveRegion();
                // The region went without a redraw: what it had cut off is shown now.
                RedrawWindow(f->Handle, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN);
            }
            f->SetCaptionStyles(true);
        } else if (IsIconic(f->Handle)) {
            f->SetCaptionStyles(true);
        } else {
            f->SetState(TWinSkinForm::WindowState::Normal);
            f->UpdateRegion();
            f->SetCaptionStyles(false);
            if (!f->RegionSet())
                SetWindowPos(f->Handle, nullptr, 0, 0, 0, 0,
                             SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        }
    }
}

int TSkinManage::MdiChildFrameCount() const {
    return static_cast<int>(std::count_if(Frames.begin(), Frames.end(), [](TWinSkinForm* f) {
        return f->Kind() == TWinSkinForm::FrameKind::MdiChild && f->Lifecycle() != TWinSkinForm::lsDead;
    }));
}

void TSkinManage::DeactivateAll(TSkinData* only) {
    for (int i = static_cast<int>(Frames.size()) - 1; i >= 0; --i) {
        TWinSkinForm* f = Frames[static_cast<size_t>(i)];
        if (only && f->SkinData() != only) continue;
        HWND window = f->Handle;
        f->Detach();
        Frames.erase(Frames.begin() + i);
        if (!f->InDispatch()) delete f;
        if (IsWindow(window)) {
            InvalidateRect(window, nullptr, TRUE);
            UpdateWindow(window);
        }
        if (only) return;  // only the last frame of that component
    }
}

void TSkinManage::RefreshFrames(TSkinData* data, bool firstOnly) {
    PurgeDeadFrames();
    std::vector<TWinSkinForm*> chosen;
    for (TWinSkinForm* f : Frames) {
        if (f->SkinData() != data || f->Lifecycle() == TWinSkinForm::lsDead) continue;
        chosen.push_back(f);
        if (firstOnly) break;
    }
    for (TWinSkinForm* f : chosen) {
        f->FreeTitleButtons();
        f->LoadFrameMetrics();
    }
    for (TWinSkinForm* f : chosen) f->RefreshSkin();
}

void TSkinManage::RunCommand() {
    TSkinData* d = CurrentSkinData;
    if (!d) return;
    CommandTimer.SetEnabled(false);
    const bool onlyThis = d->SkinFormtype == TSkinFormType::sfOnlyThisForm;
    const std::vector<forms::TForm*> all =
        forms::Application() ? forms::Application()->Forms() : std::vector<forms::TForm*>{};
    switch (PendingCommand) {
    case 1:
        SkinningOn = true;
        ActivationPass = true;
        if (!onlyThis) PurgeDeadFrames();
        for (auto it = all.rbegin(); it != all.rend(); ++it) {
            if (onlyThis && *it != d->Owner()) continue;
            SkinForm(*it);
            if (onlyThis) break;
        }
        ActivationPass = false;
        break;
    case 2:
        SkinningOn = false;
        PurgeDeadFrames();
        DeactivateAll(onlyThis ? d : nullptr);
        break;
    case 3:
        RefreshFrames(d, onlyThis);
        break;
    }
    d->FireSkinChanged();
    CurrentSkinData = nullptr;
}

}  // namespace zuno::skin::frames

// The skin menu of the main window: one radio entry per package in the skin folder,
// loading a package (LoadSkin) and choosing one from the menu (MenuLoadSkin).
#include <windows.h>

#include "app/MainModule.h"
#include "app/MainWindow.h"
#include "app/ProfileFile.h"
#include "winutil/WideText.h"
#include "tools/MessageForm.h"
#include "tools/core/SkinChoiceRules.h"

namespace zuno::app {

using namespace forms;

namespace {

constexpr wchar_t kSkinFolder[] = L"skin\\";

// A directory listing, closed on every path.
class FindHandle {
public:
    FindHandle(const std::wstring& pattern, WIN32_FIND_DATAW& first)
        : handle_(FindFirstFileW(pattern.c_str(), &first)) {}
    ~FindHandle() {
        if (Valid()) FindClose(handle_);
    }
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;
    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    bool Next(WIN32_FIND_DATAW& data) { return FindNextFileW(handle_, &data) != FALSE; }

private:
    HANDLE handle_;
};

bool FileExists(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

void TForm1::ChooseSkinAtStartup(ProfileStore& ini) {
    RememberedSkin = ini.Read("tool", "skin", "nothing");
    if (RememberedSkin != "nothing") LoadSkin(exepath + kSkinFolder + Widen(RememberedSkin));
    FillSkinMenu();
}

void TForm1::FillSkinMenu() {
    const std::wstring remembered = Widen(RememberedSkin);
    WIN32_FIND_DATAW found{};
    FindHandle listing(exepath + kSkinFolder + L"*.skn", found);
    if (!listing.Valid()) return;  // no folder or no package: the submenu stays empty
    do {
        if (!tools::ListedAsSkinPackage(found.dwFileAttributes)) continue;
        auto* item = new TMenuItem(this);
        item->SetCaption(tools::SkinEntryCaption(found.cFileName));
        item->SetRadioItem(true);
        item->SetChecked(remembered == found.cFileName);  // letter case counts
        item->OnClick = [this](TMenuItem* sender) { MenuLoadSkin(sender); };
        ChangeSkinMenu->Insert(0, item);
    } while (listing.Next(found));
}

void TForm1::LoadSkin(const std::wstring& path) {
    if (!FileExists(path)) return;
    try {
        SkinData->SetSkinFile(Narrow(path));
    } catch (...) {
        // The message box is created after the main window: a package that fails
        // during start-up fails silently.
        if (tools::msg) showmsg(L"皮肤资源加载失败！", L"更换皮肤", L"知道了");
    }
}

void TForm1::MenuLoadSkin(TMenuItem* sender) {
    const std::wstring name = tools::SkinFileOfEntry(sender->Caption());
    LoadSkin(exepath + kSkinFolder + name);
    // Remembered even when the load failed.
    WriteToolSetting(inipath, "skin", Narrow(name));
    sender->SetChecked(true);
}

}  // namespace zuno::app

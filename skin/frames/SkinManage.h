// TSkinManage: the one object that decides which windows of the program are skinned
// and when. A CBT hook on the user-interface thread sees every top-level window as
// it is activated and every menu window as it is created; frames and menu-window
// wrappers are attached, kept in lists and freed here.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "forms/ExtCtrls.h"
#include "forms/Form.h"
#include "skin/data/SkinData.h"
#include "skin/frames/GdiSurface.h"

namespace zuno::skin::menus {
class TWinSkinPopMenu;
}

namespace zuno::skin::frames {

class TSkinData;
class TWinSkinForm;
using menus::TWinSkinPopMenu;

// The skin engine's window messages.
inline constexpr UINT SKINMSG_REFRESH = 0x3401;
inline constexpr UINT SKINMSG_REPAINT = 0x3502;
inline constexpr UINT SKINMSG_FIRSTSHOW = 0x3503;
inline constexpr UINT SKINMSG_QUERY = 0x3504;
inline constexpr UINT SKINMSG_BUTTONACTION = 0x3514;

class TSkinManage {
public:
    TSkinManage();
    ~TSkinManage();
    TSkinManage(const TSkinManage&) = delete;
    TSkinManage& operator=(const TSkinManage&) = delete;

    forms::TTimer CommandTimer;            // 250 ms, disabled until a command waits
    HHOOK HookHandle = nullptr;
    std::vector<TWinSkinForm*> Frames;     // owned, in attachment order
    std::vector<TWinSkinPopMenu*> MenuWrappers;  // owned, one per skinned menu window
    std::vector<TSkinData*> SkinDatas;     // registered components, not owned
    bool SkinningOn = false;
    bool ActivationPass = false;
    std::int32_t ActivationsSeen = 0;
    bool MdiMaximised = false;
    HWND MdiClientWindow = nullptr;
    std::int32_t PendingCommand = 0;       // 1 activate, 2 deactivate, 3 refresh
    TSkinData* CurrentSkinData = nullptr;

    void InstallHook();
    void RegisterSkinData(TSkinData* data);
    // Detaches and frees the frames that use the component, then forgets it.
    void UnregisterSkinData(TSkinData* data);
    void Schedule(std::int32_t command, UINT delay);
    void DropTitleButtons();
    void SkinForm(forms::TForm* form);
    // `showing`: the window is hidden and about to be shown; it takes its skinned
    // shape now, before it is mapped.
    bool SkinWindow(HWND window, bool showing = false);
    TSkinData* ChooseSkinData(HWND window) const;
    bool AllowClass(const std::string& className) const;
    void SkinMenuWindow(HWND window);
    void UnskinMenuWindow(HWND window);
    bool IsMenuWindowSkinned(HWND window) const;
    // The background of the first menu window showing `menu`, or null; the wrapper
    // itself also tells where its items start.
    const DibSurface* MenuWrapperBitmap(HMENU menu) const;
    TWinSkinPopMenu* MenuWrapperOf(HMENU menu) const;
    TWinSkinForm* FindFrame(HWND window) const;
    void RemoveFrame(HWND window);
    void PurgeDeadFrames();
    forms::TForm* FormOfWindow(HWND window) const;
    void SetMdiMaximised(bool flag);
    int MdiChildFrameCount() const;
    void RunCommand();

private:
    void DeactivateAll(TSkinData* only);
    void RefreshFrames(TSkinData* data, bool firstOnly);
};

// The single manager: none until the first skin data component is loaded.
extern TSkinManage* SkinManager;
// GetVersion() when the hook was installed; read by the popup-menu painting.
extern DWORD PlatformVersion;
// True on the NT family: text is drawn wide.
extern bool IsWinNT;

// The ISkinManagerLink every Windows-side skin data component uses.
ISkinManagerLink& RealManagerLink();

// Class name of a window (up to 100 characters), in code page 936 bytes.
std::string WindowClassName(HWND window);

}  // namespace zuno::skin::frames

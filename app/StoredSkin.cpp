// The stored skin lives in the program as the RCDATA resource SKINSTREAM, laid out
// exactly as the component's stored "SkinStream" data.
#include "app/StoredSkin.h"

#include <windows.h>

#include <sstream>

#include "forms/Application.h"
#include "winutil/WideText.h"

namespace zuno::app {

TSkinDataComponent::TSkinDataComponent(forms::TComponent* owner) : forms::TComponent(owner) {
    Name = L"SkinData";
    Data.OnPackageMessage = [](const std::string& text) {
        const std::wstring title = forms::Application() ? forms::Application()->Title : L"";
        MessageBoxW(nullptr, Widen(text).c_str(), title.c_str(), MB_OK | MB_ICONWARNING);
    };
}

void TSkinDataComponent::LoadStoredSkin() {
    HRSRC res = FindResourceW(nullptr, L"SKINSTREAM", MAKEINTRESOURCEW(10));  // RT_RCDATA
    if (!res) return;
    const auto* bytes = static_cast<const char*>(LockResource(LoadResource(nullptr, res)));
    std::istringstream stream(std::string(bytes, SizeofResource(nullptr, res)));
    Data.BeginLoading();
    Data.ReadSkinStream(stream);
}

}  // namespace zuno::app

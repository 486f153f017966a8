// The Windows side of the skin data component: face brush, glyphs, stored skin, and
// the trial read that keeps a package which cannot be loaded away from the frames.
#include "skin/frames/WinSkinData.h"

#include <sstream>
#include <stdexcept>

#include "skin/frames/GdiSurface.h"
#include "skin/frames/SkinManage.h"

namespace zuno::skin::frames {

TSkinData::TSkinData(forms::TComponent* owner)
    : forms::TComponent(owner), MenuGlyphs(new forms::TImageList(this, 16, 16)) {
    Name = L"SkinData";
    SetManagerLink(&RealManagerLink());
    // Read when the system menu first draws them.
    MenuGlyphs->AddResourceWhenUsed(L"SYSMENUGLYPHS", RGB(255, 255, 255));
}

TSkinData::~TSkinData() {
    // Unregister while this is still a whole object: the manager detaches the frames
    // that use it. The portable destructor then has no manager left to tell.
    RealManagerLink().Unregister(*this);
    SetManagerLink(nullptr);
    if (FaceBrush) DeleteObject(FaceBrush);
}

void TSkinData::Loaded() { skin::TSkinData::Loaded(); }

void TSkinData::SetSkinFile(const std::string& path) {
    // A package that fails half-way would leave the data objects half replaced under
    // every frame (title buttons, borders, menu bar). Read it on a scratch component
    // first: when it fails, nothing here has changed and the windows keep their skin.
    std::vector<std::uint8_t> bytes;
    if (ReadSkinFile(path, bytes)) {
        skin::TSkinData trial;   // no message callback: a refused version is told by the real load
        trial.PackageStream = std::move(bytes);
        trial.LoadPackage();
    }
    try {
        skin::TSkinData::SetSkinFile(path);
    } catch (...) {
        if (SkinManager) SkinManager->DropTitleButtons();
        throw;
    }
}

bool TSkinData::ReadStoredSkinStream() {
    HRSRC res = FindResourceW(nullptr, L"SKINSTREAM", MAKEINTRESOURCEW(10));  // RT_RCDATA
    if (!res) return false;
    const auto* bytes = static_cast<const char*>(LockResource(LoadResource(nullptr, res)));
    if (!bytes) return false;
    std::istringstream stream(std::string(bytes, SizeofResource(nullptr, res)));
    ReadSkinStream(stream);
    return true;
}

bool TSkinData::ReadSkinFile(const std::string& path, std::vector<std::uint8_t>& bytes) {
    if (path.empty()) return false;
    const int n = MultiByteToWideChar(CP_UTF8, 0, path.data(), static_cast<int>(path.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, path.data(), static_cast<int>(path.size()), wide.data(), n);
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
    HANDLE file = CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("Cannot open skin file " + path);
    std::vector<std::uint8_t> content;
    std::uint8_t chunk[65536];
    DWORD got = 0;
    bool ok = true;
    while ((ok = ReadFile(file, chunk, sizeof chunk, &got, nullptr) != 0) && got > 0)
        content.insert(content.end(), chunk, chunk + got);
    CloseHandle(file);
    if (!ok) throw std::runtime_error("Cannot read skin file " + path);
    bytes = std::move(content);
    return true;
}

void TSkinData::RebuildFaceBrush() {
    if (FaceBrush) DeleteObject(FaceBrush);
    FaceBrush = CreateSolidBrush(ResolveColour(ButtonFaceColour));
}

}  // namespace zuno::skin::frames

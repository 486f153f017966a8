// TSkinData: the component that holds one skin. It keeps the bytes of the current
// skin package, turns the package's definition into the data objects the painting
// code reads, and answers the skin manager's questions about which windows to skin.
// Portable core: the Windows side supplies the manager link and the face brush.
#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/SkinControlTypes.h"
#include "skin/data/SkinObjects.h"
#include "skin/draw/Bitmap.h"
#include "skin/draw/Color.h"
#include "skin/package/QuickIni.h"
#include "skin/package/SkinReader.h"

namespace zuno::skin {

class TSkinData;

// System colours as TColor values: 0x80000000 + the Windows colour index.
constexpr TColor SystemColour(int index) {
    return static_cast<TColor>(0x80000000u + static_cast<std::uint32_t>(index));
}
inline constexpr TColor clScrollBar = SystemColour(0);
inline constexpr TColor clMenu = SystemColour(4);
inline constexpr TColor clMenuText = SystemColour(7);
inline constexpr TColor clCaptionText = SystemColour(9);
inline constexpr TColor clHighlight = SystemColour(13);
inline constexpr TColor clHighlightText = SystemColour(14);
inline constexpr TColor clBtnFace = SystemColour(15);
inline constexpr TColor clBtnShadow = SystemColour(16);
inline constexpr TColor clBtnText = SystemColour(18);
inline constexpr TColor clInactiveCaptionText = SystemColour(19);
inline constexpr TColor clBtnHighlight = SystemColour(20);
inline constexpr TColor cl3DDkShadow = SystemColour(21);

// The 85 class-name to control-kind lines a component starts with (repeats included).
const std::vector<std::string>& DefaultSkin3rd();

// The commands a component gives the skin manager; the manager carries each out
// 250 ms later (at once, or not at all for a refresh, before any window was
// activated).
enum class SkinCommand : std::int32_t { Activate = 1, Deactivate = 2, Refresh = 3 };

// Where the component hands over to the skin manager. Every operation does nothing
// by default, so the data side works (and is tested) without a manager; the
// Windows side installs the real link with TSkinData::SetManagerLink.
class ISkinManagerLink {
public:
    virtual ~ISkinManagerLink() = default;
    // The first steps of TSkinData::Loaded: create the manager if there is none and
    // register the component; for a component that is not sfMainform switch
    // skinning on, count one attached window and attach the owner form at once;
    // for sfMainform install the window hook. The activation decision that follows
    // is the component's own (it calls Schedule).
    virtual void Loaded(TSkinData& data) {}
    // Make this component the manager's current skin data.
    virtual void MakeCurrent(TSkinData& data) {}
    // Give the manager a command with the fixed delay of 250 ms.
    virtual void Schedule(TSkinData& data, SkinCommand command) {}
    // TSkinData::ApplySkin: run Loaded first if no manager exists, make this the
    // current skin data, drop every frame's title buttons and schedule a refresh.
    virtual void ApplySkin(TSkinData& data) {}
    // The component is being destroyed: unregister it.
    virtual void Unregister(TSkinData& data) {}
};

class TSkinData {
public:
    // (Sender, aName, var DoSkin): asked before a window of class aName is skinned.
    using TOnFormSkin = std::function<void(TSkinData& sender, const std::string& aName,
                                           bool& doSkin)>;
    using TNotifyEvent = std::function<void(TSkinData& sender)>;

    TSkinData();
    virtual ~TSkinData();
    TSkinData(const TSkinData&) = delete;
    TSkinData& operator=(const TSkinData&) = delete;

    // ---- Properties -------------------------------------------------------------
    bool Active() const { return active_; }
    void SetActive(bool value);
    std::int32_t DisableTag = 99;  // Tag mod 100 equal to this: control or menu not skinned
    TSkinControlTypes SkinControls = TSkinControlTypes::Default();
    std::vector<std::string> Skin3rd;  // "ClassName=kind", consulted before built-in rules
    const std::string& SkinFile() const { return skinFile_; }
    // NoSkin becomes true and the path (UTF-8) is stored. When a regular file exists there,
    // PackageStream takes its bytes, LoadPackage runs and, for sfMainform, ApplySkin
    // follows; otherwise the old data objects stay (unused while NoSkin is true).
    // Errors of the load (unreadable file, malformed package or image) travel on.
    // The path is UTF-8 (any folder name works on Windows too).
    void SetSkinFile(const std::string& path);
    // "(none)": the program has no design time, so no stored package shows "(Good)".
    std::string SkinStore() const { return "(none)"; }
    void SetSkinStore(const std::string&) {}  // read-only: the stored "(Good)" is ignored
    TSkinFormType SkinFormtype = TSkinFormType::sfMainform;
    std::string Version() const { return "1.0.0"; }
    void SetVersion(const std::string&) {}  // read-only
    bool MenuUpdate = true;
    TOnFormSkin OnFormSkin;
    TNotifyEvent OnSkinChanged;
    // OnSkinControl names window-layer types (TControl, TComponent); it is declared
    // by the control wrappers, which are its only consumer.

    // ---- Operations ---------------------------------------------------------------
    // Opens PackageStream and parses its definition. False, with NoSkin true and the
    // data objects untouched, when the package's version is wrong (the reader's
    // message goes to OnPackageMessage). Throws SkinPackageError for a package
    // outside the format (objects untouched) and BmpError for a bitmap member that
    // is no valid BMP (objects refilled so far keep their new contents); NoSkin
    // stays true in both cases.
    bool LoadPackage();
    // Colour triple "R G B" (decimal runs, any separators); an empty value gives
    // `defaultColour`.
    static TColor ParseColour(std::string_view value, TColor defaultColour);
    // May a window of this class be skinned? `answer` comes in true.
    bool AllowFormClass(const std::string& className, bool answer);
    // Hands the freshly loaded skin to the manager (through the manager link).
    void ApplySkin();
    // Raises OnSkinChanged with this component as Sender, if assigned.
    void FireSkinChanged();
    // The stored "SkinStream" data: 32-bit little-endian count N, then N package bytes.
    // Reading loads the package when N > 0; a truncated stream throws
    // std::runtime_error and leaves PackageStream as it was.
    void ReadSkinStream(std::istream& stream);
    void WriteSkinStream(std::ostream& stream) const;

    // Form reading: between BeginLoading and Loaded, SetActive only stores the value.
    void BeginLoading() { loading_ = true; }
    // After the owner form's stored properties are read: hands over to the manager
    // and, for sfMainform with Active set, activates, or drops Active when NoSkin.
    virtual void Loaded();

    void SetManagerLink(ISkinManagerLink* link);  // borrowed; nullptr = no manager
    ISkinManagerLink& ManagerLink() const { return *link_; }
    // Receives the package reader's message (a package of the wrong version). The
    // Windows side shows it in a message box titled with the application title.
    TSkinReader::MessageFn OnPackageMessage;

    // ---- The loaded skin, read directly by the painting code -----------------------
    std::string SkinName;
    std::vector<std::uint8_t> PackageStream;  // bytes of the current skin package
    // True from creation and at the start of every load attempt; false only after a
    // definition was parsed to its end.
    bool NoSkin = true;
    TColor TitleTextActiveColour = 0;
    TColor TitleTextNoActiveColour = 0;
    TColor ButtonFaceColour = 0;
    TColor ButtonTextColour = 0;
    TColor ButtonHilightColour = 0;
    TColor ButtonShadowColour = 0;
    TColor ButtonDkShadowColour = 0;
    TColor HilightColour = 0;
    TColor HilightTextColour = 0;
    TColor MenubarColour = 0;
    TColor MenuBarTextColour = 0;
    TColor MenuTextColour = 0;
    TColor MenuColour = 0;
    TColor ScrollbarColour = 0;
    SkinBitmap AppIcon;  // fallback window icon; filled and read by the window frame
    TDataSkinTitle Title{"Title"};
    // Title-bar buttons in definition order, then the three MDI child buttons
    // (Action 7, 8, 9; they carry no name).
    std::vector<std::unique_ptr<TDataSkinSysButton>> SysButtons;
    TDataSkinButton Buttons{"Buttons"};
    // Optional objects: null when the definition does not name their bitmap.
    std::unique_ptr<TDataSkinBorder> Tabs, Progress, UpDownHorz, UpDownVert;
    std::unique_ptr<TDataSkinObject> SunkEdge, ExtraImages;
    std::unique_ptr<TDataSkinBorder> ComboButton;
    std::unique_ptr<TDataSkinObject> StatusBarEdges, Headerbar, MenuBar, MenuItem,
        MenuBackground, Scrollbar, HorzScroll, VertScroll, HorzScrollThumb, VertScrollThumb,
        TrackbarThumbHorz, TrackbarThumbVert;
    TDataSkinBorder LeftBorder{"Left"};
    TDataSkinBorder RightBorder{"Right"};
    TDataSkinBorder TopBorder{"Top"};
    TDataSkinBorder BottomBorder{"Bottom"};
    // The window frame paints its non-client area only while this is 1.
    std::int32_t FramePaintEnabled = 1;

protected:
    // Step 11 of a parse: the Windows side deletes the old solid brush of
    // ButtonFaceColour and creates a new one. Nothing to do in the core.
    virtual void RebuildFaceBrush() {}
    // SetSkinFile's read of the package file: false when no regular file is there; an
    // existing file that cannot be read throws. The Windows side reads the path as
    // UTF-8 through the wide API, so that folders named in Chinese work.
    virtual bool ReadSkinFile(const std::string& path, std::vector<std::uint8_t>& bytes);

private:
    // Load-time state: exists only while LoadPackage runs.
    struct LoadState {
        TSkinReader Reader;
        TQuickIni Definition;
        std::vector<std::uint8_t> MemberStream;  // one extracted member
        std::vector<std::string> SectionNames;   // only during the parse
    };

    void ParseDefinition();
    void LoadBitmapMember(SkinBitmap& bitmap, const std::string& value);
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue = {}) const;
    std::int32_t ReadInteger(std::string_view section, std::string_view key,
                             std::int32_t defaultValue) const;
    void LoadBitmapKey(SkinBitmap& bitmap, std::string_view section, std::string_view key);

    void ParseBorder(TDataSkinBorder& border, bool horizontalSide);
    void ParseColours();
    void ParseSysButtons();
    void FillSysButton(TDataSkinSysButton& button, const std::string& section);
    void ParseMdiButtons(std::size_t first);
    void ParseButtons();
    void ParseTitle();
    void ParseProgressAndMenuBar();
    void ParseImageSections();
    void FillImageSection(TDataSkinObject& object, const std::string& section, bool readStyle);
    template <class T>
    void ParseImageSection(std::unique_ptr<T>& slot, std::string_view section, bool readStyle,
                           std::string_view secondBitmapKey = {});
    void MirrorComboButton();
    void SetFrameCounts();

    bool active_ = false;
    bool loading_ = false;
    std::string skinFile_;
    ISkinManagerLink* link_;
    LoadState* load_ = nullptr;  // set only during LoadPackage
};

// Frames of a check or radio strip when no count is given: width div 13 for a strip
// under 16 pixels high, div 16 otherwise, and never fewer than 4.
std::int32_t DeriveCheckFrameCount(const SkinBitmap& strip);

// Frames of a title-bar button whose definition gives none: 6 without an image;
// with one, 3 when width / height is at most 3.8, else 6; always 6 for a negative
// action.
std::int32_t DeriveSysButtonFrameCount(const SkinBitmap& image, std::int32_t action);

}  // namespace zuno::skin

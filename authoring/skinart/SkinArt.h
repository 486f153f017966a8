// Generating one skin: every bitmap a skin definition can name, and the definition
// text that names them, from a SkinStyle. The result is written as a folder (the
// definition "skin.ini" and one .bmp per member) that zuno-skinpack packs.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "authoring/skinart/SkinStyles.h"
#include "skin/draw/Bitmap.h"

namespace zuno::skinart {

// The definition text under construction: sections and keys in the order they are
// first set, values as text. Setting a key again replaces its value in place.
class Definition {
public:
    struct Section {
        std::string name;
        std::vector<std::pair<std::string, std::string>> keys;
    };

    void Set(std::string_view section, std::string_view key, std::string_view value);
    void Set(std::string_view section, std::string_view key, int value);
    void SetColour(std::string_view section, std::string_view key, Rgb colour);  // "R G B"
    // The value, or nullptr when the key was never set.
    const std::string* Find(std::string_view section, std::string_view key) const;
    const std::vector<Section>& Sections() const { return sections_; }

    // UTF-8 text with CR LF line ends, a comment header first.
    std::string Utf8Text() const;
    // The same text in the GBK code page, as the program reads definitions: ANSI
    // bytes of a Simplified-Chinese Windows. Throws std::runtime_error when a
    // character has no GBK form.
    std::string AnsiText() const;

private:
    Section& FindOrAdd(std::string_view section);
    std::vector<Section> sections_;
};

// One package member: an ASCII file name and its bitmap.
struct SkinMember {
    std::string name;
    skin::SkinBitmap bitmap;
};

struct GeneratedSkin {
    const SkinStyle* style = nullptr;
    Definition definition;
    std::vector<SkinMember> members;

    // Adds a bitmap member and names it in the definition as section/key.
    void AddBitmap(std::string_view section, std::string_view key, std::string memberName,
                   skin::SkinBitmap bitmap);
    const SkinMember* FindMember(std::string_view name) const;
};

// The name of the definition member inside every package.
inline constexpr char kDefinitionMember[] = "skin.ini";

GeneratedSkin GenerateSkin(const SkinStyle& style);

// Every member as file bytes: the definition (GBK text) first, then the bitmaps as
// 24-bit BMP files, in the order they were added.
std::vector<std::pair<std::string, std::vector<std::uint8_t>>> SkinFiles(const GeneratedSkin& skin);

// Writes the files into `folder`, creating it; files of earlier runs that the skin
// no longer has are removed so that the folder packs to exactly this skin.
void WriteSkinFolder(const GeneratedSkin& skin, const std::filesystem::path& folder);

// The object families; each paints its bitmaps and writes its sections.
void PaintWindowFrame(const SkinStyle& style, GeneratedSkin& skin);   // borders, caption, title buttons
void PaintButtons(const SkinStyle& style, GeneratedSkin& skin);       // push, check, radio
void PaintMenus(const SkinStyle& style, GeneratedSkin& skin);         // menu bar, items, popup
void PaintScrollBars(const SkinStyle& style, GeneratedSkin& skin);    // arrows, shafts, thumbs
void PaintBars(const SkinStyle& style, GeneratedSkin& skin);          // progress, status, header, tabs
void PaintSmallControls(const SkinStyle& style, GeneratedSkin& skin); // combo, edges, track, up-down
void WriteColours(const SkinStyle& style, GeneratedSkin& skin);       // [Colours], [Fonts]

}  // namespace zuno::skinart

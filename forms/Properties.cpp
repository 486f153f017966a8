// The published-property tables, most derived class first; a class also publishes
// what the classes above it in the list publish, when it descends from them.
#include "forms/Properties.h"

#include <algorithm>
#include <span>

#include "forms/Buttons.h"
#include "forms/ExtCtrls.h"
#include "forms/Form.h"
#include "forms/Panels.h"
#include "forms/StdCtrls.h"

namespace zuno::forms {
namespace {

using Reader = TPropertyValue (*)(TComponent&);
struct TPublished {
    std::string_view name;
    Reader read;
};

TPropertyValue Int(std::int64_t v) { return v; }
TPropertyValue Bool(bool v) { return TEnumName{v ? "True" : "False"}; }
TPropertyValue Enum(std::span<const char* const> names, int v) {
    return TEnumName{v >= 0 && v < static_cast<int>(names.size()) ? names[static_cast<size_t>(v)] : ""};
}
template <class E, size_t N>
TPropertyValue Enum(const char* const (&names)[N], E v) {
    return Enum(std::span<const char* const>(names, N), static_cast<int>(v));
}
template <class T>
T& As(TComponent& c) {
    return static_cast<T&>(c);
}

constexpr const char* kAlignment[] = {"taLeftJustify", "taRightJustify", "taCenter"};
constexpr const char* kLeftRight[] = {"taLeftJustify", "taRightJustify"};
constexpr const char* kLayout[] = {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"};
constexpr const char* kCheckState[] = {"cbUnchecked", "cbChecked", "cbGrayed"};
constexpr const char* kBevel[] = {"bvNone", "bvLowered", "bvRaised", "bvSpace"};
constexpr const char* kScrollStyle[] = {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"};
constexpr const char* kScrollKind[] = {"sbHorizontal", "sbVertical"};
constexpr const char* kComboStyle[] = {"csDropDown", "csDropDownList", "csSimple"};

// Bitmap and speed buttons publish the same glyph settings.
template <class T>
constexpr TPublished kGlyphProperties[] = {
    {"Glyph", [](TComponent& c) -> TPropertyValue { return &As<T>(c).Glyph.Glyph(); }},
    {"NumGlyphs", [](TComponent& c) { return Int(As<T>(c).Glyph.NumGlyphs()); }},
    {"Margin", [](TComponent& c) { return Int(As<T>(c).Glyph.Margin()); }},
    {"Spacing", [](TComponent& c) { return Int(As<T>(c).Glyph.Spacing()); }},
    {"Layout", [](TComponent& c) { return Enum(kLayout, As<T>(c).Glyph.Layout()); }},
};

constexpr TPublished kSpeedButton[] = {
    {"Flat", [](TComponent& c) { return Bool(As<TSpeedButton>(c).Flat()); }},
    {"Down", [](TComponent& c) { return Bool(As<TSpeedButton>(c).Down()); }},
    {"GroupIndex", [](TComponent& c) { return Int(As<TSpeedButton>(c).GroupIndex); }},
    {"AllowAllUp", [](TComponent& c) { return Bool(As<TSpeedButton>(c).AllowAllUp); }},
    {"Caption", [](TComponent& c) -> TPropertyValue { return As<TControl>(c).Caption(); }},
};
constexpr TPublished kButton[] = {
    {"Default", [](TComponent& c) { return Bool(As<TButton>(c).Default); }},
};
constexpr TPublished kCheckBox[] = {
    {"Checked", [](TComponent& c) { return Bool(As<TCustomCheckBox>(c).Checked()); }},
    {"State", [](TComponent& c) { return Enum(kCheckState, As<TCustomCheckBox>(c).State()); }},
    {"Alignment", [](TComponent& c) { return Enum(kLeftRight, As<TCustomCheckBox>(c).Alignment); }},
};
constexpr TPublished kRadioButton[] = {
    {"Checked", [](TComponent& c) { return Bool(As<TRadioButton>(c).Checked()); }},
    {"Alignment", [](TComponent& c) { return Enum(kLeftRight, As<TRadioButton>(c).Alignment); }},
};
// Buttons, check boxes, radio buttons, group boxes, forms: the caption is published.
constexpr TPublished kCaption[] = {
    {"Caption", [](TComponent& c) -> TPropertyValue { return As<TControl>(c).Caption(); }},
};
constexpr TPublished kLabel[] = {
    {"Caption", [](TComponent& c) -> TPropertyValue { return As<TControl>(c).Caption(); }},
    {"WordWrap", [](TComponent& c) { return Bool(As<TCustomLabel>(c).WordWrap()); }},
    {"AutoSize", [](TComponent& c) { return Bool(As<TCustomLabel>(c).AutoSize()); }},
    {"Alignment", [](TComponent& c) { return Enum(kAlignment, As<TCustomLabel>(c).Alignment); }},
};
constexpr TPublished kGraphic[] = {
    {"Transparent", [](TComponent& c) { return Bool(As<TGraphicControl>(c).Transparent); }},
};
constexpr TPublished kRadioGroup[] = {
    {"ItemIndex", [](TComponent& c) { return Int(As<TCustomRadioGroup>(c).ItemIndex()); }},
    {"Columns", [](TComponent& c) { return Int(As<TCustomRadioGroup>(c).Columns()); }},
};
constexpr TPublished kPanel[] = {
    {"Caption", [](TComponent& c) -> TPropertyValue { return As<TControl>(c).Caption(); }},
    {"Alignment", [](TComponent& c) { return Enum(kAlignment, As<TCustomPanel>(c).Alignment()); }},
    {"BevelOuter", [](TComponent& c) { return Enum(kBevel, As<TCustomPanel>(c).BevelOuter()); }},
    {"BevelInner", [](TComponent& c) { return Enum(kBevel, As<TCustomPanel>(c).BevelInner()); }},
    {"BevelWidth", [](TComponent& c) { return Int(As<TCustomPanel>(c).BevelWidth()); }},
};
constexpr TPublished kMemo[] = {
    {"WordWrap", [](TComponent& c) { return Bool(As<TCustomMemo>(c).WordWrap()); }},
    {"WantTabs", [](TComponent& c) { return Bool(As<TCustomMemo>(c).WantTabs); }},
    {"WantReturns", [](TComponent& c) { return Bool(As<TCustomMemo>(c).WantReturns); }},
    {"ScrollBars", [](TComponent& c) { return Enum(kScrollStyle, As<TCustomMemo>(c).ScrollBars()); }},
};
constexpr TPublished kEdit[] = {
    {"Text", [](TComponent& c) -> TPropertyValue { return As<TCustomEdit>(c).Text(); }},
    {"ReadOnly", [](TComponent& c) { return Bool(As<TCustomEdit>(c).ReadOnly); }},
    {"MaxLength", [](TComponent& c) { return Int(As<TCustomEdit>(c).MaxLength); }},
};
constexpr TPublished kComboBox[] = {
    {"Text", [](TComponent& c) -> TPropertyValue { return As<TCustomComboBox>(c).Text(); }},
    {"ItemIndex", [](TComponent& c) { return Int(As<TCustomComboBox>(c).ItemIndex()); }},
    {"Style", [](TComponent& c) { return Enum(kComboStyle, As<TCustomComboBox>(c).Style); }},
    {"DropDownCount", [](TComponent& c) { return Int(As<TCustomComboBox>(c).DropDownCount); }},
};
constexpr TPublished kScrollBar[] = {
    {"Kind", [](TComponent& c) { return Enum(kScrollKind, As<TScrollBar>(c).Kind); }},
    {"Position", [](TComponent& c) { return Int(As<TScrollBar>(c).Position()); }},
    {"Min", [](TComponent& c) { return Int(As<TScrollBar>(c).Min()); }},
    {"Max", [](TComponent& c) { return Int(As<TScrollBar>(c).Max()); }},
    {"SmallChange", [](TComponent& c) { return Int(As<TScrollBar>(c).SmallChange); }},
    {"LargeChange", [](TComponent& c) { return Int(As<TScrollBar>(c).LargeChange); }},
};
constexpr TPublished kControl[] = {
    {"Left", [](TComponent& c) { return Int(As<TControl>(c).Left()); }},
    {"Top", [](TComponent& c) { return Int(As<TControl>(c).Top()); }},
    {"Width", [](TComponent& c) { return Int(As<TControl>(c).Width()); }},
    {"Height", [](TComponent& c) { return Int(As<TControl>(c).Height()); }},
    {"Enabled", [](TComponent& c) { return Bool(As<TControl>(c).Enabled()); }},
    {"Visible", [](TComponent& c) { return Bool(As<TControl>(c).Visible()); }},
    {"Color", [](TComponent& c) { return Int(As<TControl>(c).Color()); }},
    {"Font", [](TComponent& c) -> TPropertyValue { return &As<TControl>(c).Font(); }},
    {"ParentFont", [](TComponent& c) { return Bool(As<TControl>(c).ParentFont); }},
    {"Hint", [](TComponent& c) -> TPropertyValue { return As<TControl>(c).Hint; }},
};
constexpr TPublished kComponent[] = {
    {"Name", [](TComponent& c) -> TPropertyValue { return c.Name; }},
    {"Tag", [](TComponent& c) { return Int(c.Tag); }},
};

struct TClassTable {
    std::string_view className;
    std::span<const TPublished> properties;
};
constexpr TClassTable kClasses[] = {
    {TBitBtn::StaticClassName(), kGlyphProperties<TBitBtn>},
    {TSpeedButton::StaticClassName(), kGlyphProperties<TSpeedButton>},
    {TSpeedButton::StaticClassName(), kSpeedButton},
    {TButton::StaticClassName(), kButton},
    {TCustomCheckBox::StaticClassName(), kCheckBox},
    {TRadioButton::StaticClassName(), kRadioButton},
    {TButtonControl::StaticClassName(), kCaption},
    {TCustomLabel::StaticClassName(), kLabel},
    {TGraphicControl::StaticClassName(), kGraphic},
    {TCustomRadioGroup::StaticClassName(), kRadioGroup},
    {TCustomGroupBox::StaticClassName(), kCaption},
    {TCustomPanel::StaticClassName(), kPanel},
    {TCustomMemo::StaticClassName(), kMemo},
    {TCustomEdit::StaticClassName(), kEdit},
    {TCustomComboBox::StaticClassName(), kComboBox},
    {TScrollBar::StaticClassName(), kScrollBar},
    {TForm::StaticClassName(), kCaption},
    {TControl::StaticClassName(), kControl},
    {"TComponent", kComponent},
};

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto lower = [](char ch) { return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch + 32) : ch; };
               return lower(x) == lower(y);
           });
}

}  // namespace

std::optional<TPropertyValue> ReadProperty(TComponent& component, std::string_view name) {
    for (const TClassTable& table : kClasses) {
        if (!component.InheritsFrom(table.className)) continue;
        for (const TPublished& p : table.properties) {
            if (SameName(p.name, name)) return p.read(component);
        }
    }
    return std::nullopt;
}

}  // namespace zuno::forms

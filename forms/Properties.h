// Reading a control's published properties by name, as the skin engine's control
// wrappers do ("Caption", "Checked", "Glyph", …): one small table per class.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "forms/Component.h"
#include "forms/Graphics.h"

namespace zuno::forms {

// The name of an enumeration value: "True"/"False" for Booleans, "blGlyphTop", …
struct TEnumName {
    std::string Name;
    bool operator==(const TEnumName&) const = default;
};

// An integer, an enumeration value, a string, or an object the control owns.
using TPropertyValue = std::variant<std::int64_t, TEnumName, std::wstring, TFont*, TBitmap*>;

// The published property of that name (letter case ignored), or nothing when the
// component's class publishes none.
std::optional<TPropertyValue> ReadProperty(TComponent& component, std::string_view name);

}  // namespace zuno::forms

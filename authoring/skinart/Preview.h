// A preview of a skin as the program would show it: the skin folder is packed and
// loaded with the real skin data component, then a mock desktop is composed with
// the drawing primitives (an active and an inactive window, a popup menu, and the
// standard and common controls in several states). Text is shown as grey bars.
#pragma once

#include <filesystem>

#include "skin/data/SkinData.h"
#include "skin/draw/Bitmap.h"

namespace zuno::skinart {

// Packs every file of `folder` and loads the package into `data`. Throws
// std::runtime_error when the package does not load.
void LoadSkinFolder(const std::filesystem::path& folder, skin::TSkinData& data);

skin::SkinBitmap ComposePreview(const skin::TSkinData& data);

}  // namespace zuno::skinart

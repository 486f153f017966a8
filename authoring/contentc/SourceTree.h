// The layout of a content source folder: which files hold what, read and parsed
// in a fixed order (files of a folder sorted by path) so builds are repeatable.
#pragma once

#include <filesystem>

#include "authoring/common/Diagnostics.h"
#include "authoring/contentc/Model.h"

namespace zuno::authoring {

// Reads every source under root. Missing required files are reported; whatever
// can be read is returned so that later checks can report more.
Sources LoadSources(const std::filesystem::path& root, Diagnostics& diag);

}  // namespace zuno::authoring

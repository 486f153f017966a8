// Readers of the content source formats: each turns one split source file into
// its model, reporting lines it cannot read. Checks that need more than one line
// (numbers, ranges, references) come later.
#pragma once

#include <string_view>

#include "authoring/common/Diagnostics.h"
#include "authoring/common/SourceText.h"
#include "authoring/contentc/Model.h"

namespace zuno::authoring {

Catalogue ParseCatalogue(const SourceFile& file, Diagnostics& diag);
Test ParseTest(const SourceFile& file, Diagnostics& diag);
TextItem ParseTextItem(const SourceFile& file, Diagnostics& diag);
SoftInfo ParseSoftInfo(const SourceFile& file, Diagnostics& diag);

// Reports text the program could not show (a character outside GBK).
void CheckShowable(Diagnostics& diag, std::string_view file, int line, std::string_view text);

}  // namespace zuno::authoring

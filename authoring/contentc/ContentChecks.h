// Checks across the whole content: every test, article and humour text on its
// own, then the rules that tie them together (type keys, unique numbers, test IDs
// that stay apart in the program's lookups) and the software information.
#pragma once

#include "authoring/common/Diagnostics.h"
#include "authoring/contentc/Model.h"

namespace zuno::authoring {

void CheckSources(Sources& sources, Diagnostics& diag);

}  // namespace zuno::authoring

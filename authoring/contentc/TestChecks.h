// Checks of one test on its own: header values, questions, options, marks and the
// results of its evaluation kind, including that every reachable score has a result.
#pragma once

#include <vector>

#include "authoring/common/Diagnostics.h"
#include "authoring/contentc/Model.h"

namespace zuno::authoring {

// Reports every problem of the test and fills its resolved fields (recId, testId,
// evaluationKind, score, count, segments) where they are valid. Options past the
// twelfth are dropped with a warning: the program never shows them.
void CheckTest(Test& test, Diagnostics& diag);

// reachable[s] is true when some way of answering gives score s. Single-choice
// questions add one of their marks, multiple-choice ones the sum of any subset.
std::vector<bool> ReachableScores(const Test& test);

}  // namespace zuno::authoring

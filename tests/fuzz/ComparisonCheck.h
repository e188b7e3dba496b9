#pragma once

#include "compare/CompareResult.h"
#include "tests/support/ReferenceComparison.h"

class MemoryResultPanel;

namespace fuzz {

// Fails unless a run showed exactly what the reference model expects: every row, the verdict,
// the summary, and an outcome of Same or Different that matches.
void CheckComparison(const MemoryResultPanel& panel, CompareOutcome outcome,
                     const reference::Comparison& expected);

} // namespace fuzz

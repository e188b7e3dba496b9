#include "tests/fuzz/ComparisonCheck.h"

#include "tests/fuzz/FuzzCheck.h"
#include "tests/support/MemoryResultPanel.h"

namespace fuzz {

void CheckComparison(const MemoryResultPanel& panel, CompareOutcome outcome,
                     const reference::Comparison& expected) {
    if (outcome == CompareOutcome::File1Failed || outcome == CompareOutcome::File2Failed)
        Fail("a run reported a read failure on two readable files");
    CheckEqual("rows", panel.rows, expected.rows);
    CheckEqual("length verdict", panel.lengthVerdict, expected.lengthVerdict);
    CheckEqual("difference summary", panel.differenceSummary, expected.differenceSummary);
    CheckEqual("outcome is Same", outcome == CompareOutcome::Same, expected.same);
}

} // namespace fuzz

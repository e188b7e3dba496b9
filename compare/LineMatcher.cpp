#include "LineMatcher.h"

#include "CaseFolding.h"
#include "CompressBlanks.h"

bool LineMatcher::Equal(std::string_view line1, std::string_view line2) {
    // Both options map equal lines to equal lines, so only lines that differ as read need work.
    if (line1 == line2)
        return true;
    if (!foldCase_ && !compressBlanks_)
        return false;
    Normalise(line1, work1_);
    Normalise(line2, work2_);
    return work1_ == work2_;
}

void LineMatcher::Normalise(std::string_view line, std::string& work) const {
    if (compressBlanks_)
        CompressBlanks(line, work);
    else
        work.assign(line);
    if (foldCase_)
        FoldCase(work);
}

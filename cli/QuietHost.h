#pragma once

#include "compare/RunHost.h"

// A RunHost that tells nothing, for a run whose exit status is the whole answer, trouble
// included.
class QuietHost : public RunHost {
public:
    void ShowMessage(std::string_view, std::string_view, MessageIcon) override {}
    void BeginWait() override {}
    void EndWait() override {}
};

#pragma once

#include "compare/MessageIcon.h"

#include <string_view>

// What a run needs from whoever hosts it: a modal message with an OK button, and a busy
// pointer for the length of a comparison. The window, the command line and tests each supply one.
class RunHost {
public:
    virtual ~RunHost() = default;

    virtual void ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon) = 0;
    virtual void BeginWait() = 0;
    virtual void EndWait() = 0;
};

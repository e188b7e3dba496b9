#pragma once

#include "RunHost.h"

#include <cstdio>

// A RunHost for a terminal: a message becomes "CAPTION: TEXT" on the error stream, and there
// is no busy pointer to show.
class TerminalHost : public RunHost {
public:
    explicit TerminalHost(std::FILE* errors) : errors_(errors) {}

    void ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon) override;
    void BeginWait() override {}
    void EndWait() override {}

private:
    std::FILE* errors_;
};

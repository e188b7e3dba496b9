#pragma once

#include "compare/RunHost.h"

#include <cstdio>

// A RunHost for a terminal: a message becomes "CAPTION: TEXT" on the error stream, written after
// everything already printed on the output stream, so that both read in order when they share a
// terminal or a file. There is no busy pointer to show.
class TerminalHost : public RunHost {
public:
    TerminalHost(std::FILE* output, std::FILE* errors) : output_(output), errors_(errors) {}

    void ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon) override;
    void BeginWait() override {}
    void EndWait() override {}

private:
    std::FILE* output_;
    std::FILE* errors_;
};

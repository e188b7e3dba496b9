#include "CommandLine.h"
#include "CompareRequest.h"
#include "CompareSettings.h"
#include "ComparisonRun.h"
#include "DisplayName.h"
#include "StreamResultPanel.h"
#include "TerminalHost.h"

#include <cstdio>

namespace {
constexpr int kExitSame = 0;
constexpr int kExitDifferent = 1;
constexpr int kExitTrouble = 2;

int ExitStatus(RunOutcome outcome) {
    switch (outcome) {
    case RunOutcome::Same:
        return kExitSame;
    case RunOutcome::Different:
        return kExitDifferent;
    case RunOutcome::CheckFailed:
    case RunOutcome::ReadFailed:
        break;
    }
    return kExitTrouble;
}

int Compare(const CommandLine& command) {
    static char outputBuffer[1 << 16];
    std::setvbuf(stdout, outputBuffer, _IOFBF, sizeof outputBuffer);

    compareSettings = command.settings;
    const CompareRequest request{true, DisplayName(command.file1), command.file1,
                                 true, DisplayName(command.file2), command.file2};
    StreamResultPanel panel(stdout);
    TerminalHost host(stderr);
    const RunOutcome outcome = RunComparison(request, panel, host);
    if (outcome == RunOutcome::Same || outcome == RunOutcome::Different)
        panel.Finish();
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::perror("vy-cmp: standard output");
        return kExitTrouble;
    }
    return ExitStatus(outcome);
}
} // namespace

int main(int argc, char** argv) {
    const CommandLine command = ParseCommandLine({argv + 1, argv + argc});
    switch (command.action) {
    case CommandLine::Action::Help:
        std::fputs(kUsage, stdout);
        return kExitSame;
    case CommandLine::Action::Version:
        std::puts("vy-cmp (Vy) " VY_VERSION);
        return kExitSame;
    case CommandLine::Action::UsageError:
        std::fprintf(stderr, "vy-cmp: %s\n%s", command.error.c_str(), kUsage);
        return kExitTrouble;
    case CommandLine::Action::Compare:
        break;
    }
    return Compare(command);
}

#include "cli/CommandLine.h"
#include "cli/QuietHost.h"
#include "cli/QuietResultPanel.h"
#include "cli/StreamResultPanel.h"
#include "cli/TerminalHost.h"
#include "compare/CompareRequest.h"
#include "compare/ComparisonRun.h"
#include "compare/DisplayName.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

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
    case RunOutcome::Stopped:
        break;
    }
    return kExitTrouble;
}

bool Colored(CommandLine::Color color, bool terminal) {
    switch (color) {
    case CommandLine::Color::Always:
        return true;
    case CommandLine::Color::Never:
        return false;
    case CommandLine::Color::Auto:
        break;
    }
    const char* noColor = std::getenv("NO_COLOR");
    return terminal && (noColor == nullptr || *noColor == '\0');
}

// Writes out what is left of standard output; false, with the reason on standard error, when
// it could not all be written (a full disk, a closed pipe).
bool FlushOutput() {
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return true;
    std::fprintf(stderr, "vy-cmp: standard output: %s\n",
                 errno ? std::strerror(errno) : "write error");
    return false;
}

int Print(const char* text) {
    std::fputs(text, stdout);
    return FlushOutput() ? kExitSame : kExitTrouble;
}

int Compare(const CommandLine& command) {
    static char outputBuffer[1 << 16];
    std::setvbuf(stdout, outputBuffer, _IOFBF, sizeof outputBuffer);

    const CompareRequest request{true, DisplayName(command.file1), command.file1,
                                 true, DisplayName(command.file2), command.file2};
    const bool terminal = isatty(STDOUT_FILENO);
    StreamResultPanel printed(stdout, terminal ? RowForm::Screen : RowForm::Bytes,
                              Colored(command.color, terminal) ? RowMarks::Colored
                                                               : RowMarks::Plain);
    QuietResultPanel quietPanel;
    TerminalHost terminalHost(stdout, stderr);
    QuietHost quietHost;
    ResultPanel& panel = command.quiet ? static_cast<ResultPanel&>(quietPanel) : printed;
    RunHost& host = command.quiet ? static_cast<RunHost&>(quietHost) : terminalHost;
    CompareTuning tuning;
    tuning.stopAtFirstDifference = command.quiet;
    tuning.kinds = FileKinds::AlsoStreams;
    const RunResult result = RunComparison(request, command.settings, panel, host, tuning);
    if (result.failedFile && !command.quiet) {
        const std::string& path = *result.failedFile == Side::File1 ? command.file1 : command.file2;
        std::fprintf(stderr, "vy-cmp: %s: %s\n", path.c_str(), Describe(result.failure).c_str());
    }
    if (!command.quiet &&
        (result.outcome == RunOutcome::Same || result.outcome == RunOutcome::Different))
        printed.Finish();
    if (!FlushOutput())
        return kExitTrouble;
    return ExitStatus(result.outcome);
}
} // namespace

int main(int argc, char** argv) {
    const CommandLine command = ParseCommandLine({argv + 1, argv + argc});
    switch (command.action) {
    case CommandLine::Action::Help:
        return Print(kUsage);
    case CommandLine::Action::Version:
        return Print("vy-cmp (Vy) " VY_VERSION "\n");
    case CommandLine::Action::UsageError:
        std::fprintf(stderr, "vy-cmp: %s\nTry 'vy-cmp --help' for more information.\n",
                     command.error.c_str());
        return kExitTrouble;
    case CommandLine::Action::Compare:
        break;
    }
    return Compare(command);
}

// Runs one command for the bench and prints, on one line, how it ended (its exit status, or
// 128 and the signal's number), its wall time in microseconds from just before the fork to
// just after the wait, and its peak resident memory in KiB as the kernel counts it for GNU
// time's %M. The command's output goes to /dev/null; its errors pass through. Timing from
// inside keeps the shell's own fork and exec out of the milliseconds of short runs.
#include <sys/resource.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <unistd.h>

namespace {
constexpr int kExitTrouble = 2;
constexpr int kEndedCannotRun = 127; // what a shell reports for a command it cannot run

long long NowMicroseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000LL + now.tv_nsec / 1000;
}

// A plain fork rather than a spawn that shares memory until the exec: the kernel would count
// this program's pages in the command's peak, which GNU time does not.
[[noreturn]] void RunChild(char** command) {
    const int nowhere = open("/dev/null", O_WRONLY);
    if (nowhere < 0 || dup2(nowhere, STDOUT_FILENO) < 0) {
        std::perror("stopwatch: /dev/null");
        _exit(kEndedCannotRun);
    }
    close(nowhere);
    execvp(command[0], command);
    std::fprintf(stderr, "stopwatch: %s: %s\n", command[0], std::strerror(errno));
    _exit(kEndedCannotRun);
}

int EndStatus(int waitStatus) {
    return WIFSIGNALED(waitStatus) ? 128 + WTERMSIG(waitStatus) : WEXITSTATUS(waitStatus);
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs("usage: stopwatch COMMAND [ARGUMENT...]\n", stderr);
        return kExitTrouble;
    }
    const long long start = NowMicroseconds();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("stopwatch: fork");
        return kExitTrouble;
    }
    if (child == 0)
        RunChild(argv + 1);
    int waitStatus = 0;
    struct rusage usage {};
    while (wait4(child, &waitStatus, 0, &usage) < 0) {
        if (errno != EINTR) {
            std::perror("stopwatch: wait");
            return kExitTrouble;
        }
    }
    const long long elapsed = NowMicroseconds() - start;
    std::printf("%d %lld %ld\n", EndStatus(waitStatus), elapsed, usage.ru_maxrss);
    return 0;
}

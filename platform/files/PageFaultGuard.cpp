#include "platform/files/PageFaultGuard.h"

#include <algorithm>
#include <cassert>
#include <csetjmp>
#include <csignal>
#include <mutex>

namespace {

constexpr std::size_t kMostRanges = 2;

struct Guard {
    sigjmp_buf resume;
    const void* volatile faultAddress = nullptr;
    MappedRange ranges[kMostRanges];
    Guard* outer = nullptr;

    bool AnswersFor(const void* address) const {
        for (const MappedRange& range : ranges)
            if (range.Holds(address))
                return true;
        return false;
    }
};

// Read from a signal handler: initial-exec TLS needs no allocation or lock to reach.
[[gnu::tls_model("initial-exec")]] thread_local Guard* activeGuard = nullptr;

struct sigaction previousAction;

// A bus error that the kernel raised for an access, not one that a process sent.
bool RaisedByAccess(const siginfo_t& info) {
    return info.si_code > 0 && info.si_code != SI_KERNEL;
}

void OnBusError(int signal, siginfo_t* info, void* context) {
    if (RaisedByAccess(*info))
        for (Guard* guard = activeGuard; guard; guard = guard->outer)
            if (guard->AnswersFor(info->si_addr)) {
                // Every guard inside this one is abandoned with its work.
                activeGuard = guard;
                guard->faultAddress = info->si_addr;
                siglongjmp(guard->resume, 1);
            }
    if (previousAction.sa_flags & SA_SIGINFO) {
        if (previousAction.sa_sigaction)
            previousAction.sa_sigaction(signal, info, context);
        return;
    }
    if (previousAction.sa_handler != SIG_DFL && previousAction.sa_handler != SIG_IGN) {
        previousAction.sa_handler(signal);
        return;
    }
    // Nobody else wants it: end the process as the default would. Returning alone would do for a
    // fault, which strikes again, but not for a signal that another process sent.
    ::signal(SIGBUS, SIG_DFL);
    ::raise(SIGBUS);
}

void InstallHandler() {
    static std::once_flag installed;
    std::call_once(installed, [] {
        struct sigaction action {};
        action.sa_sigaction = OnBusError;
        // No deferral: the jump out of the handler leaves the signal mask as it found it, so the
        // guard need not save and restore the mask, a system call per guarded stretch.
        action.sa_flags = SA_SIGINFO | SA_NODEFER | SA_ONSTACK;
        sigemptyset(&action.sa_mask);
        sigaction(SIGBUS, &action, &previousAction);
    });
}

} // namespace

const void* RunGuarded(std::initializer_list<MappedRange> ranges, void (*work)(void*),
                       void* context) {
    InstallHandler();
    Guard guard;
    assert(ranges.size() <= kMostRanges);
    std::copy_n(ranges.begin(), std::min(ranges.size(), kMostRanges), guard.ranges);
    guard.outer = activeGuard;
    if (sigsetjmp(guard.resume, 0) == 0) {
        activeGuard = &guard;
        work(context);
        activeGuard = guard.outer;
        return nullptr;
    }
    activeGuard = guard.outer;
    return guard.faultAddress;
}

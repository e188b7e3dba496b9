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

// A bus error that the kernel raised for an access, not one that a process sent.
bool RaisedByAccess(const siginfo_t& info) {
    return info.si_code > 0 && info.si_code != SI_KERNEL;
}

// The process's handler of bus errors, the one piece of process state the guards share: a signal
// handler reaches nothing else. It is installed before the first guard runs and stays for the
// life of the process, keeping the action it replaced for the bus errors no guard answers for.
class BusErrorHandler {
public:
    // Installs the handler on the first call; later calls do nothing.
    void InstallOnce();

private:
    static void OnBusError(int signal, siginfo_t* info, void* context);
    void PassOn(int signal, siginfo_t* info, void* context) const;

    std::once_flag installed_;
    struct sigaction previous_ {};
};

constinit BusErrorHandler busErrorHandler;

void BusErrorHandler::InstallOnce() {
    std::call_once(
        installed_,
        [this] {
            struct sigaction action {};
            action.sa_sigaction = OnBusError;
            // No deferral: the jump out of the handler leaves the signal mask as it found it, so
            // the guard need not save and restore the mask, a system call per guarded stretch.
            action.sa_flags = SA_SIGINFO | SA_NODEFER | SA_ONSTACK;
            sigemptyset(&action.sa_mask);
            sigaction(SIGBUS, &action, &previous_);
        });
}

void BusErrorHandler::OnBusError(int signal, siginfo_t* info, void* context) {
    if (RaisedByAccess(*info))
        for (Guard* guard = activeGuard; guard; guard = guard->outer)
            if (guard->AnswersFor(info->si_addr)) {
                // Every guard inside this one is abandoned with its work.
                activeGuard = guard;
                guard->faultAddress = info->si_addr;
                siglongjmp(guard->resume, 1);
            }
    busErrorHandler.PassOn(signal, info, context);
}

void BusErrorHandler::PassOn(int signal, siginfo_t* info, void* context) const {
    if (previous_.sa_flags & SA_SIGINFO) {
        if (previous_.sa_sigaction)
            previous_.sa_sigaction(signal, info, context);
        return;
    }
    if (previous_.sa_handler != SIG_DFL && previous_.sa_handler != SIG_IGN) {
        previous_.sa_handler(signal);
        return;
    }
    // Nobody else wants it: end the process as the default would. Returning alone would do for a
    // fault, which strikes again, but not for a signal that another process sent.
    ::signal(SIGBUS, SIG_DFL);
    ::raise(SIGBUS);
}

} // namespace

const void* RunGuarded(std::initializer_list<MappedRange> ranges, void (*work)(void*),
                       void* context) {
    busErrorHandler.InstallOnce();
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

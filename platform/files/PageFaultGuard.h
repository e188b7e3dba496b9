#pragma once

#include <type_traits>

// Runs work that reads the pages of mapped files and turns the bus error raised when such a page
// has lost its backing (the file was cut after it was mapped) into a result instead of the
// process's end. Returns the address that faulted, or nullptr when the work ran to its end.
//
// The work may be abandoned at any instruction, so it must allocate nothing, take no lock, throw
// nothing and keep nothing that has to be undone; what it writes to memory before the fault stays.
// Guards nest and each thread has its own. A bus error outside every guard goes to whoever handled
// it before, by default ending the process as usual.
const void* RunGuarded(void (*work)(void*), void* context);

template <class Work> const void* RunGuarded(Work&& work) {
    return RunGuarded(
        [](void* context) { (*static_cast<std::remove_reference_t<Work>*>(context))(); },
        static_cast<void*>(&work));
}

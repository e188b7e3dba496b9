#pragma once

#include <cstddef>
#include <initializer_list>
#include <type_traits>

// Memory mapped from a file, whose pages a guard answers for.
struct MappedRange {
    const void* begin = nullptr;
    std::size_t size = 0;

    bool Holds(const void* address) const {
        const auto* byte = static_cast<const unsigned char*>(address);
        const auto* first = static_cast<const unsigned char*>(begin);
        return first && byte >= first && byte < first + size;
    }
};

// Runs work that reads the pages of mapped files and turns the bus error raised when a page of
// one of the ranges (two at most) has lost its backing (the file was cut after it was mapped) into
// a result instead of the process's end. Returns the address that faulted, or nullptr when the work
// ran to its end.
//
// The work may be abandoned at any instruction, so it must allocate nothing, take no lock, throw
// nothing and keep nothing that has to be undone; what it writes to memory before the fault stays.
// Guards nest and each thread has its own. A bus error that no guard answers for (outside every
// range, or sent by another process) goes to whoever handled it before, by default ending the
// process as usual.
const void* RunGuarded(std::initializer_list<MappedRange> ranges, void (*work)(void*),
                       void* context);

template <class Work>
const void* RunGuarded(std::initializer_list<MappedRange> ranges, Work&& work) {
    return RunGuarded(
        ranges, [](void* context) { (*static_cast<std::remove_reference_t<Work>*>(context))(); },
        const_cast<void*>(static_cast<const void*>(&work)));
}

#include "platform/files/ReadFailure.h"

#include "texts/Texts.h"

#include <cstring>

std::string Describe(const ReadFailure& failure) {
    switch (failure.cause) {
    case ReadFailure::Cause::System:
        break;
    case ReadFailure::Cause::NotRegular:
        return std::string(texts::kNotRegularFile);
    case ReadFailure::Cause::Changed:
        return std::string(texts::kChangedDuringComparison);
    case ReadFailure::Cause::NoMemory:
        return texts::NotEnoughMemory(failure.bytes);
    case ReadFailure::Cause::NoMemoryForLine:
        return texts::NotEnoughMemoryForLine(failure.bytes);
    }
    return std::strerror(failure.error);
}

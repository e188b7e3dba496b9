#include "platform/files/ReadFailure.h"

#include <cstring>

std::string Describe(const ReadFailure& failure) {
    switch (failure.cause) {
    case ReadFailure::Cause::System:
        break;
    case ReadFailure::Cause::NotRegular:
        return "Not a regular file";
    case ReadFailure::Cause::Changed:
        return "changed during the comparison";
    case ReadFailure::Cause::NoMemory:
        return "not enough memory for " + std::to_string(failure.bytes) + " bytes";
    case ReadFailure::Cause::NoMemoryForLine:
        return "not enough memory for a line of " + std::to_string(failure.bytes) + " bytes";
    }
    return std::strerror(failure.error);
}

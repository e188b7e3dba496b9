#include "compare/DisplayName.h"

std::string DisplayName(std::string_view path, char separator) {
    const auto last = path.rfind(separator);
    return std::string(last == std::string_view::npos ? path : path.substr(last + 1));
}

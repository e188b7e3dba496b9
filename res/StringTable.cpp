#include "res/ResourceTables.h"
#include "res/resource.h"
#include "texts/Texts.h"

#include <array>

namespace {
constexpr std::array kStrings = {
    StringResource{IDS_ABOUTBOX, texts::kAboutMenuItem},
};
} // namespace

const std::span<const StringResource> kStringTable = kStrings;

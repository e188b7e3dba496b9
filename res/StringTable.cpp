#include "res/ResourceTables.h"
#include "res/resource.h"

#include <array>

namespace {
constexpr std::array kStrings = {
    StringResource{IDS_ABOUTBOX, "ﾊﾞｰｼﾞｮﾝ情報(Vy) (&A)..."},
};
} // namespace

const std::span<const StringResource> kStringTable = kStrings;

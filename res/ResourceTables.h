#pragma once

#include "platform/resource/DialogTemplate.h"

#include <span>
#include <string_view>

// The resource data that Resources.cpp looks up; each table lives in a source of its own.

extern const DialogTemplate kAboutDialogTemplate;
extern const DialogTemplate kCompareDialogTemplate;
extern const DialogTemplate kSettingsDialogTemplate;

// One entry of the string table.
struct StringResource {
    int id = 0;
    std::string_view text;
};

extern const std::span<const StringResource> kStringTable;

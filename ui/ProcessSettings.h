#pragma once

#include "compare/CompareSettings.h"

// The settings of the whole process, never saved: the main dialog resets them when it opens and
// hands them to every run, and the settings dialog changes them on OK.
extern CompareSettings compareSettings;

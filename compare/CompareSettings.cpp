#include "CompareSettings.h"

CompareSettings compareSettings;

#include "ProcessSettings.h"

CompareSettings compareSettings;

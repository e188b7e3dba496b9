#include "ui/ProcessSettings.h"

CompareSettings compareSettings;

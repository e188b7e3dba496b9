#pragma once

#include "platform/resource/IconBitmap.h"

// The program's icon (IDR_MAINFRAME): two text pages under a magnifying glass on a transparent
// ground, drawn in the 16 standard colours.
extern const IconBitmap kMainIcon;

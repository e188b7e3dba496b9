#pragma once

#include <string>

struct IconBitmap;

// The picture as a scalable SVG document of 32 by 32 units: one rectangle for each run of
// same-coloured opaque pixels in a row, drawn with crisp edges, so that the pixels stay square
// at any size. Transparent pixels get nothing.
std::string IconSvg(const IconBitmap& bitmap);

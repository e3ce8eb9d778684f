#pragma once
#include "raster.h"

namespace assetgen {
// A four-pointed glint (an astroid) of radius r in tile units, white at the heart.
void Sparkle(Canvas& c, float u, float v, float r, Rgb rim);
}  // namespace assetgen

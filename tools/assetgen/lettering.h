#pragma once
// Text painted with our pixel font: small shaded glyphs and large bevelled block letters.

#include <string>

#include "raster.h"

namespace assetgen {

// Glyph cells of `scale` pixels, shaded top to bottom by the ramp.
void SmallText(Canvas& c, int x, int y, const std::string& text, int scale, const Ramp& ramp);
int SmallTextWidth(const std::string& text, int scale);

// Large solid letters, each glyph cell about `block` pixels (an even number), bevelled and lit
// from the top left.
void BlockText(Canvas& c, int x, int y, const std::string& text, int block, const Ramp& ramp);
int BlockTextWidth(const std::string& text, int block);
int BlockTextHeight(int block);

}  // namespace assetgen

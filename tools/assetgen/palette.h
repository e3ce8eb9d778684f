#pragma once
// The palette of the art: every material ramp is derived the same way, with cool shadows and
// warm lights, so all elements read as one world under one light.

#include "raster.h"

namespace assetgen {

Ramp MakeRamp(Rgb base);

namespace pal {
inline constexpr Rgb Ink = 0x0C0A12;  // outlines
inline constexpr Rgb Night = 0x000000;
inline constexpr Rgb White = 0xFFFFFF;
inline constexpr Rgb Spark = 0xFFFBE0;
}  // namespace pal

// Four looks of each family, picked by style number.
extern const Rgb BoulderBase[4];
extern const Rgb DiamondBase[4];
extern const Rgb DirtBase[9];
extern const Rgb BrickBase[4];
extern const Rgb SteelBase[4];
extern const Rgb FireflyBase[4];
extern const Rgb ButterflyBase[4];
extern const Rgb ExitBase[4];

}  // namespace assetgen

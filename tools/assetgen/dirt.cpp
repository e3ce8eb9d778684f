// Dirt: nine soils, four looks each. The broad shading depends only on the soil, so any two
// looks sit side by side without a seam; the looks differ in pebbles and grain.

#include <cmath>

#include "art.h"
#include "palette.h"

namespace assetgen {

namespace {

struct Soil {
  int Pebbles;
  float Roughness;
};
constexpr Soil Soils[9] = {{3, 0.22f}, {2, 0.18f}, {2, 0.26f}, {3, 0.2f}, {6, 0.16f},
                           {3, 0.2f},  {1, 0.3f},  {3, 0.2f},  {4, 0.2f}};

}  // namespace

Picture Dirt(int size, int style, int look) {
  Canvas c(size, size);
  const Ramp ramp = MakeRamp(DirtBase[style]);
  const Ramp stone = MakeRamp(Mix(DirtBase[style], 0x9890A0, 0.55f));
  const auto seed = std::uint32_t(100 + style);
  const auto lookSeed = std::uint32_t(1000 + style * 10 + look);
  c.Each([&](float u, float v, int x, int y) {
    float t = 0.42f + 0.12f * (Noise(u * 4, v * 4, 4, seed) - 0.5f) +
              0.14f * (Noise(u * 8, v * 8, 8, lookSeed + 1) - 0.5f);
    t += 0.7f * Soils[style].Roughness *
         (Hash01(std::uint32_t(x), std::uint32_t(y), lookSeed) - 0.5f);
    // Small clods: light on the top-left edge, dark below.
    const float clod = Noise(u * 12, v * 12, 12, lookSeed);
    const float clodBelow = Noise(u * 12 - 0.25f, v * 12 - 0.25f, 12, lookSeed);
    if (clod > 0.62f)
      t += 0.16f;
    else if (clodBelow > 0.62f)
      t -= 0.18f;
    c.Set(x, y, ShadeAt(ramp, t, x, y));
  });
  for (int k = 0; k < Soils[style].Pebbles; ++k) {
    const float pu = 0.12f + 0.76f * Hash01(lookSeed, k, 1);
    const float pv = 0.12f + 0.76f * Hash01(lookSeed, k, 2);
    const float r = 0.045f + 0.04f * Hash01(lookSeed, k, 3);
    c.Ellipse(pu + 0.03f, pv + 0.035f, r * 1.2f, r, ramp[0]);
    c.Each([&](float u, float v, int x, int y) {
      const float du = (u - pu) / (r * 1.2f), dv = (v - pv) / r;
      const float d2 = du * du + dv * dv;
      if (d2 > 1) return;
      c.Set(x, y, ShadeAt(stone, 0.55f - 0.35f * (du + dv) * 0.7f, x, y));
    });
  }
  return c.Take();
}

}  // namespace assetgen

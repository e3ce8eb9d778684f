// Explosions in four stages: flash, fireball, breaking fire, smoke.

#include <algorithm>
#include <cmath>

#include "art.h"
#include "palette.h"

namespace assetgen {

Picture Explosion(int size, int stage, int image) {
  Canvas c(size, size);
  static constexpr Rgb Fire[5] = {0x7A1808, 0xD84010, 0xFF9020, 0xFFD860, 0xFFFCE8};
  static constexpr Rgb Smoke[5] = {0x3A3440, 0x5E5866, 0x847E8C, 0xAAA4B2, 0xD4D0DA};
  const Ramp fire{{Fire[0], Fire[1], Fire[2], Fire[3], Fire[4]}};
  const Ramp smoke{{Smoke[0], Smoke[1], Smoke[2], Smoke[3], Smoke[4]}};
  const auto seed = std::uint32_t(1200 + stage * 2 + image);
  // Radius, heat at the centre, and how broken up the cloud is, stage by stage.
  static constexpr float Radius[4] = {0.34f, 0.5f, 0.52f, 0.46f};
  static constexpr float Heat[4] = {1.25f, 1.0f, 0.7f, 0.0f};
  static constexpr float Breakup[4] = {0.15f, 0.3f, 0.5f, 0.65f};
  c.Each([&](float u, float v, int x, int y) {
    const float du = u - 0.5f, dv = v - 0.5f;
    const float d = std::sqrt(du * du + dv * dv);
    const float n =
        Noise(u * 5, v * 5, 5, seed) * 0.7f + Noise(u * 10, v * 10, 10, seed + 9) * 0.3f;
    const float edge = Radius[stage] * (1 - Breakup[stage] * 0.6f + Breakup[stage] * n);
    if (d > edge) return;
    if (stage == 3 || (stage == 2 && n < 0.4f)) {
      const float t = 0.2f + 0.6f * n - 0.35f * (du + dv) - 0.5f * (d / edge) * 0.5f;
      c.Set(x, y, ShadeAt(smoke, t + (stage == 2 ? 0.1f : 0.0f), x, y));
      return;
    }
    const float t = Heat[stage] * (1 - d / edge * 0.8f) + 0.25f * (n - 0.5f);
    c.Set(x, y, ShadeAt(fire, t, x, y));
  });
  if (stage == 0) {
    // Rays of the first flash.
    for (int k = 0; k < 8; ++k) {
      const float a = float(k) * 0.785f + float(image) * 0.39f;
      const float r = k % 2 ? 0.36f : 0.48f;
      c.Line(0.5f, 0.5f, 0.5f + r * std::cos(a), 0.5f + r * std::sin(a), 0.06f, Fire[3]);
    }
    c.Ellipse(0.5f, 0.5f, 0.16f, 0.16f, pal::White);
  }
  if (stage == 2) {
    for (int k = 0; k < 5; ++k) {  // flying embers
      const float a = 6.283f * Hash01(seed, k, 1);
      const float r = 0.3f + 0.15f * Hash01(seed, k, 2);
      c.Ellipse(0.5f + r * std::cos(a), 0.5f + r * std::sin(a), 0.035f, 0.035f, Fire[3]);
    }
  }
  return c.Take();
}

}  // namespace assetgen

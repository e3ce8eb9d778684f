// Fireflies and butterflies: the creatures that patrol the caves.

#include <algorithm>
#include <cmath>

#include "art.h"
#include "palette.h"

namespace assetgen {

namespace {
constexpr float Pi = 3.14159265f;
}

Picture Firefly(int size, int style, int frame) {
  Canvas c(size, size);
  const Ramp glow = MakeRamp(FireflyBase[style]);
  const float phase = 2 * Pi * float(frame) / 8;
  const float pulse = 0.5f + 0.5f * std::cos(phase);
  // Halo: a sparse ring of light that breathes with the tail.
  const float halo = 0.38f + 0.08f * pulse;
  c.Each([&](float u, float v, int x, int y) {
    const float du = u - 0.5f, dv = v - 0.58f, d = std::sqrt(du * du + dv * dv);
    if (d < halo && d > 0.2f && Hash01(x, y, 60 + frame) < 0.35f * (1 - d / halo) + 0.1f * pulse)
      c.Set(x, y, glow[2 + int(pulse * 1.9f)]);
  });
  // Wings buzz between two angles.
  const float spread = frame % 2 ? 0.2f : 0.13f;
  const float lift = frame % 2 ? 0.0f : 0.04f;
  const Rgb wing = 0xA8C4F0;
  for (float side : {-1.0f, 1.0f}) {
    c.Ellipse(0.5f + side * spread, 0.3f + lift, 0.16f, 0.09f, wing);
    c.Ellipse(0.5f + side * (spread - 0.02f), 0.28f + lift, 0.08f, 0.04f, pal::White);
  }
  // Dark head and thorax, glowing tail.
  const Ramp shell = MakeRamp(0x4A4058);
  c.Line(0.46f, 0.16f, 0.36f, 0.04f, 0.035f, shell[1]);
  c.Line(0.54f, 0.16f, 0.64f, 0.04f, 0.035f, shell[1]);
  c.Ball(0.5f, 0.2f, 0.1f, shell);
  c.Ball(0.5f, 0.38f, 0.13f, shell);
  c.Ball(0.5f, 0.62f, 0.19f + 0.04f * pulse, glow, 2.0f);
  c.Outline(pal::Ink);
  c.Ellipse(0.47f, 0.6f, 0.05f + 0.05f * pulse, 0.05f + 0.05f * pulse, pal::Spark);
  return c.Take();
}

Picture Butterfly(int size, int style, int frame) {
  Canvas c(size, size);
  const Ramp wing = MakeRamp(ButterflyBase[style]);
  // Wings seen from above, folding: the width follows a flap cycle.
  const float open = 0.38f + 0.62f * std::abs(std::cos(Pi * float(frame) / 8));
  c.Each([&](float u, float v, int x, int y) {
    const float du = std::abs(u - 0.5f) / open, dv = v - 0.5f;
    if (du < 0.02f) return;
    const float upper = ((du - 0.24f) / 0.25f) * ((du - 0.24f) / 0.25f) +
                        ((dv + 0.14f) / 0.3f) * ((dv + 0.14f) / 0.3f);
    const float lower = ((du - 0.17f) / 0.18f) * ((du - 0.17f) / 0.18f) +
                        ((dv - 0.2f) / 0.2f) * ((dv - 0.2f) / 0.2f);
    if (upper > 1 && lower > 1) return;
    const float edge = std::min(upper, lower);
    float t = 0.55f + 0.3f * (0.5f - v) + (u < 0.5f ? 0.1f : -0.05f);
    if (edge > 0.65f) t = 0.1f;                    // dark wing border
    const float eu = du - 0.27f, ev = dv + 0.12f;  // eye spot
    if (eu * eu + ev * ev < 0.006f)
      t = 1.0f;
    else if (eu * eu + ev * ev < 0.014f)
      t = 0.05f;
    if (edge > 0.65f && Hash01(x, y, 77) > 0.7f) t = 0.95f;  // dots along the border
    c.Set(x, y, ShadeAt(wing, t * (0.6f + 0.4f * open), x, y));
  });
  const Ramp body = MakeRamp(0x3A2E2A);
  c.Ellipse(0.5f, 0.5f, 0.045f, 0.24f, body[1]);
  c.Ellipse(0.49f, 0.44f, 0.02f, 0.12f, body[3]);
  c.Line(0.48f, 0.28f, 0.4f, 0.12f, 0.025f, body[1]);
  c.Line(0.52f, 0.28f, 0.6f, 0.12f, 0.025f, body[1]);
  c.Outline(pal::Ink);
  return c.Take();
}

}  // namespace assetgen

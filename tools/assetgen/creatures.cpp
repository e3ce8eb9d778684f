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
  const float halo = 0.4f + 0.08f * pulse;
  c.Each([&](float u, float v, int x, int y) {
    const float du = u - 0.5f, dv = v - 0.6f, d = std::sqrt(du * du + dv * dv);
    if (c.Get(x, y) == Clear && d < halo &&
        Hash01(x, y, 60 + frame) < 0.3f * (1 - d / halo) + 0.08f * pulse)
      c.Set(x, y, glow[3 + int(pulse * 1.5f)]);
  });
  return c.Take();
}

Picture Butterfly(int size, int style, int frame) {
  Canvas c(size, size);
  const Ramp wing = MakeRamp(ButterflyBase[style]);
  const Ramp spot = MakeRamp(ButterflyBase[(style + 2) % 4]);
  // Wings seen from above, folding: their span follows a flap cycle.
  const float open = 0.4f + 0.6f * std::abs(std::cos(Pi * float(frame) / 8));
  auto inEllipse = [](float x, float y, float cx, float cy, float rx, float ry, float tilt) {
    const float ct = std::cos(tilt), st = std::sin(tilt);
    const float a = ((x - cx) * ct + (y - cy) * st) / rx, b = (-(x - cx) * st + (y - cy) * ct) / ry;
    return a * a + b * b;
  };
  c.Each([&](float u, float v, int x, int y) {
    const float du = std::abs(u - 0.5f) / open, dv = v - 0.5f;
    if (du < 0.03f) return;
    const float upper = inEllipse(du, dv, 0.24f, -0.13f, 0.25f, 0.19f, -0.5f);
    const float lower = inEllipse(du, dv, 0.15f, 0.17f, 0.13f, 0.17f, 0.45f);
    if (upper > 1 && lower > 1) return;
    const bool isUpper = upper <= 1;
    const float edge = isUpper ? upper : lower;
    // Deeper colour at the body, lighter toward the tips; lit from the left.
    float t = 0.35f + 0.5f * std::min(1.0f, du / 0.4f) + (u < 0.5f ? 0.08f : -0.06f);
    Rgb col = ShadeAt(wing, t * (0.65f + 0.35f * open), x, y);
    if (edge > 0.6f) col = wing[0];                                        // dark border
    if (isUpper && edge > 0.6f && Hash01(x, y, 77) > 0.6f) col = wing[4];  // dots on the border
    if (isUpper && inEllipse(du, dv, 0.3f, -0.16f, 0.06f, 0.05f, 0) < 1) col = spot[3];
    if (!isUpper && inEllipse(du, dv, 0.17f, 0.2f, 0.045f, 0.045f, 0) < 1) col = spot[1];
    c.Set(x, y, col);
  });
  const Ramp body = MakeRamp(0x3A2E2A);
  c.Ellipse(0.5f, 0.5f, 0.05f, 0.26f, body[1]);
  c.Ellipse(0.49f, 0.42f, 0.02f, 0.12f, body[3]);
  c.Ellipse(0.5f, 0.24f, 0.06f, 0.05f, body[2]);
  c.Line(0.48f, 0.22f, 0.38f, 0.06f, 0.03f, body[1]);
  c.Line(0.52f, 0.22f, 0.62f, 0.06f, 0.03f, body[1]);
  c.Ellipse(0.38f, 0.06f, 0.03f, 0.03f, body[3]);
  c.Ellipse(0.62f, 0.06f, 0.03f, 0.03f, body[3]);
  c.Outline(pal::Ink);
  return c.Take();
}

}  // namespace assetgen

// Boulders, bombs and the clock: round, lit objects.

#include <algorithm>
#include <cmath>

#include "art.h"
#include "palette.h"

namespace assetgen {

namespace {

constexpr float Pi = 3.14159265f;

float Lambert(float nx, float ny, float nz) {
  const float ll = std::sqrt(Light.X * Light.X + Light.Y * Light.Y + Light.Z * Light.Z);
  return std::max(0.0f, (nx * Light.X + ny * Light.Y + nz * Light.Z) / ll);
}

}  // namespace

Picture Boulder(int size, int style, int frame) {
  Canvas c(size, size);
  const Ramp ramp = MakeRamp(BoulderBase[style]);
  // The silhouette and the marks turn with the roll; the light does not.
  const float turn = float(frame) * Pi / 2;
  const float cu = 0.5f, cv = 0.52f;
  const std::uint32_t seed = 11 + std::uint32_t(style) * 7;
  c.Each([&](float u, float v, int x, int y) {
    const float du = u - cu, dv = v - cv, d = std::sqrt(du * du + dv * dv);
    const float phi = std::atan2(dv, du) - turn;
    const float radius = 0.43f + 0.025f * std::sin(3 * phi + float(style)) +
                         0.018f * std::sin(5 * phi + 2.0f + float(style));
    if (d > radius) return;
    const float nx = du / radius, ny = dv / radius,
                nz = std::sqrt(std::max(0.0f, 1 - nx * nx - ny * ny));
    float t = 0.12f + 0.85f * Lambert(nx, ny, nz);
    // Marks fixed to the rock: rotate the pixel back into the rock's own frame.
    const float lu = std::cos(-turn) * du - std::sin(-turn) * dv;
    const float lv = std::sin(-turn) * du + std::cos(-turn) * dv;
    const float grain = Noise((lu + 1) * 9, (lv + 1) * 9, 64, seed);
    t += (grain - 0.5f) * 0.22f;
    for (int k = 0; k < 3; ++k) {
      const float pu = (Hash01(seed, k, 1) - 0.5f) * 0.5f, pv = (Hash01(seed, k, 2) - 0.5f) * 0.5f;
      const float pr = 0.05f + 0.04f * Hash01(seed, k, 3);
      const float e = (lu - pu) * (lu - pu) + (lv - pv) * (lv - pv);
      if (e < pr * pr)
        t -= 0.28f;
      else if (e < (pr + 0.03f) * (pr + 0.03f) && (lu - pu) + (lv - pv) > 0)
        t += 0.12f;
    }
    // A crack line across one side makes the turn easy to follow.
    const float crack = std::abs(lv - 0.35f * lu - 0.12f);
    if (crack < 0.022f && lu > -0.1f) t -= 0.3f;
    c.Set(x, y, ShadeAt(ramp, t, x, y));
  });
  c.Outline(pal::Ink);
  return c.Take();
}

Picture SolidBomb(int size) {
  Canvas c(size, size);
  const Ramp iron = MakeRamp(0x58606E);
  c.Ball(0.5f, 0.54f, 0.38f, iron);
  // Bolted band across the middle: this one is built to survive a fall.
  const Ramp band = MakeRamp(0xB89A48);
  c.Each([&](float u, float v, int x, int y) {
    const float du = u - 0.5f, dv = v - 0.54f;
    if (du * du + dv * dv > 0.38f * 0.38f) return;
    if (std::abs(dv) < 0.06f) c.Set(x, y, ShadeAt(band, 0.75f - du - dv * 2, x, y));
  });
  for (int k = -1; k <= 1; ++k) c.Ellipse(0.5f + 0.2f * float(k), 0.54f, 0.03f, 0.03f, pal::Spark);
  c.Rect(0.42f, 0.1f, 0.58f, 0.18f, MakeRamp(0x58606E)[3]);
  c.Outline(pal::Ink);
  return c.Take();
}

Picture Bomb(int size) {
  Canvas c(size, size);
  c.Ball(0.46f, 0.58f, 0.32f, MakeRamp(0x3A3E52));
  c.Rect(0.52f, 0.22f, 0.64f, 0.32f, MakeRamp(0x9A9AA8)[2]);
  c.Line(0.6f, 0.24f, 0.72f, 0.12f, 0.05f, 0xC8A070);
  c.Outline(pal::Ink);
  // The spark at the fuse tip.
  c.Ellipse(0.76f, 0.1f, 0.07f, 0.07f, 0xFF9A20);
  c.Ellipse(0.76f, 0.1f, 0.035f, 0.035f, pal::Spark);
  c.Line(0.76f, 0.0f, 0.76f, 0.2f, 0.02f, 0xFFE070);
  c.Line(0.66f, 0.1f, 0.86f, 0.1f, 0.02f, 0xFFE070);
  return c.Take();
}

Picture Clock(int size) {
  Canvas c(size, size);
  const Ramp bell = MakeRamp(0xD8A830);
  c.Ball(0.28f, 0.2f, 0.12f, bell);
  c.Ball(0.72f, 0.2f, 0.12f, bell);
  c.Line(0.3f, 0.82f, 0.2f, 0.94f, 0.07f, bell[1]);
  c.Line(0.7f, 0.82f, 0.8f, 0.94f, 0.07f, bell[1]);
  c.Ball(0.5f, 0.55f, 0.36f, bell);
  c.Ellipse(0.5f, 0.55f, 0.27f, 0.27f, 0xF4F0E4);
  c.Each([&](float u, float v, int x, int y) {
    const float du = u - 0.5f, dv = v - 0.55f, d = std::sqrt(du * du + dv * dv);
    if (d < 0.27f && d > 0.2f && (du + dv) > 0.12f) c.Set(x, y, 0xC8C0B0);  // face shading
    const float a = std::atan2(dv, du);
    for (int h = 0; h < 12; ++h) {
      const float ha = float(h) * Pi / 6;
      if (d > 0.2f && d < 0.25f && std::abs(std::remainder(a - ha, 2 * Pi)) < 0.12f)
        c.Set(x, y, 0x403850);
    }
  });
  c.Line(0.5f, 0.55f, 0.5f, 0.36f, 0.045f, 0x282030);
  c.Line(0.5f, 0.55f, 0.64f, 0.6f, 0.045f, 0x282030);
  c.Ellipse(0.5f, 0.55f, 0.035f, 0.035f, 0xC02020);
  c.Outline(pal::Ink);
  return c.Take();
}

}  // namespace assetgen

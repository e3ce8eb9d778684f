// Amoeba, slime and acid: living and liquid tiles with eight-image cycles.

#include <algorithm>
#include <cmath>

#include "art.h"
#include "palette.h"

namespace assetgen {

namespace {

constexpr float Pi = 3.14159265f;

// Distances to the nearest and second-nearest of n x n jittered points, wrapping at the edges.
void Worley(float u, float v, int n, std::uint32_t seed, float& d1, float& d2, int& id) {
  d1 = d2 = 9;
  id = 0;
  const int cx = int(u * float(n)), cy = int(v * float(n));
  for (int j = -1; j <= 1; ++j)
    for (int i = -1; i <= 1; ++i) {
      const int gx = cx + i, gy = cy + j;
      const int wx = (gx + n) % n, wy = (gy + n) % n;
      const float px = (float(gx) + 0.2f + 0.6f * Hash01(wx, wy, seed)) / float(n);
      const float py = (float(gy) + 0.2f + 0.6f * Hash01(wx, wy, seed + 1)) / float(n);
      const float d = std::hypot(u - px, v - py);
      if (d < d1) {
        d2 = d1;
        d1 = d;
        id = wy * n + wx;
      } else if (d < d2) {
        d2 = d;
      }
    }
}

}  // namespace

Picture Amoeba(int size, int frame) {
  Canvas c(size, size);
  const Ramp ramp = MakeRamp(0x4CB030);
  c.Each([&](float u, float v, int x, int y) {
    float d1, d2;
    int id;
    Worley(u, v, 3, 900, d1, d2, id);
    // Each cell swells and dims on its own beat.
    const float beat = std::sin(2 * Pi * float(frame) / 8 + float(id) * 1.7f);
    const float wall = d2 - d1;
    float t = 0.3f + 0.4f * std::min(1.0f, wall * 5) + 0.14f * beat;
    if (wall < 0.03f - 0.012f * beat) t = 0.04f;
    const float nucleus = 0.04f + 0.015f * beat;
    if (d1 < nucleus) t = 0.12f;
    if (d1 < nucleus * 0.45f) t = 1.0f;
    c.Set(x, y, ShadeAt(ramp, t, x, y));
  });
  return c.Take();
}

Picture Slime(int size, int frame) {
  Canvas c(size, size);
  const Ramp gel = MakeRamp(0x2A9C8C);
  c.Each([&](float u, float v, int x, int y) {
    float t = 0.38f + 0.2f * (Noise(u * 3, v * 3, 3, 950) - 0.5f) - 0.18f * v;
    // Slow vertical streaks of thicker goo.
    t += 0.14f * std::sin(u * 2 * Pi * 3 + std::sin(v * 5 + float(frame) * Pi / 4) * 0.6f);
    c.Set(x, y, ShadeAt(gel, t, x, y));
  });
  // Drips hang from the top and let go, each on its own schedule.
  for (int k = 0; k < 3; ++k) {
    const float du = 0.18f + 0.32f * float(k) + 0.04f * Hash01(k, 3, 951);
    const int phase = (frame + k * 3) % 8;
    const float len = 0.1f + 0.07f * float(std::min(phase, 5));
    c.Ellipse(du, 0.0f, 0.07f, len, gel[3]);
    c.Ellipse(du - 0.02f, 0.0f, 0.025f, len * 0.8f, gel[4]);
    if (phase >= 5) {
      const float dropV = len + 0.12f * float(phase - 4);
      c.Ellipse(du, dropV, 0.05f, 0.06f, gel[3]);
      c.Ellipse(du - 0.015f, dropV - 0.02f, 0.015f, 0.015f, pal::White);
    }
  }
  c.Rect(0, 0, 1, 1.0f / float(size) * 1.5f, gel[4]);  // glossy top lip
  return c.Take();
}

Picture Acid(int size, int frame) {
  Canvas c(size, size);
  const Ramp liquid = MakeRamp(0xA8D020);
  const float a = 2 * Pi * float(frame) / 8;
  c.Each([&](float u, float v, int x, int y) {
    // Sampling the noise along a circle makes the cycle loop.
    float t =
        0.45f +
        0.45f * (Noise(u * 4 + 0.6f * std::cos(a), v * 4 + 0.6f * std::sin(a), 4, 960) - 0.5f);
    t += 0.2f * (Noise(u * 8 - 0.8f * std::sin(a), v * 8 + 0.8f * std::cos(a), 8, 961) - 0.5f);
    c.Set(x, y, ShadeAt(liquid, t, x, y));
  });
  for (int k = 0; k < 4; ++k) {
    const float bu = 0.15f + 0.7f * Hash01(k, 1, 962);
    float bv = std::fmod(Hash01(k, 2, 962) + 1.0f - float(frame) / 8.0f, 1.0f);
    const float r = 0.04f + 0.05f * Hash01(k, 3, 962) * (1 - bv);  // grow as they rise
    c.Ellipse(bu, bv, r + 0.02f, r + 0.02f, liquid[4]);
    c.Ellipse(bu + 0.01f, bv + 0.01f, r, r, liquid[1]);
    c.Ellipse(bu - r * 0.4f, bv - r * 0.4f, 0.015f, 0.015f, pal::White);
  }
  return c.Take();
}

}  // namespace assetgen

// Brick walls, the magic wall and steel plates: opaque tiles that must tile seamlessly.

#include <algorithm>
#include <cmath>

#include "art.h"
#include "palette.h"

namespace assetgen {

namespace {

struct Coursing {
  int Rows;    // courses per tile
  int PerRow;  // bricks per course
};
constexpr Coursing Courses[4] = {{4, 2}, {2, 2}, {4, 2}, {3, 1}};

// Paints bricks; glow(u, v, isMortar) may lift a pixel's brightness.
template <typename Glow>
void PaintBricks(Canvas& c, const Ramp& brick, Rgb mortar, Coursing k, std::uint32_t seed,
                 Glow glow) {
  const int size = c.W();
  const int h = size / k.Rows, w = size / k.PerRow;
  for (int y = 0; y < size; ++y) {
    const int row = std::min(y / h, k.Rows - 1), yy = y - row * h;
    const int shift = (row % 2) * (w / 2);
    for (int x = 0; x < size; ++x) {
      const int xs = (x + shift) % size, col = xs / w, xx = xs % w;
      const float u = (float(x) + 0.5f) / float(size), v = (float(y) + 0.5f) / float(size);
      const bool isMortar = yy == h - 1 || xx == w - 1;
      if (isMortar) {
        c.Set(x, y, Mix(mortar, pal::White, glow(u, v, true)));
        continue;
      }
      float t = 0.5f + 0.16f * (Hash01(seed, std::uint32_t(row), std::uint32_t(col)) - 0.5f);
      if (yy == 0 || xx == 0) t += 0.3f;           // lit top and left edges
      if (yy == h - 2 || xx == w - 2) t -= 0.25f;  // shaded bottom and right
      t += 0.12f * (Hash01(std::uint32_t(x), std::uint32_t(y), seed) - 0.5f);
      t += glow(u, v, false);
      c.Set(x, y, ShadeAt(brick, t, x, y));
    }
  }
}

}  // namespace

Picture BrickWall(int size, int style) {
  Canvas c(size, size);
  const Ramp ramp = MakeRamp(BrickBase[style]);
  PaintBricks(c, ramp, ramp[0], Courses[style], 300 + std::uint32_t(style),
              [](float, float, bool) { return 0.0f; });
  return c.Take();
}

Picture MagicWall(int size, int style, int frame) {
  Canvas c(size, size);
  static constexpr Rgb Base[2] = {0x7048A8, 0x30809A};
  static constexpr Rgb Glow[2] = {0xD8A0FF, 0x80F0FF};
  const Ramp ramp = MakeRamp(Base[style]);
  // A band of light sweeps down the mortar; frame 0 has it out of sight, which is also how a
  // spent wall looks.
  const float band = float(frame) / 7.0f * 1.3f - 0.15f;
  PaintBricks(c, ramp, Mix(ramp[0], Glow[style], frame ? 0.3f : 0.0f), Courses[0],
              400 + std::uint32_t(style), [&](float u, float v, bool mortar) {
                if (frame == 0) return 0.0f;
                const float d = std::abs(v + 0.25f * u - band);
                const float k = std::max(0.0f, 1.0f - d / 0.22f);
                return mortar ? k : 0.3f * k;
              });
  if (frame) {
    for (int k = 0; k < 2; ++k) {  // loose motes of light in the band
      const float u = Hash01(std::uint32_t(frame), k, 7u + std::uint32_t(style));
      const float v = band - 0.25f * u + 0.1f * (float(k) - 0.5f);
      c.Ellipse(u, v, 0.03f, 0.03f, pal::White);
    }
  }
  return c.Take();
}

Picture SteelWall(int size, int style, int frame) {
  Canvas c(size, size);
  const Ramp ramp = MakeRamp(SteelBase[style]);
  const int edge = std::max(2, size / 16);
  // Frames after the first carry a glint across the plate, for the covering animation.
  const float glint = frame ? float(frame - 1) / 6.0f * 2.6f - 0.3f : -9.0f;
  c.Each([&](float u, float v, int x, int y) {
    float t = 0.52f + 0.1f * (Noise(u * 2, v * 16, 16, 500u + std::uint32_t(style)) - 0.5f);
    t += 0.12f * (0.5f - v);
    if (x < edge || y < edge) t = 0.86f;
    if (x >= size - edge || y >= size - edge) t = 0.18f;
    if ((x < edge && y >= size - edge + (x - edge) + 1) || (y < edge && x >= size - y - 1))
      t = 0.5f;
    if (std::abs(u + v - glint) < 0.1f) t += 0.3f;
    c.Set(x, y, ShadeAt(ramp, t, x, y));
  });
  const float rv = 0.22f;
  for (float ru : {rv, 1 - rv})
    for (float rr : {rv, 1 - rv}) {
      c.Ellipse(ru + 0.025f, rr + 0.03f, 0.08f, 0.08f, ramp[0]);
      c.Ball(ru, rr, 0.075f, ramp, 2.0f);
    }
  return c.Take();
}

}  // namespace assetgen

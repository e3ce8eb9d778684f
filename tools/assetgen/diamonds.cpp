// Cut gems with a sparkle cycle, and the sparkles of a gem being born.

#include <cmath>
#include <vector>

#include "art.h"
#include "palette.h"
#include "sparkle.h"

namespace assetgen {

namespace {

constexpr float Pi = 3.14159265f;

struct Facet {
  std::vector<float> Uv;
  float Light;  // brightness under the fixed top-left light
};

// Brilliant cut seen from the side: crown above the girdle, pavilion down to the culet.
std::vector<Facet> Facets() {
  const float t1u = 0.3f, t2u = 0.7f, tv = 0.17f, gv = 0.4f;
  return {
      {{t1u, tv, 0.10f, gv, 0.32f, gv}, 0.98f},
      {{t1u, tv, 0.5f, tv, 0.5f, gv, 0.32f, gv}, 0.82f},
      {{0.5f, tv, t2u, tv, 0.68f, gv, 0.5f, gv}, 0.66f},
      {{t2u, tv, 0.90f, gv, 0.68f, gv}, 0.5f},
      {{0.10f, gv, 0.32f, gv, 0.5f, 0.9f}, 0.6f},
      {{0.32f, gv, 0.5f, gv, 0.5f, 0.9f}, 0.78f},
      {{0.5f, gv, 0.68f, gv, 0.5f, 0.9f}, 0.42f},
      {{0.68f, gv, 0.90f, gv, 0.5f, 0.9f}, 0.26f},
  };
}

// scale shrinks the gem about its centre; glow lifts every facet toward white.
void PaintGem(Canvas& c, int style, int frame, float scale, float glow) {
  const Ramp ramp = MakeRamp(DiamondBase[style]);
  const auto facets = Facets();
  c.Each([&](float u, float v, int x, int y) {
    const float gu = 0.5f + (u - 0.5f) / scale, gv = 0.53f + (v - 0.53f) / scale;
    for (std::size_t i = 0; i < facets.size(); ++i) {
      if (!InPolygon(facets[i].Uv, gu, gv)) continue;
      // Light runs across the facets as the gem catches it.
      const float wave = 0.2f * std::sin(2 * Pi * float(frame) / 8 - float(i) * 0.8f);
      float t = facets[i].Light + wave + glow;
      c.Set(x, y, t > 1.05f ? pal::White : ramp[int(t * 4 + 0.5f)]);
      return;
    }
  });
  c.Outline(Mix(ramp[0], pal::Ink, 0.5f));
}

}  // namespace

void Sparkle(Canvas& c, float u, float v, float r, Rgb rim) {
  c.Each([&](float pu, float pv, int x, int y) {
    const float a = std::sqrt(std::abs(pu - u) / r), b = std::sqrt(std::abs(pv - v) / r);
    const float s = a + b;
    if (s < 0.55f)
      c.Set(x, y, pal::White);
    else if (s < 1.0f)
      c.Set(x, y, rim);
  });
}

Picture Diamond(int size, int style, int frame) {
  Canvas c(size, size);
  PaintGem(c, style, frame, 1.0f, 0.0f);
  const Rgb rim = MakeRamp(DiamondBase[style])[4];
  // Two glints take turns: top left, then lower right.
  static constexpr float GlintA[8] = {0, 0.14f, 0.26f, 0.16f, 0, 0, 0, 0};
  static constexpr float GlintB[8] = {0, 0, 0, 0, 0, 0.12f, 0.2f, 0.11f};
  if (GlintA[frame] > 0) Sparkle(c, 0.27f, 0.24f, GlintA[frame], rim);
  if (GlintB[frame] > 0) Sparkle(c, 0.66f, 0.5f, GlintB[frame], rim);
  return c.Take();
}

Picture DiamondBirth(int size, int style, int stage, int image) {
  Canvas c(size, size);
  const Rgb rim = MakeRamp(DiamondBase[style])[3];
  static constexpr float Scale[4] = {0, 0.35f, 0.65f, 0.92f};
  if (stage > 0) PaintGem(c, style, stage * 2 + image, Scale[stage], 0.45f - 0.12f * float(stage));
  // A ring of glints closing in on the gem, turning between the two images.
  const int count = stage == 0 ? 3 : 4;
  const float ring = 0.4f - 0.08f * float(stage);
  for (int k = 0; k < count; ++k) {
    const float a = 2 * Pi * float(k) / float(count) + float(image) * 0.6f + float(stage) * 0.4f;
    const float r = stage == 0 ? 0.07f + 0.05f * float((k + image) % 2) : 0.09f;
    Sparkle(c, 0.5f + ring * std::cos(a), 0.53f + ring * std::sin(a), r, rim);
  }
  if (stage == 0) Sparkle(c, 0.5f, 0.53f, image ? 0.16f : 0.1f, rim);
  return c.Take();
}

}  // namespace assetgen

#pragma once
// A small software painter for the generated art. Shapes are described in tile units (0..1
// across the tile) and evaluated per pixel, so the same code paints crisp 32- and 40-pixel
// tiles. Shading is quantised to palette ramps, lit from the top left.

#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

#include "render/media_types.h"

namespace assetgen {

using krattle::Picture;
using krattle::Rgb;

inline constexpr Rgb Clear = krattle::TransparentMagenta;

// Dark to light, five steps of one material.
struct Ramp {
  Rgb C[5];
  Rgb operator[](int i) const { return C[i < 0 ? 0 : i > 4 ? 4 : i]; }
};

// The one light of the art: from the upper left, slightly in front.
struct Vec3 {
  float X, Y, Z;
};
inline constexpr Vec3 Light{-0.55f, -0.65f, 0.52f};

// Deterministic hashing for textures; no state, no library randomness.
std::uint32_t Hash(std::uint32_t a, std::uint32_t b = 0, std::uint32_t c = 0);
float Hash01(std::uint32_t a, std::uint32_t b = 0, std::uint32_t c = 0);
// Smooth value noise in 0..1 with a period of `period` cells on both axes.
float Noise(float x, float y, int period, std::uint32_t seed);

// Picks a ramp step for brightness t (0..1), with a 4x4 ordered dither between steps.
Rgb ShadeAt(const Ramp& ramp, float t, int x, int y);

Rgb Mix(Rgb a, Rgb b, float t);
Rgb Scale(Rgb a, float k);

class Canvas {
 public:
  Canvas(int w, int h, Rgb fill = Clear) : pic_(w, h, fill) {}

  int W() const { return pic_.Width; }
  int H() const { return pic_.Height; }
  // Tile unit: the smaller side, so a square tile spans 0..1.
  float S() const { return float(pic_.Width < pic_.Height ? pic_.Width : pic_.Height); }

  Rgb Get(int x, int y) const { return Inside(x, y) ? pic_.At(x, y) : Clear; }
  void Set(int x, int y, Rgb c) {
    if (Inside(x, y)) pic_.At(x, y) = c;
  }
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < W() && y < H(); }

  // Calls fn(u, v, x, y) for every pixel, u and v in tile units at the pixel centre.
  void Each(const std::function<void(float u, float v, int x, int y)>& fn);

  void Rect(float u0, float v0, float u1, float v1, Rgb c);
  void Ellipse(float cu, float cv, float ru, float rv, Rgb c);
  void Polygon(const std::vector<float>& uv, Rgb c);
  void Line(float u0, float v0, float u1, float v1, float width, Rgb c);
  // A shaded ball with a highlight, lit by Light.
  void Ball(float cu, float cv, float r, const Ramp& ramp, float highlight = 1.0f);

  // Paints the outermost ring of opaque pixels (next to transparent ones) in c.
  void Outline(Rgb c);
  // Paints the transparent pixels touching opaque ones (8 neighbours): a rim outside the shape.
  void Halo(Rgb c);
  // Adds a dark copy offset by (dx, dy) pixels under the opaque pixels.
  void DropShadow(int dx, int dy, Rgb c);
  void Blit(const Picture& src, int x, int y);

  Picture& Pic() { return pic_; }
  Picture Take() { return std::move(pic_); }

 private:
  Picture pic_;
};

// Point-in-polygon in tile units.
bool InPolygon(const std::vector<float>& uv, float u, float v);

}  // namespace assetgen

#include "raster.h"

#include <algorithm>

namespace assetgen {

std::uint32_t Hash(std::uint32_t a, std::uint32_t b, std::uint32_t c) {
  std::uint32_t h =
      a * 0x9E3779B1u ^ (b + 0x7F4A7C15u) * 0x85EBCA77u ^ (c + 0x165667B1u) * 0xC2B2AE3Du;
  h ^= h >> 15;
  h *= 0x2C1B3C6Du;
  h ^= h >> 12;
  h *= 0x297A2D39u;
  h ^= h >> 15;
  return h;
}

float Hash01(std::uint32_t a, std::uint32_t b, std::uint32_t c) {
  return float(Hash(a, b, c) >> 8) / float(1u << 24);
}

float Noise(float x, float y, int period, std::uint32_t seed) {
  const float fx = std::floor(x), fy = std::floor(y);
  const int ix = int(fx), iy = int(fy);
  const float tx = x - fx, ty = y - fy;
  auto at = [&](int i, int j) {
    const int pi = ((i % period) + period) % period, pj = ((j % period) + period) % period;
    return Hash01(std::uint32_t(pi), std::uint32_t(pj), seed);
  };
  const float sx = tx * tx * (3 - 2 * tx), sy = ty * ty * (3 - 2 * ty);
  const float a = at(ix, iy) + (at(ix + 1, iy) - at(ix, iy)) * sx;
  const float b = at(ix, iy + 1) + (at(ix + 1, iy + 1) - at(ix, iy + 1)) * sx;
  return a + (b - a) * sy;
}

Rgb ShadeAt(const Ramp& ramp, float t, int x, int y) {
  static constexpr int Bayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
  t = std::clamp(t, 0.0f, 1.0f) * 4.0f;
  int i = int(t);
  const float frac = t - float(i);
  if (frac > (Bayer[y & 3][x & 3] + 0.5f) / 16.0f) ++i;
  return ramp[i];
}

Rgb Mix(Rgb a, Rgb b, float t) {
  t = std::clamp(t, 0.0f, 1.0f);
  auto ch = [&](int s) {
    const float x = float((a >> s) & 255), y = float((b >> s) & 255);
    return Rgb(std::lround(x + (y - x) * t)) << s;
  };
  Rgb c = ch(16) | ch(8) | ch(0);
  return c == Clear ? 0xFE00FE : c;
}

Rgb Scale(Rgb a, float k) {
  auto ch = [&](int s) {
    return Rgb(std::clamp(std::lround(float((a >> s) & 255) * k), 0L, 255L)) << s;
  };
  Rgb c = ch(16) | ch(8) | ch(0);
  return c == Clear ? 0xFE00FE : c;
}

void Canvas::Each(const std::function<void(float, float, int, int)>& fn) {
  const float s = S();
  for (int y = 0; y < H(); ++y)
    for (int x = 0; x < W(); ++x) fn((float(x) + 0.5f) / s, (float(y) + 0.5f) / s, x, y);
}

void Canvas::Rect(float u0, float v0, float u1, float v1, Rgb c) {
  Each([&](float u, float v, int x, int y) {
    if (u >= u0 && u < u1 && v >= v0 && v < v1) Set(x, y, c);
  });
}

void Canvas::Ellipse(float cu, float cv, float ru, float rv, Rgb c) {
  Each([&](float u, float v, int x, int y) {
    const float du = (u - cu) / ru, dv = (v - cv) / rv;
    if (du * du + dv * dv <= 1.0f) Set(x, y, c);
  });
}

bool InPolygon(const std::vector<float>& p, float u, float v) {
  bool in = false;
  const std::size_t n = p.size() / 2;
  for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
    const float ui = p[2 * i], vi = p[2 * i + 1], uj = p[2 * j], vj = p[2 * j + 1];
    if ((vi > v) != (vj > v) && u < (uj - ui) * (v - vi) / (vj - vi) + ui) in = !in;
  }
  return in;
}

void Canvas::Polygon(const std::vector<float>& uv, Rgb c) {
  Each([&](float u, float v, int x, int y) {
    if (InPolygon(uv, u, v)) Set(x, y, c);
  });
}

void Canvas::Line(float u0, float v0, float u1, float v1, float width, Rgb c) {
  const float du = u1 - u0, dv = v1 - v0, len2 = du * du + dv * dv;
  Each([&](float u, float v, int x, int y) {
    float t = len2 > 0 ? ((u - u0) * du + (v - v0) * dv) / len2 : 0;
    t = std::clamp(t, 0.0f, 1.0f);
    const float eu = u0 + t * du - u, ev = v0 + t * dv - v;
    if (eu * eu + ev * ev <= width * width / 4) Set(x, y, c);
  });
}

void Canvas::Ball(float cu, float cv, float r, const Ramp& ramp, float highlight) {
  const float ll = std::sqrt(Light.X * Light.X + Light.Y * Light.Y + Light.Z * Light.Z);
  Each([&](float u, float v, int x, int y) {
    const float nx = (u - cu) / r, ny = (v - cv) / r, d2 = nx * nx + ny * ny;
    if (d2 > 1.0f) return;
    const float nz = std::sqrt(1.0f - d2);
    float lambert = (nx * Light.X + ny * Light.Y + nz * Light.Z) / ll;
    float t = 0.18f + 0.72f * std::max(0.0f, lambert);
    // Highlight toward the light.
    const float hx = nx + 0.38f, hy = ny + 0.42f;
    if (hx * hx + hy * hy < 0.045f * highlight) t = 1.0f;
    Set(x, y, ShadeAt(ramp, t, x, y));
  });
}

void Canvas::Outline(Rgb c) {
  Picture src = pic_;
  for (int y = 0; y < H(); ++y)
    for (int x = 0; x < W(); ++x) {
      if (src.At(x, y) == Clear) continue;
      auto clear = [&](int a, int b) {
        return a < 0 || b < 0 || a >= W() || b >= H() ? false : src.At(a, b) == Clear;
      };
      if (clear(x - 1, y) || clear(x + 1, y) || clear(x, y - 1) || clear(x, y + 1)) Set(x, y, c);
    }
}

void Canvas::Halo(Rgb c) {
  Picture src = pic_;
  for (int y = 0; y < H(); ++y)
    for (int x = 0; x < W(); ++x) {
      if (src.At(x, y) != Clear) continue;
      bool touch = false;
      for (int j = -1; j <= 1 && !touch; ++j)
        for (int i = -1; i <= 1; ++i) {
          const int a = x + i, b = y + j;
          if (a >= 0 && b >= 0 && a < W() && b < H() && src.At(a, b) != Clear) touch = true;
        }
      if (touch) Set(x, y, c);
    }
}

void Canvas::DropShadow(int dx, int dy, Rgb c) {
  Picture src = pic_;
  for (int y = 0; y < H(); ++y)
    for (int x = 0; x < W(); ++x) {
      const int sx = x - dx, sy = y - dy;
      if (src.At(x, y) == Clear && sx >= 0 && sy >= 0 && sx < W() && sy < H() &&
          src.At(sx, sy) != Clear)
        Set(x, y, c);
    }
}

void Canvas::Blit(const Picture& src, int x0, int y0) {
  for (int y = 0; y < src.Height; ++y)
    for (int x = 0; x < src.Width; ++x)
      if (src.At(x, y) != Clear) Set(x0 + x, y0 + y, src.At(x, y));
}

}  // namespace assetgen

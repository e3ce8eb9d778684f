#include "lettering.h"

#include <algorithm>
#include <vector>

#include "pixel_font.h"

namespace assetgen {

namespace {

// The classic pixel-doubling rule that rounds staircase diagonals.
std::vector<char> Double(const std::vector<char>& src, int w, int h) {
  auto at = [&](int x, int y) {
    return x < 0 || y < 0 || x >= w || y >= h ? 0 : src[std::size_t(y) * w + x];
  };
  std::vector<char> out(std::size_t(4) * w * h, 0);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const char p = at(x, y), a = at(x, y - 1), b = at(x + 1, y), c = at(x - 1, y),
                 d = at(x, y + 1);
      char e1 = p, e2 = p, e3 = p, e4 = p;
      if (c == a && c != d && a != b) e1 = a;
      if (a == b && a != c && b != d) e2 = b;
      if (d == c && d != b && c != a) e3 = c;
      if (b == d && b != a && d != c) e4 = d;
      const std::size_t row = std::size_t(2 * y) * 2 * w;
      out[row + 2 * x] = e1;
      out[row + 2 * x + 1] = e2;
      out[row + 2 * w + 2 * x] = e3;
      out[row + 2 * w + 2 * x + 1] = e4;
    }
  return out;
}

}  // namespace

int SmallTextWidth(const std::string& text, int scale) {
  return int(text.size()) * 6 * scale - scale;
}
int BlockTextWidth(const std::string& text, int block) {
  return (int(text.size()) * 6 - 1) * 2 * (block / 2);
}
int BlockTextHeight(int block) {
  return 14 * (block / 2);
}

void SmallText(Canvas& c, int x, int y, const std::string& text, int scale, const Ramp& ramp) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char* const* rows = GlyphRows(text[i]);
    if (!rows) continue;
    for (int r = 0; r < 7; ++r)
      for (int col = 0; col < 5; ++col) {
        if (rows[r][col] != '#') continue;
        for (int dy = 0; dy < scale; ++dy)
          for (int dx = 0; dx < scale; ++dx) {
            const int py = r * scale + dy;
            // Bright at the top of the letter, deeper toward the foot.
            const int step = py < 2 * scale ? 4 : py < 4 * scale ? 3 : py < 6 * scale ? 2 : 1;
            c.Set(x + (int(i) * 6 + col) * scale + dx, y + py, ramp[step]);
          }
      }
  }
}

void BlockText(Canvas& c, int x, int y, const std::string& text, int block, const Ramp& ramp) {
  // Letters as solid shapes: the glyph cells merge, diagonals are smoothed by one doubling
  // step, and the bevel follows the outline.
  const int cw = int(text.size()) * 6 - 1;
  std::vector<char> cells(std::size_t(cw) * 7, 0);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char* const* rows = GlyphRows(text[i]);
    if (!rows) continue;
    for (int r = 0; r < 7; ++r)
      for (int col = 0; col < 5; ++col)
        if (rows[r][col] == '#') cells[std::size_t(r) * cw + int(i) * 6 + col] = 1;
  }
  const std::vector<char> fine = Double(cells, cw, 7);
  const int half = block / 2;
  const int w = 2 * cw * half, h = 14 * half;
  std::vector<char> mask(std::size_t(w) * h, 0);
  for (int py = 0; py < h; ++py)
    for (int px = 0; px < w; ++px)
      mask[std::size_t(py) * w + px] = fine[std::size_t(py / half) * 2 * cw + px / half];
  auto in = [&](int px, int py) {
    return px >= 0 && py >= 0 && px < w && py < h && mask[std::size_t(py) * w + px];
  };
  const int bevel = std::max(1, block / 4);
  for (int py = 0; py < h; ++py)
    for (int px = 0; px < w; ++px) {
      if (!in(px, py)) continue;
      // Polished metal: bright top, a shine line, a deeper foot.
      float t = 0.82f - 0.55f * float(py) / float(h);
      if (py > h * 3 / 10 && py < h * 4 / 10) t += 0.22f;
      for (int k = 1; k <= bevel; ++k) {
        if (!in(px - k, py - k) || !in(px - k, py) || !in(px, py - k)) {
          t = 1.0f;
          break;
        }
        if (!in(px + k, py + k) || !in(px + k, py) || !in(px, py + k)) {
          t = 0.1f;
          break;
        }
      }
      c.Set(x + px, y + py, ShadeAt(ramp, t, x + px, y + py));
    }
}

}  // namespace assetgen

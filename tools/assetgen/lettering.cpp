#include "lettering.h"

#include <algorithm>
#include <vector>

#include "pixel_font.h"

namespace assetgen {

int SmallTextWidth(const std::string& text, int scale) {
  return int(text.size()) * 6 * scale - scale;
}
int BlockTextWidth(const std::string& text, int block) {
  return int(text.size()) * 6 * block - block;
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
  // Letters as solid shapes: the glyph cells merge, and the bevel follows the outline.
  const int w = BlockTextWidth(text, block), h = 7 * block;
  std::vector<char> mask(std::size_t(w) * h, 0);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char* const* rows = GlyphRows(text[i]);
    if (!rows) continue;
    for (int r = 0; r < 7; ++r)
      for (int col = 0; col < 5; ++col)
        if (rows[r][col] == '#')
          for (int dy = 0; dy < block; ++dy)
            for (int dx = 0; dx < block; ++dx)
              mask[std::size_t(r * block + dy) * w + (int(i) * 6 + col) * block + dx] = 1;
  }
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

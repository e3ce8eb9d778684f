#include "lettering.h"

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
  const int bevel = block >= 12 ? 3 : block >= 6 ? 2 : 1;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char* const* rows = GlyphRows(text[i]);
    if (!rows) continue;
    for (int r = 0; r < 7; ++r)
      for (int col = 0; col < 5; ++col) {
        if (rows[r][col] != '#') continue;
        const int bx = x + (int(i) * 6 + col) * block, by = y + r * block;
        for (int dy = 0; dy < block; ++dy)
          for (int dx = 0; dx < block; ++dx) {
            float t = 0.55f - 0.25f * float(r) / 6.0f;
            if (dy < bevel || dx < bevel) t = 0.95f;
            if (dy >= block - bevel || dx >= block - bevel) t = 0.12f;
            if (dx >= block - bevel && dy < bevel && dx + dy < block) t = 0.6f;
            if (dx < bevel && dy >= block - bevel && dx + dy < block) t = 0.6f;
            // A few scratches so the blocks read as metal, not flat paint.
            if (dy > bevel && dy < block - bevel && dx > bevel && dx < block - bevel &&
                Hash01(bx + dx, by + dy, 31) > 0.93f)
              t += 0.2f;
            c.Set(bx + dx, by + dy, ShadeAt(ramp, t, bx + dx, by + dy));
          }
      }
  }
}

}  // namespace assetgen

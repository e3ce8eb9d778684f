// The title picture, the frame over the cave preview and the high-score panel. Magenta is left
// wherever the steel wallpaper or the cave preview should show through.

#include <algorithm>

#include "art.h"
#include "lettering.h"
#include "palette.h"

namespace assetgen {

namespace {

const Ramp& Gold() {
  static const Ramp r = MakeRamp(0xE0A028);
  return r;
}

// Some of the pixels dark: reads as a tinted glass pane over whatever shows through.
void Shade(Canvas& c, int x0, int y0, int x1, int y1, Rgb tint, bool dense = false) {
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x)
      if (dense ? !(x % 2 && y % 2) : (x + y) % 2 == 0) c.Set(x, y, tint);
}

void Bevel(Canvas& c, int x0, int y0, int x1, int y1, int w, const Ramp& ramp) {
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) {
      const int dl = x - x0, dt = y - y0, dr = x1 - 1 - x, db = y1 - 1 - y;
      const int d = std::min({dl, dt, dr, db});
      if (d >= w) continue;
      const bool lit = (dl == d || dt == d) && !(dr == d || db == d);
      c.Set(x, y, ramp[d == 0 || d == w - 1 ? 0 : lit ? 4 : 2]);
    }
}

}  // namespace

Picture TitlePicture(int width, int height, int tile) {
  Canvas c(width, height);
  const int block = tile == 32 ? 14 : 18;
  const std::string name = "KRATTLE";
  const int tw = BlockTextWidth(name, block), th = BlockTextHeight(block);
  const int x = (width - tw) / 2, y = height * 2 / 9;
  Shade(c, 0, y - block, width, y + th + block, 0x080610);
  for (int k : {y - block, y + th + block - 3})
    for (int yy = k; yy < k + 3; ++yy)
      for (int xx = 0; xx < width; ++xx) c.Set(xx, yy, Gold()[yy == k + 1 ? 4 : 1]);
  Canvas letters(width, height);
  BlockText(letters, x, y, name, block, Gold());
  letters.Halo(pal::Ink);
  letters.DropShadow(block / 3, block / 3, 0x0A0612);
  c.Blit(letters.Pic(), 0, 0);

  const int small = tile == 32 ? 2 : 3;
  const std::string tag = "DIG  DODGE  ESCAPE";
  const int tagW = SmallTextWidth(tag, small), tagX = (width - tagW) / 2, tagY = y + th + block * 2;
  Shade(c, tagX - 3 * small, tagY - 2 * small, tagX + tagW + 3 * small, tagY + 9 * small, 0x080610,
        true);
  Canvas sub(width, height);
  SmallText(sub, tagX, tagY, tag, small, MakeRamp(0x90B8E8));
  sub.Halo(pal::Ink);
  c.Blit(sub.Pic(), 0, 0);

  // A strip of cave along the foot: the cast of the game on a row of dirt.
  const int ground = height - tile;
  for (int k = 0; k * tile < width; ++k) c.Blit(Dirt(tile, 0, k % 4), k * tile, ground);
  c.Blit(Dravik(tile, Pose::WalkRight, 2), 3 * tile, ground - tile);
  c.Blit(Boulder(tile, 0, 0), 7 * tile, ground - tile);
  c.Blit(Boulder(tile, 0, 1), 8 * tile, ground - tile);
  c.Blit(Boulder(tile, 0, 2), 8 * tile, ground - 2 * tile);
  c.Blit(Diamond(tile, 0, 2), 11 * tile, ground - tile);
  c.Blit(Diamond(tile, 1, 0), 12 * tile, ground - tile);
  c.Blit(Butterfly(tile, 0, 1), 15 * tile, ground - 2 * tile);
  c.Blit(Firefly(tile, 0, 0), 17 * tile, ground - tile);
  return c.Take();
}

Picture PreviewFrame(int width, int height, int tile) {
  Canvas c(width, height);
  const Ramp steel = MakeRamp(SteelBase[0]);
  const int w = tile == 32 ? 6 : 8;
  Bevel(c, 0, 24, width, height, w, steel);
  // A small name plate in the lower border.
  const int block = tile == 32 ? 4 : 6;
  const std::string name = "KRATTLE";
  const int tw = BlockTextWidth(name, block), th = BlockTextHeight(block);
  const int px = (width - tw) / 2 - 3 * block, py = height - th - 4 * block;
  Canvas plate(width, height);
  for (int yy = py; yy < py + th + 4 * block; ++yy)
    for (int xx = px; xx < px + tw + 6 * block; ++xx) plate.Set(xx, yy, 0x100C1C);
  Bevel(plate, px, py, px + tw + 6 * block, py + th + 4 * block, 2, steel);
  BlockText(plate, px + 3 * block, py + 2 * block, name, block, Gold());
  c.Blit(plate.Pic(), 0, 0);
  return c.Take();
}

Picture HighScorePanel(int width, int height, int tile) {
  Canvas c(width, height);
  // Rows of names and scores are drawn by the game over this panel.
  const int x0 = tile == 32 ? 48 : 128, x1 = width - x0;
  const int y0 = tile == 32 ? 36 : 80, y1 = tile == 32 ? 366 : 408;
  Shade(c, x0, y0, x1, y1, 0x0A0818, true);
  Bevel(c, x0, y0, x1, y1, 5, MakeRamp(SteelBase[0]));
  for (int y = y0 + 5; y < y0 + 46; ++y)
    for (int x = x0 + 5; x < x1 - 5; ++x) c.Set(x, y, 0x141028);
  const std::string head = "HIGH SCORES";
  Canvas text(width, height);
  SmallText(text, (width - SmallTextWidth(head, 4)) / 2, y0 + 11, head, 4, Gold());
  text.Halo(pal::Ink);
  c.Blit(text.Pic(), 0, 0);
  return c.Take();
}

}  // namespace assetgen

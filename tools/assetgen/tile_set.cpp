#include "art.h"
#include "sets.h"

namespace assetgen {

using krattle::ImageItem;
using krattle::ImageList;

ImageItem AsItem(Picture pic) {
  ImageItem item;
  item.Pic = std::move(pic);
  item.SystemMemory = true;
  item.Transparent = true;
  item.TransparentColor = krattle::TransparentMagenta;
  return item;
}

ImageList BuildTileSet(int t) {
  ImageList list;
  auto add = [&](Picture p) { list.Items.push_back(AsItem(std::move(p))); };
  add(Bomb(t));
  add(Clock(t));
  for (int i = 0; i < 6; ++i) add(DravikBirth(t, i / 2, i % 2));
  add(Dravik(t, Pose::Stand, 0));
  for (Pose p : {Pose::Blink, Pose::Tap, Pose::BlinkTap, Pose::WalkLeft, Pose::WalkRight})
    for (int f = 0; f < 8; ++f) add(Dravik(t, p, f));
  for (int f = 0; f < 8; ++f) add(Amoeba(t, f));
  for (int f = 0; f < 8; ++f) add(Slime(t, f));
  for (int f = 0; f < 8; ++f) add(Acid(t, f));
  for (int i = 0; i < 8; ++i) add(Explosion(t, i / 2, i % 2));
  for (int s = 0; s < 4; ++s)
    for (int f = 0; f < 4; ++f) add(Boulder(t, s, f));
  for (int s = 0; s < 9; ++s)
    for (int k = 0; k < 4; ++k) add(Dirt(t, s, k));
  for (int s = 0; s < 4; ++s) add(BrickWall(t, s));
  for (int s = 0; s < 2; ++s)
    for (int f = 0; f < 8; ++f) add(MagicWall(t, s, f));
  for (int s = 0; s < 4; ++s)
    for (int f = 0; f < 8; ++f) add(SteelWall(t, s, f));
  for (int s = 0; s < 4; ++s)
    for (int f = 0; f < 8; ++f) add(Firefly(t, s, f));
  for (int s = 0; s < 4; ++s)
    for (int f = 0; f < 8; ++f) add(Butterfly(t, s, f));
  for (int s = 0; s < 4; ++s)
    for (int i = 0; i < 8; ++i) add(DiamondBirth(t, s, i / 2, i % 2));
  for (int s = 0; s < 4; ++s)
    for (int f = 0; f < 8; ++f) add(Diamond(t, s, f));
  for (int s = 0; s < 4; ++s) add(Exit(t, s, true));
  for (int s = 0; s < 4; ++s) add(Exit(t, s, false));
  add(SolidBomb(t));
  const int w = t == 32 ? 640 : 800, h = t == 32 ? 408 : 504;
  add(TitlePicture(w, h, t));
  add(PreviewFrame(w, h, t));
  add(HighScorePanel(w, h, t));
  return list;
}

}  // namespace assetgen

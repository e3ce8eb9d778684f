#include "render/tile_images.h"

#include "core/elements.h"

namespace krattle::tiles {

int ElementItem(int code, const TileStyles& s, int look, const AnimClock& a) {
  switch (code) {
    case krattle::Dirt: return DirtItem(s, look);
    case Wall:
    case MagicWall:
    case HorizExpWall:
    case VertExpWall:
    case BothDirExpWall:
    case WallFalling:
    case WallFallingFalling: return WallItem(s);
    case SteelWall: return SteelItem(s);
    case FireflyLeft:
    case FireflyUp:
    case FireflyRight:
    case FireflyDown:
    case AltButterflyDown:
    case AltButterflyLeft:
    case AltButterflyUp:
    case AltButterflyRight: return FireflyItem(s, a);
    case ButterflyDown:
    case ButterflyLeft:
    case ButterflyUp:
    case ButterflyRight:
    case AltFireflyLeft:
    case AltFireflyUp:
    case AltFireflyRight:
    case AltFireflyDown: return ButterflyItem(s, a);
    case BoulderStationary:
    case BoulderFalling:
    case BoulderGlued: return BoulderBase(s, look);
    case DiamondStationary:
    case DiamondFalling:
    case DiamondGlued: return DiamondItem(s, a);
    case krattle::Amoeba: return Amoeba + a.A8();
    case krattle::Slime: return Slime + a.A8();
    case krattle::Acid: return Acid + a.A8();
    case krattle::Clock: return Clock;
    case BombSolid:
    case BombFalling:
    case BombGlued: return SolidBomb;
    case krattle::Bomb: return Bomb;
    default: return -1;
  }
}

}  // namespace krattle::tiles

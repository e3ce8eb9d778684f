#include "render/editor_view.h"

#include <algorithm>

#include "core/elements.h"

namespace krattle {

namespace {
// Marks of the font set.
constexpr int kMarkRight = 73, kMarkDown = 74, kMarkLeft = 75, kMarkUp = 76;
constexpr int kMarkHoriz = 77, kMarkVert = 78, kMarkAll = 79, kMarkGlued = 80, kMarkFalling = 81;
constexpr int kEmptyFill = 82;
constexpr int kSelection = 70;

constexpr int kPaletteTop = 446;
int PaletteLeft(int slot) {
  return 26 * slot + 8;
}
}  // namespace

EditorCellLook EditorCellPicture(int code, const TileStyles& s, int look, const AnimClock& a) {
  const int a8 = a.A8();
  switch (code) {
    case Dirt: return {tiles::DirtItem(s, look)};
    case Wall: return {tiles::WallItem(s)};
    case MagicWall: return {tiles::MagicWallItem(s, a)};
    case ExitClosed: return {tiles::FirstExit + s.Exit + 4 * a.AnimPhase};
    case SteelWall: return {tiles::SteelItem(s)};
    case HorizExpWall: return {tiles::WallItem(s), kMarkHoriz};
    case VertExpWall: return {tiles::WallItem(s), kMarkVert};
    case BothDirExpWall: return {tiles::WallItem(s), kMarkAll};
    case WallFalling: return {tiles::WallItem(s), kMarkDown};
    case WallFallingFalling: return {tiles::WallItem(s), kMarkFalling};
    case FireflyLeft: return {tiles::FireflyItem(s, a), kMarkLeft};
    case FireflyUp: return {tiles::FireflyItem(s, a), kMarkUp};
    case FireflyRight: return {tiles::FireflyItem(s, a), kMarkRight};
    case FireflyDown: return {tiles::FireflyItem(s, a), kMarkDown};
    case ButterflyDown: return {tiles::ButterflyItem(s, a), kMarkDown};
    case ButterflyLeft: return {tiles::ButterflyItem(s, a), kMarkLeft};
    case ButterflyUp: return {tiles::ButterflyItem(s, a), kMarkUp};
    case ButterflyRight: return {tiles::ButterflyItem(s, a), kMarkRight};
    // The alternative creatures look like the other kind, standing still: that is how the
    // designer tells them apart.
    case AltFireflyLeft: return {tiles::FirstButterfly + 8 * s.Butterfly, kMarkLeft};
    case AltFireflyUp: return {tiles::FirstButterfly + 8 * s.Butterfly, kMarkUp};
    case AltFireflyRight: return {tiles::FirstButterfly + 8 * s.Butterfly, kMarkRight};
    case AltFireflyDown: return {tiles::FirstButterfly + 8 * s.Butterfly, kMarkDown};
    case AltButterflyDown: return {tiles::FirstFirefly + 8 * s.Firefly, kMarkDown};
    case AltButterflyLeft: return {tiles::FirstFirefly + 8 * s.Firefly, kMarkLeft};
    case AltButterflyUp: return {tiles::FirstFirefly + 8 * s.Firefly, kMarkUp};
    case AltButterflyRight: return {tiles::FirstFirefly + 8 * s.Firefly, kMarkRight};
    case BoulderStationary: return {tiles::BoulderBase(s, look)};
    case BoulderFalling: return {tiles::BoulderBase(s, look), kMarkDown};
    case BoulderGlued: return {tiles::BoulderBase(s, look), kMarkGlued};
    case DiamondStationary: return {tiles::DiamondItem(s, a)};
    case DiamondFalling: return {tiles::DiamondItem(s, a), kMarkDown};
    case DiamondGlued: return {tiles::DiamondItem(s, a), kMarkGlued};
    case Amoeba: return {tiles::Amoeba + a8};
    case Slime: return {tiles::Slime + a8};
    case Acid: return {tiles::Acid + a8};
    case Clock: return {tiles::Clock};
    case Entrance: return {tiles::DravikBlinkTap + a8};
    case Dummy: return {tiles::DravikStanding};
    case BombSolid: return {tiles::SolidBomb};
    case BombFalling: return {tiles::SolidBomb, kMarkDown};
    case BombGlued: return {tiles::SolidBomb, kMarkGlued};
    case Bomb: return {tiles::Bomb};
    default: return {};
  }
}

EditorCellLook PalettePicture(int slot, const TileStyles& s, const AnimClock& a) {
  const int a8 = a.A8();
  switch (slot) {
    case 0: return {tiles::SteelItem(s)};
    case 1: return {tiles::FirstDirt + 4 * s.Dirt};
    case 2: return {};
    case 3: return {s.Boulder == 4 ? tiles::FirstBoulder : tiles::FirstBoulder + 4 * s.Boulder};
    case 4: return {tiles::DiamondItem(s, a)};
    case 5: return {tiles::DravikBlinkTap + a8};
    case 6: return {tiles::FirstExit + s.Exit + 4 * a.AnimPhase};
    case 7: return {tiles::FireflyItem(s, a)};
    case 8: return {tiles::ButterflyItem(s, a)};
    case 9: return {tiles::WallItem(s)};
    case 10: return {tiles::MagicWallItem(s, a)};
    case 11: return {tiles::WallItem(s), kMarkHoriz};
    case 12: return {tiles::WallItem(s), kMarkVert};
    case 13: return {tiles::WallItem(s), kMarkAll};
    case 14: return {tiles::WallItem(s), kMarkDown};
    case 15: return {tiles::Amoeba + a8};
    case 16: return {tiles::Slime + a8};
    case 17: return {tiles::Acid + a8};
    case 18: return {tiles::DravikStanding};
    case 19: return {tiles::Clock};
    case 20: return {tiles::Bomb};
    case 21: return {tiles::SolidBomb};
    case 22: return {tiles::FirstFirefly + 8 * s.Firefly};
    case 23: return {tiles::FirstButterfly + 8 * s.Butterfly};
    default: return {};
  }
}

void RenderEditorView(Canvas& canvas, const EditorViewInput& in, AnimClock& clock) {
  clock.FrameStep = (clock.FrameStep + 1) & 7;
  if (clock.FrameStep == 0) clock.AnimPhase ^= 1;
  canvas.Fill(ColourBlack);

  const bool intermission = IsIntermission(in.Cave);
  for (int i = 0; i < 22; ++i) {
    for (int j = 0; j < 40; ++j) {
      const int x = EditorCell * j, y = EditorCell * i;
      // Outside an intermission's 20 x 12 nothing is played, whatever is stored there.
      if (intermission && (i > 11 || j > 19)) {
        canvas.StretchItem(ImageListId::Images, tiles::SteelItem(in.Styles), x, y, x + 20, y + 20);
        continue;
      }
      const EditorCellLook l = EditorCellPicture(in.Set.MapCell(in.Cave, in.Level, j, i), in.Styles,
                                                 in.Looks[j + 40 * i], clock);
      if (l.Picture >= 0) canvas.StretchItem(ImageListId::Images, l.Picture, x, y, x + 20, y + 20);
      if (l.Mark >= 0) canvas.StretchItem(ImageListId::Fonts, l.Mark, x, y, x + 20, y + 20);
    }
  }

  const int choice = in.PaletteChoice;
  if (choice >= 0) canvas.DrawItem(ImageListId::Fonts, kSelection, 26 * choice + 4, 442);
  int selected = -1;
  for (int k = 0; k < PaletteSlots; ++k) {
    const EditorCellLook l = PalettePicture(k, in.Styles, clock);
    const int x = PaletteLeft(k);
    if (l.Picture >= 0)
      canvas.StretchItem(ImageListId::Images, l.Picture, x, kPaletteTop, x + 20, kPaletteTop + 20);
    if (l.Mark >= 0)
      canvas.StretchItem(ImageListId::Fonts, l.Mark, x, kPaletteTop, x + 20, kPaletteTop + 20);
    if (k == choice) selected = l.Picture;
  }

  const EditorRect& r = in.Rect;
  if (r.Active && choice >= 0 && r.StartX < r.CornerX && r.StartY < r.CornerY) {
    for (int y = r.StartY; y <= r.CornerY; ++y) {
      for (int x = r.StartX; x <= r.CornerX; ++x) {
        if (selected >= 0) {
          canvas.StretchItem(ImageListId::Images, selected, 20 * x, 20 * y, 20 * x + 20,
                             20 * y + 20);
        } else {
          canvas.DrawItem(ImageListId::Fonts, kEmptyFill, 20 * x, 20 * y);
        }
      }
    }
  }
  canvas.Present();
}

}  // namespace krattle

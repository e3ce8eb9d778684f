#include "render/title_screen.h"

#include "render/text.h"

namespace krattle {

void RenderTitleAnimation(Canvas& canvas, ViewState& view) {
  const int t = view.TileSize;
  const int offset = view.TitleScroll;
  for (int i = -1; i <= 12; ++i)
    for (int j = 0; j < 20; ++j)
      canvas.DrawItem(ImageListId::Images, 153, j * t, 24 + i * t - offset);
  const int before = view.TitleScroll;
  view.TitleScroll = static_cast<std::uint8_t>(before + 1);
  if (before == t - 1 || view.TitleScroll > 50) view.TitleScroll = 0;
  canvas.DrawItem(ImageListId::Images, tiles::TitlePicture, 0, 0);
}

int PreviewItem(int code, const TileStyles& s, int look, AnimClock a) {
  switch (code) {
    case Dirt: return tiles::DirtItem(s, look);
    case Wall:
    case MagicWall:
    case HorizExpWall:
    case VertExpWall:
    case BothDirExpWall:
    case WallFalling:
    case WallFallingFalling: return tiles::WallItem(s);
    case ExitClosed: return 317 + s.Exit;
    case SteelWall:
    case Entrance: return tiles::SteelItem(s);
    case FireflyLeft:
    case FireflyUp:
    case FireflyRight:
    case FireflyDown:
    case AltButterflyDown:
    case AltButterflyLeft:
    case AltButterflyUp:
    case AltButterflyRight: return tiles::FireflyItem(s, a);
    case ButterflyDown:
    case ButterflyLeft:
    case ButterflyUp:
    case ButterflyRight:
    case AltFireflyLeft:
    case AltFireflyUp:
    case AltFireflyRight:
    case AltFireflyDown: return tiles::ButterflyItem(s, a);
    case BoulderStationary:
    case BoulderFalling:
    case BoulderGlued: return tiles::BoulderBase(s, look);
    case DiamondStationary:
    case DiamondFalling:
    case DiamondGlued: return tiles::DiamondItem(s, a);
    case Amoeba: return tiles::Amoeba + a.A8();
    case Slime: return tiles::Slime + a.A8();
    case Acid: return tiles::Acid + a.A8();
    case Clock: return tiles::Clock;
    case BombSolid:
    case BombFalling:
    case BombGlued: return tiles::SolidBomb;
    case Bomb: return tiles::Bomb;
    default: return -1;
  }
}

void DrawCavePreview(Canvas& canvas, const ViewState& view, const CaveSet& set, int cave, int level,
                     const CaveGrid& looks, AnimClock clock) {
  const int slot = SlotOf(cave, level);
  std::uint8_t raw[9];
  for (int k = 0; k < 9; ++k)
    raw[k] = set.A(slot, static_cast<FieldA>(static_cast<int>(FieldA::BoulderStyle) + k));
  const TileStyles styles = TileStyles::From(raw);
  const int t = view.TileSize;
  for (int i = 0; i < 12; ++i)
    for (int j = 0; j < 20; ++j) {
      const int code = set.MapCell(cave, level, j + 10, i + 5);
      const int item = PreviewItem(code, styles, looks.VariantMap[j + 40 * i], clock);
      if (item >= 0) canvas.DrawItem(ImageListId::Images, item, j * t, i * t + 24);
    }
}

void DrawTitleStatus(Canvas& canvas, const ViewState& view, std::string_view setName, int cave,
                     int level) {
  const int sx = view.StatusX;
  canvas.DrawItem(ImageListId::Fonts, 70 + view.ZoomMode, 0, 0);
  DrawText(canvas, sx + 4, 0, setName);
  DrawText(canvas, sx + 424, 0, std::string(1, static_cast<char>('A' + cave)));
  DrawText(canvas, sx + 444, 0, std::string{'/', static_cast<char>('1' + level)});
}

void DrawTitleOverlay(Canvas& canvas, const ViewState& view, bool showHighScores,
                      const HighScoreTable& table) {
  if (!showHighScores) {
    canvas.DrawItem(ImageListId::Images, tiles::PreviewFrame, 0, 0);
    return;
  }
  canvas.DrawItem(ImageListId::Images, tiles::HighScoreBackground, 0, 0);
  const bool small = view.TileSize == 32;
  const int top = small ? 91 : 134, nameX = small ? 67 : 148, leaderTo = small ? 436 : 518,
            scoreX = small ? 447 : 528;
  for (int k = 0; k < HighScoreEntries; ++k) {
    const int y = top + 25 * k;
    DrawText(canvas, nameX, y, table[k].Name, leaderTo);
    DrawText(canvas, scoreX, y, ZeroPad(table[k].Score, 6), 0, 1);
  }
}

}  // namespace krattle

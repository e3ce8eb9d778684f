#include "render/title_screen.h"

#include "render/text.h"

namespace krattle {

void RenderTitleAnimation(Canvas& canvas, const ViewState& view) {
  const int t = view.TileSize;
  const int offset = view.TitleScroll;
  for (int i = -1; i <= 12; ++i)
    for (int j = 0; j < 20; ++j)
      canvas.DrawItem(ImageListId::Images, tiles::FirstSteel, j * t, 24 + i * t - offset);
  canvas.DrawItem(ImageListId::Images, tiles::TitlePicture, 0, 0);
}

int PreviewItem(int code, const TileStyles& s, int look, AnimClock a) {
  switch (code) {
    // The preview shows where the exit will be, and the entrance as the wall it hides in.
    case ExitClosed: return tiles::FirstExit + 4 + s.Exit;
    case Entrance: return tiles::SteelItem(s);
    default: return tiles::ElementItem(code, s, look, a);
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
  canvas.DrawItem(ImageListId::Fonts, FontStatusBackground + view.ZoomMode, 0, 0);
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

#include "render/playfield_renderer.h"

namespace krattle {

int MoveOffsetY(int m, int f, int d) {
  switch (m) {
    case 1:
    case 5:
    case 9:
    case 13:
    case 17: return d * f - 7 * d;
    case 4:
    case 8:
    case 12:
    case 16:
    case 20: return 7 * d - d * f;
    default: return 0;
  }
}

int MoveOffsetX(int m, int f, int d) {
  switch (m) {
    case 2:
    case 6:
    case 10:
    case 14:
    case 18: return d * f - 7 * d;
    case 3:
    case 7:
    case 11:
    case 15:
    case 19: return 7 * d - d * f;
    default: return 0;
  }
}

void DrawGameBackground(Canvas& canvas, const CaveRun& run) {
  canvas.Fill(run.State.ExitFlash ? ColourWhite : ColourBlack);
}

void DrawViewRow(Canvas& canvas, const ViewState& view, const CaveRun& run, AnimClock clock,
                 int row) {
  const int t = view.TileSize;
  const int w = run.Grid.CaveWidth;
  for (int j = 0; j < ViewColumns; ++j) {
    const int index = (view.ViewColumn + j) + (view.ViewRow + row) * w;
    DrawCell(canvas, view, run, clock, index, j * t + view.ScrollX, 24 + row * t + view.ScrollY);
  }
}

namespace {

// Draws one cell's pictures; the view reads past the grid into cells that are always empty.
class CellPainter {
 public:
  CellPainter(Canvas& c, const ViewState& v, const CaveRun& run, AnimClock a, int index, int x,
              int y)
      : c_(c),
        run_(run),
        s_(TileStyles::From(run.Params.Styles)),
        a_(a),
        t_(v.TileSize),
        x_(x),
        y_(y) {
    const bool inside = index >= 0 && index < CellCount;
    code_ = inside ? run.Grid.Cells[index] : 0;
    m_ = inside ? run.Grid.MoveMap[index] : 0;
    look_ = inside ? run.Grid.VariantMap[index] : 0;
    d_ = t_ / 8;
  }

  void Paint();

 private:
  int Dy(int m) const { return MoveOffsetY(m, a_.FrameStep, d_); }
  void At(int item) { c_.DrawItem(ImageListId::Images, item, x_, y_); }
  void Moving(int item) {
    c_.DrawItem(ImageListId::Images, item, x_ + MoveOffsetX(m_, a_.FrameStep, d_), y_ + Dy(m_));
  }
  void Above(int item) { c_.DrawItem(ImageListId::Images, item, x_, y_ - t_); }
  void SinkingAbove(int item) { c_.DrawItem(ImageListId::Images, item, x_, y_ - t_ + Dy(1)); }
  void Shrinking(int item) {
    const int in = 2 * a_.FrameStep;
    c_.StretchItem(ImageListId::Images, item, x_ + in, y_ + in, x_ + t_ - in, y_ + t_ - in);
  }
  int Boulder() const { return tiles::BoulderBase(s_, look_); }
  int Dirt() const { return tiles::DirtItem(s_, look_); }
  int Diamond() const { return tiles::DiamondItem(s_, a_); }
  int Exit() const { return tiles::ExitItem(s_, a_); }
  int Magic() const { return tiles::MagicWallItem(s_, a_); }
  int SlimeImage() const { return tiles::Slime + a_.A8(); }
  // The element's picture where every view draws it alike.
  int Plain() const { return tiles::ElementItem(code_, s_, look_, a_); }
  int DravikImage() const {
    const int sprite = run_.State.DravikSprite;
    return sprite == 0 ? tiles::DravikStanding : sprite + a_.A8();
  }
  void PaintBoulder();
  void PaintDiamond();
  void PaintDravik();
  void PaintMagicWall();

  Canvas& c_;
  const CaveRun& run_;
  TileStyles s_;
  AnimClock a_;
  int t_, x_, y_, d_;
  int code_ = 0, m_ = 0, look_ = 0;
};

void CellPainter::PaintBoulder() {
  if (m_ == 5) SinkingAbove(tiles::DiamondItem(s_, a_));
  if (m_ == 9) SinkingAbove(Boulder());
  Moving(Boulder());
  // A rolling boulder turns through its style's four pictures.
  const int style = s_.Boulder == 4 ? look_ : s_.Boulder;
  if (style < 4) {
    const int first = tiles::FirstBoulder + 4 * style;
    if (m_ == 2) Moving(first + a_.FrameStep / 2);
    if (m_ == 3) Moving(first + 3 - a_.FrameStep / 2);
  }
  if (m_ == 5) Above(Magic());
  if (m_ == 9) Above(SlimeImage());
}

void CellPainter::PaintDiamond() {
  if (m_ == 5) SinkingAbove(Boulder());
  if (m_ == 9 || m_ == 13) SinkingAbove(Diamond());
  Moving(Diamond());
  if (m_ == 5 || m_ == 13) Above(Magic());
  if (m_ == 9) Above(SlimeImage());
}

void CellPainter::PaintDravik() {
  if (m_ >= 5 && m_ <= 8) At(Dirt());
  if (m_ >= 9 && m_ <= 12) At(Diamond());
  if (m_ >= 13 && m_ <= 16) At(Exit());
  if (m_ >= 17 && m_ <= 20) At(tiles::Bomb);
  Moving(DravikImage());
}

void CellPainter::PaintMagicWall() {
  if (m_ == 1) c_.DrawItem(ImageListId::Images, Boulder(), x_, y_ + Dy(1));
  if (m_ == 2) c_.DrawItem(ImageListId::Images, Diamond(), x_, y_ + Dy(1));
  switch (run_.State.MagicWallState) {
    case 0: At(tiles::WallItem(s_)); break;
    case 1: At(Magic()); break;
    default: At(tiles::SpentMagicWallItem(s_)); break;
  }
}

void CellPainter::Paint() {
  const AnimClock& a = a_;
  switch (code_) {
    case Space:
      if (m_ == 1) Shrinking(tiles::FirstDiamond + 8 * s_.Diamond);
      if (m_ == 2) Shrinking(Dirt());
      if (m_ == 3) Shrinking(tiles::Bomb);
      break;
    case krattle::Dirt:
      At(Dirt());
      if (m_ == 1) Shrinking(tiles::Clock);
      break;
    case MagicWall: PaintMagicWall(); break;
    // A closed exit hides in the steel wall.
    case ExitClosed: At(tiles::SteelItem(s_)); break;
    case SteelWall:
    case Slime:
    case Clock: At(Plain()); break;
    case ExitOpen:
    case Entrance: At(Exit()); break;
    case Dravik:
    case DravikWithBomb: PaintDravik(); break;
    case BoulderStationary:
    case BoulderFalling:
    case BoulderGlued: PaintBoulder(); break;
    case DiamondStationary:
    case DiamondFalling:
    case DiamondGlued: PaintDiamond(); break;
    case Explosion:
    case SolidBombDetonate:
    case SolidBombExpl:
    case BombExpl: At(tiles::Explosion + a.A2()); break;
    case Explosion2:
    case SolidBombExpl2:
    case BombExpl2: At(tiles::Explosion + 2 + a.A2()); break;
    case Explosion3:
    case SolidBombExpl3:
    case BombExpl3: At(tiles::Explosion + 4 + a.A2()); break;
    case Explosion4:
    case SolidBombExpl4: At(tiles::Explosion + 6 + a.A2()); break;
    case DiamondBirth:
    case DiamondBirth2:
    case DiamondBirth3:
    case DiamondBirth4:
      At(tiles::FirstDiamondBirth + 2 * (code_ - DiamondBirth) + 8 * s_.Diamond + a.A2());
      break;
    case Amoeba:
      if (m_ >= 5 && m_ <= 8) At(Dirt());
      Moving(Plain());
      break;
    case ClockTaken:
      At(Dirt());
      Shrinking(tiles::Clock);
      break;
    case DravikBirth:
    case DravikBirth2:
    case DravikBirth3: At(tiles::DravikBirth + 2 * (code_ - DravikBirth) + a.A2()); break;
    case Cover: At(tiles::SteelItem(s_) + a.A8()); break;
    case DravikInExit:
      At(Exit());
      if (run_.Values.GamePhase != gpCover) Moving(run_.State.DravikSprite + a.A8());
      break;
    case Dummy:
      if (m_ == 1) c_.DrawItem(ImageListId::Images, Diamond(), x_, y_ + Dy(1));
      At(tiles::DravikStanding);
      break;
    case BombSolid:
    case BombFalling:
    case BombGlued:
      if (m_ == 17) SinkingAbove(tiles::SolidBomb);
      Moving(tiles::SolidBomb);
      if (m_ == 17) Above(SlimeImage());
      break;
    default:
      // A lit fuse shows the bomb; the rest (walls, creatures, acid) may arrive by a move.
      if (code_ >= Bomb && code_ <= BombIgnited6) {
        At(tiles::Bomb);
      } else if (Plain() >= 0) {
        Moving(Plain());
      }
      break;
  }
}

}  // namespace

void DrawCell(Canvas& canvas, const ViewState& view, const CaveRun& run, AnimClock clock, int index,
              int x, int y) {
  CellPainter(canvas, view, run, clock, index, x, y).Paint();
}

}  // namespace krattle

#include "support/test_cave.h"

#include <stdexcept>

namespace krattle::testing {

Element Legend(char c) {
  switch (c) {
    case '#': return SteelWall;
    case 'w': return Wall;
    case '.': return Dirt;
    case ' ': return Space;
    case 'o': return BoulderStationary;
    case 'O': return BoulderFalling;
    case '*': return DiamondStationary;
    case '+': return DiamondFalling;
    case 'D': return Dravik;
    case 'K': return DravikWithBomb;
    case 'E': return Entrance;
    case 'X': return ExitClosed;
    case 'Z': return ExitOpen;
    case 'M': return MagicWall;
    case 'S': return Slime;
    case 'B': return BombSolid;
    case 'b': return Bomb;
    case 'c': return Clock;
    case 'Y': return Dummy;
    case 'f': return FireflyLeft;
    case 'q': return ButterflyDown;
    case 'A': return Amoeba;
    case 'a': return Acid;
    case 'h': return HorizExpWall;
    case 'v': return VertExpWall;
    case 'x': return BothDirExpWall;
    case 'W': return WallFalling;
    case 'g': return BoulderGlued;
    default: throw std::invalid_argument(std::string("unknown cave character ") + c);
  }
}

TestCave::TestCave(int cave, int level)
    : cave_(cave), level_(level), set_(std::make_unique<CaveSet>(NewCaveSet())) {
  const int w = CaveWidthOf(cave), h = CaveHeightOf(cave);
  for (int y = 1; y < h - 1; ++y)
    for (int x = 1; x < w - 1; ++x) Put(x, y, Space);
  A(FieldA::InBox) = 1;
  A(FieldA::CaveTime) = 200;
}

TestCave& TestCave::Paint(int x0, int y0, const std::vector<std::string>& rows) {
  for (std::size_t dy = 0; dy < rows.size(); ++dy)
    for (std::size_t dx = 0; dx < rows[dy].size(); ++dx)
      Put(x0 + static_cast<int>(dx), y0 + static_cast<int>(dy), Legend(rows[dy][dx]));
  return *this;
}

TestCave& TestCave::Put(int x, int y, Element e) {
  set_->MapCell(cave_, level_, x, y) = e;
  return *this;
}

HeadlessSim& TestCave::Start(EngineHost* host) {
  sim_ = std::make_unique<HeadlessSim>(*set_, cave_, level_, host);
  return *sim_;
}

void TestCave::Tick(int n, InputFlags in) {
  for (int i = 0; i < n; ++i) sim_->Step(in);
}

void TestCave::Moves(const std::string& moves) {
  auto parsed = ParseMoves(moves);
  if (!parsed.Error.empty()) throw std::invalid_argument(parsed.Error);
  for (const auto& in : parsed.Ticks) sim_->Step(in);
}

InputFlags Right() {
  InputFlags f;
  f.InputRight = true;
  return f;
}
InputFlags Left() {
  InputFlags f;
  f.InputLeft = true;
  return f;
}
InputFlags Up() {
  InputFlags f;
  f.InputUp = true;
  return f;
}
InputFlags Down() {
  InputFlags f;
  f.InputDown = true;
  return f;
}
InputFlags Snap(InputFlags dir) {
  dir.InputFire = true;
  return dir;
}

}  // namespace krattle::testing

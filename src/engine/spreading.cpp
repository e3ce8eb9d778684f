#include "engine/engine.h"

namespace krattle {

namespace {
bool Open(Element c) {
  return c == Space || c == Dirt;
}
}  // namespace

void Engine::AmoebaRule(int a) {
  if (s_.AmoebaCountLast >= p_.AmoebaMax) {
    g_.Cells[a] = ElementChoice(p_.TooBigAmoeba);
    return;
  }
  if (s_.AmoebaEnclosed && s_.AmoebaStarted) {
    g_.Cells[a] = ElementChoice(p_.EnclosedAmoeba);
    return;
  }
  ++s_.AmoebaCount;
  if (!s_.AmoebaSoundOn && s_.AmoebaStarted) {
    host_.PlayLooped(waves::AmoebaLoop);
    s_.AmoebaSoundOn = true;
  }
  const int w = W();
  const int n[4] = {g_.Safe(a - w), g_.Safe(a - 1), g_.Safe(a + 1), g_.Safe(a + w)};
  if (!Open(g_.Cells[n[0]]) && !Open(g_.Cells[n[1]]) && !Open(g_.Cells[n[2]]) &&
      !Open(g_.Cells[n[3]]))
    return;
  s_.AmoebaCanGrow = true;
  s_.AmoebaStarted = true;

  const int d = static_cast<int>(rng_.RandomBelow(4));  // 0 up, 1 left, 2 right, 3 down
  Element& t = g_.Cells[n[d]];
  if (!Open(t)) return;
  if (!rng_.OneIn(s_.AmoebaGrowth)) return;
  static constexpr std::uint8_t kMoveValue[4] = {4, 3, 2, 1};
  g_.MoveMap[n[d]] = static_cast<std::uint8_t>(kMoveValue[d] + (t == Dirt ? 4 : 0));
  t = d < 2 ? Amoeba : AmoebaMoved;
  e_.GrowthEvent = 1;
  ++s_.AmoebaCount;
}

void Engine::AcidRule(int a) {
  if (!rng_.OneIn(p_.AcidSpeed)) return;
  const Element eats = ElementChoice(p_.AcidEats);
  const int w = W();
  const int n[4] = {g_.Safe(a - w), g_.Safe(a - 1), g_.Safe(a + 1), g_.Safe(a + w)};
  static constexpr Element kCode[4] = {Acid, Acid, AcidMoved, AcidMoved};
  static constexpr std::uint8_t kMoveValue[4] = {4, 3, 2, 1};
  for (int d = 0; d < 4; ++d) {
    Element& c = g_.Cells[n[d]];
    if (c == Acid || c == eats) {
      c = kCode[d];
      g_.MoveMap[n[d]] = kMoveValue[d];
    }
  }
  g_.Cells[a] = Explosion2;
  e_.AcidWallEvent = 1;
}

void Engine::HorizExpWallRule(int a) {
  const int l = g_.Safe(a - 1), r = g_.Safe(a + 1);
  if (g_.Cells[l] == Space) {
    g_.Cells[l] = HorizExpWall;
    g_.MoveMap[l] = 3;
    e_.WallGrowthEvent = 1;
  }
  if (g_.Cells[r] == Space) {
    g_.Cells[r] = HorizExpWallMoved;
    g_.MoveMap[r] = 2;
    e_.WallGrowthEvent = 1;
  }
}

void Engine::VertExpWallRule(int a) {
  const int u = g_.Safe(a - W()), d = g_.Safe(a + W());
  if (g_.Cells[u] == Space) {
    g_.Cells[u] = VertExpWall;
    g_.MoveMap[u] = 4;
    e_.WallGrowthEvent = 1;
  }
  if (g_.Cells[d] == Space) {
    g_.Cells[d] = VertExpWallMoved;
    g_.MoveMap[d] = 1;
    e_.WallGrowthEvent = 1;
  }
}

void Engine::BothDirExpWallRule(int a) {
  const int w = W();
  const int n[4] = {g_.Safe(a - w), g_.Safe(a - 1), g_.Safe(a + 1), g_.Safe(a + w)};
  static constexpr Element kCode[4] = {BothDirExpWall, BothDirExpWall, BothDirExpWallMoved,
                                       BothDirExpWallMoved};
  static constexpr std::uint8_t kMoveValue[4] = {4, 3, 2, 1};
  for (int d = 0; d < 4; ++d) {
    if (g_.Cells[n[d]] != Space) continue;
    g_.Cells[n[d]] = kCode[d];
    g_.MoveMap[n[d]] = kMoveValue[d];
    e_.WallGrowthEvent = 1;
  }
}

}  // namespace krattle

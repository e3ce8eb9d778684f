#include <array>

#include "engine/engine.h"
#include "engine/resting.h"

namespace krattle {

namespace {

// What a resting boulder or diamond rolls off.
bool RoundForRest(Element c) {
  return kRoundForRest[c];
}

// What a falling boulder or diamond rolls off (or lands on, when it cannot roll).
bool RoundForFalling(Element c) {
  return c == Wall || c == BoulderStationary || c == DiamondStationary || c == BoulderGlued ||
         c == DiamondGlued;
}

// What a falling boulder comes to rest on without effect.
bool LandsOn(Element c) {
  if (c >= ExplodeRegular && c <= Amoeba) return true;  // explosions, births, amoeba
  switch (c) {
    case Dirt:
    case ExitClosed:
    case ExitOpen:
    case 6:
    case SteelWall:
    case HorizExpWall:
    case Clock:
    case Entrance:
    case DravikBirth:
    case DravikBirth2:
    case DravikBirth3:
    case VertExpWall:
    case Dummy:
    case BothDirExpWall:
    case WallFalling:
    case Acid:
    case Bomb: return true;
    default: return false;
  }
}

bool IsFireflyLike(Element c) {  // creatures whose crush gives a regular blast
  return (c >= FireflyMovedRight && c <= FireflyDown) ||
         (c >= AltButterflyMovedDown && c <= AltButterflyRight);
}

bool IsButterflyLike(Element c) {  // creatures whose crush gives diamonds
  return (c >= ButterflyMovedDown && c <= ButterflyRight) ||
         (c >= AltFireflyMovedRight && c <= AltFireflyDown);
}

bool IsSolidBombForCrush(Element c) {
  return c == BombSolid || c == BombFalling || c == BombGlued;
}

}  // namespace

int Engine::RollDirection(int a) {
  // All four cells are read either way; testing them without branches spares the mispredicts
  // of a busy cave.
  const bool left = Empty(a - 1) & Empty(a + W() - 1);
  const bool right = Empty(a + 1) & Empty(a + W() + 1);
  return left ? -1 : right ? 1 : 0;
}

bool Engine::SlimePassage(int a, Element marker, std::uint8_t moveValue, bool carryVariant) {
  // Both the resting and the falling object draw before looking two cells down.
  if (!rng_.OneIn(p_.Slime)) return false;
  const int t = g_.Safe(a + 2 * W());
  if (g_.Cells[t] != Space) return false;
  if (carryVariant) g_.VariantMap[t] = g_.VariantMap[a];
  g_.Cells[a] = Space;
  g_.Cells[t] = marker;
  g_.MoveMap[t] = moveValue;
  e_.GrowthEvent = 2;
  return true;
}

void Engine::BoulderStationaryRule(int a) {
  const int b = g_.Safe(a + W());
  const Element below = g_.Cells[b];
  if (below == Space) {
    g_.VariantMap[b] = g_.VariantMap[a];
    g_.Cells[a] = Space;
    g_.Cells[b] = BoulderFallingMoved;
    g_.MoveMap[b] = 1;
    e_.FallEvent = 2;
  } else if (RoundForRest(below)) {
    const int dir = RollDirection(a);
    if (dir == 0) return;
    const int t = g_.Safe(a + dir);
    g_.VariantMap[t] = g_.VariantMap[a];
    g_.Cells[a] = Space;
    g_.Cells[t] = dir < 0 ? BoulderFalling : BoulderFallingMoved;
    g_.MoveMap[t] = dir < 0 ? 3 : 2;
    e_.FallEvent = 2;
  } else if (below == Slime && p_.SlimePenetrated != 2) {
    SlimePassage(a, BoulderFallingMoved, 9, true);
  }
}

void Engine::BoulderFallingRule(int a) {
  const int b = g_.Safe(a + W());
  Element& below = g_.Cells[b];
  auto land = [&] {
    g_.Cells[a] = ElementChoice(p_.FallingBoulder);
    e_.FallEvent = 3;
  };
  if (below == Space) {
    g_.VariantMap[b] = g_.VariantMap[a];
    g_.Cells[a] = Space;
    below = BoulderFallingMoved;
    g_.MoveMap[b] = 1;
  } else if (LandsOn(below)) {
    land();
  } else if (RoundForFalling(below)) {
    const int dir = RollDirection(a);
    if (dir == 0) {
      land();
      return;
    }
    const int t = g_.Safe(a + dir);
    g_.VariantMap[t] = g_.VariantMap[a];
    g_.Cells[a] = Space;
    g_.Cells[t] = dir < 0 ? BoulderFalling : BoulderFallingMoved;
    g_.MoveMap[t] = dir < 0 ? 3 : 2;
    e_.FallEvent = 3;
  } else if (below == MagicWall) {
    e_.FallEvent = 1;
    MagicWallBoulder(a);
  } else if (IsFireflyLike(below)) {
    below = ExplodeRegular;
  } else if (IsButterflyLike(below)) {
    below = ExplodeToDiamonds;
  } else if (IsDravik(below)) {
    below = ExplodeRegular;
    e_.PlayerKilledEvent = 1;
  } else if (below == Slime) {
    if (p_.SlimePenetrated == 2) return;
    if (!SlimePassage(a, BoulderFallingMoved, 9, true)) land();
  } else if (IsSolidBombForCrush(below)) {
    below = SolidBombDetonate;
  }
}

void Engine::DiamondStationaryRule(int a) {
  const int b = g_.Safe(a + W());
  const Element below = g_.Cells[b];
  if (below == Space) {
    g_.Cells[a] = Space;
    g_.Cells[b] = DiamondFallingMoved;
    g_.MoveMap[b] = 1;
    e_.FallEvent = 1;
  } else if (RoundForRest(below)) {
    const int dir = RollDirection(a);
    if (dir == 0) return;
    const int t = g_.Safe(a + dir);
    g_.Cells[a] = Space;
    g_.Cells[t] = dir < 0 ? DiamondFalling : DiamondFallingMoved;
    g_.MoveMap[t] = dir < 0 ? 3 : 2;
    e_.FallEvent = 1;
  } else if (below == Slime && p_.SlimePenetrated != 3) {
    SlimePassage(a, DiamondFallingMoved, 9, false);
  }
}

void Engine::DiamondFallingRule(int a) {
  const int b = g_.Safe(a + W());
  Element& below = g_.Cells[b];
  auto land = [&] {
    g_.Cells[a] = ElementChoice(p_.FallingDiamonds);
    e_.FallEvent = 1;
  };
  if (below == Space) {
    g_.Cells[a] = Space;
    below = DiamondFallingMoved;
    g_.MoveMap[b] = 1;
  } else if (below == Dummy) {
    // The dummy catches the diamond and it counts as collected.
    g_.Cells[a] = Space;
    g_.MoveMap[b] = 1;
    ScoreDiamond();
    e_.PlayerAction = 3;
  } else if (LandsOn(below)) {
    land();
  } else if (RoundForFalling(below)) {
    const int dir = RollDirection(a);
    if (dir == 0) {
      land();
      return;
    }
    const int t = g_.Safe(a + dir);
    g_.Cells[a] = Space;
    g_.Cells[t] = dir < 0 ? DiamondFalling : DiamondFallingMoved;
    g_.MoveMap[t] = dir < 0 ? 3 : 2;
    e_.FallEvent = 1;
  } else if (below == MagicWall) {
    e_.FallEvent = 2;
    MagicWallDiamond(a);
  } else if (IsFireflyLike(below)) {
    below = ExplodeRegular;
  } else if (IsButterflyLike(below)) {
    below = ExplodeToDiamonds;
  } else if (IsDravik(below)) {
    below = ExplodeRegular;
    e_.PlayerKilledEvent = 1;
  } else if (below == Slime) {
    if (p_.SlimePenetrated == 3) return;
    if (!SlimePassage(a, DiamondFallingMoved, 9, false)) land();
  } else if (IsSolidBombForCrush(below)) {
    below = SolidBombDetonate;
  }
}

void Engine::BombSolidRule(int a) {
  const int b = g_.Safe(a + W());
  const Element below = g_.Cells[b];
  if (below == Space) {
    g_.Cells[a] = Space;
    g_.Cells[b] = BombFallingMoved;
    g_.MoveMap[b] = 1;
    e_.FallEvent = 2;
  } else if (below == Wall || below == BoulderStationary || below == DiamondStationary ||
             below == BombSolid || below == BombGlued) {
    const int dir = RollDirection(a);
    if (dir == 0) return;
    const int t = g_.Safe(a + dir);
    g_.Cells[a] = Space;
    g_.Cells[t] = dir < 0 ? BombFalling : BombFallingMoved;
    g_.MoveMap[t] = dir < 0 ? 3 : 2;
    e_.FallEvent = 2;
  } else if (below == Slime && p_.SlimePenetrated != 1) {
    SlimePassage(a, BombFallingMoved, 17, false);
  }
}

void Engine::BombFallingRule(int a) {
  const int b = g_.Safe(a + W());
  const Element below = g_.Cells[b];
  if (below == Space) {
    g_.VariantMap[b] = g_.VariantMap[a];
    g_.Cells[a] = Space;
    g_.Cells[b] = BombFallingMoved;
    g_.MoveMap[b] = 1;
  } else if (below == Dirt) {
    g_.Cells[a] = BombSolid;
    e_.FallEvent = 3;
  } else if (below == MagicWall) {
    SolidBombBlast(a);
    WakeMagicWall();
  } else if (below == Slime) {
    if (p_.SlimePenetrated == 1) return;
    if (!SlimePassage(a, BombFallingMoved, 17, false)) {
      g_.Cells[a] = BombSolid;
      e_.FallEvent = 3;
    }
  } else if (below == Dummy) {
    SolidBombBlast(a);
    s_.DummyTriggered = true;
  } else {
    SolidBombBlast(a);
  }
}

void Engine::PushedMarkerRule(int a, Element rest, Element falling) {
  g_.Cells[a] = rest;
  if (s_.PushedRight && Empty(a + W())) {
    g_.Cells[a] = falling;
    s_.PushedRight = false;
  }
}

void Engine::WakeMagicWall() {
  if (s_.MagicWallState != 0) return;
  s_.MagicWallState = 1;
  if (s_.AmoebaTimeLeft != 0 && s_.AmoebaStarted && p_.MagicStopsAmoeba == 0)
    s_.AmoebaEnclosed = true;
}

void Engine::MagicWallBoulder(int a) {
  const int b = g_.Safe(a + W());
  const int t = g_.Safe(a + 2 * W());
  WakeMagicWall();
  g_.Cells[a] = Space;
  if (s_.MagicWallState != 2 && g_.Cells[t] == Space) {
    g_.Cells[t] = DiamondFallingMoved;
    g_.MoveMap[t] = 5;
  } else {
    g_.MoveMap[b] = 1;  // the boulder is lost
  }
}

void Engine::MagicWallDiamond(int a) {
  const int b = g_.Safe(a + W());
  const int t = g_.Safe(a + 2 * W());
  e_.FallEvent = 2;
  WakeMagicWall();
  g_.Cells[a] = Space;
  if (s_.MagicWallState == 2 || g_.Cells[t] != Space) {
    g_.MoveMap[b] = 2;  // the diamond is lost
    return;
  }
  const Element r = ElementChoice(p_.DiamondInMagic);
  switch (r) {
    case BoulderStationary:
      g_.Cells[t] = BoulderPushed;
      g_.MoveMap[t] = 5;
      break;
    case BoulderFalling:
      g_.Cells[t] = BoulderFallingMoved;
      g_.MoveMap[t] = 5;
      break;
    case DiamondStationary:
      g_.Cells[t] = DiamondStationaryMoved;
      g_.MoveMap[t] = 13;
      break;
    case DiamondFalling:
      g_.Cells[t] = DiamondFallingMoved;
      g_.MoveMap[t] = 13;
      break;
    case BombSolid:
      g_.Cells[t] = BombSolidPushed;
      g_.MoveMap[t] = 0;
      break;
    case BombFalling:
      g_.Cells[t] = BombFallingMoved;
      g_.MoveMap[t] = 0;
      break;
    default:
      g_.Cells[t] = r;
      g_.MoveMap[b] = 2;
      g_.MoveMap[t] = 0;
      break;
  }
}

void Engine::MagicWallCell() {
  if (s_.MagicWallState == 1 && !s_.MagicWallSoundOn) {
    host_.PlayLooped(waves::MagicWallLoop);
    s_.MagicWallSoundOn = true;
  }
}

void Engine::WallFallingRule(int a) {
  if (!Empty(a + W())) return;
  for (int k = 2; k <= 21; ++k) {
    const Element c = g_.At(a + k * W());
    if (IsDravik(c)) {
      const int b = g_.Safe(a + W());
      g_.Cells[a] = Space;
      g_.Cells[b] = WallFallingFallingMoved;
      g_.MoveMap[b] = 1;
      e_.AcidWallEvent = 2;
      return;
    }
    if (c != Space) return;
  }
}

void Engine::WallFallingFallingRule(int a) {
  const int b = g_.Safe(a + W());
  Element& below = g_.Cells[b];
  if (below == Space) {
    g_.Cells[a] = Space;
    below = WallFallingFallingMoved;
    g_.MoveMap[b] = 1;
  } else if (IsDravik(below)) {
    below = ExplodeRegular;
    e_.PlayerKilledEvent = 1;
  } else if (below == BombSolid || below == BombGlued) {
    below = SolidBombDetonate;
  } else {
    g_.Cells[a] = WallFalling;
    e_.AcidWallEvent = 2;
  }
}

}  // namespace krattle

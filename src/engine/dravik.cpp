#include "engine/engine.h"

namespace krattle {

namespace {
constexpr int kDown = 1, kRight = 2, kLeft = 3, kUp = 4;

Element MovedCode(Element self) {
  return self == DravikWithBomb ? DravikWithBombMoved : DravikMoved;
}
}  // namespace

void Engine::EntranceRule(int a) {
  s_.PlayerPresent = true;
  if (s_.EntranceTicked) return;
  if (s_.InBoxCounter > 0) {
    --s_.InBoxCounter;
    s_.EntranceTicked = true;
  } else {
    g_.Cells[a] = DravikBirth;
  }
}

void Engine::DravikRule(int a, Element self) {
  if (s_.DummyTriggered) {
    e_.PlayerKilledEvent = 1;
    RegularBlast(a);
    return;
  }
  if (self == DravikWithBomb) s_.CarryingBomb = true;
  s_.PlayerPresent = true;
  s_.PlayerTried = false;
  s_.DravikColumn = static_cast<std::uint8_t>(a % W());
  s_.DravikRow = static_cast<std::uint8_t>(a / W());

  // At most one direction flag is set by the keyboard poll, but each acts if several are.
  if (in_.InputRight) {
    s_.PlayerTried = true;
    s_.FacingRight = true;
    s_.DravikSprite = 41;
    s_.Tapping = false;
    DravikTry(a, self, a + 1, kRight);
  }
  if (in_.InputLeft) {
    s_.PlayerTried = true;
    s_.FacingRight = false;
    s_.DravikSprite = 33;
    s_.Tapping = false;
    DravikTry(a, self, a - 1, kLeft);
  }
  if (in_.InputDown) {
    s_.PlayerTried = true;
    s_.DravikSprite = s_.FacingRight ? 41 : 33;
    s_.Tapping = false;
    DravikTry(a, self, a + W(), kDown);
  }
  if (in_.InputUp) {
    s_.PlayerTried = true;
    s_.DravikSprite = s_.FacingRight ? 41 : 33;
    s_.Tapping = false;
    DravikTry(a, self, a - W(), kUp);
  }
  if (!s_.PlayerTried) DravikIdle();
}

void Engine::DravikIdle() {
  s_.DravikSprite = s_.Tapping ? 17 : 0;
  s_.Blinking = false;
  if (rng_.RandomBelow(4) == 0) {
    s_.Blinking = true;
    s_.DravikSprite = s_.Tapping ? 25 : 9;
  }
  if (rng_.RandomBelow(16) == 0) {
    s_.Tapping = !s_.Tapping;
    if (s_.Tapping)
      s_.DravikSprite = s_.Blinking ? 25 : 17;
    else
      s_.DravikSprite = s_.Blinking ? 9 : 0;
  }
}

void Engine::DravikMoveInto(int a, Element self, int t, int dir, int kind) {
  const bool forward = dir == kRight || dir == kDown;
  // A move left from cell 0 or up from row 0 wraps to a cell the scan has yet to visit. Only
  // walking into space or dirt keeps him from acting there again this tick; after collecting a
  // diamond across the edge he steps on when the scan reaches him, as recorded demos expect.
  const bool wrapped = !forward && t > a && kind <= 1;
  g_.Cells[a] = Space;
  g_.Cells[t] = (forward || wrapped) ? MovedCode(self) : self;
  g_.MoveMap[t] = static_cast<std::uint8_t>(dir + 4 * kind);
  s_.DravikColumn = static_cast<std::uint8_t>(t % W());
  s_.DravikRow = static_cast<std::uint8_t>(t / W());
}

void Engine::DravikTry(int a, Element self, int rawTarget, int dir) {
  const int t = g_.Safe(rawTarget);
  const bool forward = dir == kRight || dir == kDown;
  const bool withBomb = self == DravikWithBomb;
  const bool horizontal = dir == kRight || dir == kLeft;
  Element& target = g_.Cells[t];
  const Element held = target;

  if (!in_.InputFire) {
    switch (held) {
      case Space:
        DravikMoveInto(a, self, t, dir, 0);
        e_.PlayerAction = 1;
        break;
      case Dirt:
        DravikMoveInto(a, self, t, dir, 1);
        e_.PlayerAction = 2;
        break;
      case ExitOpen:
        g_.Cells[a] = Space;
        target = forward ? DravikInExitMoved : DravikInExit;
        g_.MoveMap[t] = static_cast<std::uint8_t>(dir);
        s_.DravikColumn = static_cast<std::uint8_t>(t % W());
        s_.DravikRow = static_cast<std::uint8_t>(t / W());
        break;
      case DiamondStationary:
        DravikMoveInto(a, self, t, dir, 2);
        ScoreDiamond();
        e_.PlayerAction = 3;
        break;
      case Clock:
        target = ClockTaken;
        if (forward) g_.MoveMap[t] = 1;
        ApplyClock();
        e_.PlayerAction = 5;
        break;
      case Bomb:
        if (withBomb) break;
        g_.Cells[a] = Space;
        target = forward ? DravikWithBombMoved : DravikWithBomb;
        g_.MoveMap[t] = static_cast<std::uint8_t>(dir + 16);
        s_.DravikColumn = static_cast<std::uint8_t>(t % W());
        s_.DravikRow = static_cast<std::uint8_t>(t / W());
        e_.PlayerAction = 6;
        break;
      case BoulderStationary:
      case BombSolid:
        if (horizontal) DravikPush(a, t, dir, false);
        break;
      default: break;
    }
    return;
  }

  // Fire held: act on the neighbour without moving.
  switch (held) {
    case Dirt:
      if (!withBomb) {
        target = Space;
        g_.MoveMap[t] = 2;
        e_.PlayerAction = 2;
        break;
      }
      [[fallthrough]];  // with a bomb, dirt takes the bomb like space does
    case Space:
      if (withBomb) {
        g_.Cells[a] = Dravik;
        target = forward ? BombIgnitedMoved : BombIgnited;
        e_.PlayerAction = 7;
      }
      break;
    case ExitOpen:
      target = Space;
      g_.Cells[a] = DravikInExit;
      break;
    case DiamondStationary:
      g_.MoveMap[t] = 1;
      target = Space;
      ScoreDiamond();
      e_.PlayerAction = 3;
      break;
    case Clock:
      target = ClockTaken;
      if (forward) g_.MoveMap[t] = 1;
      ApplyClock();
      e_.PlayerAction = 5;
      break;
    case Bomb:
      if (withBomb) break;
      g_.Cells[a] = DravikWithBomb;
      target = Space;
      g_.MoveMap[t] = 3;
      e_.PlayerAction = 6;
      break;
    case BoulderStationary:
    case BombSolid:
      if (horizontal) DravikPush(a, t, dir, true);
      break;
    default: break;
  }
}

bool Engine::DravikPush(int a, int t, int dir, bool snap) {
  const bool right = dir == kRight;
  const int b = g_.Safe(right ? t + 1 : t - 1);
  if (g_.Cells[b] != Space) return false;  // no draw when the cell beyond is taken
  if (!rng_.OneIn(p_.Pushing)) return false;

  const Element object = g_.Cells[t];
  const bool boulder = object == BoulderStationary;
  const Element self = g_.Cells[a];
  e_.PlayerAction = 4;
  g_.VariantMap[b] = g_.VariantMap[t];
  if (right)
    g_.Cells[b] = boulder ? BoulderPushed : BombSolidPushed;
  else
    g_.Cells[b] = object;
  g_.MoveMap[b] = static_cast<std::uint8_t>(dir);
  if (snap) {
    g_.Cells[t] = Space;
    return true;
  }
  s_.DravikColumn = static_cast<std::uint8_t>(t % W());
  s_.DravikRow = static_cast<std::uint8_t>(t / W());
  g_.Cells[a] = Space;
  g_.Cells[t] = right ? MovedCode(self) : self;
  g_.MoveMap[t] = static_cast<std::uint8_t>(dir);
  if (right) s_.PushedRight = true;
  return true;
}

void Engine::ScoreDiamond() {
  const int n = ++s_.DiamondsCollected;
  v_.Score += n > p_.Diamonds ? p_.Bonus : p_.Value;
  const bool demo = host_.DemoRecording() || host_.DemoPlaying();
  if (!demo && v_.Score >= v_.NextBonusScore) {
    v_.NextBonusScore += 500;
    if (v_.Lives < 9) {
      ++v_.Lives;
      host_.PlaySound(waves::BonusLife);
      v_.BonusLifeBanner = 128;
    }
  }
  if (n == p_.Diamonds) {
    s_.ExitFlash = true;
    e_.SignalEvent = 1;
  }
  if (!demo && v_.Score > v_.HighScore) {
    v_.HighScore = v_.Score;
    if (set_) set_->SetBestScore(static_cast<std::uint32_t>(v_.Score));
  }
}

void Engine::ApplyClock() {
  int t = v_.TimeLeft + p_.ExtraTime;
  v_.TimeLeft = static_cast<std::uint8_t>(t >= 256 ? 255 : (t <= 0 ? 0 : t));
}

void Engine::DravikInExitRule() {
  if (host_.DemoRecording()) {
    host_.FinishRecording();
  } else if (host_.DemoPlaying()) {
    host_.FinishPlayback();
  } else {
    e_.ExitEvent = 1;
    if (v_.TimeLeft < 51) e_.ExitLowTimeEvent = 1;
    v_.GamePhase = gpTimeBonus;
  }
}

}  // namespace krattle

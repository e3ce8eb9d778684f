#include "engine/engine.h"

namespace krattle {

namespace {

// Facing index: 0 left, 1 up, 2 right, 3 down (clockwise order).
enum Facing { kFaceLeft = 0, kFaceUp = 1, kFaceRight = 2, kFaceDown = 3 };

struct CreatureKind {
  Element byFacing[4];  // base code per facing
  Element movedRight;
  Element movedDown;
  bool turnsLeftFirst;  // fireflies turn counter-clockwise first
  bool butterflyBlast;
};

constexpr CreatureKind kFirefly{{FireflyLeft, FireflyUp, FireflyRight, FireflyDown},
                                FireflyMovedRight,
                                FireflyMovedDown,
                                true,
                                false};
constexpr CreatureKind kButterfly{{ButterflyLeft, ButterflyUp, ButterflyRight, ButterflyDown},
                                  ButterflyMovedRight,
                                  ButterflyMovedDown,
                                  false,
                                  true};
constexpr CreatureKind kAltFirefly{{AltFireflyLeft, AltFireflyUp, AltFireflyRight, AltFireflyDown},
                                   AltFireflyMovedRight,
                                   AltFireflyMovedDown,
                                   true,
                                   true};
constexpr CreatureKind kAltButterfly{
    {AltButterflyLeft, AltButterflyUp, AltButterflyRight, AltButterflyDown},
    AltButterflyMovedRight,
    AltButterflyMovedDown,
    false,
    false};

const CreatureKind& KindOf(Element c) {
  if (c >= FireflyLeft && c <= FireflyDown) return kFirefly;
  if (c >= ButterflyDown && c <= ButterflyRight) return kButterfly;
  if (c >= AltFireflyLeft && c <= AltFireflyDown) return kAltFirefly;
  return kAltButterfly;
}

int FacingOf(const CreatureKind& k, Element c) {
  for (int f = 0; f < 4; ++f)
    if (k.byFacing[f] == c) return f;
  return kFaceLeft;
}

}  // namespace

void Engine::CreatureRule(int a, Element code) {
  const CreatureKind& kind = KindOf(code);
  const int w = W();
  const int offset[4] = {-1, -w, 1, w};
  const int n[4] = {g_.Safe(a - w), g_.Safe(a - 1), g_.Safe(a + 1), g_.Safe(a + w)};

  auto blast = [&] {
    if (kind.butterflyBlast)
      ButterflyBlast(a);
    else
      RegularBlast(a);
  };
  auto anyNeighbour = [&](auto pred) {
    for (int i : n)
      if (pred(g_.Cells[i])) return true;
    return false;
  };

  if (anyNeighbour([](Element c) { return c == Dummy; })) {
    blast();
    s_.DummyTriggered = true;
    return;
  }
  if (anyNeighbour([](Element c) { return IsDravik(c); })) {
    e_.PlayerKilledEvent = 1;
    blast();
    return;
  }
  if (anyNeighbour([](Element c) { return c == Amoeba; })) {
    blast();
    return;
  }

  const int facing = FacingOf(kind, code);
  const int turnFirst = kind.turnsLeftFirst ? (facing + 3) % 4 : (facing + 1) % 4;
  const int turnOther = kind.turnsLeftFirst ? (facing + 1) % 4 : (facing + 3) % 4;

  auto moveTo = [&](int f) {
    const int t = g_.Safe(a + offset[f]);
    if (g_.Cells[t] != Space) return false;
    g_.Cells[a] = Space;
    static constexpr std::uint8_t kMoveValue[4] = {3, 4, 2, 1};
    if (f == kFaceRight)
      g_.Cells[t] = kind.movedRight;
    else if (f == kFaceDown)
      g_.Cells[t] = kind.movedDown;
    else
      g_.Cells[t] = kind.byFacing[f];
    g_.MoveMap[t] = kMoveValue[f];
    return true;
  };

  if (moveTo(turnFirst)) return;
  if (moveTo(facing)) return;
  g_.Cells[a] = kind.byFacing[turnOther];
}

}  // namespace krattle

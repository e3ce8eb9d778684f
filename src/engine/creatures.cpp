#include <array>

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

constexpr const CreatureKind* kKinds[4] = {&kFirefly, &kButterfly, &kAltFirefly, &kAltButterfly};

// Code -> kind index * 4 + facing, for the sixteen creature codes.
constexpr std::array<std::uint8_t, 128> MakeCreatureIndex() {
  std::array<std::uint8_t, 128> t{};
  for (int k = 0; k < 4; ++k)
    for (int f = 0; f < 4; ++f) t[kKinds[k]->byFacing[f]] = static_cast<std::uint8_t>(k * 4 + f);
  return t;
}
constexpr auto kCreatureIndex = MakeCreatureIndex();

}  // namespace

void Engine::CreatureRule(int a, Element code) {
  const int index = kCreatureIndex[code & 127];
  const CreatureKind& kind = *kKinds[index / 4];
  const int facing = index % 4;
  const int w = W();
  const int offset[4] = {-1, -w, 1, w};

  // One look at the four neighbours (up, left, right, down) decides whether it explodes.
  bool dummy = false, dravik = false, amoeba = false;
  for (int d : {-w, -1, 1, w}) {
    const Element n = g_.Cells[g_.Safe(a + d)];
    dummy |= n == Dummy;
    dravik |= IsDravik(n);
    amoeba |= n == Amoeba;
  }
  if (dummy || dravik || amoeba) {
    if (!dummy && dravik) e_.PlayerKilledEvent = 1;
    if (kind.butterflyBlast)
      ButterflyBlast(a);
    else
      RegularBlast(a);
    if (dummy) s_.DummyTriggered = true;
    return;
  }

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

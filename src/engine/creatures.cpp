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

constexpr CreatureKind kKinds[4] = {
    {{FireflyLeft, FireflyUp, FireflyRight, FireflyDown},
     FireflyMovedRight,
     FireflyMovedDown,
     true,
     false},
    {{ButterflyLeft, ButterflyUp, ButterflyRight, ButterflyDown},
     ButterflyMovedRight,
     ButterflyMovedDown,
     false,
     true},
    {{AltFireflyLeft, AltFireflyUp, AltFireflyRight, AltFireflyDown},
     AltFireflyMovedRight,
     AltFireflyMovedDown,
     true,
     true},
    {{AltButterflyLeft, AltButterflyUp, AltButterflyRight, AltButterflyDown},
     AltButterflyMovedRight,
     AltButterflyMovedDown,
     false,
     false},
};

// Everything one creature code decides, worked out once: the two facings it tries in order,
// the code it is written as for each, and the code it turns into when both are blocked.
struct CreatureChoice {
  std::uint8_t tryFacing[2];
  Element tryCode[2];
  Element turnCode;
  bool butterflyBlast;
};

constexpr std::array<CreatureChoice, 256> MakeCreatureChoices() {
  std::array<CreatureChoice, 256> t{};
  for (const CreatureKind& k : kKinds)
    for (int f = 0; f < 4; ++f) {
      const int first = k.turnsLeftFirst ? (f + 3) % 4 : (f + 1) % 4;
      const int other = k.turnsLeftFirst ? (f + 1) % 4 : (f + 3) % 4;
      auto codeFor = [&](int g) {
        return g == kFaceRight ? k.movedRight : g == kFaceDown ? k.movedDown : k.byFacing[g];
      };
      CreatureChoice& s = t[k.byFacing[f]];
      s.tryFacing[0] = static_cast<std::uint8_t>(first);
      s.tryFacing[1] = static_cast<std::uint8_t>(f);
      s.tryCode[0] = codeFor(first);
      s.tryCode[1] = codeFor(f);
      s.turnCode = k.byFacing[other];
      s.butterflyBlast = k.butterflyBlast;
    }
  return t;
}
constexpr auto kCreatureChoices = MakeCreatureChoices();

// Neighbours that make a creature explode.
enum : std::uint8_t { kNextToDummy = 1, kNextToDravik = 2, kNextToAmoeba = 4 };
constexpr std::array<std::uint8_t, 256> MakeTriggers() {
  std::array<std::uint8_t, 256> t{};
  t[Dummy] = kNextToDummy;
  t[Dravik] = t[DravikWithBomb] = kNextToDravik;
  t[Amoeba] = kNextToAmoeba;
  return t;
}
constexpr auto kTriggers = MakeTriggers();

constexpr std::uint8_t kMoveValue[4] = {3, 4, 2, 1};

}  // namespace

void Engine::CreatureRule(int a, Element code) {
  const CreatureChoice& choice = kCreatureChoices[code];
  const int w = W();
  const int n[4] = {g_.Safe(a - 1), g_.Safe(a - w), g_.Safe(a + 1), g_.Safe(a + w)};
  Element* cells = g_.Cells.data();

  // One look at the four neighbours decides whether it explodes.
  const int near = kTriggers[cells[n[0]]] | kTriggers[cells[n[1]]] | kTriggers[cells[n[2]]] |
                   kTriggers[cells[n[3]]];
  if (near != 0) {
    const bool dummy = near & kNextToDummy;
    if (!dummy && (near & kNextToDravik)) e_.PlayerKilledEvent = 1;
    if (choice.butterflyBlast)
      ButterflyBlast(a);
    else
      RegularBlast(a);
    if (dummy) s_.DummyTriggered = true;
    return;
  }

  // Whether the way is free is a coin toss in a busy cave, so the outcome is picked by index
  // rather than by branching: the turn in place is a "move" to its own cell that keeps its move
  // value.
  const int f0 = choice.tryFacing[0], f1 = choice.tryFacing[1];
  const int t0 = n[f0], t1 = n[f1];
  const int blocked0 = cells[t0] != Space, blocked1 = cells[t1] != Space;
  const int pick = blocked0 * (1 + blocked1);  // 0 first way, 1 second way, 2 turn
  const int targets[3] = {t0, t1, a};
  const Element codes[3] = {choice.tryCode[0], choice.tryCode[1], choice.turnCode};
  const std::uint8_t moves[3] = {kMoveValue[f0], kMoveValue[f1], g_.MoveMap[a]};
  const int t = targets[pick];
  const Element to = codes[pick];
  const std::uint8_t move = moves[pick];
  cells[a] = Space;
  cells[t] = to;
  g_.MoveMap[t] = move;
}

}  // namespace krattle

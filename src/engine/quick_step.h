#pragma once
// Creatures and the codes whose whole rule is to turn into one other code (markers back into
// their base code, explosion and birth stages into the next stage) share one table-driven step.
// They are most of the visits in a busy cave, and a visit picks its outcome by index instead of
// by a dispatch and branches on what the neighbours hold.

#include <array>
#include <cstdint>
#include <utility>

#include "core/cave_grid.h"
#include "core/elements.h"

namespace krattle {

namespace quick {

// Facing index: 0 left, 1 up, 2 right, 3 down (clockwise order); 4 is the cell itself.
enum Facing : std::uint8_t {
  kFaceLeft = 0,
  kFaceUp = 1,
  kFaceRight = 2,
  kFaceDown = 3,
  kFaceOwn = 4
};

// What a QuickStep tells the scan: the code left its cell.
enum : std::uint8_t { kMoved = 1 };

struct Entry {
  // By outcome, `pick`: 0 the first way is free, 1 only the second, 2 and 3 neither (or a code
  // that always turns into code[2]); 4..7 of code: the same with a move right taken up as the
  // base code.
  Element code[8];
  std::uint8_t move[4];      // move value written with the code
  std::uint8_t keepMove[4];  // 0xff where the code stays in its cell and keeps its move value
  std::uint8_t outcome[4];   // kMoved or 0
  // The two ways tried, as steps across and down, so that their cells are known before the
  // outcome; both zero for the codes that only turn into another.
  std::int8_t dx[2], dy[2];
  std::uint8_t force;        // 2 for the codes that only turn into code[2]
  std::uint8_t triggerMask;  // nonzero for creatures, which explode beside certain neighbours
  bool butterflyBlast;
  bool quick;
};

struct CreatureKind {
  Element byFacing[4];  // base code per facing
  Element movedRight;
  Element movedDown;
  bool turnsLeftFirst;  // fireflies turn counter-clockwise first
  bool butterflyBlast;
};

inline constexpr CreatureKind kKinds[4] = {
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

inline constexpr std::pair<Element, Element> kNextCode[] = {
    {HorizExpWallMoved, HorizExpWall},
    {FireflyMovedRight, FireflyRight},
    {FireflyMovedDown, FireflyDown},
    {ButterflyMovedDown, ButterflyDown},
    {ButterflyMovedRight, ButterflyRight},
    {DravikMoved, Dravik},
    {BoulderFallingMoved, BoulderFalling},
    {DiamondStationaryMoved, DiamondStationary},
    {DiamondFallingMoved, DiamondFalling},
    {AmoebaMoved, Amoeba},
    {ClockTaken, Dirt},
    {DravikInExitMoved, DravikInExit},
    {VertExpWallMoved, VertExpWall},
    {BothDirExpWallMoved, BothDirExpWall},
    {WallFallingFallingMoved, WallFallingFalling},
    {AcidMoved, Acid},
    {BombFallingMoved, BombFalling},
    {AltFireflyMovedRight, AltFireflyRight},
    {AltFireflyMovedDown, AltFireflyDown},
    {AltButterflyMovedDown, AltButterflyDown},
    {AltButterflyMovedRight, AltButterflyRight},
    {DravikWithBombMoved, DravikWithBomb},
    {ExplosionMoved, Explosion},
    {Explosion, Explosion2},
    {Explosion2, Explosion3},
    {Explosion3, Explosion4},
    {DiamondBirthMoved, DiamondBirth},
    {DiamondBirth, DiamondBirth2},
    {DiamondBirth2, DiamondBirth3},
    {DiamondBirth3, DiamondBirth4},
    {SolidBombDetonateMoved, SolidBombDetonate},
    {SolidBombExplMoved, SolidBombExpl},
    {SolidBombExpl, SolidBombExpl2},
    {SolidBombExpl2, SolidBombExpl3},
    {SolidBombExpl3, SolidBombExpl4},
    {BombIgnitedMoved, BombIgnited},
    {BombIgnited, BombIgnited2},
    {BombIgnited2, BombIgnited3},
    {BombIgnited3, BombIgnited4},
    {BombIgnited4, BombIgnited5},
    {BombIgnited5, BombIgnited6},
    {BombExplMoved, BombExpl},
    {BombExpl, BombExpl2},
    {BombExpl2, BombExpl3},
};

constexpr std::array<Entry, 256> MakeTable() {
  std::array<Entry, 256> t{};
  for (const CreatureKind& k : kKinds)
    for (int f = 0; f < 4; ++f) {
      const int first = k.turnsLeftFirst ? (f + 3) % 4 : (f + 1) % 4;
      const int other = k.turnsLeftFirst ? (f + 1) % 4 : (f + 3) % 4;
      auto codeFor = [&](int g) {
        return g == kFaceRight ? k.movedRight : g == kFaceDown ? k.movedDown : k.byFacing[g];
      };
      Entry& e = t[k.byFacing[f]];
      constexpr std::int8_t kDx[4] = {-1, 0, 1, 0}, kDy[4] = {0, -1, 0, 1};
      constexpr std::uint8_t kMoveValue[4] = {3, 4, 2, 1};
      const int facing[4] = {first, f, kFaceOwn, kFaceOwn};
      e.dx[0] = kDx[first];
      e.dy[0] = kDy[first];
      e.dx[1] = kDx[f];
      e.dy[1] = kDy[f];
      for (int p = 0; p < 4; ++p) {
        const int g = facing[p];
        const bool own = g == kFaceOwn;
        e.code[p] = own ? k.byFacing[other] : codeFor(g);
        e.code[4 + p] = g == kFaceRight ? k.byFacing[kFaceRight] : e.code[p];
        e.move[p] = own ? 0 : kMoveValue[g];
        e.keepMove[p] = own ? 0xff : 0;
        e.outcome[p] = own ? 0 : kMoved;
      }
      e.triggerMask = 0xff;
      e.butterflyBlast = k.butterflyBlast;
      e.quick = true;
    }
  for (const auto& [from, to] : kNextCode) {
    Entry& e = t[from];
    for (int k = 0; k < 8; ++k) e.code[k] = to;
    for (int k = 0; k < 4; ++k) e.keepMove[k] = 0xff;
    e.force = 2;
    e.quick = true;
  }
  return t;
}
inline constexpr std::array<Entry, 256> kTable = MakeTable();

// Neighbours that make a creature explode.
enum : std::uint8_t { kNextToDummy = 1, kNextToDravik = 2, kNextToAmoeba = 4 };
constexpr std::array<std::uint8_t, 256> MakeTriggers() {
  std::array<std::uint8_t, 256> t{};
  t[Dummy] = kNextToDummy;
  t[Dravik] = t[DravikWithBomb] = kNextToDravik;
  t[Amoeba] = kNextToAmoeba;
  return t;
}
inline constexpr std::array<std::uint8_t, 256> kTriggers = MakeTriggers();

// The kNextTo* flags of a creature's neighbours; zero for the one-code steps.
template <bool Interior>
inline int Near(const CaveGrid& g, const Element* cells, int w, int a, Element code) {
  const auto at = [&](int offset) { return Interior ? a + offset : g.Safe(a + offset); };
  return (kTriggers[cells[at(-1)]] | kTriggers[cells[at(-w)]] | kTriggers[cells[at(1)]] |
          kTriggers[cells[at(w)]]) &
         kTable[code].triggerMask;
}

// One step of the creature or one-code step at a, which holds `code`, when Near() found
// nothing. The caller passes the grid's arrays as locals so that stores to cells do not make
// the compiler reload them.
// Interior: the cell's row is neither the first nor the last, so no neighbour wraps.
// rightMaySettle: the scan takes the cell on the right next and lets a creature moving there be
// written as its base code, which is all that visit would make of the marker.
template <bool Interior>
inline int QuickStep(const CaveGrid& g, Element* cells, std::uint8_t* moves, int w, int a,
                     Element code, bool rightMaySettle) {
  const Entry& q = kTable[code];
  const auto at = [&](int offset) { return Interior ? a + offset : g.Safe(a + offset); };
  // Whether the way is free is a coin toss in a busy cave, so the outcome is picked by index
  // and select rather than by branching; a turn in place is a "move" to its own cell that
  // keeps its move value. The cell written is worked out from the loads alone, so that the
  // next visit's loads need not wait long for it.
  const int t0 = at(q.dx[0] + q.dy[0] * w);
  const int t1 = at(q.dx[1] + q.dy[1] * w);
  const bool blocked0 = cells[t0] != Space;
  const bool blocked1 = cells[t1] != Space;
  // Masks, not ?:, which the compiler makes a branch.
  const int m0 = -static_cast<int>(blocked0), m1 = -static_cast<int>(blocked1);
  const int t = (((a & m1) | (t1 & ~m1)) & m0) | (t0 & ~m0);
  const int pick = (blocked0 * (1 + blocked1)) | q.force;
  const std::uint8_t move = q.move[pick] | (moves[a] & q.keepMove[pick]);
  const Element to = q.code[pick + 4 * rightMaySettle];
  cells[a] = Space;
  cells[t] = to;
  moves[t] = move;
  return q.outcome[pick];
}

}  // namespace quick

}  // namespace krattle

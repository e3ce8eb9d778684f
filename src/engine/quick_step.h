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

// What a QuickStep did, for the scan.
enum : int { kMoved = 1, kSettledRight = 2, kBlasted = 4 };

struct Entry {
  // By outcome: 0 the first way is free, 1 only the second, 2 and 3 neither (or a code that
  // always turns into code[2]).
  std::uint8_t facing[4];
  Element code[8];  // 4..7: the same with a move right taken up as the base code
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
      e.facing[0] = static_cast<std::uint8_t>(first);
      e.facing[1] = static_cast<std::uint8_t>(f);
      e.facing[2] = e.facing[3] = kFaceOwn;
      constexpr std::int8_t kDx[4] = {-1, 0, 1, 0}, kDy[4] = {0, -1, 0, 1};
      e.dx[0] = kDx[first];
      e.dy[0] = kDy[first];
      e.dx[1] = kDx[f];
      e.dy[1] = kDy[f];
      e.code[0] = codeFor(first);
      e.code[1] = codeFor(f);
      e.code[2] = e.code[3] = k.byFacing[other];
      for (int p = 0; p < 4; ++p)
        e.code[4 + p] = e.facing[p] == kFaceRight ? k.byFacing[kFaceRight] : e.code[p];
      e.triggerMask = 0xff;
      e.butterflyBlast = k.butterflyBlast;
      e.quick = true;
    }
  for (const auto& [from, to] : kNextCode) {
    Entry& e = t[from];
    for (int k = 0; k < 4; ++k) e.facing[k] = kFaceOwn;
    for (int k = 0; k < 8; ++k) e.code[k] = to;
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

// By facing: the move value, which the cell itself keeps (kKeepsMove), and what the scan is
// told. Tables rather than tests, which the compiler would turn into branches.
inline constexpr std::uint8_t kMoveValue[5] = {3, 4, 2, 1, 0};
inline constexpr std::uint8_t kKeepsMove[5] = {0, 0, 0, 0, 0xff};
inline constexpr int kOutcome[5] = {kMoved, kMoved, kMoved | kSettledRight, kMoved, 0};

// One step of the creature or one-code step at a, which holds `code`. The caller passes the
// grid's arrays as locals so that stores to cells do not make the compiler reload them.
// Interior: the cell's row is neither the first nor the last, so no neighbour wraps.
// rightMaySettle: the scan takes the cell on the right next and lets a creature moving there be
// written as its base code, which is all that visit would make of the marker.
// A creature beside a trigger changes nothing here: the flags come back in `near` for the blast.
template <bool Interior>
inline int QuickStep(const CaveGrid& g, Element* cells, std::uint8_t* moves, int w, int a,
                     Element code, bool rightMaySettle, int& near) {
  const Entry& q = kTable[code];
  const auto at = [&](int offset) { return Interior ? a + offset : g.Safe(a + offset); };
  near = (kTriggers[cells[at(-1)]] | kTriggers[cells[at(-w)]] | kTriggers[cells[at(1)]] |
          kTriggers[cells[at(w)]]) &
         q.triggerMask;
  if (near != 0) return kBlasted;
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
  const int f = q.facing[pick];
  const std::uint8_t move = kMoveValue[f] | (moves[a] & kKeepsMove[f]);
  const Element to = q.code[pick + 4 * rightMaySettle];
  cells[a] = Space;
  cells[t] = to;
  moves[t] = move;
  return kOutcome[f] & ~(rightMaySettle ? 0 : kSettledRight);
}

}  // namespace quick

}  // namespace krattle

#pragma once
// Creatures and the codes whose whole rule is to turn into one other code (markers back into
// their base code, explosion and birth stages into the next stage) share one table-driven step.
// They are most of the visits in a busy cave; one table entry per code lets a visit pick its
// outcome by index, with no dispatch and no branch on what the neighbours hold.

#include <array>
#include <cstddef>
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

// What a QuickStep tells the scan: the code left its cell; it moved down and was written as its
// base code (see QuickStep).
enum : std::uint8_t { kMoved = 1, kSettledDown = 4 };

// Which moves QuickStep may write as the base code instead of the marker.
enum : std::uint8_t { kSettleRight = 1, kSettleDown = 2 };

struct alignas(32) Entry {
  // By outcome, `pick`: 0 the first way is free, 1 only the second, 2 and 3 neither (or a code
  // that always turns into code[2]); 4..7 of code: the same with a move right or down written
  // as the base code.
  Element code[8];
  std::uint8_t settles[4];   // kSettleRight or kSettleDown for a move that can be written so
  std::uint8_t move[4];      // move value written with the code
  std::uint8_t keepMove[4];  // 0xff where the code stays in its cell and keeps its move value
  // The two ways tried, as steps across and down, so that their cells are known before the
  // outcome; both zero for the codes that only turn into another.
  std::int8_t dx[2], dy[2];
  std::int8_t off40[2], off20[2];  // the same as offsets, for the two widths the loader sets
  std::uint8_t force;              // 2 for the codes that only turn into code[2]
  std::uint8_t triggerMask;        // nonzero for creatures, which explode beside certain neighbours
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
      for (int k = 0; k < 2; ++k) {
        e.off40[k] = static_cast<std::int8_t>(e.dx[k] + 40 * e.dy[k]);
        e.off20[k] = static_cast<std::int8_t>(e.dx[k] + 20 * e.dy[k]);
      }
      for (int p = 0; p < 4; ++p) {
        const int g = facing[p];
        const bool own = g == kFaceOwn;
        e.code[p] = own ? k.byFacing[other] : codeFor(g);
        const bool right = g == kFaceRight, down = g == kFaceDown;
        e.code[4 + p] = right || down ? k.byFacing[g] : e.code[p];
        e.settles[p] = right ? kSettleRight : down ? kSettleDown : 0;
        e.move[p] = own ? 0 : kMoveValue[g];
        e.keepMove[p] = own ? 0xff : 0;
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
static_assert(sizeof(Entry) == 32, "an entry is one shift away from its code");

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

// Creature codes, markers included.
inline bool IsCreature(Element c) {
  return (c >= FireflyMovedRight && c <= ButterflyRight) ||
         (c >= AltFireflyMovedRight && c <= AltButterflyRight);
}

// The offset of way k (0 or 1) of an entry in a cave of width w.
template <int Width>
inline std::ptrdiff_t WayOffset(const Entry& q, int k, int w) {
  if constexpr (Width == 40)
    return q.off40[k];
  else if constexpr (Width == 20)
    return q.off20[k];
  else
    return q.dx[k] + q.dy[k] * w;
}

// The kNextTo* flags of a creature's neighbours; zero for the one-code steps.
// Interior: the cell's row is neither the first nor the last, so no neighbour wraps.
template <bool Interior>
inline int Near(const CaveGrid& g, const Element* cells, std::ptrdiff_t w, std::ptrdiff_t a,
                Element code) {
  const auto at = [&](std::ptrdiff_t offset) {
    return Interior ? a + offset : g.Safe(static_cast<int>(a + offset));
  };
  return (kTriggers[cells[at(-1)]] | kTriggers[cells[at(-w)]] | kTriggers[cells[at(1)]] |
          kTriggers[cells[at(w)]]) &
         kTable[code].triggerMask;
}

// One step of the creature or one-code step at a, which holds `code`, when Near() found
// nothing. The caller passes the grid's arrays as locals so that stores to cells do not make
// the compiler reload them.
// settle: the kSettle* moves the scan lets be written as the base code, which is all that the
// visit to the marker would make of it. A move right may be when the scan takes that cell next.
// A move down may be when the scan, at the next row, leaves the cell out while it still holds
// a creature's base code: nothing can turn it back into one meanwhile, and nothing can tell
// the two codes apart but acid that eats one of them, which the scan rules out.
template <int Width, bool Interior>
inline int QuickStep(const CaveGrid& g, Element* cells, std::uint8_t* moves, std::ptrdiff_t w,
                     std::ptrdiff_t a, Element code, unsigned settle) {
  const Entry& q = kTable[code];
  const auto at = [&](std::ptrdiff_t offset) -> std::ptrdiff_t {
    return Interior ? a + offset : g.Safe(static_cast<int>(a + offset));
  };
  // Whether the way is free is a coin toss in a busy cave, so the outcome is picked by index
  // and select rather than by branching; a turn in place is a "move" to its own cell that
  // keeps its move value. The cell written is worked out from the loads alone, so that the
  // next visit's loads need not wait long for it.
  const std::ptrdiff_t t0 = at(WayOffset<Width>(q, 0, static_cast<int>(w)));
  const std::ptrdiff_t t1 = at(WayOffset<Width>(q, 1, static_cast<int>(w)));
  const bool blocked0 = cells[t0] != Space;
  const bool blocked1 = cells[t1] != Space;
  // Masks, not ?:, which the compiler makes a branch.
  const std::ptrdiff_t m0 = -static_cast<std::ptrdiff_t>(blocked0);
  const std::ptrdiff_t m1 = -static_cast<std::ptrdiff_t>(blocked1);
  const std::ptrdiff_t t = (((a & m1) | (t1 & ~m1)) & m0) | (t0 & ~m0);
  const unsigned pick = (blocked0 * (1u + blocked1)) | q.force;
  const std::uint8_t move = q.move[pick] | (moves[a] & q.keepMove[pick]);
  const unsigned settled = q.settles[pick] & settle;
  const Element to = q.code[pick + 4 * (settled != 0)];
  cells[a] = Space;
  cells[t] = to;
  moves[t] = move;
  return (~q.keepMove[pick] & kMoved) | ((settled & kSettleDown) << 1);
}

}  // namespace quick

}  // namespace krattle

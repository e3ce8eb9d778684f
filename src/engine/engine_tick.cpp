#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "engine/engine.h"
#include "engine/quick_step.h"
#include "engine/resting.h"

namespace krattle {

namespace {

// Codes without a rule (space, dirt, walls, slime, clock, bomb, dummy, cover, unused), which
// are most of a cave and are skipped cheaply.
struct CodeRange {
  std::uint8_t lo, hi;
};
constexpr CodeRange kNoRule[] = {{0, 2},   {5, 7},   {46, 48},   {54, 54},   {57, 57},  {60, 61},
                                 {67, 67}, {81, 89}, {104, 104}, {111, 111}, {117, 255}};

constexpr std::array<bool, 256> MakeRuleTable() {
  std::array<bool, 256> t{};
  for (int c = 0; c < 256; ++c) t[c] = true;
  for (const CodeRange& r : kNoRule)
    for (int c = r.lo; c <= r.hi; ++c) t[c] = false;
  return t;
}
constexpr std::array<bool, 256> kHasRule = MakeRuleTable();

// Resting boulders and diamonds: on most supports they stay put whatever their sides hold.
constexpr std::array<bool, 256> MakeRestingTable() {
  std::array<bool, 256> t{};
  t[BoulderStationary] = t[DiamondStationary] = true;
  return t;
}
constexpr std::array<bool, 256> kResting = MakeRestingTable();

// What the scan leaves out when it cannot act: resting objects, and horizontal expanding walls
// with no space beside them. The cell that a creature frees may let either act.
constexpr std::array<std::uint8_t, 256> MakeLeftOutTable() {
  std::array<std::uint8_t, 256> t{};
  t[BoulderStationary] = t[DiamondStationary] = t[HorizExpWall] = 1;
  return t;
}
constexpr std::array<std::uint8_t, 256> kLeftOut = MakeLeftOutTable();

// A resting object on one of these stays put: no fall, no roll, no slime draw.
constexpr std::array<bool, 256> MakeHoldsTable() {
  std::array<bool, 256> t{};
  for (int c = 0; c < 256; ++c) t[c] = c != Space && c != Slime && !kRoundForRest[c];
  return t;
}
constexpr std::array<bool, 256> kHolds = MakeHoldsTable();

// Codes with a rule, or rare enough in a cave that a visit that does nothing costs less than
// telling them apart: the scan visits these.
constexpr CodeRange kNeverActs[] = {{0, 2}, {5, 7}, {46, 48}, {60, 61}, {81, 89}, {117, 255}};

// Per cell of the scanned row, one bit each: may act, rests (boulder or diamond), is space.
struct RowBits {
  std::uint64_t visit = 0, resting = 0, space = 0, sideways = 0;  // sideways: horizontal wall
};
// Per cell of the row below: is space, is round for a resting object, holds it (see kHolds).
struct BelowBits {
  std::uint64_t space = 0, round = 0, holds = 0;
};

#if defined(__SSE2__)
std::uint64_t Bits(__m128i m) {
  return std::uint64_t{static_cast<std::uint16_t>(_mm_movemask_epi8(m))};
}
__m128i Eq(__m128i c, Element e) {
  return _mm_cmpeq_epi8(c, _mm_set1_epi8(static_cast<char>(e)));
}
// Sixteen cells at a time; the last block overlaps the one before when w is not a multiple of
// sixteen, which only sets the same bits twice.
template <int Width, typename Block>
inline void ForBlocks(const Element* cells, int w, Block block) {
  const auto at = [&](int i) {
    block(_mm_loadu_si128(reinterpret_cast<const __m128i*>(cells + i)), i);
  };
  // Spelled out for the two widths the loader sets.
  if constexpr (Width == 40) {
    at(0);
    at(16);
    at(24);
  } else if constexpr (Width == 20) {
    at(0);
    at(4);
  } else {
    for (int i = 0; i < w; i += 16) at(i > w - 16 ? w - 16 : i);
  }
}
#endif

template <int Width>
inline RowBits ClassifyRow(const Element* cells, int w) {
  RowBits b;
#if defined(__SSE2__)
  if (w >= 16) {
    ForBlocks<Width>(cells, w, [&](__m128i c, int at) {
      __m128i never = _mm_setzero_si128();
      for (const CodeRange& r : kNeverActs) {
        const __m128i x = _mm_sub_epi8(c, _mm_set1_epi8(static_cast<char>(r.lo)));
        const __m128i span = _mm_set1_epi8(static_cast<char>(r.hi - r.lo));
        never = _mm_or_si128(never, _mm_cmpeq_epi8(_mm_min_epu8(x, span), x));
      }
      b.visit |= (~Bits(never) & 0xffff) << at;
      b.resting |= Bits(_mm_or_si128(Eq(c, BoulderStationary), Eq(c, DiamondStationary))) << at;
      b.space |= Bits(Eq(c, Space)) << at;
      b.sideways |= Bits(Eq(c, HorizExpWall)) << at;
    });
    return b;
  }
#endif
  for (int i = 0; i < w; ++i) {
    const Element c = cells[i];
    b.visit |= std::uint64_t{kHasRule[c]} << i;
    b.resting |= std::uint64_t{kResting[c]} << i;
    b.space |= std::uint64_t{c == Space} << i;
    b.sideways |= std::uint64_t{c == HorizExpWall} << i;
  }
  return b;
}

template <int Width>
inline BelowBits ClassifyBelow(const Element* cells, int w) {
  BelowBits b;
#if defined(__SSE2__)
  if (w >= 16) {
    ForBlocks<Width>(cells, w, [&](__m128i c, int at) {
      __m128i round = _mm_setzero_si128();
      for (Element e : {Wall, BoulderStationary, DiamondStationary, BombSolid, BombGlued,
                        BoulderGlued, DiamondGlued})
        round = _mm_or_si128(round, Eq(c, e));
      const __m128i space = Eq(c, Space);
      b.space |= Bits(space) << at;
      b.round |= Bits(round) << at;
      const __m128i acts = _mm_or_si128(_mm_or_si128(space, round), Eq(c, Slime));
      b.holds |= (~Bits(acts) & 0xffff) << at;
    });
    return b;
  }
#endif
  for (int i = 0; i < w; ++i) {
    const Element c = cells[i];
    b.space |= std::uint64_t{c == Space} << i;
    b.round |= std::uint64_t{kRoundForRest[c]} << i;
    b.holds |= std::uint64_t{kHolds[c]} << i;
  }
  return b;
}

}  // namespace

void Engine::EngineTick() {
  if (host_.DemoPlaying()) host_.PlaybackTick();

  s_.EntranceTicked = false;
  s_.PlayerPresent = false;
  s_.CarryingBomb = false;
  s_.AmoebaCanGrow = false;
  s_.AmoebaCount = 0;

  const int w = g_.CaveWidth;
  std::fill_n(g_.MoveMap.begin(), MaxRows * w > CellCount ? CellCount : MaxRows * w, 0);

  // The loader sets only these two widths; the scan is compiled for each.
  if (w == 40)
    ScanRows<40>();
  else if (w == 20)
    ScanRows<20>();
  else
    ScanRows<0>();

  s_.AmoebaCountLast = s_.AmoebaCount;
  if (!s_.AmoebaCanGrow && s_.AmoebaStarted) s_.AmoebaEnclosed = true;
  if (s_.AmoebaCount == 0 && s_.AmoebaSoundOn) {
    host_.StopSound(waves::AmoebaLoop);
    s_.AmoebaSoundOn = false;
  }
  if ((s_.MagicWallState == 0 || s_.MagicWallState == 2) && s_.MagicWallSoundOn) {
    s_.MagicWallSoundOn = false;
    host_.StopSound(waves::MagicWallLoop);
  }

  // A Dravik who moved down out of the last row sits in row 0, which the scan had passed.
  for (int a = 0; a < w; ++a) {
    Element c = g_.Cells[a];
    if (c == Dravik || c == DravikMoved || c == DravikWithBomb || c == DravikWithBombMoved) {
      s_.PlayerPresent = true;
      break;
    }
  }

  if (!s_.PlayerPresent) {
    s_.PlayerInPlay = false;
    if (host_.DemoRecording()) host_.FinishRecording();
    if (host_.DemoPlaying()) host_.FinishPlayback();
  }
  if (host_.DemoRecording()) host_.RecordTick();
}

void Engine::Step(int a, Element code) {
  if (quick::kTable[code].quick) {
    const int w = W();
    const int near = quick::Near<false>(g_, g_.Cells.data(), w, a, code);
    if (near != 0)
      CreatureBlast(a, quick::kTable[code].butterflyBlast, near);
    else
      quick::QuickStep<0, false>(g_, g_.Cells.data(), g_.MoveMap.data(), w, a, code, 0);
    return;
  }
  Element& c = g_.Cells[a];
  switch (code) {
    case BoulderPushed: PushedMarkerRule(a, BoulderStationary, BoulderFalling); break;
    case BombSolidPushed: PushedMarkerRule(a, BombSolid, BombFalling); break;

    // The ends of the stage sequences.
    case ExplodeRegular: RegularBlast(a); break;
    case Explosion4: c = ElementChoice(p_.RegularExplosion); break;
    case ExplodeToDiamonds: ButterflyBlast(a); break;
    case DiamondBirth4: c = ElementChoice(p_.ButterflyExplosion); break;
    case SolidBombDetonate: SolidBombBlast(a); break;
    case SolidBombExpl4: c = ElementChoice(p_.SolidBombExplosion); break;
    case BombIgnited6: IgnitedBombBlast(a); break;
    case BombExpl3: c = ElementChoice(p_.BombExplosion); break;

    // Dravik, the entrance and the exit.
    case Entrance: EntranceRule(a); break;
    case DravikBirth:
      c = DravikBirth2;
      s_.PlayerPresent = true;
      e_.SignalEvent = 1;
      break;
    case DravikBirth2:
      c = DravikBirth3;
      s_.PlayerPresent = true;
      break;
    case DravikBirth3:
      s_.PlayerPresent = true;
      c = Dravik;
      s_.PlayerBorn = true;
      break;
    case Dravik: DravikRule(a, Dravik); break;
    case DravikWithBomb: DravikRule(a, DravikWithBomb); break;
    case ExitClosed:
      if (s_.DiamondsCollected >= p_.Diamonds) c = ExitOpen;
      break;
    case DravikInExit: DravikInExitRule(); break;

    // Falling and rolling objects.
    case BoulderStationary: BoulderStationaryRule(a); break;
    case BoulderFalling: BoulderFallingRule(a); break;
    case DiamondStationary: DiamondStationaryRule(a); break;
    case DiamondFalling: DiamondFallingRule(a); break;
    case BombSolid: BombSolidRule(a); break;
    case BombFalling: BombFallingRule(a); break;
    case MagicWall: MagicWallCell(); break;
    case WallFalling: WallFallingRule(a); break;
    case WallFallingFalling: WallFallingFallingRule(a); break;

    // Spreading elements.
    case Amoeba: AmoebaRule(a); break;
    case Acid: AcidRule(a); break;
    case HorizExpWall: HorizExpWallRule(a); break;
    case VertExpWall: VertExpWallRule(a); break;
    case BothDirExpWall: BothDirExpWallRule(a); break;

    default: break;  // no rule: space, dirt, walls, slime, clock, bomb, dummy, cover, unused
  }
}

template <int Width>
void Engine::ScanRows() {
  const int w = Width ? Width : g_.CaveWidth;
  const int rows = w == 20 ? 12 : 22;
  // Acid that eats a creature's code could tell a creature written settled below from its marker.
  const bool settleDown = !quick::IsCreature(ElementChoice(p_.AcidEats));
  Settled settled;
  for (int row = 0; row < rows; ++row) {
    host_.PollInput(in_);
    // Only the first and last rows have neighbours that wrap.
    if (row == 0 || (row + 2) * w > g_.WrapLimit())
      settled = ScanRow<Width, false>(row * w, settled, false);
    else
      settled = ScanRow<Width, true>(row * w, settled, settleDown);
  }
}

template <int Width, bool Interior>
Engine::Settled Engine::ScanRow(int first, Settled above, bool settleDown) {
  const int w = Width ? Width : g_.CaveWidth;
  // Busy caves mix cells with and without a rule at random, so a test per cell mispredicts
  // often; a mask of the row's cells that can act is walked instead. Resting boulders and
  // diamonds that can neither fall nor roll are left out of it, and so are horizontal
  // expanding walls that cannot grow.
  // Locals, so that the stores to cells need not reload them.
  Element* const grid = g_.Cells.data();
  std::uint8_t* const moves = g_.MoveMap.data();
  const Element* cells = grid + first;
  const RowBits row = ClassifyRow<Width>(cells, w);
  std::uint64_t pending = row.visit;
  if ((row.resting | row.sideways) != 0) {
    const int limit = g_.WrapLimit();
    // In an interior row only the cell after the next row can wrap, and only to cell 0.
    const auto safe = [&](int i) { return Interior ? (i < limit ? i : i - limit) : g_.Safe(i); };
    const std::uint64_t all = (std::uint64_t{1} << w) - 1;
    const auto spaceAt = [&](int i) { return std::uint64_t{grid[safe(i)] == Space}; };
    // Space beside each cell and beside the cell below it, the row's ends read as the rules do.
    const std::uint64_t spaceL = ((row.space << 1) & all) | spaceAt(first - 1);
    const std::uint64_t spaceR = (row.space >> 1) | (spaceAt(first + w) << (w - 1));
    // Horizontal expanding walls grow only into space beside them, so with none they are left
    // out too.
    pending &= ~(row.sideways & ~(spaceL | spaceR));
    if (row.resting != 0) {
      const BelowBits down = ClassifyBelow<Width>(grid + safe(first + w), w);
      const std::uint64_t spaceBL = ((down.space << 1) & all) | spaceAt(first + w - 1);
      const std::uint64_t spaceBR = (down.space >> 1) | (spaceAt(first + 2 * w) << (w - 1));
      const std::uint64_t shut = ~(spaceL & spaceBL) & ~(spaceR & spaceBR);
      pending &= ~(row.resting & (down.holds | (down.round & shut)));
    }
  }
  // Creatures that the row above moved down and wrote settled are left out while they still
  // hold a creature's base code, here and when a refresh below looks at them again. Only a
  // visit outside the quick steps could have written over one before this row; those are
  // looked at.
  std::uint64_t skip = above.settled & ~above.touched;
  for (std::uint64_t s = above.settled & above.touched; s != 0; s &= s - 1) {
    const int i = std::countr_zero(s);
    skip |= std::uint64_t{quick::kTable[cells[i]].triggerMask != 0} << i;
  }
  pending &= ~skip;
  Settled below;

  auto refresh = [&](int k) {
    const Element c = cells[k];
    const std::uint64_t kept = (skip >> k) & (quick::kTable[c].triggerMask != 0);
    const std::uint64_t visit = kHasRule[c] & ~kept & 1;
    pending = (pending & ~(std::uint64_t{1} << k)) | (visit << k);
  };
  while (pending != 0) {
    const int i = std::countr_zero(pending);
    pending &= pending - 1;
    const Element code = cells[i];
    if (quick::kTable[code].quick) {
      const int near = quick::Near<Interior>(g_, grid, w, first + i, code);
      if (near == 0) [[likely]] {
        const unsigned settle =
            (i + 1 < w ? quick::kSettleRight : 0) | (settleDown ? quick::kSettleDown : 0);
        const int done =
            quick::QuickStep<Width, Interior>(g_, grid, moves, w, first + i, code, settle);
        below.settled |= std::uint64_t{(done & quick::kSettledDown) != 0} << i;
        // Only a creature that left its cell changes anything ahead in the row: a resting object
        // or a horizontal wall on its right, left out of the scan, may now roll or grow into the
        // freed cell. Every other cell on its right with a rule is still pending; the space a
        // creature moved right into was not, and the creature was written settled there. As a
        // branch, rarely taken, this keeps the next visit from waiting for this one. (From the
        // row's last cell the freed cell's own code, now space, is read instead.)
        const int right = i + 1 < w ? i + 1 : i;
        if (__builtin_expect((done & quick::kMoved & kLeftOut[cells[right]]) != 0, 0))
          pending |= std::uint64_t{1} << right;
        continue;
      }
      CreatureBlast(first + i, quick::kTable[code].butterflyBlast, near);
    } else {
      Step(first + i, code);
    }
    // The cells of the next row this visit may have written: those below it, and from the
    // row's end the first two, which follow on its right.
    below.touched |= ((std::uint64_t{7} << i) >> 1) | (i >= w - 2 ? 3 : 0);
    // Whether a cell that can be left out acts depends on it, its sides and the three cells
    // below. Of the cells ahead a rule may change the two on its right and the three below it,
    // and from column 0 the row's last cell; it writes space at most one cell to its right. So
    // only these cells can have started to act; they are visited if they have a rule at all,
    // since a visit to one that does not act only does nothing.
    if (i + 1 < w) refresh(i + 1);
    if (i + 2 < w) refresh(i + 2);
    if (i == 0) refresh(w - 1);
  }
  return below;
}

void Engine::CellStep(int index) {
  const int a = g_.Safe(index);
  Step(a, g_.Cells[a]);
}

}  // namespace krattle

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "engine/engine.h"

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

// One bit per cell of the row, set where the cell has a rule.
std::uint64_t RuleMask(const Element* cells, int w) {
  std::uint64_t mask = 0;
#if defined(__SSE2__)
  // Sixteen cells at a time; the last block overlaps the one before when w is not a multiple
  // of sixteen, which only sets the same bits twice.
  if (w >= 16) {
    for (int at = 0; at < w; at += 16) {
      if (at > w - 16) at = w - 16;
      const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(cells + at));
      __m128i none = _mm_setzero_si128();
      for (const CodeRange& r : kNoRule) {
        const __m128i x = _mm_sub_epi8(c, _mm_set1_epi8(static_cast<char>(r.lo)));
        const __m128i span = _mm_set1_epi8(static_cast<char>(r.hi - r.lo));
        none = _mm_or_si128(none, _mm_cmpeq_epi8(_mm_min_epu8(x, span), x));
      }
      const auto rules = static_cast<std::uint16_t>(~_mm_movemask_epi8(none));
      mask |= std::uint64_t{rules} << at;
    }
    return mask;
  }
#endif
  for (int i = 0; i < w; ++i) mask |= std::uint64_t{kHasRule[cells[i]]} << i;
  return mask;
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

  const int rows = w == 20 ? 12 : 22;
  for (int row = 0; row < rows; ++row) {
    host_.PollInput(in_);
    ScanRow(row * w, w);
  }

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
  Element& c = g_.Cells[a];
  switch (code) {
    // Markers only turn back into their base code.
    case HorizExpWallMoved: c = HorizExpWall; break;
    case FireflyMovedRight: c = FireflyRight; break;
    case FireflyMovedDown: c = FireflyDown; break;
    case ButterflyMovedDown: c = ButterflyDown; break;
    case ButterflyMovedRight: c = ButterflyRight; break;
    case DravikMoved: c = Dravik; break;
    case BoulderFallingMoved: c = BoulderFalling; break;
    case DiamondStationaryMoved: c = DiamondStationary; break;
    case DiamondFallingMoved: c = DiamondFalling; break;
    case AmoebaMoved: c = Amoeba; break;
    case ClockTaken: c = Dirt; break;
    case DravikInExitMoved: c = DravikInExit; break;
    case VertExpWallMoved: c = VertExpWall; break;
    case BothDirExpWallMoved: c = BothDirExpWall; break;
    case WallFallingFallingMoved: c = WallFallingFalling; break;
    case AcidMoved: c = Acid; break;
    case BombFallingMoved: c = BombFalling; break;
    case AltFireflyMovedRight: c = AltFireflyRight; break;
    case AltFireflyMovedDown: c = AltFireflyDown; break;
    case AltButterflyMovedDown: c = AltButterflyDown; break;
    case AltButterflyMovedRight: c = AltButterflyRight; break;
    case DravikWithBombMoved: c = DravikWithBomb; break;
    case BoulderPushed: PushedMarkerRule(a, BoulderStationary, BoulderFalling); break;
    case BombSolidPushed: PushedMarkerRule(a, BombSolid, BombFalling); break;

    // Stage sequences.
    case ExplodeRegular: RegularBlast(a); break;
    case ExplosionMoved: c = Explosion; break;
    case Explosion: c = Explosion2; break;
    case Explosion2: c = Explosion3; break;
    case Explosion3: c = Explosion4; break;
    case Explosion4: c = ElementChoice(p_.RegularExplosion); break;
    case ExplodeToDiamonds: ButterflyBlast(a); break;
    case DiamondBirthMoved: c = DiamondBirth; break;
    case DiamondBirth: c = DiamondBirth2; break;
    case DiamondBirth2: c = DiamondBirth3; break;
    case DiamondBirth3: c = DiamondBirth4; break;
    case DiamondBirth4: c = ElementChoice(p_.ButterflyExplosion); break;
    case SolidBombDetonateMoved: c = SolidBombDetonate; break;
    case SolidBombDetonate: SolidBombBlast(a); break;
    case SolidBombExplMoved: c = SolidBombExpl; break;
    case SolidBombExpl: c = SolidBombExpl2; break;
    case SolidBombExpl2: c = SolidBombExpl3; break;
    case SolidBombExpl3: c = SolidBombExpl4; break;
    case SolidBombExpl4: c = ElementChoice(p_.SolidBombExplosion); break;
    case BombIgnitedMoved: c = BombIgnited; break;
    case BombIgnited: c = BombIgnited2; break;
    case BombIgnited2: c = BombIgnited3; break;
    case BombIgnited3: c = BombIgnited4; break;
    case BombIgnited4: c = BombIgnited5; break;
    case BombIgnited5: c = BombIgnited6; break;
    case BombIgnited6: IgnitedBombBlast(a); break;
    case BombExplMoved: c = BombExpl; break;
    case BombExpl: c = BombExpl2; break;
    case BombExpl2: c = BombExpl3; break;
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

    // Creatures.
    case FireflyLeft:
    case FireflyUp:
    case FireflyRight:
    case FireflyDown:
    case ButterflyDown:
    case ButterflyLeft:
    case ButterflyUp:
    case ButterflyRight:
    case AltFireflyLeft:
    case AltFireflyUp:
    case AltFireflyRight:
    case AltFireflyDown:
    case AltButterflyDown:
    case AltButterflyLeft:
    case AltButterflyUp:
    case AltButterflyRight: CreatureRule(a, c); break;

    // Spreading elements.
    case Amoeba: AmoebaRule(a); break;
    case Acid: AcidRule(a); break;
    case HorizExpWall: HorizExpWallRule(a); break;
    case VertExpWall: VertExpWallRule(a); break;
    case BothDirExpWall: BothDirExpWallRule(a); break;

    default: break;  // no rule: space, dirt, walls, slime, clock, bomb, dummy, cover, unused
  }
}

void Engine::ScanRow(int first, int w) {
  // Busy caves mix cells with and without a rule at random, so a test per cell mispredicts
  // often; a mask of the row's rule cells is walked instead.
  const Element* cells = g_.Cells.data() + first;
  std::uint64_t pending = RuleMask(cells, w);
  auto refresh = [&](int k) {
    pending = (pending & ~(std::uint64_t{1} << k)) | (std::uint64_t{kHasRule[cells[k]]} << k);
  };
  while (pending != 0) {
    const int i = std::countr_zero(pending);
    pending &= pending - 1;
    // The scan already holds the code; handing it over shortens the chain to the jump.
    Step(first + i, cells[i]);
    // Only these cells of the row ahead can have changed: a rule writes at most two cells to
    // its right (a push), and the cell below-left of column 0 is the last one of its own row.
    if (i + 1 < w) refresh(i + 1);
    if (i + 2 < w) refresh(i + 2);
    if (i == 0) refresh(w - 1);
  }
}

void Engine::CellStep(int index) {
  const int a = g_.Safe(index);
  Step(a, g_.Cells[a]);
}

}  // namespace krattle

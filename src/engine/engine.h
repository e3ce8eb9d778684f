#pragma once
// One engine tick: every cell visited once in reading order, each rule applied in place.
// The rules live in one file per element family; CellStep dispatches to them. Ahead of the scan
// in its own row a rule may write only the two cells on its right, or from column 0 the row's
// last cell (its wrapped below-left); in the next row only the three cells below it; and it
// writes space nowhere ahead but on its right or straight below. ScanRow relies on that to leave
// out cells that cannot act and creatures already written settled (see quick_step.h).

#include "core/cave_grid.h"
#include "core/cave_set.h"
#include "core/random.h"
#include "engine/cave_params.h"
#include "engine/engine_host.h"
#include "engine/engine_state.h"

namespace krattle {

// Everything a running cave consists of, as one value. The game owns one of these.
struct CaveRun {
  CaveGrid Grid;
  EngineState State;
  CaveParams Params;
  GameValues Values;
  TickEvents Events;
  InputFlags Input;
  Random Rng;
};

class Engine {
 public:
  // `set` receives the best score when it rises outside demos; it may be null.
  Engine(CaveRun& run, EngineHost& host, CaveSet* set = nullptr)
      : g_(run.Grid),
        s_(run.State),
        p_(run.Params),
        v_(run.Values),
        e_(run.Events),
        in_(run.Input),
        rng_(run.Rng),
        host_(host),
        set_(set) {}

  void EngineTick();
  void CellStep(int a);

  // Blasts centred on x; falling objects and Dravik set them off as well as creatures.
  void RegularBlast(int x) { Blast3x3(x, Explosion, ExplosionMoved); }
  void ButterflyBlast(int x) { Blast3x3(x, DiamondBirth, DiamondBirthMoved); }
  void SolidBombBlast(int x);
  void IgnitedBombBlast(int x);

  // Scoring of one diamond (Dravik takes it, or a falling diamond lands on a dummy).
  void ScoreDiamond();

 private:
  template <int Width>  // the cave's width, or 0 for any
  void ScanRows();
  // Cells of the next row, one bit each: creatures written settled there (see quick_step.h), and
  // cells that a visit other than a quick step may have written.
  struct Settled {
    std::uint64_t settled = 0, touched = 0;
  };
  // Returns that of the next row; `above` is that of this row.
  template <int Width, bool Interior>
  Settled ScanRow(int first, Settled above, bool settleDown);
  void Step(int a, Element code);  // a is already a valid cell index, code its content
  int W() const { return g_.CaveWidth; }
  Element& Cell(int i) { return g_.At(i); }
  std::uint8_t& Move(int i) { return g_.Move(i); }
  bool Empty(int i) { return g_.At(i) == Space; }
  void CarryVariant(int from, int to) { g_.Variant(to) = g_.Variant(from); }

  // Dravik and the entrance.
  void EntranceRule(int a);
  void DravikRule(int a, Element self);
  void DravikTry(int a, Element self, int target, int dir);
  void DravikMoveInto(int a, Element self, int target, int dir, int kind);
  bool DravikPush(int a, int target, int dir, bool snap);
  void DravikIdle();
  void ApplyClock();
  void DravikInExitRule();

  // Falling objects, slime, magic wall, falling wall.
  void BoulderStationaryRule(int a);
  void BoulderFallingRule(int a);
  void DiamondStationaryRule(int a);
  void DiamondFallingRule(int a);
  void BombSolidRule(int a);
  void BombFallingRule(int a);
  void PushedMarkerRule(int a, Element rest, Element falling);
  void WallFallingRule(int a);
  void WallFallingFallingRule(int a);
  int RollDirection(int a);  // -1 left, +1 right, 0 none
  bool SlimePassage(int a, Element marker, std::uint8_t moveValue, bool carryVariant);
  void MagicWallBoulder(int a);
  void MagicWallDiamond(int a);
  void WakeMagicWall();
  void MagicWallCell();

  // Creatures and blasts. `near` holds the quick::kNextTo* flags of the creature's neighbours.
  void CreatureBlast(int a, bool butterfly, int near);
  void Blast3x3(int x, Element stage1, Element moved);

  // Spreading elements.
  void AmoebaRule(int a);
  void AcidRule(int a);
  void HorizExpWallRule(int a);
  void VertExpWallRule(int a);
  void BothDirExpWallRule(int a);

  CaveGrid& g_;
  EngineState& s_;
  const CaveParams& p_;
  GameValues& v_;
  TickEvents& e_;
  InputFlags& in_;
  Random& rng_;
  EngineHost& host_;
  CaveSet* set_;
};

}  // namespace krattle

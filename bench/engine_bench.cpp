// Engine ticks per second on a busy cave. Run: build/bin/krattle-bench
#include <benchmark/benchmark.h>

#include <memory>

#include "core/cave_set.h"
#include "game/headless_sim.h"

namespace {

using namespace krattle;

// A 40 x 22 cave crowded with every moving family: boulders and diamonds over walls,
// creatures in corridors, amoeba, acid, slime, expanding walls and Dravik walking.
std::unique_ptr<CaveSet> BusySet(bool busy) {
  auto set = std::make_unique<CaveSet>(NewCaveSet());
  const int cave = 0, level = 0;
  auto put = [&](int x, int y, Element e) { set->MapCell(cave, level, x, y) = e; };
  for (int y = 1; y < 21; ++y)
    for (int x = 1; x < 39; ++x) {
      int k = (x * 7 + y * 13) % 11;
      Element e = Dirt;
      if (busy) switch (k) {
          case 0: e = BoulderStationary; break;
          case 1: e = DiamondStationary; break;
          case 2: e = Space; break;
          case 3: e = Space; break;
          case 4: e = Wall; break;
          case 5: e = FireflyLeft; break;
          case 6: e = ButterflyDown; break;
          case 7: e = Space; break;
          default: break;
        }
      put(x, y, e);
    }
  if (busy) {
    // One of every other kind, so each rule family is exercised.
    const Element extras[] = {
        Amoeba,         Acid,           Slime,          BothDirExpWall, HorizExpWall,   VertExpWall,
        MagicWall,      WallFalling,    Dummy,          Clock,          Bomb,           BombSolid,
        BombGlued,      BoulderGlued,   DiamondGlued,   AltFireflyUp,   AltButterflyUp, BombIgnited,
        ExplodeRegular, DiamondFalling, BoulderFalling, ExitOpen};
    int i = 0;
    for (Element e : extras) {
      put(3 + (i * 7) % 34, 3 + (i * 5) % 16, e);
      ++i;
    }
  }
  put(2, 2, Entrance);
  put(37, 19, ExitClosed);
  const int slot = SlotOf(cave, level);
  set->A(slot, FieldA::InBox) = 1;
  set->A(slot, FieldA::CaveTime) = 255;
  set->B(slot, FieldB::ButterflyExplosion) = 6;
  return set;
}

void BM_EngineTick(benchmark::State& state) {
  auto set = BusySet(state.range(0) != 0);
  auto sim = std::make_unique<HeadlessSim>(*set, 0, 0);
  EngineHost host;
  Engine engine(sim->Cave(), host, set.get());
  const CaveRun start = sim->Cave();
  std::int64_t ticks = 0;
  for (auto _ : state) {
    // Refill every 2000 ticks so the cave stays busy instead of settling.
    if (ticks % 2000 == 0) sim->Cave() = start;
    sim->Cave().Input.InputRight = (ticks / 16) % 2 == 0;
    sim->Cave().Input.InputLeft = !sim->Cave().Input.InputRight;
    engine.EngineTick();
    ++ticks;
  }
  state.SetItemsProcessed(ticks);
  state.counters["ticks_per_s"] =
      benchmark::Counter(static_cast<double>(ticks), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_EngineTick)->Arg(1)->Arg(0);

}  // namespace

BENCHMARK_MAIN();

// Random caves played with random input must give exactly the ticks they gave when these
// fingerprints were taken: any change to the engine's speed-ups that changes a single cell,
// move value, random draw or event in any tick shows up here.

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <random>

#include "core/cave_set.h"
#include "game/headless_sim.h"

namespace krattle::testing {
namespace {

struct Fnv {
  std::uint64_t h = 1469598103934665603ull;
  void Add(std::uint64_t v) {
    h ^= v;
    h *= 1099511628211ull;
  }
  template <typename Array>
  void AddAll(const Array& a) {
    for (auto v : a) Add(v);
  }
};

// A cave of every kind of content, framed or open at the edges, with random parameters.
std::unique_ptr<CaveSet> RandomCave(std::mt19937& gen, int cave, bool framed) {
  auto set = std::make_unique<CaveSet>(NewCaveSet());
  const int w = CaveWidthOf(cave), h = CaveHeightOf(cave);
  static constexpr Element kCommon[] = {
      Space,       Space,        Space, Dirt, Dirt, Wall, BoulderStationary, DiamondStationary,
      FireflyLeft, ButterflyDown};
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const bool edge = x == 0 || y == 0 || x == w - 1 || y == h - 1;
      Element e =
          gen() % 3 != 0 ? kCommon[gen() % std::size(kCommon)] : static_cast<Element>(gen() % 117);
      if (framed && edge) e = SteelWall;
      set->MapCell(cave, 0, x, y) = e;
    }
  for (int k = 0; k < 3; ++k)
    set->MapCell(cave, 0, 1 + gen() % (w - 2), 1 + gen() % (h - 2)) = Dravik;
  const int slot = SlotOf(cave, 0);
  for (int x = 0; x < 40; ++x) {
    set->At(x, slot, RowA) = static_cast<std::uint8_t>(gen() % 256);
    set->At(x, slot, RowB) = static_cast<std::uint8_t>(gen() % 256);
  }
  set->A(slot, FieldA::InBox) = 1;
  return set;
}

std::uint64_t PlayAndFingerprint(std::uint32_t seed) {
  std::mt19937 gen(seed);
  const int cave = seed % 3 == 0 ? 16 + seed % 4 : seed % 16;
  auto set = RandomCave(gen, cave, seed % 2 == 0);
  HeadlessSim sim(*set, cave, 0);
  Fnv f;
  for (int t = 0; t < 600; ++t) {
    InputFlags in;
    switch (gen() % 6) {
      case 0: in.InputRight = true; break;
      case 1: in.InputLeft = true; break;
      case 2: in.InputUp = true; break;
      case 3: in.InputDown = true; break;
      default: break;
    }
    in.InputFire = gen() % 5 == 0;
    sim.Step(in, 11);
    CaveRun& run = sim.Cave();
    // Keep going past exits, losses and time-outs.
    run.Values.GamePhase = gpPlay;
    run.Values.TimeLeft = 200;
    const TickEvents& e = sim.LastEvents();
    f.AddAll(run.Grid.Cells);
    f.AddAll(run.Grid.MoveMap);
    f.AddAll(run.Grid.VariantMap);
    f.Add(run.Rng.RandomSeed);
    f.Add(static_cast<std::uint64_t>(run.Values.Score));
    f.Add(run.State.DiamondsCollected);
    f.Add(run.State.AmoebaCount);
    f.Add(run.State.MagicWallState);
    f.Add(run.State.DravikColumn * 256u + run.State.DravikRow);
    f.Add(run.State.PlayerPresent + 2u * run.State.DummyTriggered + 4u * run.State.PushedRight);
    for (std::uint8_t v :
         {e.FallEvent, e.PlayerAction, e.ExplosionEvent, e.GrowthEvent, e.PlayerKilledEvent,
          e.SignalEvent, e.ExitEvent, e.WallGrowthEvent, e.AcidWallEvent})
      f.Add(v);
  }
  return f.h;
}

TEST(Fingerprint, RandomCavesReplayTickForTick) {
  static constexpr std::uint64_t kExpected[] = {
      0xebc9eec561999226ull, 0x2c40be1a2d590bb0ull, 0x43102ae1146591abull, 0x66419707a1ab389cull,
      0xe988d07f3da25b5eull, 0x08ec849c3d32ce53ull, 0xb16dd3f45ca7a5e3ull, 0x73242aafa407b71bull,
      0x7c794929a63207ddull, 0xb0e71813adef87b6ull, 0xd0fe5f96ac7707c9ull, 0xcb3894f56c38a240ull,
      0x9c1edac2a67b8e9eull, 0xc462b1142983bf87ull, 0x73dd9d850bc1de3full, 0x1efe9426362a2268ull,
      0x099a22604534e282ull, 0xf4febcf19957332aull, 0x1574fdcc3eda78b9ull, 0x75dd377943866ac7ull,
      0xe99105f322f8bdceull, 0x62a907b66f26095dull, 0x712b6f06a46d8f08ull, 0x1dd69c893557d828ull,
      0xbc4c1c1a96211734ull, 0x46c210212a50613eull, 0x6ce495c48e2122aaull, 0x2dc04c00ad0a1537ull,
      0x02e5bbd11a438743ull, 0xae9764ebfd246f99ull, 0x6748ccd302df1af6ull, 0xaf0786ce438cb756ull,
      0xe3ef0545a65ec11aull, 0x00bb52cbf3c91433ull, 0x8b3a54c3ee591b89ull, 0xe126dcbf52c44866ull,
      0x178dbf03187834cdull, 0x11b5764906e46ddeull, 0xa7b30166f1df25f0ull, 0x4f8c0c63bb2a34beull,
  };
  for (std::uint32_t seed = 0; seed < std::size(kExpected); ++seed)
    EXPECT_EQ(PlayAndFingerprint(seed), kExpected[seed]) << "seed " << seed;
}

}  // namespace
}  // namespace krattle::testing

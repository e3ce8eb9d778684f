// Time to compose one game frame on the software canvas. Run: build/bin/krattle-frame-bench
#include <benchmark/benchmark.h>

#include <memory>

#include "core/cave_set.h"
#include "game/game_view.h"
#include "game/headless_runner.h"
#include "render/placeholder_images.h"
#include "render/software_canvas.h"

namespace {

using namespace krattle;

// Every cell of the view holds something to draw, half of it in motion.
void FillBusyView(CaveRun& run) {
  static constexpr Element kMix[] = {Dirt,      BoulderStationary, DiamondStationary, Wall,
                                     SteelWall, FireflyLeft,       ButterflyDown,     Amoeba};
  run.Grid.CaveWidth = 40;
  for (int i = 0; i < CellCount; ++i) {
    run.Grid.Cells[i] = kMix[(i * 7) % 8];
    run.Grid.MoveMap[i] = static_cast<std::uint8_t>(i % 2 ? 1 + i % 4 : 0);
    run.Grid.VariantMap[i] = static_cast<std::uint8_t>(i % 4);
  }
  run.State.PlayerBorn = true;
}

void ComposeFrame(benchmark::State& state, int zoom) {
  ViewState view;
  view.SetZoom(zoom);
  PlaceholderImages images(view.TileSize);
  SoftwareCanvas canvas(images, view.SurfaceWidth(), view.SurfaceHeight());
  auto run = std::make_unique<CaveRun>();
  FillBusyView(*run);
  view.ScrollX = -12;
  EngineHost poller;
  StatusContext status;
  status.SetName = "BENCH";
  int f = 0;
  for (auto _ : state) {
    RenderGameFrame(canvas, view, *run, status, {f & 7, (f >> 3) & 1}, poller);
    ++f;
    benchmark::DoNotOptimize(canvas.Frame().data());
  }
}

void BM_ComposeGameFrameZoom1(benchmark::State& state) {
  ComposeFrame(state, 1);
}
void BM_ComposeGameFrameZoom2(benchmark::State& state) {
  ComposeFrame(state, 2);
}
BENCHMARK(BM_ComposeGameFrameZoom1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ComposeGameFrameZoom2)->Unit(benchmark::kMicrosecond);

// A whole program frame in play, an engine tick every eighth frame included.
void BM_GameFrameInPlayZoom2(benchmark::State& state) {
  PlaceholderImages images(40);
  SoftwareCanvas canvas(images, 800, 504);
  StartupOptions options;
  options.Zoom = 2;
  HeadlessRunner runner(options, &canvas);
  auto set = std::make_unique<CaveSet>(NewCaveSet());
  set->MapCell(0, 0, 1, 1) = Entrance;
  set->MapCell(0, 0, 38, 20) = ExitClosed;
  runner.game().UseCaveSet(*set);
  runner.game().Start();
  runner.Frames(200);
  for (auto _ : state) runner.Frames(1);
}
BENCHMARK(BM_GameFrameInPlayZoom2)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "game/game_view.h"
#include "render/playfield_renderer.h"
#include "render/recording_canvas.h"
#include "render/title_screen.h"

namespace krattle::testing {
namespace {

// Polls record which poll number they were; a test decides which polls see a key held.
class CountingPoller : public EngineHost {
 public:
  std::set<int> FireAt;
  int Polls = 0;
  void PollInput(InputFlags& in) override {
    if (FireAt.count(Polls)) in.InputFire = true;
    ++Polls;
  }
};

class PlayfieldTest : public ::testing::TestWithParam<int> {
 protected:
  PlayfieldTest() {
    view.SetZoom(GetParam());
    canvas.TileWidth = view.TileSize;
    run.Grid.CaveWidth = 40;
    for (auto& s : run.Params.Styles) s = 0;
  }
  int T() const { return view.TileSize; }
  void Render(int frameStep, int animPhase = 0) {
    RenderGameFrame(canvas, view, run, status, {frameStep, animPhase}, poller);
  }
  // Image draws of the last frame at the cell (col, row) of an unscrolled view.
  std::vector<DrawCall> ImagesNear(int col, int row) {
    std::vector<DrawCall> out;
    for (const auto& c : canvas.LastFrame())
      if (c.List == ImageListId::Images && c.What != DrawCall::Fill &&
          std::abs(c.X - col * T()) < T() && std::abs(c.Y - (24 + row * T())) < 2 * T())
        out.push_back(c);
    return out;
  }

  ViewState view;
  CaveRun run;
  StatusContext status;
  RecordingCanvas canvas;
  CountingPoller poller;
};

TEST_P(PlayfieldTest, InputSurvivesOnlyFromThePollsOfTheLastThreeRows) {
  poller.FireAt = {9};
  Render(3);
  EXPECT_EQ(poller.Polls, 13);
  EXPECT_FALSE(run.Input.InputFire);
  poller.Polls = 0;
  poller.FireAt = {10};
  Render(3);
  EXPECT_TRUE(run.Input.InputFire);
}

// Each poll comes after every band above its row is drawn and before anything of its own row.
TEST_P(PlayfieldTest, EachRowBandIsPolledJustBeforeItIsDrawn) {
  for (int i = 0; i < CellCount; ++i) run.Grid.Cells[i] = SteelWall;
  class BandPoller : public EngineHost {
   public:
    explicit BandPoller(const RecordingCanvas& c) : canvas(c) {}
    void PollInput(InputFlags&) override { drawnAt.push_back(canvas.Pending().size()); }
    const RecordingCanvas& canvas;
    std::vector<std::size_t> drawnAt;
  } bands(canvas);
  RenderGameFrame(canvas, view, run, status, {0, 0}, bands);
  ASSERT_EQ(bands.drawnAt.size(), 13u);
  const auto& calls = canvas.LastFrame();
  for (int row = 0; row < 13; ++row) {
    const int top = 24 + row * T();
    const std::size_t at = bands.drawnAt[row];
    for (std::size_t k = 1; k < calls.size(); ++k) {
      if (calls[k].List != ImageListId::Images) continue;
      if (k < at) {
        EXPECT_LT(calls[k].Y, top) << "row " << row;
      } else {
        EXPECT_GE(calls[k].Y, top) << "row " << row;
      }
    }
  }
}

TEST_P(PlayfieldTest, AFallenBoulderSlidesIntoItsCellOverTheTick) {
  const int cell = 5 + 3 * 40;
  run.Grid.Cells[cell] = BoulderFalling;
  run.Grid.MoveMap[cell] = 1;
  Render(0);
  auto at0 = ImagesNear(5, 3);
  ASSERT_EQ(at0.size(), 1u);
  EXPECT_EQ(at0[0].Item, 81);
  EXPECT_EQ(at0[0].Y, 24 + 3 * T() - 7 * T() / 8);  // 28 or 35 pixels above
  Render(7);
  EXPECT_EQ(ImagesNear(5, 3)[0].Y, 24 + 3 * T());
}

TEST_P(PlayfieldTest, RollingBouldersTurnThroughTheirStyle) {
  run.Params.Styles[0] = 2;
  run.Grid.Cells[44] = BoulderStationary;
  run.Grid.MoveMap[44] = 2;  // came from the left: rolling right
  run.Grid.Cells[46] = BoulderStationary;
  run.Grid.MoveMap[46] = 3;
  for (int f = 0; f < 8; ++f) {
    Render(f);
    auto right = ImagesNear(4, 1), left = ImagesNear(6, 1);
    ASSERT_EQ(right.size(), 2u);
    EXPECT_EQ(right[1].Item, 89 + f / 2);
    EXPECT_EQ(left[1].Item, 92 - f / 2);
    EXPECT_EQ(right[1].X, 4 * T() + (T() / 8) * (f - 7));
  }
}

TEST_P(PlayfieldTest, BoulderStyleFourUsesEachCellsLook) {
  run.Params.Styles[0] = 4;
  run.Grid.Cells[41] = BoulderStationary;
  run.Grid.VariantMap[41] = 3;
  Render(0);
  EXPECT_EQ(ImagesNear(1, 1)[0].Item, 93);
}

TEST_P(PlayfieldTest, TakenObjectsShrinkIntoTheirCell) {
  run.Grid.Cells[41] = Space;
  run.Grid.MoveMap[41] = 1;  // a diamond taken on the spot
  Render(7);
  auto calls = ImagesNear(1, 1);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].What, DrawCall::Stretch);
  EXPECT_EQ(calls[0].Item, 281);
  EXPECT_EQ(calls[0].Right - calls[0].X, T() - 28);
}

TEST_P(PlayfieldTest, DravikDrawsWhatHeEntersUnderHim) {
  run.Grid.Cells[42] = Dravik;
  run.Grid.MoveMap[42] = 10;  // took a diamond, coming from the left
  run.State.DravikSprite = 41;
  Render(2, 1);
  auto calls = ImagesNear(2, 1);
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].Item, 281 + 5);
  EXPECT_EQ(calls[1].Item, 41 + 5);
  EXPECT_EQ(calls[1].X, 2 * T() - 5 * (T() / 8));
}

TEST_P(PlayfieldTest, TheExitFlashLastsUntilFrameStepFour) {
  run.State.ExitFlash = true;
  Render(3);
  EXPECT_EQ(canvas.LastFrame()[0], (DrawCall{DrawCall::Fill, ImageListId::Images, 0xFFFFFF}));
  EXPECT_TRUE(run.State.ExitFlash);
  Render(4);
  EXPECT_EQ(canvas.LastFrame()[0].Item, 0xFFFFFF);
  EXPECT_FALSE(run.State.ExitFlash);
  Render(5);
  EXPECT_EQ(canvas.LastFrame()[0].Item, 0);
}

TEST_P(PlayfieldTest, ScrolledViewDrawsTheSpareColumnAndRow) {
  view.ViewColumn = 19;
  view.ViewRow = 10;
  view.ScrollX = -12;
  view.ScrollY = -8;
  run.Grid.Cells[39 + 21 * 40] = SteelWall;
  Render(0);
  bool found = false;
  for (const auto& c : canvas.LastFrame())
    if (c.Item == 153 && c.X == 20 * T() - 12 && c.Y == 24 + 11 * T() - 8) found = true;
  EXPECT_TRUE(found);
}

// What the title preview shows of a stored cave is what the game shows of it at rest, but for
// the two it shows its own way.
TEST_P(PlayfieldTest, ThePreviewShowsWhatTheGameShowsAtRest) {
  for (int s = 0; s < 9; ++s) run.Params.Styles[s] = static_cast<std::uint8_t>(s % 4);
  const TileStyles styles = TileStyles::From(run.Params.Styles);
  int shown = 0;
  for (int code = 0; code < 256; ++code) {
    if (code == ExitClosed || code == Entrance) continue;
    run.Grid.Cells[41] = static_cast<Element>(code);
    run.Grid.VariantMap[41] = 2;
    const AnimClock clock{5, 1};
    const int item = PreviewItem(code, styles, 2, clock);
    if (item < 0) continue;
    ++shown;
    canvas.Fill(0);
    DrawCell(canvas, view, run, clock, 41, T(), 24 + T());
    ASSERT_EQ(canvas.Pending().size(), 2u) << code;
    EXPECT_EQ(canvas.Pending()[1],
              (DrawCall{DrawCall::Draw, ImageListId::Images, item, T(), 24 + T()}))
        << code;
    canvas.Present();
  }
  EXPECT_GT(shown, 30);
}

INSTANTIATE_TEST_SUITE_P(BothZooms, PlayfieldTest, ::testing::Values(1, 2));

}  // namespace
}  // namespace krattle::testing

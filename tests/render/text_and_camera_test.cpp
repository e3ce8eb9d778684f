#include <gtest/gtest.h>

#include "render/camera.h"
#include "render/recording_canvas.h"
#include "render/text.h"

namespace krattle::testing {
namespace {

TEST(DrawText, ChoosesGlyphsByCharacterAndDigitSet) {
  RecordingCanvas c;
  c.SetPatternWidth(ImageListId::Fonts, 2, 10);
  const int end = DrawText(c, 5, 0, "Ab-1", 0, 2);
  ASSERT_EQ(c.Pending().size(), 4u);
  const int items[] = {1, 2, 36, 61};
  const int xs[] = {5, 21, 31, 47};
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(c.Pending()[k].Item, items[k]);
    EXPECT_EQ(c.Pending()[k].X, xs[k]);
    EXPECT_EQ(c.Pending()[k].List, ImageListId::Fonts);
  }
  EXPECT_EQ(end, 63);
  EXPECT_EQ(FontItemFor(' ', 0), 0);
  EXPECT_EQ(FontItemFor('?', 0), 0);
  EXPECT_EQ(FontItemFor('_', 0), 36);
  EXPECT_EQ(FontItemFor(';', 0), 37);
  EXPECT_EQ(FontItemFor('7', 1), 57);
}

TEST(DrawText, DotLeaderStartsOnTheDotGridAndStopsBeforeFillTo) {
  RecordingCanvas c;
  c.GlyphWidth = 14;
  c.SetPatternWidth(ImageListId::Fonts, 37, 12);
  DrawText(c, 67, 91, "ANN", 436);
  const auto& calls = c.Pending();
  ASSERT_GT(calls.size(), 4u);
  // After the name x is 109: the leader starts at 109 div 12 * 12 + 10 = 118.
  EXPECT_EQ(calls[3].X, 118);
  EXPECT_EQ(calls.back().Item, 37);
  EXPECT_LT(calls.back().X, 436);
  EXPECT_GE(calls.back().X + 12, 436);
  for (std::size_t k = 3; k < calls.size(); ++k) EXPECT_EQ(calls[k].Y, 91);
}

TEST(DrawText, AFontWithoutDotWidthEndsTheLeader) {
  RecordingCanvas c;
  c.SetPatternWidth(ImageListId::Fonts, 37, 0);
  DrawText(c, 0, 0, "A", 400);
  EXPECT_EQ(c.Pending().size(), 1u);
}

TEST(ZeroPad, PadsButNeverCuts) {
  EXPECT_EQ(ZeroPad(7, 3), "007");
  EXPECT_EQ(ZeroPad(0, 6), "000000");
  EXPECT_EQ(ZeroPad(1234567, 6), "1234567");
  EXPECT_EQ(ZeroPad(5, 1), "5");
}

struct Scroll {
  int Frames = 0;
  int StartSteps = 0;
  int FirstScroll = 0;
};

// Runs the camera until it comes to rest, with Dravik where he is.
Scroll RunCamera(ViewState& v, int col, int row, bool horizontal) {
  Scroll s;
  FollowDravik(v, col, row);
  s.StartSteps = horizontal ? v.ScrollStepsX : v.ScrollStepsY;
  s.FirstScroll = horizontal ? v.ScrollX : v.ScrollY;
  s.Frames = 1;
  while ((horizontal ? v.ScrollStepsX : v.ScrollStepsY) != 0 && s.Frames < 100) {
    FollowDravik(v, horizontal ? col : v.ViewColumn + 8, horizontal ? v.ViewRow + 5 : row);
    ++s.Frames;
  }
  return s;
}

class CameraTest : public ::testing::TestWithParam<int> {
 protected:
  ViewState View(int col, int row) {
    ViewState v;
    v.SetZoom(GetParam());
    v.ViewColumn = static_cast<std::int8_t>(col);
    v.ViewRow = static_cast<std::int8_t>(row);
    return v;
  }
  int T() const { return GetParam() == 2 ? 40 : 32; }
};

TEST_P(CameraTest, ScrollsRightByFourColumnsWhenDravikPassesViewColumnThirteen) {
  ViewState v = View(3, 0);
  FollowDravik(v, 3 + 13, 5);
  EXPECT_EQ(v.ScrollStepsX, 0);
  const Scroll s = RunCamera(v, 3 + 14, 5, true);
  EXPECT_EQ(s.StartSteps, 4 * T() / 4 - 1);
  EXPECT_EQ(s.FirstScroll, -4);
  EXPECT_EQ(s.Frames, T());  // 4 pixels a frame for 4 columns
  EXPECT_EQ(v.ViewColumn, 7);
  EXPECT_EQ(v.ScrollX, 0);
}

TEST_P(CameraTest, NeverScrollsPastColumnTwenty) {
  ViewState v = View(18, 0);
  RunCamera(v, 39, 5, true);
  EXPECT_EQ(v.ViewColumn, 20);
  FollowDravik(v, 39, 5);
  EXPECT_EQ(v.ScrollStepsX, 0);
  EXPECT_EQ(v.ViewColumn, 20);
}

TEST_P(CameraTest, ScrollsLeftColumnByColumn) {
  ViewState v = View(10, 0);
  FollowDravik(v, 15, 5);
  EXPECT_EQ(v.ScrollStepsX, 256 - T() + 1);
  EXPECT_EQ(v.ViewColumn, 9);
  EXPECT_EQ(v.ScrollX, -T() + 4);
  int frames = 1;
  while (v.ScrollStepsX != 0) {
    FollowDravik(v, 15, 5);
    ++frames;
    EXPECT_LE(v.ScrollX, 0);
    EXPECT_GE(v.ScrollX, -T());
  }
  EXPECT_EQ(frames, T());
  EXPECT_EQ(v.ViewColumn, 6);
  EXPECT_EQ(v.ScrollX, 0);
  // Near the left edge only the columns that are left.
  ViewState w = View(2, 0);
  FollowDravik(w, 2, 5);
  EXPECT_EQ(w.ScrollStepsX, 256 - 2 * T() / 4 + 1);
}

TEST_P(CameraTest, ScrollsTwoRowsDownAndUpAndOneAtTheEdges) {
  ViewState v = View(0, 0);
  Scroll s = RunCamera(v, 5, 8, false);
  EXPECT_EQ(s.StartSteps, 2 * T() / 4 - 1);
  EXPECT_EQ(v.ViewRow, 2);
  EXPECT_EQ(s.Frames, 2 * T() / 4);
  v.ViewRow = 9;
  RunCamera(v, 5, 17, false);
  EXPECT_EQ(v.ViewRow, 10);
  FollowDravik(v, 5, 21);
  EXPECT_EQ(v.ScrollStepsY, 0);

  s = RunCamera(v, 5, 13, false);
  EXPECT_EQ(s.StartSteps, 256 - 2 * T() / 4 + 1);
  EXPECT_EQ(s.FirstScroll, -T() + 4);
  EXPECT_EQ(v.ViewRow, 8);
  EXPECT_EQ(v.ScrollY, 0);
  v.ViewRow = 1;
  RunCamera(v, 5, 1, false);
  EXPECT_EQ(v.ViewRow, 0);
}

INSTANTIATE_TEST_SUITE_P(BothZooms, CameraTest, ::testing::Values(1, 2));

}  // namespace
}  // namespace krattle::testing

// The editor screen's picture: cells with their marks, intermission masking, the palette and the
// rectangle preview.

#include "render/editor_view.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/elements.h"
#include "render/recording_canvas.h"

namespace krattle::testing {

namespace {

class EditorViewTest : public ::testing::Test {
 protected:
  EditorViewTest() : set_(NewCaveSet()) { styles_.Steel = 1, styles_.Butterfly = 2; }

  // One frame; the clock then stands at FrameStep 1, AnimPhase 0, so A8 is 0.
  const std::vector<DrawCall>& Render(int cave, int palette = -1, EditorRect rect = {}) {
    AnimClock clock{0, 0};
    const EditorViewInput in{set_, cave, 0, styles_, looks_, palette, rect};
    RenderEditorView(canvas_, in, clock);
    return canvas_.LastFrame();
  }
  // What was drawn into cell (x, y).
  std::vector<DrawCall> InCell(int x, int y) {
    std::vector<DrawCall> out;
    for (const DrawCall& c : canvas_.LastFrame())
      if (c.What != DrawCall::Fill && c.X == 20 * x && c.Y == 20 * y) out.push_back(c);
    return out;
  }
  static DrawCall Stretch(ImageListId list, int item, int x, int y) {
    return {DrawCall::Stretch, list, item, 20 * x, 20 * y, 20 * x + 20, 20 * y + 20};
  }

  CaveSet set_;
  TileStyles styles_;
  std::array<std::uint8_t, 880> looks_{};
  RecordingCanvas canvas_;
};

}  // namespace

TEST_F(EditorViewTest, CreaturesShowTheirFacingAndAlternativesLookLikeTheOtherKind) {
  set_.MapCell(3, 0, 5, 5) = FireflyRight;
  set_.MapCell(3, 0, 6, 5) = AltFireflyRight;
  set_.MapCell(3, 0, 7, 5) = BoulderGlued;
  set_.MapCell(3, 0, 8, 5) = WallFallingFalling;
  Render(3);
  EXPECT_EQ(InCell(5, 5), (std::vector<DrawCall>{Stretch(ImageListId::Images, 185, 5, 5),
                                                 Stretch(ImageListId::Fonts, 73, 5, 5)}));
  // The butterfly picture of style 2, not animated, with the same arrow.
  EXPECT_EQ(InCell(6, 5), (std::vector<DrawCall>{Stretch(ImageListId::Images, 217 + 16, 6, 5),
                                                 Stretch(ImageListId::Fonts, 73, 6, 5)}));
  EXPECT_EQ(InCell(7, 5).back(), Stretch(ImageListId::Fonts, 80, 7, 5));
  EXPECT_EQ(InCell(8, 5).back(), Stretch(ImageListId::Fonts, 81, 8, 5));
}

TEST_F(EditorViewTest, AnIntermissionShowsSteelOutsideItsArea) {
  set_.MapCell(16, 0, 25, 5) = Dirt;
  set_.MapCell(16, 0, 3, 15) = FireflyLeft;
  set_.MapCell(16, 0, 3, 5) = Dirt;
  Render(16);
  const DrawCall steel = Stretch(ImageListId::Images, 153 + 8, 25, 5);
  EXPECT_EQ(InCell(25, 5), std::vector<DrawCall>{steel});
  EXPECT_EQ(InCell(3, 15), std::vector<DrawCall>{Stretch(ImageListId::Images, 161, 3, 15)});
  EXPECT_EQ(InCell(3, 5), std::vector<DrawCall>{Stretch(ImageListId::Images, 97, 3, 5)});
  // A normal cave shows the same cells as they are stored.
  set_.MapCell(0, 0, 25, 5) = Dirt;
  Render(0);
  EXPECT_EQ(InCell(25, 5), std::vector<DrawCall>{Stretch(ImageListId::Images, 97, 25, 5)});
}

TEST_F(EditorViewTest, ThePaletteShowsEverySlotAndTheChoice) {
  const auto& frame = Render(0, 13);
  int slots = 0;
  for (const DrawCall& c : frame)
    if (c.What == DrawCall::Stretch && c.Y == 446 && c.List == ImageListId::Images) ++slots;
  EXPECT_EQ(slots, 23);  // every slot but Space has a picture
  const DrawCall marker{DrawCall::Draw, ImageListId::Fonts, 70, 26 * 13 + 4, 442, 0, 0};
  EXPECT_NE(std::find(frame.begin(), frame.end(), marker), frame.end());
  const DrawCall mark{
      DrawCall::Stretch, ImageListId::Fonts, 79, 26 * 13 + 8, 446, 26 * 13 + 28, 466};
  EXPECT_NE(std::find(frame.begin(), frame.end(), mark), frame.end());
  const auto& none = Render(0, -1);
  EXPECT_EQ(std::count_if(none.begin(), none.end(),
                          [](const DrawCall& c) { return c.Item == 70 && c.Y == 442; }),
            0);
}

TEST_F(EditorViewTest, ARectangleIsPreviewedOnlyWhenItSpansColumnsAndRows) {
  auto previewed = [&](int palette, EditorRect r) {
    Render(0, palette, r);
    return InCell(r.CornerX, r.CornerY).size() > 1 || InCell(r.StartX, r.StartY).size() > 1;
  };
  EXPECT_FALSE(previewed(3, {true, 5, 5, 5, 9}));
  EXPECT_FALSE(previewed(-1, {true, 5, 5, 8, 9}));
  EXPECT_TRUE(previewed(3, {true, 5, 5, 8, 9}));
  int cells = 0;
  for (const DrawCall& c : canvas_.LastFrame())
    if (c.What == DrawCall::Stretch && c.Item == 81 && c.Y < 440) ++cells;
  EXPECT_EQ(cells, 4 * 5);
  // The Space slot has no picture: the cells get the empty-fill mark.
  Render(0, 2, {true, 5, 5, 8, 9});
  int fills = 0;
  for (const DrawCall& c : canvas_.LastFrame())
    if (c.What == DrawCall::Draw && c.List == ImageListId::Fonts && c.Item == 82) ++fills;
  EXPECT_EQ(fills, 20);
}

TEST_F(EditorViewTest, TheViewKeepsTheAnimationGoing) {
  AnimClock clock{7, 0};
  const EditorViewInput in{set_, 0, 0, styles_, looks_, -1, {}};
  RenderEditorView(canvas_, in, clock);
  EXPECT_EQ(clock.FrameStep, 0);
  EXPECT_EQ(clock.AnimPhase, 1);
  EXPECT_EQ(canvas_.FramesPresented(), 1);
}

}  // namespace krattle::testing

#include "render/software_canvas.h"

#include <gtest/gtest.h>

namespace krattle::testing {
namespace {

// Item 1: 2 x 2 with a transparent top-left pixel; item 2: 4 x 1, drawn 2 wide by its pattern.
class TinyImages : public ImageSource {
 public:
  TinyImages() {
    a_.Width = a_.Height = 2;
    a_.Pixels = aPx_;
    b_.Width = 4;
    b_.Height = 1;
    b_.Pixels = bPx_;
    b_.PatternWidth = 2;
    b_.Transparent = false;
  }
  void MarkRows() { MarkOpaqueRows(a_, rows_); }
  std::vector<std::uint8_t> rows_;
  const PixelView* Item(ImageListId, int n) const override {
    return n == 1 ? &a_ : n == 2 ? &b_ : nullptr;
  }

 private:
  std::uint32_t aPx_[4] = {0xFF00FF, 0x111111, 0x222222, 0x333333};
  std::uint32_t bPx_[4] = {0xFF00FF, 0x444444, 0x555555, 0x666666};
  PixelView a_, b_;
};

TEST(SoftwareCanvas, DrawsWithTransparencyClipsAndPresents) {
  for (bool marked : {false, true}) {
    TinyImages images;
    if (marked) {
      images.MarkRows();
      EXPECT_EQ(images.rows_, (std::vector<std::uint8_t>{0, 1}));
    }
    SoftwareCanvas c(images, 3, 2);
    c.Fill(0xABCDEF);
    c.DrawItem(ImageListId::Images, 1, 0, 0);
    c.DrawItem(ImageListId::Images, 1, 2, 1);    // three of its four pixels fall outside
    c.DrawItem(ImageListId::Images, 1, -5, -5);  // wholly outside
    c.DrawItem(ImageListId::Images, 9, 0, 0);    // not in the list
    EXPECT_EQ(c.FramesPresented(), 0);
    EXPECT_EQ(c.Frame()[0], 0u);
    c.Present();
    const std::vector<std::uint32_t> want = {0xABCDEF, 0x111111, 0xABCDEF,
                                             0x222222, 0x333333, 0xABCDEF};
    // (2,1) receives the picture's transparent corner, so it keeps the fill.
    EXPECT_EQ(c.Frame(), want);
    EXPECT_EQ(c.ItemPatternWidth(ImageListId::Fonts, 2), 2);
    EXPECT_EQ(c.ItemPatternWidth(ImageListId::Fonts, 9), 0);
  }
}

TEST(SoftwareCanvas, OpaquePatternsAndStretching) {
  TinyImages images;
  SoftwareCanvas c(images, 4, 4);
  c.Fill(0);
  c.DrawItem(ImageListId::Images, 2, 1, 0);
  c.StretchItem(ImageListId::Images, 1, 0, 2, 4, 4);
  c.Present();
  const auto& f = c.Frame();
  EXPECT_EQ(f[1], 0xFF00FFu);  // not transparent: the key colour is drawn
  EXPECT_EQ(f[2], 0x444444u);
  EXPECT_EQ(f[3], 0u);  // beyond the pattern width
  EXPECT_EQ(f[8], 0u);  // the stretched transparent corner
  EXPECT_EQ(f[9], 0u);
  EXPECT_EQ(f[10], 0x111111u);
  EXPECT_EQ(f[15], 0x333333u);
}

}  // namespace
}  // namespace krattle::testing

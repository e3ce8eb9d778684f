// The picture in a resizable window: whole factors, centred, the menu bar kept above it.

#include "platform/window_layout.h"

#include <gtest/gtest.h>

namespace krattle::testing {
namespace {

TEST(WindowLayoutTest, ThePictureGrowsByWholeFactorsCentredBetweenTheBands) {
  const WindowBands menu{20, 0};
  // Exactly one factor, then just short of two: still one, centred.
  EXPECT_EQ(PlacePicture(640, 428, 640, 408, menu), (PictureRect{0, 20, 640, 408}));
  EXPECT_EQ(PlacePicture(1279, 835, 640, 408, menu), (PictureRect{319, 20 + 203, 640, 408}));
  EXPECT_EQ(PlacePicture(1280, 836, 640, 408, menu), (PictureRect{0, 20, 1280, 816}));
  // The smaller of the two directions decides.
  EXPECT_EQ(PlacePicture(2400, 1800, 640, 408, menu), (PictureRect{240, 20 + 278, 1920, 1224}));
  EXPECT_EQ(WholeScale(2400, 1800, 640, 408, menu), 3);
  // The editor's panel band sits under the picture and counts against its height.
  const WindowBands editor{20, 60};
  EXPECT_EQ(PlacePicture(1600, 1023, 800, 472, editor), (PictureRect{400, 20 + 235, 800, 472}));
  EXPECT_EQ(PlacePicture(1600, 1024, 800, 472, editor), (PictureRect{0, 20, 1600, 944}));
}

TEST(WindowLayoutTest, AWindowTooSmallShrinksThePictureKeepingItsShape) {
  const WindowBands menu{20, 0};
  EXPECT_EQ(PlacePicture(320, 428, 640, 408, menu), (PictureRect{0, 20 + 102, 320, 204}));
  EXPECT_EQ(PlacePicture(640, 224, 640, 408, menu), (PictureRect{160, 20, 320, 204}));
  EXPECT_EQ(PlacePicture(640, 20, 640, 408, menu), PictureRect{});  // the menu bar only
  EXPECT_EQ(PlacePicture(0, 0, 640, 408, menu), PictureRect{});
  EXPECT_EQ(PlacePicture(640, 428, 0, 0, menu), PictureRect{});
  EXPECT_EQ(WholeScale(100, 100, 640, 408, menu), 1);
}

TEST(WindowLayoutTest, ADenseDisplayStartsLargerButNeverLargerThanItHolds) {
  const WindowBands menu{20, 0};
  EXPECT_EQ(DensityScale(0), 1);  // unknown
  EXPECT_EQ(DensityScale(-1), 1);
  EXPECT_EQ(DensityScale(96), 1);
  EXPECT_EQ(DensityScale(120), 1);
  EXPECT_EQ(DensityScale(144), 2);  // one and a half rounds up
  EXPECT_EQ(DensityScale(192), 2);
  EXPECT_EQ(DensityScale(288), 3);
  EXPECT_EQ(DensityScale(1000), 4);
  // A display that does not say leaves it to the desktop's scale setting.
  EXPECT_EQ(DisplayDpi(144, "3"), 144);
  EXPECT_EQ(DisplayDpi(0, "2"), 192);
  EXPECT_EQ(DisplayDpi(0, nullptr), 0);
  for (const char* bad : {"", "0", "-2", "1.5", "two"}) EXPECT_EQ(DisplayDpi(0, bad), 0) << bad;
  EXPECT_EQ(StartScale(192, 3840, 2100, 640, 408, menu), 2);
  EXPECT_EQ(StartScale(288, 1920, 1040, 640, 408, menu), 2);  // 3 would not fit
  EXPECT_EQ(StartScale(192, 1000, 700, 640, 408, menu), 1);
  EXPECT_EQ(StartScale(192, 0, 0, 640, 408, menu), 2);  // display size unknown
  EXPECT_EQ(StartScale(96, 3840, 2100, 640, 408, menu), 1);
}

}  // namespace
}  // namespace krattle::testing

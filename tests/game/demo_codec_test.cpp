#include "game/demo_codec.h"

#include <gtest/gtest.h>

namespace krattle::testing {
namespace {

TEST(DemoCodecTest, EveryWrittenByteDecodesToTheRunThatEncodesIt) {
  const int limits[9] = {50, 30, 20, 30, 20, 40, 10, 40, 10};
  int next = 0;
  for (int code = 0; code <= 8; ++code) {
    EXPECT_EQ(RunLimit(code), limits[code]);
    for (int run = 1; run <= limits[code]; ++run) {
      const std::uint8_t b = EncodeDemoByte(code, run);
      // The ranges follow each other without gaps from 0 to 249.
      ASSERT_EQ(b, next++) << code << " " << run;
      const DemoRun back = DecodeDemoByte(b);
      ASSERT_EQ(back.Code, code);
      ASSERT_EQ(back.Run, run);
    }
  }
  EXPECT_EQ(next, 250);
}

TEST(DemoCodecTest, BytesNeverWrittenReadAsOneTickWithoutInput) {
  for (int b = 250; b <= 255; ++b) {
    const DemoRun r = DecodeDemoByte(static_cast<std::uint8_t>(b));
    EXPECT_EQ(r.Code, 0);
    EXPECT_EQ(r.Run, 1);
  }
}

TEST(DemoCodecTest, InputCodesFollowTheLastDirectionAndIgnoreFireAlone) {
  InputFlags in;
  EXPECT_EQ(InputCodeOf(in), 0);
  in.InputFire = true;
  EXPECT_EQ(InputCodeOf(in), 0);
  in = {};
  in.InputRight = true;
  EXPECT_EQ(InputCodeOf(in), 1);
  in.InputUp = true;  // never both from the keyboard; the later test wins
  EXPECT_EQ(InputCodeOf(in), 4);
  in.InputFire = true;
  EXPECT_EQ(InputCodeOf(in), 8);
  in = {};
  in.InputLeft = in.InputFire = true;
  EXPECT_EQ(InputCodeOf(in), 7);
}

TEST(DemoCodecTest, ApplyingACodeSetsOneDirectionAndFireAsItSays) {
  InputFlags in;
  ApplyInputCode(6, in);
  EXPECT_TRUE(in.InputDown && in.InputFire);
  EXPECT_FALSE(in.InputRight || in.InputLeft || in.InputUp);
  // No input clears the directions but leaves fire: fire alone does nothing anyway.
  ApplyInputCode(0, in);
  EXPECT_FALSE(in.InputRight || in.InputLeft || in.InputUp || in.InputDown);
  EXPECT_TRUE(in.InputFire);
  ApplyInputCode(3, in);
  EXPECT_TRUE(in.InputLeft);
  EXPECT_FALSE(in.InputFire);
}

}  // namespace
}  // namespace krattle::testing

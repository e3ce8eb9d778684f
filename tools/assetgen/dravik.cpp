// Dravik, the digger: helmet with lamp, overalls, boots. Front view when idle, profile when
// walking.

#include <algorithm>
#include <cmath>

#include "art.h"
#include "palette.h"
#include "sparkle.h"

namespace assetgen {

namespace {

constexpr float Pi = 3.14159265f;

const Ramp& Helmet() {
  static const Ramp r = MakeRamp(0xE8B020);
  return r;
}
const Ramp& Skin() {
  static const Ramp r = MakeRamp(0xE8A878);
  return r;
}
const Ramp& Overalls() {
  static const Ramp r = MakeRamp(0x3860C0);
  return r;
}
const Ramp& Shirt() {
  static const Ramp r = MakeRamp(0xC83C30);
  return r;
}
const Ramp& Boots() {
  static const Ramp r = MakeRamp(0x7A4A28);
  return r;
}

struct Stance {
  float Bob = 0;   // whole body up/down
  float LegA = 0;  // stride angles of the two legs (radians)
  float LegB = 0;
  float TapLift = 0;  // raised right toe
  bool EyesShut = false;
  int Facing = 0;  // -1 left, 0 front, +1 right
};

void Limb(Canvas& c, float u0, float v0, float angle, float len, float width, Rgb col) {
  c.Line(u0, v0, u0 + std::sin(angle) * len, v0 + std::cos(angle) * len, width, col);
}

void PaintDravik(Canvas& c, const Stance& s) {
  const float b = s.Bob, f = float(s.Facing);
  const bool side = s.Facing != 0;
  // Legs and boots first, behind the body.
  const float hip = 0.73f + b;
  auto leg = [&](float hu, float angle, float lift, int shade) {
    const float ku = hu + std::sin(angle) * 0.17f, kv = hip + std::cos(angle) * 0.15f - lift;
    c.Line(hu, hip, ku, kv, 0.12f, Overalls()[shade]);
    c.Ellipse(ku + 0.04f * f, kv + 0.045f, side ? 0.1f : 0.08f, 0.05f, Boots()[shade + 1]);
  };
  if (!side) {
    leg(0.4f, 0, 0, 1);
    leg(0.6f, 0, s.TapLift, 1);
  } else {
    leg(0.5f, s.LegB, 0, 0);
    leg(0.5f, s.LegA, 0, 2);
  }
  if (side) {  // the far arm, behind the body
    const float a = s.LegA * 0.9f;
    Limb(c, 0.5f, 0.54f + b, a, 0.16f, 0.08f, Shirt()[1]);
    c.Ellipse(0.5f + std::sin(a) * 0.16f, 0.54f + b + std::cos(a) * 0.16f, 0.045f, 0.045f,
              Skin()[1]);
  }
  // Body: shirt shoulders, overalls with a bib and shoulder buttons.
  const float w = side ? 0.15f : 0.17f;
  c.Ellipse(0.5f, 0.55f + b, w + 0.02f, 0.1f, Shirt()[2]);
  c.Rect(0.5f - w, 0.57f + b, 0.5f + w, 0.76f + b, Overalls()[2]);
  c.Rect(0.5f - w, 0.57f + b, 0.5f - w + 0.05f, 0.76f + b, Overalls()[3]);
  c.Rect(0.5f + w - 0.05f, 0.57f + b, 0.5f + w, 0.76f + b, Overalls()[1]);
  c.Rect(0.5f - 0.09f, 0.52f + b, 0.5f + 0.09f, 0.62f + b, Overalls()[2]);
  if (!side) {
    c.Ellipse(0.43f, 0.55f + b, 0.02f, 0.02f, Helmet()[4]);
    c.Ellipse(0.57f, 0.55f + b, 0.02f, 0.02f, Helmet()[4]);
    Limb(c, 0.3f, 0.53f + b, 0.12f, 0.16f, 0.09f, Shirt()[3]);
    Limb(c, 0.7f, 0.53f + b, -0.12f, 0.16f, 0.09f, Shirt()[1]);
    c.Ellipse(0.28f, 0.7f + b, 0.05f, 0.05f, Skin()[3]);
    c.Ellipse(0.72f, 0.7f + b, 0.05f, 0.05f, Skin()[1]);
  } else {
    // The near arm swings against the near leg.
    const float a = -s.LegA * 0.9f;
    Limb(c, 0.5f, 0.54f + b, a, 0.17f, 0.09f, Shirt()[2]);
    c.Ellipse(0.5f + std::sin(a) * 0.17f, 0.54f + b + std::cos(a) * 0.17f, 0.05f, 0.05f, Skin()[2]);
  }
  // Head: a big face under a miner's helmet with its lamp.
  const float hu = 0.5f + 0.02f * f, hv = 0.31f + b;
  c.Each([&](float u, float v, int x, int y) {
    const float du = (u - hu) / 0.18f, dv = (v - hv) / 0.17f;
    if (du * du + dv * dv > 1) return;
    c.Set(x, y, ShadeAt(Skin(), 0.75f - 0.35f * du - 0.2f * dv, x, y));
  });
  c.Each([&](float u, float v, int x, int y) {
    const float du = (u - hu) / 0.21f, dv = (v - (hv - 0.03f)) / 0.2f;
    if (v > hv - 0.03f || du * du + dv * dv > 1) return;
    c.Set(x, y, ShadeAt(Helmet(), 0.95f - 0.45f * du - 0.35f * (dv + 1), x, y));
  });
  if (side) c.Ellipse(hu - 0.13f * f, hv + 0.02f, 0.07f, 0.09f, 0x6A4028);  // hair at the back
  const float brimL = side ? hu - 0.16f + 0.1f * (f < 0 ? -1 : 0) : hu - 0.24f;
  const float brimR = side ? hu + 0.16f + 0.1f * (f > 0 ? 1 : 0) : hu + 0.24f;
  c.Rect(brimL, hv - 0.05f, brimR, hv - 0.01f, Helmet()[1]);
  const float lampU = hu + 0.11f * f;
  c.Ellipse(lampU, hv - 0.13f, 0.055f, 0.05f, Helmet()[0]);
  c.Ellipse(lampU, hv - 0.13f, 0.04f, 0.037f, 0xFFF8D8);
  c.Ellipse(lampU - 0.012f, hv - 0.142f, 0.015f, 0.015f, pal::White);
  // Eyes, and a nose in profile.
  const Rgb ink = 0x201828;
  auto eye = [&](float eu) {
    if (s.EyesShut) {
      c.Rect(eu - 0.045f, hv + 0.05f, eu + 0.045f, hv + 0.075f, ink);
    } else {
      c.Ellipse(eu, hv + 0.06f, 0.045f, 0.06f, pal::White);
      c.Ellipse(eu + 0.015f * f, hv + 0.07f, 0.026f, 0.04f, ink);
    }
  };
  if (!side) {
    eye(hu - 0.075f);
    eye(hu + 0.075f);
    c.Rect(hu - 0.04f, hv + 0.13f, hu + 0.04f, hv + 0.15f, Skin()[0]);
  } else {
    eye(hu + 0.07f * f);
    c.Ellipse(hu + 0.17f * f, hv + 0.09f, 0.04f, 0.035f, Skin()[2]);
  }
  c.Outline(pal::Ink);
}

}  // namespace

Picture Dravik(int size, Pose pose, int frame) {
  Canvas c(size, size);
  Stance s;
  const float a = 2 * Pi * float(frame) / 8;
  const bool blinks = pose == Pose::Blink || pose == Pose::BlinkTap;
  const bool taps = pose == Pose::Tap || pose == Pose::BlinkTap;
  // Blink on two of the eight images; a tap lifts the toe and puts it down twice a cycle.
  s.EyesShut = blinks && (frame == 3 || frame == 4);
  if (taps) s.TapLift = (frame % 4 == 1 || frame % 4 == 2) ? 0.06f : 0.0f;
  if (pose == Pose::WalkLeft || pose == Pose::WalkRight) {
    s.Facing = pose == Pose::WalkLeft ? -1 : 1;
    s.LegA = 0.8f * std::sin(a) * float(s.Facing);
    s.LegB = -s.LegA;
    s.Bob = -0.025f * std::abs(std::cos(a));
  }
  PaintDravik(c, s);
  return c.Take();
}

Picture DravikBirth(int size, int stage, int image) {
  Canvas c(size, size);
  if (stage == 2) {
    // The digger takes shape as a bright silhouette.
    Canvas body(size, size);
    PaintDravik(body, Stance{});
    const Ramp flash = MakeRamp(0x90C8FF);
    for (int y = 0; y < size; ++y)
      for (int x = 0; x < size; ++x)
        if (body.Get(x, y) != Clear) c.Set(x, y, ((x + y + image) & 1) ? flash[4] : flash[3]);
  }
  const float ring = stage == 0 ? 0.18f : stage == 1 ? 0.34f : 0.44f;
  const int count = stage == 0 ? 3 : 6;
  for (int k = 0; k < count; ++k) {
    const float a = 2 * Pi * float(k) / float(count) + float(image) * 0.5f + float(stage);
    const float r = (k + image) % 2 ? 0.08f : 0.12f;
    Sparkle(c, 0.5f + ring * std::cos(a), 0.5f + ring * std::sin(a), r, 0x90C8FF);
  }
  if (stage < 2)
    Sparkle(c, 0.5f, 0.5f, stage == 0 ? 0.14f + 0.06f * float(image) : 0.22f, 0xB0E0FF);
  return c.Take();
}

}  // namespace assetgen

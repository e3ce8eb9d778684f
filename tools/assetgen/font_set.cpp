// The font set: glyphs, three digit colours, status-line backgrounds, editor marks and the
// status icons.

#include <cmath>
#include <string>
#include <vector>

#include "art.h"
#include "lettering.h"
#include "palette.h"
#include "sets.h"

namespace assetgen {

using krattle::ImageList;

namespace {

constexpr int GlyphW = 16, GlyphH = 24, MarkSize = 20;

Picture Glyph(char ch, const Ramp& ramp) {
  Canvas c(GlyphW, GlyphH);
  SmallText(c, 3, 5, std::string(1, ch), 2, ramp);
  c.Halo(pal::Ink);
  return c.Take();
}

Picture StatusBar(int width) {
  Canvas c(width, GlyphH);
  const Ramp steel = MakeRamp(0x3A4660);
  c.Each([&](float, float, int x, int y) {
    float t = 0.34f - 0.012f * float(y) + 0.06f * (Hash01(x / 3, y, 1500) - 0.5f);
    if (y == 0) t = 0.8f;
    if (y == 1) t = 0.55f;
    if (y >= GlyphH - 2) t = 0.02f;
    c.Set(x, y, ShadeAt(steel, t, x, y));
  });
  for (int x = 12; x < width; x += 160) {  // bolts along the bar
    c.Set(x, 11, steel[4]);
    c.Set(x + 1, 12, steel[0]);
  }
  return c.Take();
}

Picture PaletteMarker() {
  Canvas c(28, 28);
  const Rgb col = 0xFFE060;
  // Corner brackets, so the slot's picture stays visible.
  for (int k = 0; k < 8; ++k)
    for (int w = 0; w < 2; ++w) {
      c.Set(k, w, col), c.Set(w, k, col);
      c.Set(27 - k, w, col), c.Set(27 - w, k, col);
      c.Set(k, 27 - w, col), c.Set(w, 27 - k, col);
      c.Set(27 - k, 27 - w, col), c.Set(27 - w, 27 - k, col);
    }
  c.Halo(pal::Ink);
  return c.Take();
}

// Marks are white with an ink rim so they read on every tile.
Picture Mark(const std::vector<std::vector<float>>& shapes) {
  Canvas c(MarkSize, MarkSize);
  for (const auto& s : shapes) c.Polygon(s, 0xF8F8F0);
  c.Halo(pal::Ink);
  return c.Take();
}

std::vector<float> Arrow(float angle) {
  // Pointing right, then turned.
  const std::vector<float> base = {0.85f, 0.5f,  0.5f,  0.18f, 0.5f,  0.38f, 0.15f,
                                   0.38f, 0.15f, 0.62f, 0.5f,  0.62f, 0.5f,  0.82f};
  std::vector<float> out;
  const float ca = std::cos(angle), sa = std::sin(angle);
  for (std::size_t i = 0; i < base.size(); i += 2) {
    const float u = base[i] - 0.5f, v = base[i + 1] - 0.5f;
    out.push_back(0.5f + u * ca - v * sa);
    out.push_back(0.5f + u * sa + v * ca);
  }
  return out;
}

std::vector<float> Head(float angle) {
  const std::vector<float> base = {0.95f, 0.5f, 0.72f, 0.3f, 0.72f, 0.7f};
  std::vector<float> out;
  const float ca = std::cos(angle), sa = std::sin(angle);
  for (std::size_t i = 0; i < base.size(); i += 2) {
    const float u = base[i] - 0.5f, v = base[i + 1] - 0.5f;
    out.push_back(0.5f + u * ca - v * sa);
    out.push_back(0.5f + u * sa + v * ca);
  }
  return out;
}

constexpr float Pi = 3.14159265f;

// Half size in the lower-right corner: the editor draws a creature's facing and an object's
// state over its picture, which must stay visible beneath.
std::vector<float> InCorner(std::vector<float> shape) {
  for (float& v : shape) v = 0.47f + 0.5f * v;
  return shape;
}

Picture GrowthMark(bool horizontal, bool vertical) {
  std::vector<std::vector<float>> shapes;
  if (horizontal) {
    shapes.push_back({0.2f, 0.44f, 0.8f, 0.44f, 0.8f, 0.56f, 0.2f, 0.56f});
    shapes.push_back(Head(0));
    shapes.push_back(Head(Pi));
  }
  if (vertical) {
    shapes.push_back({0.44f, 0.2f, 0.56f, 0.2f, 0.56f, 0.8f, 0.44f, 0.8f});
    shapes.push_back(Head(Pi / 2));
    shapes.push_back(Head(-Pi / 2));
  }
  return Mark(shapes);
}

Picture GluedMark() {
  Canvas c(MarkSize, MarkSize);
  // A drop of glue in the corner.
  c.Ellipse(0.72f, 0.78f, 0.14f, 0.14f, 0xF0D040);
  c.Polygon(InCorner({0.5f, 0.15f, 0.31f, 0.55f, 0.69f, 0.55f}), 0xF0D040);
  c.Ellipse(0.68f, 0.77f, 0.04f, 0.05f, 0xFFFFF0);
  c.Halo(pal::Ink);
  return c.Take();
}

Picture FallingWallMark() {
  Canvas c(MarkSize, MarkSize);
  c.Polygon(Arrow(Pi / 2), 0xF8F8F0);
  for (float u : {0.15f, 0.85f}) c.Rect(u - 0.04f, 0.1f, u + 0.04f, 0.55f, 0xB8C8E0);
  c.Halo(pal::Ink);
  return c.Take();
}

Picture PendingFillMark() {
  Canvas c(MarkSize, MarkSize);
  for (int k = 0; k < MarkSize; ++k) {
    const Rgb col = (k / 2) % 2 ? pal::Ink : 0xF8F8F0;
    c.Set(k, 0, col), c.Set(k, MarkSize - 1, col), c.Set(0, k, col), c.Set(MarkSize - 1, k, col);
  }
  return c.Take();
}

}  // namespace

ImageList BuildFontSet() {
  ImageList list;
  auto add = [&](Picture p) { list.Items.push_back(AsItem(std::move(p))); };
  const Ramp letters{{0x3A4A70, 0x8090B8, 0xB8C8E8, 0xE8F0FF, 0xFFFFFF}};
  add(Picture(GlyphW, GlyphH, Clear));
  for (char ch = 'A'; ch <= 'Z'; ++ch) add(Glyph(ch, letters));
  for (char ch : std::string("!#$%&'()+-./=")) add(Glyph(ch, letters));
  const Ramp digits[3] = {letters,
                          {{0x6A3A08, 0xC08010, 0xF0B820, 0xFFE060, 0xFFF8C0}},
                          {{0x0A4A3A, 0x18A070, 0x40D8A0, 0x90FFD0, 0xE8FFF4}}};
  for (const Ramp& r : digits)
    for (char ch = '0'; ch <= '9'; ++ch) add(Glyph(ch, r));
  add(PaletteMarker());
  add(StatusBar(640));
  add(StatusBar(800));
  for (float a : {0.0f, Pi / 2, Pi, -Pi / 2}) add(Mark({InCorner(Arrow(a))}));
  add(GrowthMark(true, false));
  add(GrowthMark(false, true));
  add(GrowthMark(true, true));
  add(GluedMark());
  add(FallingWallMark());
  add(PendingFillMark());
  for (int s = 0; s < 4; ++s)
    for (int f = 0; f < 8; ++f) add(Diamond(MarkSize, s, f));
  add(Bomb(MarkSize));
  return list;
}

}  // namespace assetgen

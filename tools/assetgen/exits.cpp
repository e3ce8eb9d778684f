// The exit: a framed doorway whose light flashes between two images.

#include <algorithm>
#include <cmath>

#include "art.h"
#include "palette.h"

namespace assetgen {

Picture Exit(int size, int style, bool lit) {
  Canvas c(size, size);
  const Ramp frame = MakeRamp(ExitBase[style]);
  static constexpr Rgb LightOf[4] = {0xFFE070, 0xFFB050, 0xE0A0FF, 0x90FFC0};
  const Ramp light = MakeRamp(LightOf[style]);
  const int edge = std::max(2, size / 16);
  c.Each([&](float u, float v, int x, int y) {
    // Frame plate, bevelled like the steel it is set in.
    float t = 0.5f + 0.2f * (0.5f - v);
    if (x < edge || y < edge) t = 0.86f;
    if (x >= size - edge || y >= size - edge) t = 0.16f;
    c.Set(x, y, ShadeAt(frame, t, x, y));
    // Arched doorway.
    const float du = (u - 0.5f) / 0.3f, dv = (v - 0.42f) / 0.3f;
    const bool arch =
        (v < 0.42f && du * du + dv * dv < 1) || (v >= 0.42f && v < 0.86f && std::abs(du) < 1);
    const bool rim = !arch && ((v < 0.42f && du * du + dv * dv < 1.45f) ||
                               (v >= 0.42f && v < 0.9f && std::abs(du) < 1.2f));
    if (rim) c.Set(x, y, ShadeAt(frame, (u < 0.5f ? 0.95f : 0.3f) - (v > 0.86f ? 0.5f : 0), x, y));
    if (!arch) return;
    if (lit) {
      const float glow = 1.0f - 0.55f * std::min(1.0f, std::hypot(du, (v - 0.6f) / 0.3f) * 0.8f);
      c.Set(x, y, ShadeAt(light, glow, x, y));
    } else {
      c.Set(x, y, ShadeAt(frame, 0.04f + 0.1f * (1 - v), x, y));
    }
  });
  // Style marks: a keystone, bolts, a ring, or a hatch wheel.
  const Rgb mark = lit ? light[4] : frame[3];
  switch (style) {
    case 0: c.Polygon({0.44f, 0.06f, 0.56f, 0.06f, 0.53f, 0.14f, 0.47f, 0.14f}, mark); break;
    case 1:
      for (float bv : {0.3f, 0.55f, 0.8f}) {
        c.Ellipse(0.12f, bv, 0.035f, 0.035f, mark);
        c.Ellipse(0.88f, bv, 0.035f, 0.035f, mark);
      }
      break;
    case 2: c.Ellipse(0.5f, 0.09f, 0.05f, 0.05f, mark); break;
    default: c.Rect(0.3f, 0.05f, 0.7f, 0.1f, mark); break;
  }
  // An arrow pointing in while the door is lit.
  if (lit)
    c.Polygon({0.5f, 0.78f, 0.38f, 0.62f, 0.45f, 0.62f, 0.45f, 0.42f, 0.55f, 0.42f, 0.55f, 0.62f,
               0.62f, 0.62f},
              light[1]);
  return c.Take();
}

}  // namespace assetgen

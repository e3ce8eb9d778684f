#include "platform/window_layout.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

namespace krattle {

int WholeScale(int windowW, int windowH, int surfaceW, int surfaceH, WindowBands bands) {
  if (surfaceW <= 0 || surfaceH <= 0) return 1;
  const int across = windowW / surfaceW, down = (windowH - bands.Both()) / surfaceH;
  return std::max(1, std::min(across, down));
}

PictureRect PlacePicture(int windowW, int windowH, int surfaceW, int surfaceH, WindowBands bands) {
  const int availH = windowH - bands.Both();
  if (availH <= 0 || windowW <= 0 || surfaceW <= 0 || surfaceH <= 0) return {};
  PictureRect r;
  if (windowW >= surfaceW && availH >= surfaceH) {
    const int k = WholeScale(windowW, windowH, surfaceW, surfaceH, bands);
    r.W = surfaceW * k;
    r.H = surfaceH * k;
  } else if (static_cast<long>(windowW) * surfaceH <= static_cast<long>(availH) * surfaceW) {
    r.W = windowW;
    r.H = static_cast<int>(static_cast<long>(windowW) * surfaceH / surfaceW);
  } else {
    r.H = availH;
    r.W = static_cast<int>(static_cast<long>(availH) * surfaceW / surfaceH);
  }
  r.X = (windowW - r.W) / 2;
  r.Y = bands.Menu + (availH - r.H) / 2;
  return r;
}

float DisplayDpi(float reported, const char* desktopScale) {
  if (reported > 0) return reported;
  if (!desktopScale) return 0;
  const std::string_view s(desktopScale);
  int k = 0;
  const auto r = std::from_chars(s.data(), s.data() + s.size(), k);
  if (s.empty() || r.ec != std::errc() || r.ptr != s.data() + s.size() || k < 1) return 0;
  return 96.0f * static_cast<float>(k);
}

int DensityScale(float dpi) {
  if (!(dpi > 0)) return 1;
  return std::clamp(static_cast<int>(std::lround(dpi / 96.0f)), 1, 4);
}

int StartScale(float dpi, int usableW, int usableH, int surfaceW, int surfaceH, WindowBands bands) {
  const int density = DensityScale(dpi);
  if (usableW <= 0 || usableH <= 0) return density;
  return std::min(density, WholeScale(usableW, usableH, surfaceW, surfaceH, bands));
}

}  // namespace krattle

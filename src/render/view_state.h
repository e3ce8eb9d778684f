#pragma once
// Where the game view looks and how big its tiles are. Written by the camera, the zoom and the
// cave start; read by every renderer.

#include <cstdint>

namespace krattle {

struct ViewState {
  std::uint8_t ZoomMode = 1;  // 1: 32-pixel tiles, 2: 40-pixel tiles
  std::uint8_t TileSize = 32;
  std::uint8_t StatusX = 82;
  std::int8_t ViewColumn = 0;
  std::int8_t ViewRow = 0;
  std::int8_t ScrollX = 0;  // 0 down to -TileSize
  std::int8_t ScrollY = 0;
  // 0 at rest; 1..48 right, 208..255 left; 1..24 down, 232..255 up.
  std::uint8_t ScrollStepsX = 0;
  std::uint8_t ScrollStepsY = 0;
  std::uint8_t TitleScroll = 0;

  void SetZoom(int zoom) {
    ZoomMode = zoom == 2 ? 2 : 1;
    TileSize = ZoomMode == 2 ? 40 : 32;
    StatusX = ZoomMode == 2 ? 162 : 82;
  }
  // One frame of the title wallpaper's creep; it wraps after one tile.
  void AdvanceTitleScroll() {
    const int before = TitleScroll;
    TitleScroll = static_cast<std::uint8_t>(before + 1);
    if (before == TileSize - 1 || TitleScroll > 50) TitleScroll = 0;
  }
  void ResetCamera() { ScrollX = ScrollY = 0, ScrollStepsX = ScrollStepsY = 0; }
  int SurfaceWidth() const { return ZoomMode == 2 ? 800 : 640; }
  int SurfaceHeight() const { return ZoomMode == 2 ? 504 : 408; }
};

}  // namespace krattle

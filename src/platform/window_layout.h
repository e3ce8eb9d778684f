#pragma once
// Where the picture goes in a resizable window, in whole factors so its pixels stay crisp.
// Plain arithmetic, kept apart from SDL so it can be checked without a display.

namespace krattle {

struct PictureRect {
  int X = 0, Y = 0, W = 0, H = 0;
  bool operator==(const PictureRect&) const = default;
};

// The bands around the picture: the menu bar above, the editor's panel below (0 outside it).
struct WindowBands {
  int Menu = 0, Panel = 0;
  int Both() const { return Menu + Panel; }
};

// The largest whole factor of the surface that fits between the bands of a window, at least 1.
int WholeScale(int windowW, int windowH, int surfaceW, int surfaceH, WindowBands bands);

// The picture at that factor, centred in the space between the bands. A window too small for
// even one factor shrinks the picture, keeping its aspect, rather than cutting it off.
PictureRect PlacePicture(int windowW, int windowH, int surfaceW, int surfaceH, WindowBands bands);

// The display's density in dpi: what the display reports (`reported`, 0 when it does not
// say), else the desktop's own whole scale setting (GDK_SCALE), else 0 (unknown).
float DisplayDpi(float reported, const char* desktopScale);

// The display's density as a factor of the ordinary 96 dpi: 1 to 4, 1 when unknown.
int DensityScale(float dpi);

// The factor a window starts with when none is remembered: the density's, but only as large as
// fits the usable part of the display (at least 1).
int StartScale(float dpi, int usableW, int usableH, int surfaceW, int surfaceH, WindowBands bands);

}  // namespace krattle

#pragma once
// Numbers of the tile pictures that several renderers share, and the animation indices.

#include <cstdint>

namespace krattle {

// The nine per-cave looks, in their stored order.
struct TileStyles {
  std::uint8_t Boulder = 0, Dirt = 0, Wall = 0, MagicWall = 0, Steel = 0, Firefly = 0,
               Butterfly = 0, Diamond = 0, Exit = 0;
  static TileStyles From(const std::uint8_t (&s)[9]) {
    return {s[0], s[1], s[2], s[3], s[4], s[5], s[6], s[7], s[8]};
  }
};

struct AnimClock {
  int FrameStep = 0;  // 0..7
  int AnimPhase = 0;  // 0 or 1
  int A8() const { return 4 * AnimPhase + FrameStep / 2; }
  int A2() const { return FrameStep / 4; }
};

namespace tiles {
inline constexpr int Bomb = 0;
inline constexpr int Clock = 1;
inline constexpr int DravikStanding = 8;
inline constexpr int Amoeba = 49;
inline constexpr int Slime = 57;
inline constexpr int Acid = 65;
inline constexpr int Explosion = 73;
inline constexpr int SolidBomb = 321;
inline constexpr int TitlePicture = 322;
inline constexpr int PreviewFrame = 323;
inline constexpr int HighScoreBackground = 324;

// Style 4 gives each boulder its own look; a style past that has no picture of its own.
inline int BoulderBase(const TileStyles& s, int look) {
  if (s.Boulder < 4) return 81 + 4 * s.Boulder;
  if (s.Boulder == 4) return 81 + 4 * look;
  return Bomb;
}
inline int DirtItem(const TileStyles& s, int look) {
  return 97 + 4 * s.Dirt + look;
}
inline int WallItem(const TileStyles& s) {
  return 133 + s.Wall;
}
inline int MagicWallItem(const TileStyles& s, const AnimClock& a) {
  return 137 + 8 * s.MagicWall + a.A8();
}
inline int SpentMagicWallItem(const TileStyles& s) {
  return 137 + 8 * s.MagicWall;
}
inline int SteelItem(const TileStyles& s) {
  return 153 + 8 * s.Steel;
}
inline int FireflyItem(const TileStyles& s, const AnimClock& a) {
  return 185 + 8 * s.Firefly + a.A8();
}
inline int ButterflyItem(const TileStyles& s, const AnimClock& a) {
  return 217 + 8 * s.Butterfly + a.A8();
}
inline int DiamondItem(const TileStyles& s, const AnimClock& a) {
  return 281 + 8 * s.Diamond + a.A8();
}
inline int ExitItem(const TileStyles& s, const AnimClock& a) {
  return 313 + s.Exit + 4 * a.AnimPhase;
}
}  // namespace tiles

}  // namespace krattle

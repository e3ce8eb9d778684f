#pragma once
// Numbers of the tile pictures that several renderers share, the animation indices, and the one
// picture of each element at rest.

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
inline constexpr int DravikBirth = 2;  // three stages of two
inline constexpr int DravikStanding = 8;
inline constexpr int DravikBlinkTap = 25;  // eight frames: the editor's entrance
inline constexpr int Amoeba = 49;
inline constexpr int Slime = 57;
inline constexpr int Acid = 65;
inline constexpr int Explosion = 73;  // four stages of two
// First pictures of the styled families; each style adds its stride.
inline constexpr int FirstBoulder = 81;        // 4 per style: at rest, then the roll
inline constexpr int FirstDirt = 97;           // 4 looks per style
inline constexpr int FirstWall = 133;          // 1 per style
inline constexpr int FirstMagicWall = 137;     // 8 per style, the first one spent
inline constexpr int FirstSteel = 153;         // 8 per style, the cover's cycle
inline constexpr int FirstFirefly = 185;       // 8 per style
inline constexpr int FirstButterfly = 217;     // 8 per style
inline constexpr int FirstDiamondBirth = 249;  // 8 per diamond style: four stages of two
inline constexpr int FirstDiamond = 281;       // 8 per style
inline constexpr int FirstExit = 313;          // 1 per style, the other flash 4 further on
inline constexpr int SolidBomb = 321;
inline constexpr int TitlePicture = 322;
inline constexpr int PreviewFrame = 323;
inline constexpr int HighScoreBackground = 324;

// Style 4 gives each boulder its own look; a style past that has no picture of its own.
inline int BoulderBase(const TileStyles& s, int look) {
  if (s.Boulder < 4) return FirstBoulder + 4 * s.Boulder;
  if (s.Boulder == 4) return FirstBoulder + 4 * look;
  return Bomb;
}
inline int DirtItem(const TileStyles& s, int look) {
  return FirstDirt + 4 * s.Dirt + look;
}
inline int WallItem(const TileStyles& s) {
  return FirstWall + s.Wall;
}
inline int MagicWallItem(const TileStyles& s, const AnimClock& a) {
  return FirstMagicWall + 8 * s.MagicWall + a.A8();
}
inline int SpentMagicWallItem(const TileStyles& s) {
  return FirstMagicWall + 8 * s.MagicWall;
}
inline int SteelItem(const TileStyles& s) {
  return FirstSteel + 8 * s.Steel;
}
inline int FireflyItem(const TileStyles& s, const AnimClock& a) {
  return FirstFirefly + 8 * s.Firefly + a.A8();
}
inline int ButterflyItem(const TileStyles& s, const AnimClock& a) {
  return FirstButterfly + 8 * s.Butterfly + a.A8();
}
inline int DiamondItem(const TileStyles& s, const AnimClock& a) {
  return FirstDiamond + 8 * s.Diamond + a.A8();
}
inline int ExitItem(const TileStyles& s, const AnimClock& a) {
  return FirstExit + s.Exit + 4 * a.AnimPhase;
}

// The picture of an element that shows as one picture of its own wherever a cave is drawn
// (a magic wall as it lies dormant), or -1 for the elements each view draws its own way.
int ElementItem(int code, const TileStyles& s, int look, const AnimClock& a);
}  // namespace tiles

}  // namespace krattle

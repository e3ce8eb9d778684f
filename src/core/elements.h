#pragma once
// Element codes: one byte per cell. 0 is the only empty code.

#include <cstdint>
#include <string_view>

namespace krattle {

using Element = std::uint8_t;

// The names are the language keys of the base elements and the marker/stage names.
enum : Element {
  Space = 0,
  Dirt = 1,
  Wall = 2,
  MagicWall = 3,
  ExitClosed = 4,
  ExitOpen = 5,
  SteelWall = 7,
  HorizExpWall = 8,
  HorizExpWallMoved = 9,
  FireflyMovedRight = 10,
  FireflyMovedDown = 11,
  FireflyLeft = 12,
  FireflyUp = 13,
  FireflyRight = 14,
  FireflyDown = 15,
  ButterflyMovedDown = 16,
  ButterflyMovedRight = 17,
  ButterflyDown = 18,
  ButterflyLeft = 19,
  ButterflyUp = 20,
  ButterflyRight = 21,
  Dravik = 22,
  DravikMoved = 23,
  BoulderStationary = 24,
  BoulderPushed = 25,
  BoulderFalling = 26,
  BoulderFallingMoved = 27,
  DiamondStationary = 28,
  DiamondStationaryMoved = 29,
  DiamondFalling = 30,
  DiamondFallingMoved = 31,
  ExplodeRegular = 32,
  ExplosionMoved = 33,
  Explosion = 34,
  Explosion2 = 35,
  Explosion3 = 36,
  Explosion4 = 37,
  ExplodeToDiamonds = 38,
  DiamondBirthMoved = 39,
  DiamondBirth = 40,
  DiamondBirth2 = 41,
  DiamondBirth3 = 42,
  DiamondBirth4 = 43,
  Amoeba = 44,
  AmoebaMoved = 45,
  Slime = 46,
  Clock = 48,
  ClockTaken = 49,
  Entrance = 50,
  DravikBirth = 51,
  DravikBirth2 = 52,
  DravikBirth3 = 53,
  Cover = 54,
  DravikInExitMoved = 55,
  DravikInExit = 56,
  VertExpWall = 58,
  VertExpWallMoved = 59,
  Dummy = 60,
  BothDirExpWall = 62,
  BothDirExpWallMoved = 63,
  WallFalling = 64,
  WallFallingFallingMoved = 65,
  WallFallingFalling = 66,
  Acid = 68,
  AcidMoved = 69,
  BombSolid = 70,
  BombSolidPushed = 71,
  BombFalling = 72,
  BombFallingMoved = 73,
  SolidBombDetonateMoved = 74,
  SolidBombDetonate = 75,
  SolidBombExplMoved = 76,
  SolidBombExpl = 77,
  SolidBombExpl2 = 78,
  SolidBombExpl3 = 79,
  SolidBombExpl4 = 80,
  BombGlued = 82,
  BoulderGlued = 84,
  DiamondGlued = 86,
  AltFireflyMovedRight = 90,
  AltFireflyMovedDown = 91,
  AltFireflyLeft = 92,
  AltFireflyUp = 93,
  AltFireflyRight = 94,
  AltFireflyDown = 95,
  AltButterflyMovedDown = 96,
  AltButterflyMovedRight = 97,
  AltButterflyDown = 98,
  AltButterflyLeft = 99,
  AltButterflyUp = 100,
  AltButterflyRight = 101,
  DravikWithBomb = 102,
  DravikWithBombMoved = 103,
  Bomb = 104,
  BombIgnitedMoved = 105,
  BombIgnited = 106,
  BombIgnited2 = 107,
  BombIgnited3 = 108,
  BombIgnited4 = 109,
  BombIgnited5 = 110,
  BombIgnited6 = 112,
  BombExplMoved = 113,
  BombExpl = 114,
  BombExpl2 = 115,
  BombExpl3 = 116,
};

// Name of a code ("" for codes that are never produced).
std::string_view ElementName(Element code);

// Built-in English display text of a base element ("" for markers, stages and unused codes).
std::string_view ElementDisplayText(Element code);

// Choice index -> element code, in the order of the element names of the language file.
// Index 51 is the end mark; it maps to 144, a code without behaviour.
inline constexpr int ElementChoiceCount = 52;
extern const Element ElementChoices[ElementChoiceCount];

// Cave options store choice indices as raw bytes that nobody validates. An index past the end
// of the table reads as the end mark (144, inert), so a hand-made file can never make us read
// outside the table.
inline Element ElementChoice(std::uint8_t index) {
  return ElementChoices[index < ElementChoiceCount ? index : ElementChoiceCount - 1];
}

inline bool IsDravik(Element e) {
  return e == Dravik || e == DravikWithBomb;
}

}  // namespace krattle

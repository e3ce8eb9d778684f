#pragma once
// The 96000-byte cave-set record, held flat exactly as it is stored on disk.
// Byte (column x, slot s, row y) lies at x * 2400 + s * 24 + y; slot = cave * 5 + level.
// Multi-byte numbers are stored high byte first, one byte per column of the same row.

#include <array>
#include <cstdint>
#include <string>

#include "core/elements.h"

namespace krattle {

inline constexpr int CaveSetSize = 96000;
inline constexpr int CaveCount = 20;
inline constexpr int LevelCount = 5;
inline constexpr int SlotCount = 100;
inline constexpr int FirstIntermission = 16;
inline constexpr int RowA = 22;
inline constexpr int RowB = 23;
inline constexpr int DemoMaxSteps = 600;
inline constexpr int HighScoreEntries = 10;
inline constexpr int MaxNameLength = 20;
inline constexpr std::uint8_t FormatMarkerValue = 222;

inline bool IsIntermission(int cave) {
  return cave >= FirstIntermission;
}
inline int CaveWidthOf(int cave) {
  return IsIntermission(cave) ? 20 : 40;
}
inline int CaveHeightOf(int cave) {
  return IsIntermission(cave) ? 12 : 22;
}
inline int SlotOf(int cave, int level) {
  return cave * LevelCount + level;
}

// Row A (row 22) columns.
enum class FieldA : int {
  CaveTime = 0,
  Diamonds = 1,
  Value = 2,
  Bonus = 3,
  MagicTime = 4,
  AmoebaTime = 5,
  AmoebaMax = 6,
  AmoebaSlow = 7,
  AmoebaFast = 8,
  Slime = 9,
  InBox = 10,
  Pushing = 11,
  SeedValue = 12,
  ProbabilityOfItem1 = 13,
  ProbabilityOfItem2 = 14,
  ProbabilityOfItem3 = 15,
  ProbabilityOfItem4 = 16,
  InitialItem = 17,
  Item1 = 18,
  Item2 = 19,
  Item3 = 20,
  Item4 = 21,
  // Demo header, only in slots 80..99.
  DemoPresent = 22,
  DemoLevel = 23,
  AmoebaExpiryTickHigh = 24,
  AmoebaExpiryTickLow = 25,
  DemoLengthHigh = 26,
  DemoLengthLow = 27,
  MagicExpiryTickHigh = 28,
  MagicExpiryTickLow = 29,
  BoulderStyle = 30,
  DirtStyle = 31,
  WallStyle = 32,
  MagicWallStyle = 33,
  SteelStyle = 34,
  FireflyStyle = 35,
  ButterflyStyle = 36,
  DiamondStyle = 37,
  ExitStyle = 38,
};

// Row B (row 23) columns.
enum class FieldB : int {
  AcidSpeed = 10,
  ExtraTime = 11,
  MagicStopsAmoeba = 12,
  BigIntermission = 13,
  EnclosedAmoeba = 14,
  TooBigAmoeba = 15,
  RegularExplosion = 16,
  BombExplosion = 17,
  SolidBombExplosion = 18,
  ButterflyExplosion = 19,
  FallingBoulder = 20,
  FallingDiamonds = 21,
  DiamondInMagic = 22,
  AcidEats = 23,
  SlimePenetrated = 24,
};

struct HighScoreEntry {
  std::uint32_t Score = 0;
  std::string Name;
};

// The set's ten best games, best first.
using HighScoreTable = std::array<HighScoreEntry, HighScoreEntries>;

class CaveSet {
 public:
  std::array<std::uint8_t, CaveSetSize> Bytes{};

  static int Offset(int x, int slot, int y) { return x * 2400 + slot * 24 + y; }
  std::uint8_t& At(int x, int slot, int y) { return Bytes[Checked(Offset(x, slot, y))]; }
  std::uint8_t At(int x, int slot, int y) const { return Bytes[Checked(Offset(x, slot, y))]; }

  std::uint8_t& MapCell(int cave, int level, int x, int y) { return At(x, SlotOf(cave, level), y); }
  std::uint8_t MapCell(int cave, int level, int x, int y) const {
    return At(x, SlotOf(cave, level), y);
  }

  std::uint8_t& A(int slot, FieldA f) { return At(static_cast<int>(f), slot, RowA); }
  std::uint8_t A(int slot, FieldA f) const { return At(static_cast<int>(f), slot, RowA); }
  std::uint8_t& B(int slot, FieldB f) { return At(static_cast<int>(f), slot, RowB); }
  std::uint8_t B(int slot, FieldB f) const { return At(static_cast<int>(f), slot, RowB); }

  // Set-wide fields (row 23 of slot 0).
  std::uint8_t FormatMarker() const { return At(0, 0, RowB); }
  std::uint32_t BestScore() const { return Get24(1, 0, RowB); }
  void SetBestScore(std::uint32_t v) { Put24(1, 0, RowB, v); }
  std::uint8_t& SavedCave() { return At(4, 0, RowB); }
  std::uint8_t& SavedLevel() { return At(5, 0, RowB); }
  std::uint8_t& SavedLives() { return At(6, 0, RowB); }
  std::uint8_t SavedCave() const { return At(4, 0, RowB); }
  std::uint8_t SavedLevel() const { return At(5, 0, RowB); }
  std::uint8_t SavedLives() const { return At(6, 0, RowB); }
  std::uint32_t SavedScore() const { return Get24(7, 0, RowB); }
  void SetSavedScore(std::uint32_t v) { Put24(7, 0, RowB, v); }

  // Demo of cave k lives in the spare space of slot 80 + k. Steps past 599 read as 0.
  std::uint8_t DemoStep(int cave, int n) const;
  void SetDemoStep(int cave, int n, std::uint8_t value);
  bool DemoPresent(int cave) const { return A(DemoSlot(cave), FieldA::DemoPresent) == 255; }
  void SetDemoPresent(int cave, bool present) {
    A(DemoSlot(cave), FieldA::DemoPresent) = present ? 255 : 0;
  }
  std::uint8_t& DemoLevel(int cave) { return A(DemoSlot(cave), FieldA::DemoLevel); }
  std::uint8_t DemoLevel(int cave) const { return A(DemoSlot(cave), FieldA::DemoLevel); }
  std::uint16_t AmoebaExpiryTick(int cave) const { return Get16(24, DemoSlot(cave), RowA); }
  void SetAmoebaExpiryTick(int cave, std::uint16_t v) { Put16(24, DemoSlot(cave), RowA, v); }
  std::uint16_t DemoLength(int cave) const { return Get16(26, DemoSlot(cave), RowA); }
  void SetDemoLength(int cave, std::uint16_t v) { Put16(26, DemoSlot(cave), RowA, v); }
  std::uint16_t MagicExpiryTick(int cave) const { return Get16(28, DemoSlot(cave), RowA); }
  void SetMagicExpiryTick(int cave, std::uint16_t v) { Put16(28, DemoSlot(cave), RowA, v); }

  // High-score entry i (1..10) lives in slot 80 + i.
  HighScoreEntry HighScore(int i) const;
  void SetHighScore(int i, const HighScoreEntry& e);

  // 24-bit values keep only their low 24 bits.
  std::uint32_t Get24(int x, int slot, int y) const {
    return (At(x, slot, y) << 16) | (At(x + 1, slot, y) << 8) | At(x + 2, slot, y);
  }
  void Put24(int x, int slot, int y, std::uint32_t v) {
    At(x, slot, y) = (v >> 16) & 0xFF;
    At(x + 1, slot, y) = (v >> 8) & 0xFF;
    At(x + 2, slot, y) = v & 0xFF;
  }
  std::uint16_t Get16(int x, int slot, int y) const {
    return static_cast<std::uint16_t>((At(x, slot, y) << 8) | At(x + 1, slot, y));
  }
  void Put16(int x, int slot, int y, std::uint16_t v) {
    At(x, slot, y) = (v >> 8) & 0xFF;
    At(x + 1, slot, y) = v & 0xFF;
  }

  static int DemoSlot(int cave) { return 80 + cave; }

 private:
  static int Checked(int offset);
};

// Builds the default set: steel-framed dirt caves, default parameters, upgraded format.
CaveSet NewCaveSet();

// Fills in the fields of the extended format when the marker byte is not yet 222.
void UpgradeCaveSet(CaveSet& set);

// A slot can be played when it has an Entrance and some way to get an exit.
bool isCavePlayable(const CaveSet& set, int cave, int level);

}  // namespace krattle

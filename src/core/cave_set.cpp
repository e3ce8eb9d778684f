#include "core/cave_set.h"

#include <cstdlib>

namespace krattle {

int CaveSet::Checked(int offset) {
  // Every caller forms offsets from in-range columns, slots and rows; anything else is a
  // programming error that must not turn into a silent write elsewhere in memory.
  if (offset < 0 || offset >= CaveSetSize) std::abort();
  return offset;
}

std::uint8_t CaveSet::DemoStep(int cave, int n) const {
  if (n < 0 || n >= DemoMaxSteps) return 0;
  int slot = DemoSlot(cave);
  if (n < 400) return At(n % 40, slot, 12 + n / 40);
  n -= 400;
  return At(20 + n % 20, slot, n / 20);
}

void CaveSet::SetDemoStep(int cave, int n, std::uint8_t value) {
  if (n < 0 || n >= DemoMaxSteps) return;
  int slot = DemoSlot(cave);
  if (n < 400) {
    At(n % 40, slot, 12 + n / 40) = value;
  } else {
    n -= 400;
    At(20 + n % 20, slot, n / 20) = value;
  }
}

HighScoreEntry CaveSet::HighScore(int i) const {
  HighScoreEntry e;
  int slot = 80 + i;
  e.Score = Get24(20, slot, 11);
  int len = At(23, slot, 11);
  if (len > MaxNameLength) len = 0;
  for (int j = 1; j <= len; ++j) e.Name.push_back(static_cast<char>(At(19 + j, slot, 10)));
  return e;
}

void CaveSet::SetHighScore(int i, const HighScoreEntry& e) {
  int slot = 80 + i;
  Put24(20, slot, 11, e.Score);
  int len = static_cast<int>(e.Name.size());
  if (len > MaxNameLength) len = MaxNameLength;
  At(23, slot, 11) = static_cast<std::uint8_t>(len);
  for (int j = 1; j <= len; ++j) At(19 + j, slot, 10) = static_cast<std::uint8_t>(e.Name[j - 1]);
}

CaveSet NewCaveSet() {
  CaveSet set;
  static constexpr std::uint8_t kRowADefaults[12] = {120, 10, 5, 10, 20, 50, 200, 32, 4, 18, 21, 4};
  for (int slot = 0; slot < SlotCount; ++slot) {
    for (int x = 0; x < 12; ++x) set.At(x, slot, RowA) = kRowADefaults[x];
    for (int x = 0; x < 40; ++x)
      for (int y = 0; y < 22; ++y) set.At(x, slot, y) = SteelWall;
  }
  for (int cave = 0; cave < CaveCount; ++cave) {
    int w = CaveWidthOf(cave), h = CaveHeightOf(cave);
    for (int level = 0; level < LevelCount; ++level)
      for (int x = 1; x < w - 1; ++x)
        for (int y = 1; y < h - 1; ++y) set.MapCell(cave, level, x, y) = Dirt;
  }
  UpgradeCaveSet(set);
  return set;
}

void UpgradeCaveSet(CaveSet& set) {
  if (set.Bytes[23] == FormatMarkerValue) return;
  static constexpr std::uint8_t kRowB[15] = {32, 105, 0, 0, 6, 3, 2, 2, 2, 6, 3, 6, 4, 1, 0};
  static constexpr std::uint8_t kGenerator[10] = {0, 80, 60, 40, 20, 1, 2, 3, 6, 19};
  for (int slot = 0; slot < SlotCount; ++slot) {
    int cave = slot / LevelCount;
    for (int i = 0; i < 15; ++i) set.At(10 + i, slot, RowB) = kRowB[i];
    for (int i = 0; i < 10; ++i) set.At(12 + i, slot, RowA) = kGenerator[i];
    set.At(30, slot, RowA) = 4;
    set.At(31, slot, RowA) = IsIntermission(cave) ? 8 : (cave & 7);
    set.At(33, slot, RowA) = cave & 1;
    for (int x : {32, 34, 35, 36, 37, 38}) set.At(x, slot, RowA) = cave & 3;
  }
  for (int i = 1; i <= HighScoreEntries; ++i)
    for (int x = 20; x <= 23; ++x) set.At(x, 80 + i, 11) = 0;
  set.SetBestScore(0);
  set.Bytes[23] = FormatMarkerValue;
}

bool isCavePlayable(const CaveSet& set, int cave, int level) {
  if (cave < 0 || cave >= CaveCount || level < 0 || level >= LevelCount) return false;
  int w = CaveWidthOf(cave), h = CaveHeightOf(cave);
  bool entrance = false, exit = false;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      std::uint8_t c = set.MapCell(cave, level, x, y);
      if (c == Entrance) entrance = true;
      if (c == ExitClosed) exit = true;
    }
  int slot = SlotOf(cave, level);
  for (int x = 14; x <= 22 && !exit; ++x) {
    std::uint8_t choice = set.At(x, slot, RowB);
    if (choice == 13 || choice == 14) exit = true;
  }
  return entrance && exit;
}

}  // namespace krattle

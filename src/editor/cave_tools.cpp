#include "editor/cave_tools.h"

#include <algorithm>

namespace krattle {

namespace {

int Columns(int cave) {
  return IsIntermission(cave) ? 20 : 40;
}
int Rows(int cave) {
  return IsIntermission(cave) ? 12 : 22;
}

// Where the clipboard's 46 parameter bytes live in a slot: row A 0..21 and 30..38, row B 10..24.
template <typename F>
void ForEachParam(F&& f) {
  int k = 0;
  for (int x = 0; x <= 21; ++x) f(k++, x, RowA);
  for (int x = 30; x <= 38; ++x) f(k++, x, RowA);
  for (int x = 10; x <= 24; ++x) f(k++, x, RowB);
}

constexpr int kBigIntermissionColumn = static_cast<int>(FieldB::BigIntermission);

}  // namespace

bool Writable(int cave, int column, int row) {
  return column >= 0 && row >= 0 && column < Columns(cave) && row < Rows(cave);
}

bool FillRectangle(CaveSet& set, int cave, int level, int fromX, int fromY, int toX, int toY,
                   Element code) {
  if (!(fromX < toX && fromY < toY)) return false;
  for (int y = fromY; y <= toY; ++y)
    for (int x = fromX; x <= toX; ++x)
      if (Writable(cave, x, y)) set.MapCell(cave, level, x, y) = code;
  return true;
}

std::optional<EditorPopup> PopupFor(Element code) {
  EditorPopup p;
  auto tick = [&](PopupItem item) { p.Ticked[static_cast<int>(item)] = true; };
  switch (code) {
    case FireflyLeft:
    case ButterflyLeft:
    case AltFireflyLeft:
    case AltButterflyLeft: tick(PopupItem::FacingLeft); break;
    case FireflyUp:
    case ButterflyUp:
    case AltFireflyUp:
    case AltButterflyUp: tick(PopupItem::FacingUp); break;
    case FireflyRight:
    case ButterflyRight:
    case AltFireflyRight:
    case AltButterflyRight: tick(PopupItem::FacingRight); break;
    case FireflyDown:
    case ButterflyDown:
    case AltFireflyDown:
    case AltButterflyDown: tick(PopupItem::FacingDown); break;
    case BoulderStationary:
    case DiamondStationary:
    case BombSolid: tick(PopupItem::Stationary); break;
    case BoulderFalling:
    case DiamondFalling:
    case BombFalling: tick(PopupItem::Falling); break;
    case BombGlued:
    case BoulderGlued:
    case DiamondGlued: tick(PopupItem::Glued); break;
    case WallFalling:
      tick(PopupItem::Stationary);
      p.GluedShown = false;
      break;
    case WallFallingFalling:
      tick(PopupItem::Falling);
      p.GluedShown = false;
      break;
    default: break;
  }
  const bool creature = (code >= 12 && code <= 21) || (code >= 92 && code <= 101);
  const bool object = (code >= 24 && code <= 30) || code == WallFalling ||
                      code == WallFallingFalling || (code >= 70 && code <= 72) ||
                      (code >= 82 && code <= 86);
  if (!creature && !object) return std::nullopt;
  p.What = creature ? EditorPopup::Facing : EditorPopup::State;
  return p;
}

Element ApplyPopupItem(Element code, PopupItem item) {
  struct Group {
    Element First, Last;
    Element To[PopupItemCount];  // by item; 0xFF: not for this group
  };
  constexpr Element N = 0xFF;
  static constexpr Group kGroups[] = {
      {FireflyLeft, FireflyDown, {12, 13, 14, 15, N, N, N}},
      {ButterflyDown, ButterflyRight, {19, 20, 21, 18, N, N, N}},
      {AltFireflyLeft, AltFireflyDown, {92, 93, 94, 95, N, N, N}},
      {AltButterflyDown, AltButterflyRight, {99, 100, 101, 98, N, N, N}},
  };
  for (const Group& g : kGroups)
    if (code >= g.First && code <= g.Last) {
      const Element to = g.To[static_cast<int>(item)];
      return to == N ? code : to;
    }
  struct Objects {
    Element Codes[3];
    Element Stationary, Falling, Glued;
  };
  static constexpr Objects kObjects[] = {
      {{24, 26, 84}, 24, 26, 84},
      {{28, 30, 86}, 28, 30, 86},
      {{64, 66, 66}, 64, 66, N},
      {{70, 72, 82}, 70, 72, 82},
  };
  for (const Objects& o : kObjects) {
    if (std::find(std::begin(o.Codes), std::end(o.Codes), code) == std::end(o.Codes)) continue;
    const Element to = item == PopupItem::Stationary ? o.Stationary
                       : item == PopupItem::Falling  ? o.Falling
                       : item == PopupItem::Glued    ? o.Glued
                                                     : N;
    return to == N ? code : to;
  }
  return code;
}

void ScatterRandomly(CaveSet& set, int cave, int level, Element code, Random& rng) {
  const bool small = IsIntermission(cave);
  for (int k = 0; k < 10; ++k) {
    const int x = 1 + static_cast<int>(rng.RandomBelow(small ? 18 : 38));
    const int y = 1 + static_cast<int>(rng.RandomBelow(small ? 10 : 20));
    set.MapCell(cave, level, x, y) = code;
  }
}

bool CycleStyle(std::array<std::uint8_t, 9>& styles, int slot) {
  // Style bytes in their stored order: boulder, dirt, wall, magic wall, steel, firefly,
  // butterfly, diamond, exit. The value is the last of each cycle.
  struct Cycle {
    int Style;
    std::uint8_t Top;
  };
  std::optional<Cycle> c;
  switch (slot) {
    case 0: c = Cycle{4, 3}; break;
    case 1: c = Cycle{1, 8}; break;
    case 3: c = Cycle{0, 4}; break;
    case 4: c = Cycle{7, 3}; break;
    case 6: c = Cycle{8, 3}; break;
    case 7:
    case 22: c = Cycle{5, 3}; break;
    case 8:
    case 23: c = Cycle{6, 3}; break;
    case 9:
    case 11:
    case 12:
    case 13:
    case 14: c = Cycle{2, 3}; break;
    case 10: c = Cycle{3, 1}; break;
    default: return false;
  }
  std::uint8_t& v = styles[c->Style];
  v = v >= c->Top ? 0 : static_cast<std::uint8_t>(v + 1);
  return true;
}

void CopyCave(const CaveSet& set, int cave, int level, CaveClipboard& clip) {
  const int slot = SlotOf(cave, level);
  ForEachParam([&](int k, int x, int y) { clip.Params[k] = set.At(x, slot, y); });
  clip.Map.fill(SteelWall);
  for (int y = 0; y < Rows(cave); ++y)
    for (int x = 0; x < Columns(cave); ++x) clip.Map[y * 40 + x] = set.MapCell(cave, level, x, y);
  clip.Valid = true;
}

void PasteCave(const CaveClipboard& clip, CaveSet& set, int cave, int level) {
  const int slot = SlotOf(cave, level);
  // An intermission has no use for the big-intermission switch and keeps its own.
  ForEachParam([&](int k, int x, int y) {
    if (y == RowB && x == kBigIntermissionColumn && IsIntermission(cave)) return;
    set.At(x, slot, y) = clip.Params[k];
  });
  for (int y = 0; y < Rows(cave); ++y)
    for (int x = 0; x < Columns(cave); ++x) set.MapCell(cave, level, x, y) = clip.Map[y * 40 + x];
  set.SetDemoPresent(cave, false);
}

void ClearCave(CaveSet& set, int cave, int level) {
  const int slot = SlotOf(cave, level);
  static constexpr std::uint8_t kRowA[22] = {120, 10, 5,  10, 20, 50, 200, 32, 4, 18, 21,
                                             4,   0,  80, 60, 40, 20, 1,   2,  3, 6,  19};
  static constexpr std::uint8_t kRowB[15] = {32, 105, 0, 0, 6, 3, 2, 2, 2, 6, 3, 6, 4, 1, 0};
  for (int x = 0; x < 22; ++x) set.At(x, slot, RowA) = kRowA[x];
  // Column 31, the dirt's style, keeps its value.
  set.At(30, slot, RowA) = 4;
  for (int x = 32; x <= 38; ++x) set.At(x, slot, RowA) = 0;
  for (int x = 0; x < 15; ++x) set.At(10 + x, slot, RowB) = kRowB[x];
  const int w = Columns(cave), h = Rows(cave);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      set.MapCell(cave, level, x, y) =
          x == 0 || y == 0 || x == w - 1 || y == h - 1 ? SteelWall : Dirt;
  set.SetDemoPresent(cave, false);
}

}  // namespace krattle

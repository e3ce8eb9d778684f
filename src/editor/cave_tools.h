#pragma once
// What the editor's tools do to a cave, as plain functions on the set: the palette's elements,
// which cells may be written, rectangles, the pop-ups' facing and state changes, Random, the
// graphics-style cycle, and copying, pasting and clearing whole caves.

#include <array>
#include <cstdint>
#include <optional>

#include "core/cave_set.h"
#include "core/elements.h"
#include "core/random.h"
#include "game/editor_mode.h"

namespace krattle {

// The element each palette slot paints.
// clang-format off
inline constexpr Element PaletteCodes[24] = {
    SteelWall,    Dirt,        Space,          BoulderStationary, DiamondStationary, Entrance,
    ExitClosed,   FireflyLeft, ButterflyDown,  Wall,              MagicWall,         HorizExpWall,
    VertExpWall,  BothDirExpWall, WallFalling, Amoeba,            Slime,             Acid,
    Dummy,        Clock,       Bomb,           BombSolid,         AltButterflyDown,  AltFireflyLeft};
// clang-format on

// Cells the editor may write: all of a normal cave, an intermission's 20 x 12 only.
bool Writable(int cave, int column, int row);

// Fills the writable cells from `from` to `to` (both included) when the rectangle runs right and
// down over more than one column and row. True when it did.
bool FillRectangle(CaveSet& set, int cave, int level, int fromX, int fromY, int toX, int toY,
                   Element code);

// The pop-up a middle click on a cell holding `code` opens, with its ticks; none for codes
// without facing or state.
std::optional<EditorPopup> PopupFor(Element code);
// The code a pop-up item turns `code` into (itself when the item does not apply to it).
Element ApplyPopupItem(Element code, PopupItem item);

// Ten cells off the border get `code`, each drawing its column before its row.
void ScatterRandomly(CaveSet& set, int cave, int level, Element code, Random& rng);

// The Graphics set button: cycles the style that the palette slot's element is drawn with.
// False (nothing changed) for slots without a style of their own.
bool CycleStyle(std::array<std::uint8_t, 9>& styles, int paletteSlot);

// A whole cave with its parameters, kept across sets for the program's run.
struct CaveClipboard {
  std::array<Element, 40 * 22> Map{};
  std::array<std::uint8_t, 46> Params{};
  bool Valid = false;
};
void CopyCave(const CaveSet& set, int cave, int level, CaveClipboard& clip);
void PasteCave(const CaveClipboard& clip, CaveSet& set, int cave, int level);
// Default parameters, steel around dirt, no demo.
void ClearCave(CaveSet& set, int cave, int level);

}  // namespace krattle

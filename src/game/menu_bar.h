#pragma once
// The menu bar as data: which menus and items show, which are enabled or checked, and the
// command each runs. The window draws it; scripts choose items from it by their text keys, so
// both see the same menu.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "game/game_state.h"
#include "game/texts.h"

namespace krattle {

enum class MenuCommand : std::uint8_t {
  None,
  LoadGame,
  Start,
  Stop,
  CavesEditor,
  New,
  Load,
  Save,
  SaveAs,
  PlayDemo,
  RecordDemo,
  Exit,
  Copy,
  Paste,
  Clear,
  Undo,
  Redo,
  Zoom,
  FullScreen,
  Speed,
  Mute,
  Settings,
  About,
};

struct MenuItem {
  TextId Text;
  MenuCommand Command = MenuCommand::None;
  bool Enabled = true;
  bool Checked = false;
  bool SeparatorBefore = false;
};

struct Menu {
  TextId Title;
  std::vector<MenuItem> Items;
  // Opening it stops the game clock and the looped sounds.
  bool PausesGame = false;
};

// The menus shown in this state, in order, with their visible items only.
std::vector<Menu> MenuBar(const MenuState& state);

// The visible item whose text key (as in a language file, e.g. "SaveAs") is `key`. On failure
// None, and `why` says whether the item is unknown, hidden or disabled.
MenuCommand FindMenuItem(const MenuState& state, std::string_view key, std::string& why);

}  // namespace krattle

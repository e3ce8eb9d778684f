#pragma once
// The menu bar, drawn from the game's description of it. Drawing it only reports what was
// chosen: a command that opens a dialog must not run inside the ImGui frame that drew the menu,
// so the caller runs it once that frame is over.

#include <map>
#include <string>

#include "game/menu_bar.h"
#include "game/texts.h"

namespace krattle {

struct MenuRect {
  float X = 0, Y = 0, W = 0, H = 0;
};

struct MenuFrame {
  MenuCommand Chosen = MenuCommand::None;
  bool AnyOpen = false;
  // A menu that pauses the game (Options) is open.
  bool PausingOpen = false;
  // Where each menu and visible item was drawn, by its text's key, for tests that click them.
  std::map<std::string, MenuRect> Rects;
};

MenuFrame DrawMainMenu(const MenuState& menu, const Texts& texts);

}  // namespace krattle

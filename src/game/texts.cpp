#include "game/texts.h"

namespace krattle {

Texts::Texts() {
  // The blanks align the key hints as the menus show them.
  const std::pair<const char*, const char*> menu[] = {
      {"Game", "Game"},
      {"LoadGame", "Load Game..       L"},
      {"Start", "Start"},
      {"Stop", "Stop                    Q"},
      {"CavesEditor", "Editor"},
      {"New", "New"},
      {"Load", "Load"},
      {"Save", "Save"},
      {"SaveAs", "Save as.."},
      {"PlayDemo", "Play demo           D"},
      {"RecordDemo", "Record demo      SHIFT+D"},
      {"Exit", "Exit"},
      {"Edit", "Edit"},
      {"Options", "Options"},
      {"Zoom", "Zoom"},
      {"FullScreen", "Full screen       ALT+ENTER"},
      {"Speed", "Speed    S"},
      {"Mute", "Mute                M"},
      {"Settings", "Settings"},
      {"Info", "Info"},
      {"About", "About Krattle"},
      {"ExitEditor", "Exit Editor"},
      {"Close", "Close"},
      {"HighScore", "High Score"},
  };
  for (const auto& [key, text] : menu) table_[{"Menu", key}] = text;
}

std::string Texts::Get(const std::string& section, const std::string& key) const {
  auto it = table_.find({section, key});
  return it == table_.end() ? key : it->second;
}

void Texts::Set(const std::string& section, const std::string& key, std::string text) {
  table_[{section, key}] = std::move(text);
}

}  // namespace krattle

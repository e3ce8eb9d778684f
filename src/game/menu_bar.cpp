#include "game/menu_bar.h"

namespace krattle {

std::vector<Menu> MenuBar(const MenuState& m) {
  std::vector<Menu> bar;
  if (m.MenusHidden) return bar;
  if (m.Editing) {
    // While editing, the Game menu is the file menu of the set being edited.
    bar.push_back({TextId::MenuCavesEditor,
                   {{TextId::MenuNew, MenuCommand::New},
                    {TextId::MenuLoad, MenuCommand::Load},
                    {TextId::MenuSave, MenuCommand::Save},
                    {TextId::MenuSaveAs, MenuCommand::SaveAs},
                    {TextId::MenuPlayDemo, MenuCommand::PlayDemo, m.DemoEnabled, false, true},
                    {TextId::MenuRecordDemo, MenuCommand::RecordDemo, m.DemoEnabled},
                    {TextId::MenuExitEditor, MenuCommand::Exit, true, false, true}}});
    bar.push_back({TextId::MenuEdit,
                   {{TextId::ProgramUndo, MenuCommand::Undo, m.UndoEnabled},
                    {TextId::ProgramRedo, MenuCommand::Redo, m.RedoEnabled},
                    {TextId::EditorCopy, MenuCommand::Copy, true, false, true},
                    {TextId::EditorPaste, MenuCommand::Paste},
                    {TextId::EditorClearCave, MenuCommand::Clear}}});
  } else {
    bar.push_back({TextId::MenuGame,
                   {{TextId::MenuLoadGame, MenuCommand::LoadGame},
                    {TextId::MenuStart, MenuCommand::Start, m.StartEnabled},
                    {TextId::MenuStop, MenuCommand::Stop, m.StopEnabled},
                    {TextId::MenuCavesEditor, MenuCommand::CavesEditor, true, false, true},
                    {TextId::MenuPlayDemo, MenuCommand::PlayDemo, m.DemoEnabled},
                    {TextId::MenuRecordDemo, MenuCommand::RecordDemo, m.DemoEnabled},
                    {TextId::MenuExit, MenuCommand::Exit, true, false, true}}});
  }
  Menu options{TextId::MenuOptions, {}, true};
  if (m.ZoomShown)
    options.Items.push_back({TextId::MenuZoom, MenuCommand::Zoom, true, m.ZoomChecked});
  if (m.FullScreenShown) options.Items.push_back({TextId::MenuFullScreen, MenuCommand::FullScreen});
  options.Items.push_back({TextId::MenuSpeed, MenuCommand::Speed});
  options.Items.push_back({TextId::MenuMute, MenuCommand::Mute, true, m.MuteChecked});
  options.Items.push_back({TextId::MenuSettings, MenuCommand::Settings});
  bar.push_back(std::move(options));
  bar.push_back({TextId::MenuInfo, {{TextId::ProgramAbout, MenuCommand::About}}});
  return bar;
}

MenuCommand FindMenuItem(const MenuState& state, std::string_view key, std::string& why) {
  for (const Menu& menu : MenuBar(state)) {
    for (const MenuItem& item : menu.Items) {
      if (TextInfo(item.Text).Key != key) continue;
      if (!item.Enabled) {
        why = "the menu item " + std::string(key) + " is disabled now";
        return MenuCommand::None;
      }
      return item.Command;
    }
  }
  bool known = false;
  for (const TextRow& row : TextRows) known = known || row.Key == key;
  why = known ? "the menu item " + std::string(key) + " is not in the menu now"
              : "there is no menu item " + std::string(key);
  return MenuCommand::None;
}

}  // namespace krattle

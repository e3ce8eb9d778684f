#include "platform/main_menu.h"

#include <imgui.h>

namespace krattle {

namespace {

class MenuDrawer {
 public:
  MenuDrawer(const Texts& texts, MenuFrame& out) : texts_(texts), out_(out) {}

  bool Begin(TextId id) {
    const bool open = ImGui::BeginMenu(texts_.Get(id).c_str());
    Record(id);
    if (open) out_.AnyOpen = true;
    return open;
  }

  // Commands of parts still being built stay visible but cannot be chosen (enabled = false).
  void Item(TextId id, MenuCommand command, bool enabled = true, bool checked = false) {
    const bool chosen = ImGui::MenuItem(texts_.Get(id).c_str(), nullptr, checked, enabled);
    Record(id);
    if (chosen) out_.Chosen = command;
  }

 private:
  void Record(TextId id) {
    const ImVec2 a = ImGui::GetItemRectMin(), b = ImGui::GetItemRectMax();
    out_.Rects[std::string(TextInfo(id).Key)] = MenuRect{a.x, a.y, b.x - a.x, b.y - a.y};
  }

  const Texts& texts_;
  MenuFrame& out_;
};

}  // namespace

MenuFrame DrawMainMenu(const MenuState& m, const Texts& texts) {
  MenuFrame out;
  if (!ImGui::BeginMainMenuBar()) return out;
  MenuDrawer d(texts, out);
  if (d.Begin(TextId::MenuGame)) {
    d.Item(TextId::MenuLoadGame, MenuCommand::LoadGame);
    d.Item(TextId::MenuStart, MenuCommand::Start, m.StartEnabled);
    d.Item(TextId::MenuStop, MenuCommand::Stop, m.StopEnabled);
    ImGui::Separator();
    d.Item(TextId::MenuCavesEditor, MenuCommand::None, false);
    d.Item(TextId::MenuPlayDemo, MenuCommand::PlayDemo, m.DemoEnabled);
    d.Item(TextId::MenuRecordDemo, MenuCommand::RecordDemo, m.DemoEnabled);
    ImGui::Separator();
    d.Item(TextId::MenuExit, MenuCommand::Exit);
    ImGui::EndMenu();
  }
  if (d.Begin(TextId::MenuOptions)) {
    out.OptionsOpen = true;
    d.Item(TextId::MenuZoom, MenuCommand::Zoom, true, m.ZoomChecked);
    d.Item(TextId::MenuFullScreen, MenuCommand::FullScreen);
    d.Item(TextId::MenuSpeed, MenuCommand::None, false);
    d.Item(TextId::MenuMute, MenuCommand::Mute, true, m.MuteChecked);
    d.Item(TextId::MenuSettings, MenuCommand::None, false);
    ImGui::EndMenu();
  }
  if (d.Begin(TextId::MenuInfo)) {
    d.Item(TextId::ProgramAbout, MenuCommand::About);
    ImGui::EndMenu();
  }
  ImGui::EndMainMenuBar();
  return out;
}

}  // namespace krattle

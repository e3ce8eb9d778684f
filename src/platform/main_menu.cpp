#include "platform/main_menu.h"

#include <imgui.h>

namespace krattle {

namespace {

class MenuDrawer {
 public:
  MenuDrawer(const Texts& texts, MenuFrame& out) : texts_(texts), out_(out) {}

  bool Begin(const char* key) {
    const bool open = ImGui::BeginMenu(Text(key).c_str());
    Record(key);
    if (open) out_.AnyOpen = true;
    return open;
  }

  // Commands of parts still being built stay visible but cannot be chosen (enabled = false).
  void Item(const char* key, MenuCommand command, bool enabled = true, bool checked = false) {
    const bool chosen = ImGui::MenuItem(Text(key).c_str(), nullptr, checked, enabled);
    Record(key);
    if (chosen) out_.Chosen = command;
  }

 private:
  std::string Text(const char* key) const { return texts_.Get("Menu", key); }
  void Record(const char* key) {
    const ImVec2 a = ImGui::GetItemRectMin(), b = ImGui::GetItemRectMax();
    out_.Rects[key] = MenuRect{a.x, a.y, b.x - a.x, b.y - a.y};
  }

  const Texts& texts_;
  MenuFrame& out_;
};

}  // namespace

MenuFrame DrawMainMenu(const MenuState& m, const Texts& texts) {
  MenuFrame out;
  if (!ImGui::BeginMainMenuBar()) return out;
  MenuDrawer d(texts, out);
  if (d.Begin("Game")) {
    d.Item("LoadGame", MenuCommand::LoadGame);
    d.Item("Start", MenuCommand::Start, m.StartEnabled);
    d.Item("Stop", MenuCommand::Stop, m.StopEnabled);
    ImGui::Separator();
    d.Item("CavesEditor", MenuCommand::None, false);
    d.Item("PlayDemo", MenuCommand::PlayDemo, m.DemoEnabled);
    d.Item("RecordDemo", MenuCommand::RecordDemo, m.DemoEnabled);
    ImGui::Separator();
    d.Item("Exit", MenuCommand::Exit);
    ImGui::EndMenu();
  }
  if (d.Begin("Options")) {
    out.OptionsOpen = true;
    d.Item("Zoom", MenuCommand::Zoom, true, m.ZoomChecked);
    d.Item("FullScreen", MenuCommand::FullScreen);
    d.Item("Speed", MenuCommand::None, false);
    d.Item("Mute", MenuCommand::Mute, true, m.MuteChecked);
    d.Item("Settings", MenuCommand::None, false);
    ImGui::EndMenu();
  }
  if (d.Begin("Info")) {
    d.Item("About", MenuCommand::About);
    ImGui::EndMenu();
  }
  ImGui::EndMainMenuBar();
  return out;
}

}  // namespace krattle

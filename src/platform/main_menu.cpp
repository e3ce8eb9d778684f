#include "platform/main_menu.h"

#include <imgui.h>

namespace krattle {

namespace {

void Record(MenuFrame& out, TextId id) {
  const ImVec2 a = ImGui::GetItemRectMin(), b = ImGui::GetItemRectMax();
  out.Rects[std::string(TextInfo(id).Key)] = MenuRect{a.x, a.y, b.x - a.x, b.y - a.y};
}

}  // namespace

MenuFrame DrawMainMenu(const MenuState& state, const Texts& texts) {
  MenuFrame out;
  if (state.MenusHidden || !ImGui::BeginMainMenuBar()) return out;
  for (const Menu& menu : MenuBar(state)) {
    const bool open = ImGui::BeginMenu(texts.Get(menu.Title).c_str());
    Record(out, menu.Title);
    if (!open) continue;
    out.AnyOpen = true;
    if (menu.PausesGame) out.PausingOpen = true;
    for (const MenuItem& item : menu.Items) {
      if (item.SeparatorBefore) ImGui::Separator();
      if (ImGui::MenuItem(texts.Get(item.Text).c_str(), nullptr, item.Checked, item.Enabled))
        out.Chosen = item.Command;
      Record(out, item.Text);
    }
    ImGui::EndMenu();
  }
  ImGui::EndMainMenuBar();
  return out;
}

}  // namespace krattle

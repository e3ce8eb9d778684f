#include "platform/dialog_widgets.h"

#include "game/language_file.h"

namespace krattle {

void WarningText(const std::string& text) {
  ImGui::TextColored(ImVec4(1.0f, 0.8f, 0.1f, 1.0f), "(!)");
  ImGui::SameLine();
  ImGui::TextUnformatted(text.c_str());
  ImGui::Spacing();
}

std::string Utf8(ImWchar c) {
  std::string out;
  AppendUtf8(out, c);
  return out;
}

bool EnterPressed() {
  return KeyPressed(ImGuiKey_Enter) || KeyPressed(ImGuiKey_KeyPadEnter);
}

bool KeyPressed(ImGuiKey_ key, bool repeat) {
  return ImGui::IsKeyPressed(ImGui::GetKeyIndex(key), repeat);
}

}  // namespace krattle

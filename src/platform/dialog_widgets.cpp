#include "platform/dialog_widgets.h"

namespace krattle {

void WarningText(const std::string& text) {
  ImGui::TextColored(ImVec4(1.0f, 0.8f, 0.1f, 1.0f), "(!)");
  ImGui::SameLine();
  ImGui::TextUnformatted(text.c_str());
  ImGui::Spacing();
}

std::string Utf8(ImWchar c) {
  std::string out;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
  return out;
}

bool EnterPressed() {
  return KeyPressed(ImGuiKey_Enter) || KeyPressed(ImGuiKey_KeyPadEnter);
}

bool KeyPressed(ImGuiKey_ key, bool repeat) {
  return ImGui::IsKeyPressed(ImGui::GetKeyIndex(key), repeat);
}

}  // namespace krattle

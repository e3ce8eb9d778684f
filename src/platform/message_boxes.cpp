// Yes/No questions, messages and the one-line text entry.

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/dialog_widgets.h"
#include "platform/imgui_dialogs.h"

namespace krattle {

DialogAnswer ImGuiDialogs::Ask(const std::string& text, const std::string& title, bool cancel) {
  if (!ready_) return cancel ? DialogAnswer::Cancel : DialogAnswer::No;
  DialogAnswer answer = cancel ? DialogAnswer::Cancel : DialogAnswer::No;
  RunModal(title + "##ask", [&] {
    WarningText(text);
    if (ImGui::Button(T(TextId::ProgramYes), ImVec2(80, 0)))
      return answer = DialogAnswer::Yes, true;
    ImGui::SameLine();
    if (ImGui::Button(T(TextId::ProgramNo), ImVec2(80, 0))) return answer = DialogAnswer::No, true;
    if (cancel) {
      ImGui::SameLine();
      if (ImGui::Button(T(TextId::ProgramCancel), ImVec2(80, 0)))
        return answer = DialogAnswer::Cancel, true;
    }
    if (ImGui::IsKeyPressed(ImGui::GetKeyIndex(ImGuiKey_Escape))) return true;
    return false;
  });
  return answer;
}

DialogAnswer ImGuiDialogs::YesNoCancel(const std::string& text, const std::string& title) {
  return Ask(text, title, true);
}

DialogAnswer ImGuiDialogs::YesNo(const std::string& text, const std::string& title) {
  return Ask(text, title, false);
}

void ImGuiDialogs::Message(const std::string& text, const std::string& title) {
  if (!ready_) {
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_WARNING, title.c_str(), text.c_str(), window_.Window());
    return;
  }
  RunModal(title + "##msg", [&] {
    WarningText(text);
    return ImGui::Button(T(TextId::ProgramOk), ImVec2(80, 0)) ||
           ImGui::IsKeyPressed(ImGui::GetKeyIndex(ImGuiKey_Enter)) ||
           ImGui::IsKeyPressed(ImGui::GetKeyIndex(ImGuiKey_Escape));
  });
}

namespace {

// The set stores one byte per character and the bitmap font draws printable ASCII only; what
// it cannot keep is refused and named, not dropped unseen.
int PrintableAsciiOnly(ImGuiInputTextCallbackData* data) {
  if (data->EventChar >= 32 && data->EventChar < 127) return 0;
  *static_cast<ImWchar*>(data->UserData) = data->EventChar;
  return 1;
}

}  // namespace

std::optional<std::string> ImGuiDialogs::InputText(const std::string& title,
                                                   const std::string& prompt, int maxLength) {
  if (!ready_) return std::nullopt;
  std::vector<char> buffer(static_cast<std::size_t>(std::max(1, maxLength + 1)), '\0');
  std::optional<std::string> result;
  ImWchar refused = 0;
  // The Escape that ended the game may still be down when the dialog opens.
  bool escapeArmed = false;
  RunModal(title + "##input", [&] {
    ImGui::TextUnformatted(prompt.c_str());
    ImGui::Spacing();
    ImGui::SetWindowFontScale(1.4f);
    // The field keeps the keyboard: typing goes there from the first frame on.
    if (!ImGui::IsAnyItemActive()) ImGui::SetKeyboardFocusHere();
    ImGui::SetNextItemWidth(320);
    ImGui::InputText("##name", buffer.data(), buffer.size(), ImGuiInputTextFlags_CallbackCharFilter,
                     PrintableAsciiOnly, &refused);
    const bool enter = EnterPressed();
    ImGui::SetWindowFontScale(1.0f);
    const std::string count =
        Text().Format(TextId::ProgramNameCount,
                      {std::to_string(std::strlen(buffer.data())), std::to_string(maxLength)});
    ImGui::TextDisabled("%s", count.c_str());
    if (refused != 0) {
      const std::string why = Text().Format(TextId::ProgramNameRefused, {Utf8(refused)});
      ImGui::TextColored(ImVec4(1.0f, 0.8f, 0.1f, 1.0f), "%s", why.c_str());
    }
    ImGui::Spacing();
    const bool ok = ImGui::Button(T(TextId::ProgramOk), ImVec2(80, 0));
    ImGui::SameLine();
    const bool cancel = ImGui::Button(T(TextId::ProgramCancel), ImVec2(80, 0));
    if (enter || ok) {
      result = std::string(buffer.data());
      return true;
    }
    const int escape = ImGui::GetKeyIndex(ImGuiKey_Escape);
    if (!ImGui::IsKeyDown(escape)) escapeArmed = true;
    return cancel || (escapeArmed && ImGui::IsKeyPressed(escape));
  });
  return result;
}

}  // namespace krattle

#include "platform/editor_panel.h"

#include <imgui.h>

#include "platform/form_renderer.h"

namespace krattle {

bool DrawEditorPanel(Form& panel, const SdlWindow& window, FieldRects* where) {
  int w = 0, h = 0;
  SDL_GetRendererOutputSize(window.Renderer(), &w, &h);
  ImGui::SetNextWindowPos(ImVec2(0, static_cast<float>(window.PanelTop())));
  ImGui::SetNextWindowSize(ImVec2(static_cast<float>(w), static_cast<float>(window.PanelHeight())));
  ImGui::PushStyleVar(ImGuiStyleVar_WindowPadding, ImVec2(6, 5));
  ImGui::PushStyleVar(ImGuiStyleVar_ItemSpacing, ImVec2(3, 5));
  ImGui::PushStyleVar(ImGuiStyleVar_FramePadding, ImVec2(4, 2));
  ImGui::PushStyleVar(ImGuiStyleVar_WindowRounding, 0);
  const ImGuiWindowFlags flags = ImGuiWindowFlags_NoDecoration | ImGuiWindowFlags_NoMove |
                                 ImGuiWindowFlags_NoSavedSettings |
                                 ImGuiWindowFlags_NoBringToFrontOnFocus;
  bool typing = false;
  if (ImGui::Begin("Editor_Panel", nullptr, flags)) {
    DrawFormFields(panel, where);
    typing = ImGui::IsAnyItemActive() && ImGui::IsWindowFocused();
  }
  ImGui::End();
  ImGui::PopStyleVar(4);
  return typing;
}

}  // namespace krattle

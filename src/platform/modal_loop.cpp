// The modal loop every dialog runs in: its own frames between the game's, fed by the same events.

#include <imgui_impl_sdl.h>
#include <imgui_impl_sdlrenderer.h>

#include "platform/dialog_widgets.h"
#include "platform/form_renderer.h"
#include "platform/imgui_dialogs.h"

namespace krattle {

namespace fs = std::filesystem;

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

const Texts& ImGuiDialogs::Text() const {
  static const Texts builtIn;  // start-up errors come before the game holds its texts
  return texts_ ? *texts_ : builtIn;
}

bool EnterPressed() {
  return KeyPressed(ImGuiKey_Enter) || KeyPressed(ImGuiKey_KeyPadEnter);
}

bool KeyPressed(ImGuiKey_ key, bool repeat) {
  return ImGui::IsKeyPressed(ImGui::GetKeyIndex(key), repeat);
}

void ImGuiDialogs::RunModal(const std::string& title, const std::function<bool()>& body,
                            bool* closeBox) {
  if (!ready_) return;
  ++shown_;
  bool opened = false;
  for (;;) {
    events_.Pump([this](const SDL_Event& ev) {
      ImGui_ImplSDL2_ProcessEvent(&ev);
      if (ev.type == SDL_QUIT) quit_ = true;
    });
    if (quit_) return;
    ImGui_ImplSDLRenderer_NewFrame();
    ImGui_ImplSDL2_NewFrame();
    ImGui::NewFrame();
    if (!opened) {
      ImGui::OpenPopup(title.c_str());
      opened = true;
    }
    const ImVec2 centre = ImGui::GetMainViewport()->GetCenter();
    ImGui::SetNextWindowPos(centre, ImGuiCond_Appearing, ImVec2(0.5f, 0.5f));
    bool done = true;
    if (ImGui::BeginPopupModal(title.c_str(), closeBox, ImGuiWindowFlags_AlwaysAutoResize)) {
      done = body();
      if (done) ImGui::CloseCurrentPopup();
      ImGui::EndPopup();
    }
    ImGui::Render();
    SDL_SetRenderDrawColor(window_.Renderer(), 0, 0, 0, 255);
    SDL_RenderClear(window_.Renderer());
    if (background_) background_();
    ImGui_ImplSDLRenderer_RenderDrawData(ImGui::GetDrawData());
    SDL_RenderPresent(window_.Renderer());
    if (done) return;
    SDL_Delay(8);
  }
}

void ImGuiDialogs::ShowForm(Form& form) {
  form.Show();
  while (form.IsOpen() && ready_ && !quit_) {
    std::string chooser;
    bool keepOpen = true;
    RunModal(
        form.Caption + "##form" + form.Id,
        [&] {
          chooser = DrawFormFields(form);
          if (KeyPressed(ImGuiKey_Escape)) form.CloseBox();
          return !form.IsOpen() || !chooser.empty();
        },
        &keepOpen);
    if (!keepOpen) form.CloseBox();
    if (chooser.empty() || !form.IsOpen()) continue;
    // The chooser is a dialog of its own, run between the form's frames.
    const FormField& field = form.Field(chooser);
    const fs::path current = field.Text;
    const auto picked = OpenFile(
        {field.Caption, current.has_parent_path() ? current.parent_path() : current, field.Filter});
    if (picked) form.SetText(chooser, picked->string());
  }
  if (form.IsOpen()) form.CloseBox();
}

}  // namespace krattle

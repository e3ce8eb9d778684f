// The modal loop every dialog runs in: its own frames between the game's, fed by the same events.

#include <imgui_impl_sdl.h>
#include <imgui_impl_sdlrenderer.h>

#include <array>

#include "game/keys.h"
#include "platform/dialog_widgets.h"
#include "platform/form_renderer.h"
#include "platform/imgui_dialogs.h"

namespace krattle {

const Texts& ImGuiDialogs::Text() const {
  static const Texts builtIn;  // start-up errors come before the game holds its texts
  return texts_ ? *texts_ : builtIn;
}

void ImGuiDialogs::RunModal(const std::string& title, const std::function<bool()>& body,
                            bool* closeBox) {
  if (!ready_) return;
  ++shown_;
  bool opened = false;
  ImVec2 size(0, 0);  // known once the dialog has been laid out
  for (;;) {
    events_.Pump([this](const SDL_Event& ev) {
      ImGui_ImplSDL2_ProcessEvent(&ev);
      if (ev.type == SDL_QUIT) quit_ = true;
    });
    if (quit_) return;
    ImGui_ImplSDLRenderer_NewFrame();
    ImGui_ImplSDL2_NewFrame();
    ImGui::NewFrame();
    if (underlay_) underlay_();
    if (!opened) {
      ImGui::OpenPopup(title.c_str());
      opened = true;
    }
    const ImGuiViewport* main = ImGui::GetMainViewport();
    if (size.x > 0) {
      const DialogPlace at =
          CentredOn(static_cast<int>(main->Pos.x), static_cast<int>(main->Pos.y),
                    static_cast<int>(main->Size.x), static_cast<int>(main->Size.y),
                    static_cast<int>(size.x), static_cast<int>(size.y));
      ImGui::SetNextWindowPos(ImVec2(static_cast<float>(at.Left), static_cast<float>(at.Top)));
    } else {
      ImGui::SetNextWindowPos(main->GetCenter(), ImGuiCond_Appearing, ImVec2(0.5f, 0.5f));
    }
    bool done = true;
    if (ImGui::BeginPopupModal(title.c_str(), closeBox, ImGuiWindowFlags_AlwaysAutoResize)) {
      size = ImGui::GetWindowSize();
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
  // The key that opened the dialog (S for the speed) is still down when it comes up: a letter
  // counts only once it has been let go in here.
  std::array<bool, 26> armed{};
  // A button's handler may open a dialog of its own (a file chooser, a question), which must not
  // start inside the frame that drew the button: the click is taken after that frame.
  std::string clicked;
  const Form::Handler onClick = form.OnClick;
  const auto noteClick = [&clicked](Form&, FormField& button) { clicked = button.Id; };
  while (form.IsOpen() && ready_ && !quit_) {
    bool keepOpen = true;
    clicked.clear();
    form.OnClick = noteClick;
    RunModal(
        form.Caption + "##form" + form.Id,
        [&] {
          DrawFormFields(form);
          if (KeyPressed(ImGuiKey_Escape)) form.CloseBox();
          if (form.OnKey && !ImGui::GetIO().WantTextInput)
            for (int c = 0; c < 26; ++c) {
              if (!ImGui::IsKeyDown(SDL_SCANCODE_A + c)) armed[c] = true;
              if (armed[c] && ImGui::IsKeyPressed(SDL_SCANCODE_A + c, false))
                form.Key(keys::Letter(static_cast<char>('A' + c)));
            }
          return !form.IsOpen() || !clicked.empty();
        },
        &keepOpen);
    form.OnClick = onClick;
    if (!keepOpen) form.CloseBox();
    if (!clicked.empty() && form.IsOpen()) form.Click(clicked);
  }
  if (form.IsOpen()) form.CloseBox();
}

}  // namespace krattle

#include "platform/editor_panel.h"

#include <imgui.h>

#include <span>
#include <vector>

#include "platform/form_renderer.h"

namespace krattle {

namespace {

// A copy of the panel that only writes down what the user did: a button may open a dialog,
// which must not run inside the frame that drew the button.
Form Recorder(const Form& panel, std::vector<FormAction>& actions) {
  Form copy = panel;
  copy.OnShow = nullptr;
  copy.OnCloseBox = nullptr;
  copy.OnClick = [&actions](Form&, FormField& f) {
    actions.push_back({FormAction::Click, f.Id, 0, {}});
  };
  copy.OnChange = [&actions](Form&, FormField& f) {
    if (f.Kind == FieldKind::UpDownEdit || f.Kind == FieldKind::FileName)
      actions.push_back({FormAction::Type, f.Id, 0, f.Text});
    else
      actions.push_back({FormAction::Set, f.Id, f.Value, {}});
  };
  copy.OnStep = [&actions, &panel](Form&, FormField& f) {
    const bool up = f.Value > panel.Field(f.Id).Value ||
                    (f.Value == panel.Field(f.Id).Value && f.Value == f.Max);
    actions.push_back({up ? FormAction::StepUp : FormAction::StepDown, f.Id, 0, {}});
  };
  return copy;
}

}  // namespace

bool DrawEditorPanel(const Form& panel, const SdlWindow& window, std::vector<FormAction>& actions,
                     FieldRects* where) {
  int w = 0, h = 0;
  SDL_GetRendererOutputSize(window.Renderer(), &w, &h);
  ImGui::SetNextWindowPos(ImVec2(0, static_cast<float>(window.PanelTop())));
  ImGui::SetNextWindowSize(ImVec2(static_cast<float>(w), static_cast<float>(window.PanelHeight())));
  // Spacings chosen for the 14-pixel font, grown with it on a dense display.
  const float k = ImGui::GetFontSize() / 14.0f;
  ImGui::PushStyleVar(ImGuiStyleVar_WindowPadding, ImVec2(6 * k, 5 * k));
  ImGui::PushStyleVar(ImGuiStyleVar_ItemSpacing, ImVec2(3 * k, 5 * k));
  ImGui::PushStyleVar(ImGuiStyleVar_FramePadding, ImVec2(4 * k, 2 * k));
  ImGui::PushStyleVar(ImGuiStyleVar_WindowRounding, 0);
  const ImGuiWindowFlags flags = ImGuiWindowFlags_NoDecoration | ImGuiWindowFlags_NoMove |
                                 ImGuiWindowFlags_NoSavedSettings |
                                 ImGuiWindowFlags_NoBringToFrontOnFocus;
  bool typing = false;
  if (ImGui::Begin("Editor_Panel", nullptr, flags)) {
    Form shown = Recorder(panel, actions);
    DrawFormFields(shown, where);
    typing = ImGui::IsAnyItemActive() && ImGui::IsWindowFocused();
  }
  ImGui::End();
  ImGui::PopStyleVar(4);
  return typing;
}

namespace {

struct PopupEntry {
  PopupItem Item;
  TextId Text;
};

constexpr PopupEntry kFacing[] = {{PopupItem::FacingLeft, TextId::EditorFireflyLeft},
                                  {PopupItem::FacingUp, TextId::EditorFireflyUp},
                                  {PopupItem::FacingRight, TextId::EditorFireflyRight},
                                  {PopupItem::FacingDown, TextId::EditorFireflyDown}};
constexpr PopupEntry kState[] = {{PopupItem::Stationary, TextId::EditorStationary},
                                 {PopupItem::Falling, TextId::EditorFalling},
                                 {PopupItem::Glued, TextId::EditorGlued}};

}  // namespace

void DrawEditorPopup(EditorMode& editor, const SdlWindow& window, const Texts& texts, bool& shown,
                     FieldRects* where) {
  const std::optional<EditorPopup>& popup = editor.Popup();
  if (!popup) {
    shown = false;
    return;
  }
  const bool facing = popup->What == EditorPopup::Facing;
  const char* id = facing ? "PopupMenu_Flies" : "PopupMenu_StoneDiamond";
  if (!shown) {
    float x = 0, y = 0;
    window.FromSurface(popup->MouseX, popup->MouseY, x, y);
    ImGui::SetNextWindowPos(ImVec2(x, y));
    ImGui::OpenPopup(id);
    shown = true;
  }
  if (!ImGui::BeginPopup(id)) {
    // Closed by a click elsewhere or Escape: nothing changes.
    shown = false;
    editor.DismissPopup();
    return;
  }
  const EditorPopup p = *popup;
  for (const PopupEntry& e :
       facing ? std::span<const PopupEntry>(kFacing) : std::span<const PopupEntry>(kState)) {
    if (e.Item == PopupItem::Glued && !p.GluedShown) continue;
    const bool chosen =
        ImGui::MenuItem(texts.Get(e.Text).c_str(), nullptr, p.Ticked[static_cast<int>(e.Item)]);
    if (where) {
      const ImVec2 a = ImGui::GetItemRectMin(), b = ImGui::GetItemRectMax();
      (*where)[std::string(TextInfo(e.Text).Key)] = MenuRect{a.x, a.y, b.x - a.x, b.y - a.y};
    }
    if (chosen) {
      editor.ChoosePopup(e.Item);
      shown = false;
    }
  }
  ImGui::EndPopup();
}

void DrawCellUnderMouse(const SdlWindow& window) {
  const ImGuiIO& io = ImGui::GetIO();
  if (io.WantCaptureMouse || !ImGui::IsMousePosValid()) return;
  int sx = 0, sy = 0;
  if (!window.ToSurface(static_cast<int>(io.MousePos.x), static_cast<int>(io.MousePos.y), sx, sy))
    return;
  if (sy >= 440) return;
  const int cx = sx / 20 * 20, cy = sy / 20 * 20;
  float x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  window.FromSurface(cx, cy, x0, y0);
  window.FromSurface(cx + 20, cy + 20, x1, y1);
  ImGui::GetBackgroundDrawList()->AddRect(ImVec2(x0, y0), ImVec2(x1, y1),
                                          IM_COL32(255, 255, 255, 200));
}

}  // namespace krattle

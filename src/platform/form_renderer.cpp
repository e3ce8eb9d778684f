#include "platform/form_renderer.h"

#include <imgui.h>

#include <cstdio>

namespace krattle {

namespace {

std::string Label(const FormField& f) {
  return f.Caption + "##" + f.Id;
}

void DrawChoice(Form& form, const FormField& f) {
  const char* current =
      f.Value >= 0 && f.Value < static_cast<int>(f.Items.size()) ? f.Items[f.Value].c_str() : "";
  ImGui::SetNextItemWidth(220);
  if (!ImGui::BeginCombo(Label(f).c_str(), current)) return;
  int chosen = -1;
  for (int i = 0; i < static_cast<int>(f.Items.size()); ++i)
    if (ImGui::Selectable(f.Items[i].c_str(), i == f.Value)) chosen = i;
  ImGui::EndCombo();
  if (chosen >= 0) form.SetValue(f.Id, chosen);
}

// Returns true when the chooser button was clicked.
bool DrawFileName(Form& form, const FormField& f) {
  char buffer[1024];
  std::snprintf(buffer, sizeof buffer, "%s", f.Text.c_str());
  ImGui::SetNextItemWidth(320);
  if (ImGui::InputText(("##" + f.Id).c_str(), buffer, sizeof buffer)) form.SetText(f.Id, buffer);
  ImGui::SameLine();
  const bool choose = ImGui::Button(("...##choose" + f.Id).c_str());
  ImGui::SameLine();
  ImGui::TextUnformatted(f.Caption.c_str());
  return choose;
}

}  // namespace

std::string DrawFormFields(Form& form) {
  std::string chooser;
  // By index: a handler may change the fields while they are drawn.
  for (std::size_t i = 0; i < form.Fields.size() && form.IsOpen(); ++i) {
    const FormField f = form.Fields[i];
    if (!f.Visible) continue;
    if (f.SameLine) ImGui::SameLine();
    ImGui::BeginDisabled(!f.Enabled);
    switch (f.Kind) {
      case FieldKind::Label:
        ImGui::TextUnformatted((f.Text.empty() ? f.Caption : f.Text).c_str());
        break;
      case FieldKind::Integer: {
        int v = f.Value;
        ImGui::SetNextItemWidth(140);
        if (ImGui::InputInt(Label(f).c_str(), &v, f.Step, f.Step * 10)) form.SetValue(f.Id, v);
        break;
      }
      case FieldKind::Check: {
        bool v = f.Value != 0;
        if (ImGui::Checkbox(Label(f).c_str(), &v)) form.SetValue(f.Id, v ? 1 : 0);
        break;
      }
      case FieldKind::Choice: DrawChoice(form, f); break;
      case FieldKind::FileName:
        if (DrawFileName(form, f)) chooser = f.Id;
        break;
      case FieldKind::Button:
        if (ImGui::Button(Label(f).c_str(), ImVec2(90, 0))) form.Click(f.Id);
        break;
    }
    ImGui::EndDisabled();
  }
  return chooser;
}

}  // namespace krattle

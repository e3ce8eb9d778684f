#include "platform/form_renderer.h"

#include <imgui.h>

#include <algorithm>
#include <cfloat>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace krattle {

namespace {

std::string Label(const FormField& f) {
  return f.Caption + "##" + f.Id;
}

// Widths chosen for the 14-pixel font, grown with it on a dense display.
float Px(float at14) {
  return at14 * ImGui::GetFontSize() / 14.0f;
}

void DrawChoice(Form& form, const FormField& f) {
  const char* current =
      f.Value >= 0 && f.Value < static_cast<int>(f.Items.size()) ? f.Items[f.Value].c_str() : "";
  ImGui::SetNextItemWidth(Px(220));
  // A long list opens twelve lines tall.
  const ImGuiStyle& style = ImGui::GetStyle();
  ImGui::SetNextWindowSizeConstraints(
      ImVec2(0, 0), ImVec2(FLT_MAX, 12 * ImGui::GetTextLineHeightWithSpacing() -
                                        style.ItemSpacing.y + 2 * style.WindowPadding.y));
  if (!ImGui::BeginCombo(Label(f).c_str(), current)) return;
  int chosen = -1;
  for (int i = 0; i < static_cast<int>(f.Items.size()); ++i)
    if (ImGui::Selectable(f.Items[i].c_str(), i == f.Value)) chosen = i;
  ImGui::EndCombo();
  if (chosen >= 0) form.SetValue(f.Id, chosen);
}

// Read-only: the name can be selected and copied, and its button beside it chooses another.
void DrawFileName(const FormField& f) {
  std::string shown = f.Text;
  ImGui::SetNextItemWidth(Px(240));
  ImGui::InputText(("##" + f.Id).c_str(), shown.data(), shown.size() + 1,
                   ImGuiInputTextFlags_ReadOnly);
}

// Only digits reach an edit: the keys that step caves, levels and the palette, and T, act as
// commands instead (the window passes them to the game).
int DigitsOnly(ImGuiInputTextCallbackData* data) {
  return data->EventChar < '0' || data->EventChar > '9' ? 1 : 0;
}

void Record(FieldRects* where, const std::string& id) {
  if (!where) return;
  const ImVec2 a = ImGui::GetItemRectMin(), b = ImGui::GetItemRectMax();
  (*where)[id] = MenuRect{a.x, a.y, b.x - a.x, b.y - a.y};
}

void DrawUpDownEdit(Form& form, const FormField& f, FieldRects* where) {
  ImGui::AlignTextToFramePadding();
  ImGui::TextUnformatted(f.Caption.c_str());
  ImGui::SameLine();
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%s", f.Text.c_str());
  const int room = f.MaxLength > 0 && f.MaxLength < 15 ? f.MaxLength + 1 : 16;
  ImGui::SetNextItemWidth(Px(static_cast<float>(7 * (room - 1) + 10)));
  if (ImGui::InputText(("##" + f.Id).c_str(), buffer, static_cast<std::size_t>(room),
                       ImGuiInputTextFlags_CallbackCharFilter, DigitsOnly))
    form.SetText(f.Id, buffer);
  Record(where, f.Id);
  ImGui::SameLine(0, 2);
  if (ImGui::SmallButton(("-##" + f.UpDownId).c_str())) form.Step(f.Id, -1);
  Record(where, f.UpDownId + "-");
  ImGui::SameLine(0, 2);
  if (ImGui::SmallButton(("+##" + f.UpDownId).c_str())) form.Step(f.Id, 1);
  Record(where, f.UpDownId + "+");
}

// A track bar with its ticks under it; a value beyond the range shows at the nearer end.
void DrawSlider(Form& form, const FormField& f) {
  int v = std::clamp(f.Value, f.Min, f.Max);
  ImGui::SetNextItemWidth(Px(240));
  if (ImGui::SliderInt(Label(f).c_str(), &v, f.Min, f.Max, "%d", ImGuiSliderFlags_AlwaysClamp))
    form.SetValue(f.Id, v);
  if (f.TickEvery <= 0 || f.Max <= f.Min) return;
  const ImVec2 a = ImGui::GetItemRectMin(), b = ImGui::GetItemRectMax();
  const float grab = ImGui::GetStyle().GrabMinSize;
  const float left = a.x + grab / 2 + 2, span = (b.x - a.x) - grab - 4;
  ImDrawList* draw = ImGui::GetWindowDrawList();
  for (int k = f.Min; k <= f.Max; k += f.TickEvery) {
    const float x = left + span * static_cast<float>(k - f.Min) / static_cast<float>(f.Max - f.Min);
    draw->AddLine(ImVec2(x, b.y + 1), ImVec2(x, b.y + 5), ImGui::GetColorU32(ImGuiCol_Text));
  }
  ImGui::Dummy(ImVec2(0, 4));
}

void DrawLabel(const FormField& f) {
  const std::string& text = f.Text.empty() ? f.Caption : f.Text;
  if (f.AlignRight) {
    const float right = ImGui::GetWindowContentRegionMax().x;
    const float at = right - ImGui::CalcTextSize(text.c_str()).x;
    if (at > ImGui::GetCursorPosX()) ImGui::SetCursorPosX(at);
  }
  if (f.Colour < 0) {
    ImGui::TextUnformatted(text.c_str());
    return;
  }
  // White on the label's colour reads on any background.
  const ImVec2 size = ImGui::CalcTextSize(text.c_str());
  const ImVec2 pad = ImGui::GetStyle().FramePadding;
  const ImVec2 at = ImGui::GetCursorScreenPos();
  const auto c = static_cast<std::uint32_t>(f.Colour);
  ImGui::GetWindowDrawList()->AddRectFilled(
      at, ImVec2(at.x + size.x + 2 * pad.x, at.y + size.y + 2 * pad.y),
      IM_COL32((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF, 255), 3.0f);
  ImGui::SetCursorScreenPos(ImVec2(at.x + pad.x, at.y + pad.y));
  ImGui::TextUnformatted(text.c_str());
  ImGui::SetCursorScreenPos(ImVec2(at.x + size.x + 2 * pad.x, at.y));
  ImGui::Dummy(ImVec2(0, size.y + 2 * pad.y));
}

// One line of the form: a field and the fields laid out on the same line after it.
struct Row {
  std::size_t First, End;
};

std::vector<Row> Rows(const Form& form) {
  std::vector<Row> rows;
  for (std::size_t i = 0; i < form.Fields.size(); ++i) {
    if (rows.empty() || !form.Fields[i].SameLine)
      rows.push_back({i, i + 1});
    else
      rows.back().End = i + 1;
  }
  return rows;
}

// Lines of labels with fields beside them; a run of two or more is drawn as a table so that the
// labels and the fields line up in columns.
bool Tabular(const Form& form, const Row& row) {
  if (row.End - row.First < 2) return false;
  bool label = false;
  for (std::size_t i = row.First; i < row.End; ++i) {
    const FieldKind kind = form.Fields[i].Kind;
    if (kind == FieldKind::UpDownEdit) return false;
    label |= kind == FieldKind::Label;
  }
  return label;
}

// The table column of each field of a tabular line: labels take the even columns, the field
// after a label the odd one beside it, a field without a label the next free one.
std::vector<int> Cells(const Form& form, const Row& row) {
  std::vector<int> cells;
  int next = 0;
  for (std::size_t i = row.First; i < row.End; ++i) {
    if (form.Fields[i].Kind == FieldKind::Label) next += next % 2;
    cells.push_back(next++);
  }
  return cells;
}

void DrawField(Form& form, std::size_t i, FieldRects* where) {
  const FormField f = form.Fields[i];
  ImGui::BeginDisabled(!f.Enabled);
  switch (f.Kind) {
    case FieldKind::Label: DrawLabel(f); break;
    case FieldKind::UpDownEdit: DrawUpDownEdit(form, f, where); break;
    case FieldKind::Integer: {
      if (f.Slider) {
        DrawSlider(form, f);
        break;
      }
      int v = f.Value;
      ImGui::SetNextItemWidth(Px(110));
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
      DrawFileName(f);
      Record(where, f.Id);
      break;
    case FieldKind::Button:
      if (ImGui::Button(Label(f).c_str(), ImVec2(static_cast<float>(f.Width), 0))) form.Click(f.Id);
      Record(where, f.Id);
      break;
  }
  ImGui::EndDisabled();
}

}  // namespace

void DrawFormFields(Form& form, FieldRects* where) {
  const std::vector<Row> rows = Rows(form);
  // By index, and checked again before each field: a handler may change the fields while they
  // are drawn.
  const auto drawable = [&](std::size_t i) {
    return form.IsOpen() && i < form.Fields.size() && form.Fields[i].Visible;
  };
  std::size_t r = 0;
  while (r < rows.size() && form.IsOpen()) {
    std::size_t end = r;
    while (end < rows.size() && Tabular(form, rows[end])) ++end;
    if (end - r >= 2) {
      std::vector<std::vector<int>> cells;
      int columns = 0;
      for (std::size_t k = r; k < end; ++k) {
        cells.push_back(Cells(form, rows[k]));
        columns = std::max(columns, cells.back().back() + 1);
      }
      if (ImGui::BeginTable(("##rows" + std::to_string(r)).c_str(), columns,
                            ImGuiTableFlags_SizingFixedFit)) {
        for (std::size_t k = r; k < end; ++k) {
          ImGui::TableNextRow();
          for (std::size_t i = rows[k].First; i < rows[k].End; ++i) {
            if (!drawable(i)) continue;
            ImGui::TableSetColumnIndex(cells[k - r][i - rows[k].First]);
            if (form.Fields[i].Kind == FieldKind::Label) ImGui::AlignTextToFramePadding();
            DrawField(form, i, where);
          }
        }
        ImGui::EndTable();
      }
      r = end;
      continue;
    }
    for (std::size_t i = rows[r].First; i < rows[r].End; ++i) {
      if (!drawable(i)) continue;
      const FormField& f = form.Fields[i];
      if (f.SameLine) ImGui::SameLine(0, f.Kind == FieldKind::UpDownEdit ? 9.0f : -1.0f);
      DrawField(form, i, where);
    }
    ++r;
  }
}

}  // namespace krattle

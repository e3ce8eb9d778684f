#include "editor/parameter_panel.h"

#include <charconv>
#include <climits>

namespace krattle {

std::string CaveLabelText(int cave, int level) {
  std::string s;
  s += static_cast<char>('A' + cave);
  s += '/';
  s += static_cast<char>('1' + level);
  return s;
}

std::uint32_t CaveLabelColour(int cave) {
  return IsIntermission(cave) ? 0xFF0000u : 0x0000FFu;
}

bool ParsePanelNumber(const std::string& text, long& out) {
  const char* first = text.data();
  const char* last = first + text.size();
  if (first != last && *first == '+') ++first;
  long v = 0;
  const auto r = std::from_chars(first, last, v);
  if (r.ec != std::errc() || r.ptr != last || first == last) return false;
  if (v < INT_MIN || v > INT_MAX) return false;
  out = v;
  return true;
}

namespace {

struct PanelButton {
  const char* Id;
  TextId Caption;
  bool SameLine;
};

constexpr PanelButton kButtons[] = {
    {panel::DecCave, TextId::EditorDecCave, true},
    {panel::IncCave, TextId::EditorIncCave, true},
    {panel::DecLevel, TextId::EditorDecLevel, true},
    {panel::IncLevel, TextId::EditorIncLevel, true},
    {panel::TestCave, TextId::EditorTest, true},
    {panel::Random, TextId::EditorRandom, true},
    {panel::Advanced, TextId::EditorAdvanced, true},
    {panel::GenerateCave, TextId::EditorGenerator, true},
    {panel::GrpSet, TextId::EditorGraphicsSet, true},
};

}  // namespace

Form MakeParameterPanel(const Texts& texts) {
  Form f;
  f.Id = "Editor_Panel";
  bool first = true;
  for (const PanelParameter& p : PanelParameters) {
    FormField& e = f.Add(UpDownEditField(p.Edit, p.UpDown, {}, p.Min, p.Max, p.MaxLength));
    e.SameLine = !first;
    first = false;
  }
  FormField& label = f.Add(LabelField(panel::CaveLevel, "A/1"));
  label.Colour = static_cast<std::int32_t>(CaveLabelColour(0));
  for (const PanelButton& b : kButtons) {
    FormField& button = f.Add(ButtonField(b.Id, {}));
    button.SameLine = b.SameLine;
    button.Width = 0;
  }
  FormField& demo = f.Add(CheckField(panel::Demo, {}, false));
  demo.SameLine = true;
  demo.Enabled = false;
  CaptionParameterPanel(f, texts);
  return f;
}

void CaptionParameterPanel(Form& f, const Texts& texts) {
  for (const PanelParameter& p : PanelParameters) f.Field(p.Edit).Caption = texts.Get(p.Label);
  for (const PanelButton& b : kButtons) f.Field(b.Id).Caption = texts.Get(b.Caption);
  f.Field(panel::Demo).Caption = texts.Get(TextId::EditorDemo);
}

}  // namespace krattle

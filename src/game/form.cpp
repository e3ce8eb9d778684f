#include "game/form.h"

#include <algorithm>
#include <stdexcept>

namespace krattle {

namespace {
FormField Make(std::string id, FieldKind kind, std::string caption) {
  FormField f;
  f.Id = std::move(id);
  f.Kind = kind;
  f.Caption = std::move(caption);
  return f;
}
}  // namespace

FormField LabelField(std::string id, std::string text) {
  FormField f = Make(std::move(id), FieldKind::Label, {});
  f.Text = std::move(text);
  return f;
}

FormField IntegerField(std::string id, std::string caption, int value, int min, int max, int step) {
  FormField f = Make(std::move(id), FieldKind::Integer, std::move(caption));
  f.Min = min;
  f.Max = max;
  f.Step = step;
  f.Value = std::clamp(value, min, max);
  return f;
}

FormField CheckField(std::string id, std::string caption, bool checked) {
  FormField f = Make(std::move(id), FieldKind::Check, std::move(caption));
  f.Value = checked ? 1 : 0;
  return f;
}

FormField ChoiceField(std::string id, std::string caption, std::vector<std::string> items,
                      int chosen) {
  FormField f = Make(std::move(id), FieldKind::Choice, std::move(caption));
  f.Items = std::move(items);
  f.Value = chosen;
  return f;
}

FormField FileNameField(std::string id, std::string caption, std::string name) {
  FormField f = Make(std::move(id), FieldKind::FileName, std::move(caption));
  f.Text = std::move(name);
  return f;
}

FormField ButtonField(std::string id, std::string caption) {
  return Make(std::move(id), FieldKind::Button, std::move(caption));
}

FormField UpDownEditField(std::string id, std::string upDownId, std::string caption, int min,
                          int max, int maxLength) {
  FormField f = Make(std::move(id), FieldKind::UpDownEdit, std::move(caption));
  f.UpDownId = std::move(upDownId);
  f.Min = min;
  f.Max = max;
  f.Value = min;
  f.MaxLength = maxLength;
  return f;
}

FormField& Form::Add(FormField field) {
  Fields.push_back(std::move(field));
  return Fields.back();
}

bool Form::Has(const std::string& id) const {
  return std::any_of(Fields.begin(), Fields.end(), [&](const FormField& f) { return f.Id == id; });
}

const FormField& Form::Field(const std::string& id) const {
  for (const FormField& f : Fields)
    if (f.Id == id) return f;
  throw std::logic_error("form " + Id + " has no field " + id);
}

FormField& Form::Field(const std::string& id) {
  return const_cast<FormField&>(static_cast<const Form&>(*this).Field(id));
}

FormField* Form::Usable(const std::string& id) {
  FormField& f = Field(id);
  return open_ && f.Enabled && f.Visible ? &f : nullptr;
}

void Form::Show() {
  open_ = true;
  if (OnShow) OnShow(*this);
}

void Form::SetValue(const std::string& id, int value) {
  FormField* f = Usable(id);
  if (!f) return;
  switch (f->Kind) {
    case FieldKind::Integer: value = std::clamp(value, f->Min, f->Max); break;
    case FieldKind::Check: value = value != 0 ? 1 : 0; break;
    case FieldKind::Choice:
      if (value < 0 || value >= static_cast<int>(f->Items.size())) return;
      break;
    default: return;
  }
  if (value == f->Value) return;
  f->Value = value;
  if (OnChange) OnChange(*this, *f);
}

void Form::SetText(const std::string& id, const std::string& text) {
  FormField* f = Usable(id);
  if (!f || (f->Kind != FieldKind::FileName && f->Kind != FieldKind::UpDownEdit)) return;
  std::string typed = text;
  // An edit takes no more than it has room for, whoever types.
  if (f->MaxLength > 0 && static_cast<int>(typed.size()) > f->MaxLength) typed.resize(f->MaxLength);
  if (f->Text == typed) return;
  f->Text = typed;
  if (OnChange) OnChange(*this, *f);
}

FormField* Form::FindUpDown(const std::string& id) {
  for (FormField& f : Fields)
    if (f.Kind == FieldKind::UpDownEdit && (f.Id == id || f.UpDownId == id))
      return open_ && f.Enabled && f.Visible ? &f : nullptr;
  throw std::logic_error("form " + Id + " has no up-down " + id);
}

void Form::Step(const std::string& id, int delta) {
  FormField* f = FindUpDown(id);
  if (!f) return;
  // The number typed, as far as it is one; otherwise where the up-down last stood.
  int from = f->Value;
  try {
    std::size_t used = 0;
    const long typed = std::stol(f->Text, &used);
    if (used == f->Text.size()) from = static_cast<int>(std::clamp<long>(typed, f->Min, f->Max));
  } catch (const std::exception&) {
  }
  const int to = std::clamp(from + delta, f->Min, f->Max);
  f->Value = to;
  const std::string text = std::to_string(to);
  if (to == from && f->Text == text) return;
  f->Text = text;
  if (OnStep) OnStep(*this, *f);
}

void Form::Click(const std::string& id) {
  FormField* f = Usable(id);
  if (!f || f->Kind != FieldKind::Button) return;
  if (OnClick) OnClick(*this, *f);
}

void Form::Key(int key) {
  if (open_ && OnKey) OnKey(*this, key);
}

void Form::CloseBox() {
  if (!open_) return;
  if (OnCloseBox) OnCloseBox(*this);
  open_ = false;
}

void ApplyFormAction(Form& form, const FormAction& a) {
  switch (a.What) {
    case FormAction::Set: form.SetValue(a.Field, a.Value); break;
    case FormAction::Type: form.SetText(a.Field, a.Text); break;
    case FormAction::Click: form.Click(a.Field); break;
    case FormAction::Close: form.CloseBox(); break;
    case FormAction::StepUp: form.Step(a.Field, 1); break;
    case FormAction::StepDown: form.Step(a.Field, -1); break;
    case FormAction::Key: form.Key(a.Value); break;
  }
}

}  // namespace krattle

#pragma once
// A dialog described as data: fields named after their components, and handlers that hold all
// of its behaviour. The window draws any form with one renderer; the headless runner answers
// forms from a script. Either way the changes go through the same calls below, so a dialog's
// logic is tested without a window.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace krattle {

enum class FieldKind : std::uint8_t {
  Label,     // text only
  Integer,   // a number with a range and a stepper
  Check,     // a check box: Value 0 or 1
  Choice,    // one of Items: Value is the index
  FileName,  // a file's name, shown but not typed into: a button beside it chooses another
  Button,
  // A text edit with an up-down beside it: Text is what was typed (not always a number), the
  // up-down steps the number in it within Min..Max.
  UpDownEdit,
};

struct FormField {
  std::string Id;  // the component's name
  FieldKind Kind = FieldKind::Label;
  std::string Caption;
  int Value = 0;
  int Min = 0, Max = 0, Step = 1;
  std::vector<std::string> Items;
  std::string Text;  // FileName: the name shown; Label: the text shown
  bool Enabled = true;
  bool Visible = true;
  int MaxLength = 0;         // UpDownEdit: characters the edit takes (0: any)
  std::string UpDownId;      // UpDownEdit: the up-down's own component name
  std::int32_t Colour = -1;  // Label: 0xRRGGBB, or -1 for the usual text colour
  int Width = 90;            // Button: pixels; 0 fits the caption
  // Laid out on the same line as the field before it.
  bool SameLine = false;
  // Label: against the right edge of the form.
  bool AlignRight = false;
  // Integer: a track bar instead of a stepper, with a tick every TickEvery units (0: none).
  bool Slider = false;
  int TickEvery = 0;
};

// Fields of each kind, ready to add.
FormField LabelField(std::string id, std::string text);
FormField IntegerField(std::string id, std::string caption, int value, int min, int max,
                       int step = 1);
FormField CheckField(std::string id, std::string caption, bool checked);
FormField ChoiceField(std::string id, std::string caption, std::vector<std::string> items,
                      int chosen);
FormField FileNameField(std::string id, std::string caption, std::string name);
FormField ButtonField(std::string id, std::string caption);
FormField UpDownEditField(std::string id, std::string upDownId, std::string caption, int min,
                          int max, int maxLength);

class Form {
 public:
  using Handler = std::function<void(Form&, FormField&)>;

  std::string Id;
  std::string Caption;
  std::vector<FormField> Fields;
  std::function<void(Form&)> OnShow;
  Handler OnChange;
  Handler OnClick;
  // An up-down moved its edit's number (typing into the edit is OnChange).
  Handler OnStep;
  // The close box; the form closes after it.
  std::function<void(Form&)> OnCloseBox;
  // A key pressed while the form has the focus (virtual-key code); true when it was used.
  std::function<bool(Form&, int)> OnKey;

  FormField& Add(FormField field);
  // The field with this id; a missing id is a programming error and throws.
  FormField& Field(const std::string& id);
  const FormField& Field(const std::string& id) const;
  bool Has(const std::string& id) const;

  // What a user can do to a shown form. Disabled or hidden fields ignore it.
  void Show();
  void SetValue(const std::string& id, int value);
  void SetText(const std::string& id, const std::string& text);
  void Click(const std::string& id);
  // An up-down's arrow: +1 or -1 from the edit's number (the last good one when the text is
  // none), kept within the range. `id` is the edit's or the up-down's name.
  void Step(const std::string& id, int delta);
  void CloseBox();
  void Key(int key);

  // Handlers end the dialog with Close().
  void Close() { open_ = false; }
  bool IsOpen() const { return open_; }

 private:
  FormField* Usable(const std::string& id);
  FormField* FindUpDown(const std::string& id);
  bool open_ = false;
};

// Where a dialog of w x h goes over a main window at (left, top) of mainW x mainH: centred, the
// halves truncated toward zero, so a dialog bigger than the window overhangs it evenly.
struct DialogPlace {
  int Left = 0, Top = 0;
};
constexpr DialogPlace CentredOn(int left, int top, int mainW, int mainH, int w, int h) {
  return {left + (mainW - w) / 2, top + (mainH - h) / 2};
}

// One step of a scripted answer to a form: set a field, type into it, click it, or close.
struct FormAction {
  enum Kind : std::uint8_t { Set, Type, Click, Close, StepUp, StepDown, Key } What = Click;
  std::string Field;
  int Value = 0;  // Set: the value; Key: the virtual-key code
  std::string Text;
};

// One action on a shown form; nothing once the form has closed.
void ApplyFormAction(Form& form, const FormAction& action);

}  // namespace krattle

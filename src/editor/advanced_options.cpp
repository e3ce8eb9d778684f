#include "editor/advanced_options.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

namespace krattle {

namespace {

// Where a control's value lives in the slot: a row and a column of the parameter rows.
struct Place {
  int Row;
  int Column;
};

constexpr Place InA(FieldA f) {
  return {RowA, static_cast<int>(f)};
}
constexpr Place InB(FieldB f) {
  return {RowB, static_cast<int>(f)};
}

struct NumberOption {
  const char* Edit;
  const char* Label;
  TextId Caption;
  Place Stored;
  int Min, Max;
  int Bias;  // stored byte = shown number + Bias
  int Reset;
};

constexpr NumberOption kNumbers[] = {
    {"Edit_AmoebaMax", "Label_AmoebaMax", TextId::AdvancedAmoebaMax, InA(FieldA::AmoebaMax), 1, 255,
     0, 200},
    {"Edit_AmoebaSlow", "Label_AmoebaSlow", TextId::AdvancedAmoebaSlow, InA(FieldA::AmoebaSlow), 1,
     255, 0, 32},
    {"Edit_AmoebaFast", "Label_AmoebaFast", TextId::AdvancedAmoebaFast, InA(FieldA::AmoebaFast), 1,
     255, 0, 4},
    {"Edit_Slime", "Label_Slime", TextId::AdvancedSlime, InA(FieldA::Slime), 1, 255, 0, 18},
    {"Edit_InBox", "Label_InBox", TextId::AdvancedInBox, InA(FieldA::InBox), 1, 40, 0, 21},
    {"Edit_Boulder", "Label_Boulder", TextId::AdvancedPushing, InA(FieldA::Pushing), 1, 8, 0, 4},
    {"Edit_AcidSpeed", "Label_AcidSpeed", TextId::AdvancedAcidSpeed, InB(FieldB::AcidSpeed), 1, 255,
     0, 32},
    // Clocks may take time away as well as give it.
    {"Edit_ExtraTime", "Label_ExtraTime", TextId::AdvancedExtraTime, InB(FieldB::ExtraTime), -100,
     100, 100, 5},
};

struct SwitchOption {
  const char* Check;
  TextId Caption;
  Place Stored;
};

constexpr SwitchOption kSwitches[] = {
    {"CheckBox_Stops", TextId::AdvancedMagicStopsAmoeba, InB(FieldB::MagicStopsAmoeba)},
    {"CheckBox_Intermission", TextId::AdvancedBigIntermission, InB(FieldB::BigIntermission)},
};

struct ChoiceOption {
  const char* Combo;
  const char* Label;
  TextId Caption;
  Place Stored;
  int Reset;
};

constexpr ChoiceOption kChoices[] = {
    {"ComboBox1", "Label1", TextId::AdvancedEnclosedAmoeba, InB(FieldB::EnclosedAmoeba), 6},
    {"ComboBox2", "Label2", TextId::AdvancedTooBigAmoeba, InB(FieldB::TooBigAmoeba), 3},
    {"ComboBox3", "Label3", TextId::AdvancedExplosion, InB(FieldB::RegularExplosion), 2},
    {"ComboBox4", "Label4", TextId::AdvancedBombExplosion, InB(FieldB::BombExplosion), 2},
    {"ComboBox5", "Label5", TextId::AdvancedSolidBombExplosion, InB(FieldB::SolidBombExplosion), 2},
    {"ComboBox6", "Label6", TextId::AdvancedButterflyExplosion, InB(FieldB::ButterflyExplosion), 6},
    {"ComboBox7", "Label7", TextId::AdvancedFallingBoulder, InB(FieldB::FallingBoulder), 3},
    {"ComboBox8", "Label8", TextId::AdvancedFallingDiamonds, InB(FieldB::FallingDiamonds), 6},
    {"ComboBox9", "Label9", TextId::AdvancedDiamondInMagic, InB(FieldB::DiamondInMagic), 4},
    {"ComboBox10", "Label10", TextId::AdvancedAcidEats, InB(FieldB::AcidEats), 1},
    {"ComboBox11", "Label11", TextId::AdvancedSlimePenetrated, InB(FieldB::SlimePenetrated), 0},
};
constexpr int kSlimeChoice = 10;  // ComboBox11 lists what slime lets through

constexpr const char* kPropertiesBox = "GroupBoxProperties";
constexpr const char* kChoicesBox = "GroupBoxCLCK";
constexpr const char* kReset = "Button_Reset";
constexpr const char* kClose = "BAdvancedClose";

// The element names in ElementChoices order (its end mark has no name), then the slime list.
constexpr int kElementNames = ElementChoiceCount - 1;
constexpr int kSlimeNames = 4;

std::vector<std::string> ItemTexts(const Texts& texts, TextId first, int count) {
  std::vector<std::string> names;
  for (int i = 0; i < count; ++i)
    names.push_back(texts.Get(static_cast<TextId>(static_cast<int>(first) + i)));
  return names;
}

std::uint8_t& Byte(CaveSet& set, int slot, Place p) {
  return set.At(p.Column, slot, p.Row);
}

void Caption(Form& form, const Texts& texts) {
  form.Caption = texts.Get(TextId::EditorAdvanced);
  form.Field(kPropertiesBox).Text = texts.Get(TextId::AdvancedProperties);
  form.Field(kChoicesBox).Text = texts.Get(TextId::AdvancedCLCK);
  for (const NumberOption& n : kNumbers) form.Field(n.Label).Text = texts.Get(n.Caption);
  for (const SwitchOption& s : kSwitches) form.Field(s.Check).Caption = texts.Get(s.Caption);
  for (const ChoiceOption& c : kChoices) form.Field(c.Label).Text = texts.Get(c.Caption);
  form.Field(kReset).Caption = texts.Get(TextId::AdvancedReset);
  form.Field(kClose).Caption = texts.Get(TextId::MenuClose);
}

void Load(Form& form, const CaveSet& set, int slot) {
  for (const NumberOption& n : kNumbers) {
    FormField& f = form.Field(n.Edit);
    f.Value = std::clamp(set.At(n.Stored.Column, slot, n.Stored.Row) - n.Bias, n.Min, n.Max);
  }
  for (const SwitchOption& s : kSwitches)
    form.Field(s.Check).Value = set.At(s.Stored.Column, slot, s.Stored.Row) != 0 ? 1 : 0;
  // An index past the list shows no entry and is written back as it was, so a hand-made value
  // survives opening and closing the dialog.
  for (const ChoiceOption& c : kChoices)
    form.Field(c.Combo).Value = set.At(c.Stored.Column, slot, c.Stored.Row);
}

void ResetControls(Form& form) {
  for (const NumberOption& n : kNumbers) form.Field(n.Edit).Value = n.Reset;
  for (const SwitchOption& s : kSwitches) form.Field(s.Check).Value = 0;
  for (const ChoiceOption& c : kChoices) form.Field(c.Combo).Value = c.Reset;
}

// Returns whether any byte of the slot changed.
bool Store(const Form& form, CaveSet& set, int slot) {
  bool changed = false;
  const auto put = [&](Place p, int value) {
    std::uint8_t& b = Byte(set, slot, p);
    const auto low = static_cast<std::uint8_t>(value & 0xFF);
    changed |= b != low;
    b = low;
  };
  for (const NumberOption& n : kNumbers) put(n.Stored, form.Field(n.Edit).Value + n.Bias);
  for (const SwitchOption& s : kSwitches) put(s.Stored, form.Field(s.Check).Value != 0 ? 255 : 0);
  for (const ChoiceOption& c : kChoices) put(c.Stored, form.Field(c.Combo).Value);
  return changed;
}

}  // namespace

Form AdvancedOptionsForm(CaveSet& set, int cave, int level, const Texts& texts,
                         std::function<void()> markModified) {
  Form form;
  form.Id = "TAdvancedOptionsForm";
  const int slot = SlotOf(cave, level);

  const std::vector<std::string> elements = ItemTexts(texts, TextId::ItemsSteelWall, kElementNames);
  const std::vector<std::string> slime = ItemTexts(texts, TextId::ItemsSlimeAll, kSlimeNames);

  // Two columns: the properties on the left, the element choices beside them; the choices
  // that outnumber the properties get empty labels to their left, the switches go below.
  form.Add(LabelField(kPropertiesBox, {}));
  form.Add(LabelField(kChoicesBox, {})).SameLine = true;
  for (int i = 0; i < static_cast<int>(std::size(kChoices)); ++i) {
    if (i < static_cast<int>(std::size(kNumbers))) {
      const NumberOption& n = kNumbers[i];
      form.Add(LabelField(n.Label, {}));
      form.Add(IntegerField(n.Edit, {}, n.Min, n.Min, n.Max)).SameLine = true;
    } else {
      form.Add(LabelField(std::string("Spacer") + kChoices[i].Label, {}));
    }
    form.Add(LabelField(kChoices[i].Label, {})).SameLine = true;
    form.Add(ChoiceField(kChoices[i].Combo, {}, i == kSlimeChoice ? slime : elements, 0)).SameLine =
        true;
  }
  for (const SwitchOption& s : kSwitches) form.Add(CheckField(s.Check, {}, false));

  form.Add(ButtonField(kReset, {}));
  form.Add(ButtonField(kClose, {})).SameLine = true;

  const Texts* language = &texts;
  form.OnShow = [&set, slot, cave, language](Form& f) {
    Caption(f, *language);
    Load(f, set, slot);
    // A big intermission is a choice for normal caves only; an intermission shows what it has.
    f.Field("CheckBox_Intermission").Enabled = !IsIntermission(cave);
  };
  form.OnChange = [markModified](Form&, FormField& field) {
    // A switch counts only once Close stores it.
    if (field.Kind != FieldKind::Check && markModified) markModified();
  };
  form.OnClick = [&set, slot, markModified](Form& f, FormField& button) {
    if (button.Id == kReset) {
      ResetControls(f);
      if (markModified) markModified();
    } else if (button.Id == kClose) {
      // The switches mark nothing while ticked, so the flag must come from what Close stores;
      // otherwise their change would be lost on leaving without the question about saving.
      if (Store(f, set, slot) && markModified) markModified();
      f.Close();
    }
  };
  // The close box drops whatever Close would have stored.
  form.OnCloseBox = [](Form&) {};
  return form;
}

}  // namespace krattle

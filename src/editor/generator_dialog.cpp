#include "editor/generator_dialog.h"

#include <array>
#include <cstdint>
#include <utility>

#include "generator/cave_generator.h"

namespace krattle {

namespace {

constexpr std::array<const char*, 5> kCombos = {"GenComboBox1", "GenComboBox2", "GenComboBox3",
                                                "GenComboBox4", "GenComboBox5"};
constexpr std::array<const char*, 5> kComboLabels = {
    "GenLab_InitialItem", "GenLab_Item1", "GenLab_Item2", "GenLab_Item3", "GenLab_Item4"};
constexpr std::array<TextId, 5> kComboTexts = {TextId::GeneratorInitialItem, TextId::GeneratorItem1,
                                               TextId::GeneratorItem2, TextId::GeneratorItem3,
                                               TextId::GeneratorItem4};
constexpr std::array<const char*, 5> kEdits = {"GenEdit1", "GenEdit2", "GenEdit3", "GenEdit4",
                                               "GenEdit5"};
constexpr std::array<const char*, 5> kEditLabels = {"GenLab_Seed", "GenLab_Prob1", "GenLab_Prob2",
                                                    "GenLab_Prob3", "GenLab_Prob4"};
constexpr std::array<TextId, 5> kEditTexts = {
    TextId::GeneratorSeedValue, TextId::GeneratorProbabilityOfItem1,
    TextId::GeneratorProbabilityOfItem2, TextId::GeneratorProbabilityOfItem3,
    TextId::GeneratorProbabilityOfItem4};
constexpr const char* kGenerate = "GenButton_Generate";
constexpr const char* kClose = "BGeneratorClose";

// The element choices the generator has no use for: births, the armed Dravik, the open exit,
// the burning bomb and the explosions.
constexpr bool LeftOutOfGenerator(int choice) {
  return choice == 9 || choice == 11 || choice == 12 || choice == 14 || choice == 36 ||
         choice >= 48;
}

constexpr int KeptChoices() {
  int n = 0;
  for (int i = 0; i < ElementChoiceCount; ++i) n += LeftOutOfGenerator(i) ? 0 : 1;
  return n;
}
static_assert(KeptChoices() == GeneratorItemCount);

void Caption(Form& form, const Texts& texts) {
  form.Caption = texts.Get(TextId::EditorGenerator);
  for (std::size_t i = 0; i < kCombos.size(); ++i) {
    form.Field(kComboLabels[i]).Text = texts.Get(kComboTexts[i]);
    form.Field(kEditLabels[i]).Text = texts.Get(kEditTexts[i]);
  }
  form.Field(kGenerate).Caption = texts.Get(TextId::GeneratorGenerate);
  form.Field(kClose).Caption = texts.Get(TextId::MenuClose);
}

// An item index past the list shows no entry and is kept as it was.
void Load(Form& form, const GeneratorSettings& g) {
  form.Field(kEdits[0]).Value = g.Seed;
  form.Field(kCombos[0]).Value = g.InitialItem;
  for (int k = 0; k < 4; ++k) {
    form.Field(kEdits[k + 1]).Value = g.Probability[k];
    form.Field(kCombos[k + 1]).Value = g.Item[k];
  }
}

GeneratorSettings Shown(const Form& form) {
  const auto byte = [&](const char* id) {
    return static_cast<std::uint8_t>(form.Field(id).Value & 0xFF);
  };
  GeneratorSettings g;
  g.Seed = byte(kEdits[0]);
  g.InitialItem = byte(kCombos[0]);
  for (int k = 0; k < 4; ++k) {
    g.Probability[k] = byte(kEdits[k + 1]);
    g.Item[k] = byte(kCombos[k + 1]);
  }
  return g;
}

bool SameSettings(const GeneratorSettings& a, const GeneratorSettings& b) {
  return a.Seed == b.Seed && a.Probability == b.Probability && a.InitialItem == b.InitialItem &&
         a.Item == b.Item;
}

}  // namespace

std::vector<std::string> GeneratorItemNames(const Texts& texts) {
  // Each entry keeps the name of its element choice, even where it places another element.
  std::vector<std::string> names;
  for (int i = 0; i < ElementChoiceCount; ++i)
    if (!LeftOutOfGenerator(i))
      names.push_back(texts.Get(static_cast<TextId>(static_cast<int>(TextId::ItemsSteelWall) + i)));
  return names;
}

Form GeneratorForm(CaveSet& set, int cave, int level, const Texts& texts,
                   std::function<void()> markModified) {
  Form form;
  form.Id = "TGeneratorForm";
  const int slot = SlotOf(cave, level);

  const std::vector<std::string> names = GeneratorItemNames(texts);
  // Each item beside its probability, the initial item beside the seed.
  for (std::size_t i = 0; i < kCombos.size(); ++i) {
    form.Add(LabelField(kComboLabels[i], {}));
    form.Add(ChoiceField(kCombos[i], {}, names, 0)).SameLine = true;
    form.Add(LabelField(kEditLabels[i], {})).SameLine = true;
    form.Add(IntegerField(kEdits[i], {}, 0, 0, 255)).SameLine = true;
  }
  form.Add(ButtonField(kGenerate, {}));
  form.Add(ButtonField(kClose, {})).SameLine = true;

  const Texts* language = &texts;
  form.OnShow = [&set, slot, language](Form& f) {
    Caption(f, *language);
    Load(f, GeneratorSettings::FromSlot(set, slot));
  };
  form.OnClick = [&set, cave, level, slot, markModified](Form& f, FormField& button) {
    const GeneratorSettings shown = Shown(f);
    if (button.Id == kGenerate) {
      GenerateCave(set, cave, level, shown);
      shown.StoreInto(set, slot);
      if (markModified) markModified();
    } else if (button.Id == kClose) {
      // Settings changed without generating still belong to the set and must be saved.
      const bool changed = !SameSettings(shown, GeneratorSettings::FromSlot(set, slot));
      shown.StoreInto(set, slot);
      if (changed && markModified) markModified();
      f.Close();
    }
  };
  // The close box keeps what Generate stored and drops the rest.
  form.OnCloseBox = [](Form&) {};
  return form;
}

}  // namespace krattle

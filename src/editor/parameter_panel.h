#pragma once
// The editor's panel under the cave: six parameters of the slot being edited, held as the text
// the designer typed, the cave label, the Demo indicator and the buttons. Described as a form
// so the window draws it and scripts and tests drive it the same way.

#include <cstdint>
#include <string>

#include "core/cave_set.h"
#include "game/form.h"
#include "game/texts.h"

namespace krattle {

namespace panel {
inline constexpr const char* CaveLevel = "Editor_Label_CaveLevel";
inline constexpr const char* DecCave = "Editor_Button_DecCave";
inline constexpr const char* IncCave = "Editor_Button_IncCave";
inline constexpr const char* DecLevel = "Editor_Button_DecLevel";
inline constexpr const char* IncLevel = "Editor_Button_IncLevel";
inline constexpr const char* TestCave = "Editor_Button_TestCave";
inline constexpr const char* Random = "Editor_Button_Random";
inline constexpr const char* Advanced = "Editor_Button_Advanced";
inline constexpr const char* GenerateCave = "Editor_Button_GenerateCave";
inline constexpr const char* GrpSet = "Editor_Button_GrpSet";
inline constexpr const char* Demo = "DRadio";
}  // namespace panel

struct PanelParameter {
  const char* Edit;
  const char* UpDown;
  TextId Label;
  FieldA Field;
  int MaxLength;
  int Min, Max;
};

// In the panel's order.
inline constexpr PanelParameter PanelParameters[] = {
    {"Editor_Edit_CaveTime", "Editor_UpDown_CaveTime", TextId::EditorCaveTime, FieldA::CaveTime, 3,
     1, 255},
    {"Editor_Edit_MagicTime", "Editor_UpDown_MagicTime", TextId::EditorMagicTime, FieldA::MagicTime,
     3, 1, 255},
    {"Editor_Edit_AmoebaTime", "Editor_UpDown_AmoebaTime", TextId::EditorAmoebaTime,
     FieldA::AmoebaTime, 3, 1, 255},
    {"Editor_Edit_Diamonds", "Editor_UpDown_Diamonds", TextId::EditorDiamonds, FieldA::Diamonds, 3,
     1, 255},
    {"Editor_Edit_Value", "Editor_UpDown_Value", TextId::EditorValue, FieldA::Value, 2, 0, 99},
    {"Editor_Edit_Bonus", "Editor_UpDown_Bonus", TextId::EditorBonus, FieldA::Bonus, 2, 0, 99},
};

// The order the fields go back into the slot; the first text that is no number stops it.
inline constexpr int PanelStoreOrder[] = {0, 3, 4, 5, 1, 2};

// "A/1" for cave 0, level 0; blue for the caves, red for the intermissions.
std::string CaveLabelText(int cave, int level);
std::uint32_t CaveLabelColour(int cave);

// A whole decimal number, optionally signed, as an edit's text must be to be stored.
bool ParsePanelNumber(const std::string& text, long& out);

// The panel with its captions from `texts`; the editor fills in values and handlers.
Form MakeParameterPanel(const Texts& texts);
// Captions again, after the texts changed.
void CaptionParameterPanel(Form& panel, const Texts& texts);

}  // namespace krattle

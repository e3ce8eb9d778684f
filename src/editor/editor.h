#pragma once
// The cave editor: a mode of the game's window in which the set in memory is changed. It keeps
// the editor's own state (the panel, the unsaved-work flag, the palette choice, the rectangle
// being dragged) and switches the game's screens, menus and set as the editor's commands say.

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "editor/cave_tools.h"
#include "editor/edit_history.h"
#include "game/editor_mode.h"
#include "game/game.h"
#include "render/editor_view.h"

namespace krattle {

class Editor : public EditorMode {
 public:
  explicit Editor(Game& game);

  // EditorMode.
  void Enter() override;
  void Leave() override;
  void New() override;
  void Save() override;
  void SaveAs() override;
  bool MayLoad() override;
  void LoadChosen() override;
  void Loaded() override;
  void StoreFields() override;
  void MarkModified() override { modified_ = true; }
  bool MayClose() override;
  void Key(int key, int shift) override;
  void Mouse(const MouseEvent& event) override;
  void RenderFrame(Canvas& canvas) override;
  Form& Panel() override { return panel_; }
  void Edit(MenuCommand command) override;
  const std::optional<EditorPopup>& Popup() const override { return popup_; }
  void ChoosePopup(PopupItem item) override;
  void DismissPopup() override { popup_.reset(); }

  // The panel's tool buttons.
  void Random();
  void CycleGraphicsSet();
  void Copy();
  void Paste();
  void ClearCave();
  void Undo();
  void Redo();

  // Cave and level steps (the panel's buttons and keys): the palette choice goes, and at the
  // ends nothing moves.
  void StepCave(int delta);
  void StepLevel(int delta);
  void StepPalette(int delta);

  bool Modified() const { return modified_; }
  int PaletteChoice() const { return palette_; }
  bool ClipboardValid() const { return clip_.Valid; }
  const EditorRect& Rect() const { return rect_; }
  // The slot's nine graphics styles as the editor draws and stores them.
  const std::array<std::uint8_t, 9>& Styles() const { return styles_; }
  const CaveClipboard& Clipboard() const { return clip_; }
  const EditHistory& History() const { return history_; }

 private:
  int Slot() const;
  // Moves the cave or the level (`index`, one of `count`) by `delta` unless that leaves them.
  void StepSlot(std::uint8_t& index, int delta, int count);
  void LoadFields();
  // Back into the slot, in the set's order, up to the first text that is no number. True when
  // a stored byte changed.
  bool StoreFieldsToSlot();
  void ShowCaveLabel();
  void ShowSetCaption();
  // Asks about unsaved work when there is some. True once none is left (saved or given up).
  bool SettleUnsaved();
  // Writes the set; a failure is reported and leaves the flag set.
  bool WriteSet(const std::filesystem::path& path);
  void OnClick(const FormField& field);
  // A change to the set starts and ends: what lies between is one step of undo.
  void BeginChange();
  void EndChange();
  // Undo and redo lose their steps when the set is another one.
  void ForgetHistory();
  void Paint(int column, int row);
  void AfterHistoryStep();
  // Shows a dialog of the slot being edited, made by `make`.
  void ShowDialog(Form (*make)(CaveSet&, int, int, const Texts&, std::function<void()>));

  Game& g_;
  Form panel_;
  bool modified_ = false;
  int palette_ = -1;
  CaveClipboard clip_;
  EditorRect rect_;
  std::array<std::uint8_t, 9> styles_{};
  bool leftHeld_ = false, rightHeld_ = false;
  std::optional<EditorPopup> popup_;
  int popupX_ = 0, popupY_ = 0;  // the cell the pop-up is about
  EditHistory history_;
};

// Gives `game` its editor.
void AttachEditor(Game& game);

}  // namespace krattle

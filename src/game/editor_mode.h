#pragma once
// What the game needs of the cave editor. The editor lives in the layer above and is handed to
// the Game, which owns it from then on; a Game without one simply has no editor (E does
// nothing), as in the tests of the game alone.

#include <optional>

#include "game/form.h"
#include "game/menu_bar.h"
#include "render/canvas.h"

namespace krattle {

enum class MouseButton : std::uint8_t { Left, Middle, Right };

// A mouse event on the drawing surface, in surface pixels. A move names no button: the editor
// knows which ones are held from their presses.
struct MouseEvent {
  enum Kind : std::uint8_t { Down, Up, Move } What = Move;
  MouseButton Button = MouseButton::Left;
  int X = 0, Y = 0;
};

// The items of the editor's two pop-up menus: a creature's facing, an object's state.
enum class PopupItem : std::uint8_t {
  FacingLeft,
  FacingUp,
  FacingRight,
  FacingDown,
  Stationary,
  Falling,
  Glued,
};
inline constexpr int PopupItemCount = 7;

// A pop-up menu the middle button opened over a cell, as the window should show it.
struct EditorPopup {
  enum Kind : std::uint8_t { Facing, State } What = Facing;
  int MouseX = 0, MouseY = 0;  // surface pixels where it opened
  bool Ticked[PopupItemCount] = {};
  bool GluedShown = true;
};

class EditorMode {
 public:
  virtual ~EditorMode() = default;
  // Opens the editor screen; also the way back after a test of a cave.
  virtual void Enter() = 0;
  // The Exit item while editing: asks about unsaved work, then back to the title screen.
  virtual void Leave() = 0;
  virtual void New() = 0;
  virtual void Save() = 0;
  virtual void SaveAs() = 0;
  // Load while editing: stores the fields and asks about unsaved work; false stops the load.
  virtual bool MayLoad() = 0;
  // A load has been chosen (read or not): the palette choice goes.
  virtual void LoadChosen() = 0;
  // A set has been read while editing.
  virtual void Loaded() = 0;
  // A test of the cave is starting: the panel's values go into the set first.
  virtual void StoreFields() = 0;
  virtual void MarkModified() = 0;
  // The window is asked to close while editing. True lets it close.
  virtual bool MayClose() = 0;
  // The editor's own keys (cave, level, palette, undo), on its screen only; `shift` holds
  // keys::ShiftBit and keys::AltBit.
  virtual void Key(int key, int shift) = 0;
  virtual void Mouse(const MouseEvent& event) = 0;
  // Draws and presents one frame of the editor screen.
  virtual void RenderFrame(Canvas& canvas) = 0;
  // The parameter panel, drawn under the surface while MenuState::PanelShown holds.
  virtual Form& Panel() = 0;
  // The Edit menu: Copy, Paste, Clear cave, Undo, Redo.
  virtual void Edit(MenuCommand command) = 0;
  // The pop-up menu the middle button opened, until an item is chosen or it is dismissed.
  virtual const std::optional<EditorPopup>& Popup() const = 0;
  virtual void ChoosePopup(PopupItem item) = 0;
  virtual void DismissPopup() = 0;
  // The window texts were loaded again: the panel takes the new captions.
  virtual void TextsChanged() = 0;
};

}  // namespace krattle

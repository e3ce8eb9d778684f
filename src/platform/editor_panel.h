#pragma once
// The editor's parameter panel in the band under the picture.

#include <vector>

#include "game/editor_mode.h"
#include "game/form.h"
#include "game/texts.h"
#include "platform/form_renderer.h"
#include "platform/sdl_window.h"

namespace krattle {

// Draws the panel inside the current ImGui frame and adds what the user did to `actions`, for
// the caller to apply between frames. True while one of its edits holds the keys.
bool DrawEditorPanel(const Form& panel, const SdlWindow& window, std::vector<FormAction>& actions,
                     FieldRects* where = nullptr);

// The pop-up menu the editor has open, at the mouse; `shown` tells whether ImGui has it open
// already (kept by the caller between frames). `where` gets its items' places, for tests.
void DrawEditorPopup(EditorMode& editor, const SdlWindow& window, const Texts& texts, bool& shown,
                     FieldRects* where = nullptr);

// A thin frame around the cave cell under the mouse, so painting hits what the designer means.
void DrawCellUnderMouse(const SdlWindow& window);

}  // namespace krattle

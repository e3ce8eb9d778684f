#pragma once
// The editor's parameter panel in the band under the picture.

#include "game/form.h"
#include "platform/form_renderer.h"
#include "platform/sdl_window.h"

namespace krattle {

// Draws the panel inside the current ImGui frame. True while one of its edits holds the keys.
bool DrawEditorPanel(Form& panel, const SdlWindow& window, FieldRects* where = nullptr);

}  // namespace krattle

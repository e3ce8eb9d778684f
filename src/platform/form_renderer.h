#pragma once
// Draws any form's fields with Dear ImGui inside the current window, passing every change to
// the form's own calls so the behaviour stays in the logic ring.

#include <map>
#include <string>

#include "game/form.h"
#include "platform/main_menu.h"

namespace krattle {

// Where each field was drawn, by its id (an up-down's arrows as its name + "-" and "+"), for
// tests that click them.
using FieldRects = std::map<std::string, MenuRect>;

// Draws the fields; what the user does goes to the form's calls at once.
void DrawFormFields(Form& form, FieldRects* where = nullptr);

}  // namespace krattle

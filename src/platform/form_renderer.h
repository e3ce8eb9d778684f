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

// Returns the id of a file-name field whose chooser button was clicked, or "".
std::string DrawFormFields(Form& form, FieldRects* where = nullptr);

}  // namespace krattle

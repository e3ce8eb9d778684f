#pragma once
// Draws any form's fields with Dear ImGui inside the current window, passing every change to
// the form's own calls so the behaviour stays in the logic ring.

#include <string>

#include "game/form.h"

namespace krattle {

// Returns the id of a file-name field whose chooser button was clicked, or "".
std::string DrawFormFields(Form& form);

}  // namespace krattle

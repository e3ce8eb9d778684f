#pragma once
// The advanced options of one cave and level: amoeba, slime, acid and timing numbers, two
// switches and eleven element choices, edited in a dialog and stored into the slot only by its
// Close button.

#include <functional>

#include "core/cave_set.h"
#include "game/form.h"
#include "game/texts.h"

namespace krattle {

// The element lists are filled from `texts` now, as the dialog is made; captions and every
// control are reloaded from `texts` and the slot each time the form is shown. `set` and `texts`
// must outlive the form. `markModified` is called for every change the set will have to save.
Form AdvancedOptionsForm(CaveSet& set, int cave, int level, const Texts& texts,
                         std::function<void()> markModified);

}  // namespace krattle

#pragma once
// The cave generator's dialog: a seed, a base element and four weighted items for the slot
// being edited. Generate fills the map from them; the settings stay with the slot so the same
// cave can be made again.

#include <functional>
#include <string>
#include <vector>

#include "core/cave_set.h"
#include "game/form.h"
#include "game/texts.h"

namespace krattle {

// The names of the generator's 43 entries, in its order.
std::vector<std::string> GeneratorItemNames(const Texts& texts);

// The item lists are filled from `texts` now, as the dialog is made; captions and every control
// are reloaded from `texts` and the slot each time the form is shown. `set` and `texts` must
// outlive the form. `markModified` is called for every change the set will have to save.
Form GeneratorForm(CaveSet& set, int cave, int level, const Texts& texts,
                   std::function<void()> markModified);

}  // namespace krattle

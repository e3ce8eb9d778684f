#pragma once
// The camera that keeps Dravik inside the middle of the view, one 4-pixel step per frame.

#include "render/view_state.h"

namespace krattle {

// One step; horizontal first. Only the 40x22 caves scroll.
void FollowDravik(ViewState& view, int dravikColumn, int dravikRow);

}  // namespace krattle

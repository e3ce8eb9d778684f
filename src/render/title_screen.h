#pragma once
// The title screen: the creeping steel wallpaper with the title picture, or a preview of the
// chosen cave with the set's name and, every other few seconds, its high-score table.

#include <cstdint>
#include <string_view>

#include "core/cave_grid.h"
#include "core/cave_set.h"
#include "render/canvas.h"
#include "render/tile_images.h"
#include "render/view_state.h"

namespace krattle {

// The wallpaper at the view's scroll offset, and the title picture over it.
void RenderTitleAnimation(Canvas& canvas, const ViewState& view);

// Preview picture of a stored element code, or -1 for codes the preview leaves out.
int PreviewItem(int code, const TileStyles& styles, int look, AnimClock clock);

// The 20 x 12 middle of the stored cave (columns 10..29, rows 5..16).
void DrawCavePreview(Canvas& canvas, const ViewState& view, const CaveSet& set, int cave, int level,
                     const CaveGrid& looks, AnimClock clock);

void DrawTitleStatus(Canvas& canvas, const ViewState& view, std::string_view setName, int cave,
                     int level);

// The overlay picture, or the table background with its ten rows.
void DrawTitleOverlay(Canvas& canvas, const ViewState& view, bool showHighScores,
                      const HighScoreTable& table);

}  // namespace krattle

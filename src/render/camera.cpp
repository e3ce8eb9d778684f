#include "render/camera.h"

namespace krattle {
namespace {

constexpr int kStep = 4;

void FollowHorizontal(ViewState& v, int dravikColumn) {
  const int t = v.TileSize;
  const int perCell = t / kStep;
  const int steps = v.ScrollStepsX;
  if (steps == 0) {
    const int dcol = dravikColumn - v.ViewColumn;
    if (dcol > 13 && v.ViewColumn < 20) {
      // The view is 20 columns wide; it never passes column 20.
      const int cols = v.ViewColumn >= 17 ? 20 - v.ViewColumn : 4;
      v.ScrollStepsX = static_cast<std::uint8_t>(cols * perCell - 1);
      v.ScrollX = -kStep;
    } else if (dcol < 6 && v.ViewColumn > 0) {
      const int cols = v.ViewColumn < 4 ? v.ViewColumn : 4;
      v.ScrollStepsX = static_cast<std::uint8_t>(256 - cols * perCell + 1);
      --v.ViewColumn;
      v.ScrollX = static_cast<std::int8_t>(-t + kStep);
    }
  } else if (steps <= 48) {
    --v.ScrollStepsX;
    v.ScrollX = static_cast<std::int8_t>(v.ScrollX - kStep);
    if (v.ScrollStepsX % perCell == 0) {
      ++v.ViewColumn;
      v.ScrollX = 0;
    }
  } else if (steps >= 208) {
    ++v.ScrollStepsX;  // 255 wraps to 0, the end of the scroll
    v.ScrollX = static_cast<std::int8_t>(v.ScrollX + kStep);
    const int s = v.ScrollStepsX;
    const bool cellDone =
        t == 32 ? (s == 232 || s == 240 || s == 248) : (s == 226 || s == 236 || s == 246);
    if (cellDone) {
      --v.ViewColumn;
      v.ScrollX = static_cast<std::int8_t>(-t);
    }
  }
}

void FollowVertical(ViewState& v, int dravikRow) {
  const int t = v.TileSize;
  const int perCell = t / kStep;
  const int steps = v.ScrollStepsY;
  if (steps == 0) {
    const int drow = dravikRow - v.ViewRow;
    if (drow > 7 && v.ViewRow < 10) {
      // The view is 12 rows high; it never passes row 10.
      const int rows = v.ViewRow == 9 ? 1 : 2;
      v.ScrollStepsY = static_cast<std::uint8_t>(rows * perCell - 1);
      v.ScrollY = -kStep;
    } else if (drow < 4 && v.ViewRow > 0) {
      const int rows = v.ViewRow == 1 ? 1 : 2;
      v.ScrollStepsY = static_cast<std::uint8_t>(256 - rows * perCell + 1);
      --v.ViewRow;
      v.ScrollY = static_cast<std::int8_t>(-t + kStep);
    }
  } else if (steps <= 24) {
    --v.ScrollStepsY;
    v.ScrollY = static_cast<std::int8_t>(v.ScrollY - kStep);
    if (v.ScrollStepsY % perCell == 0) {
      ++v.ViewRow;
      v.ScrollY = 0;
    }
  } else if (steps >= 232) {
    ++v.ScrollStepsY;
    v.ScrollY = static_cast<std::int8_t>(v.ScrollY + kStep);
    if (v.ScrollStepsY == (t == 32 ? 248 : 246)) {
      --v.ViewRow;
      v.ScrollY = static_cast<std::int8_t>(-t);
    }
  }
}

}  // namespace

void FollowDravik(ViewState& view, int dravikColumn, int dravikRow) {
  FollowHorizontal(view, dravikColumn);
  FollowVertical(view, dravikRow);
}

}  // namespace krattle

#include "render/software_canvas.h"

#include <algorithm>
#include <cstring>

// The blit is the whole cost of a frame; GCC vectorizes it only when asked at -O2.
#if defined(__GNUC__) && !defined(__clang__)
#define KRATTLE_VECTORIZE __attribute__((optimize("tree-vectorize")))
#else
#define KRATTLE_VECTORIZE
#endif

namespace krattle {
namespace {

// Kept free of aliasing so the compiler can turn it into vector selects.
KRATTLE_VECTORIZE void BlendRow(const std::uint32_t* __restrict src, std::uint32_t* __restrict dst,
                                int n, std::uint32_t key) {
  for (int i = 0; i < n; ++i) {
    const std::uint32_t c = src[i];
    dst[i] = c == key ? dst[i] : c;
  }
}

// Every frame starts with one; a plain loop here would cost as much as the whole picture.
KRATTLE_VECTORIZE void FillPixels(std::uint32_t* __restrict dst, std::size_t n, std::uint32_t rgb) {
  if (rgb == 0) {
    std::memset(dst, 0, n * sizeof *dst);
    return;
  }
  for (std::size_t i = 0; i < n; ++i) dst[i] = rgb;
}

}  // namespace

void MarkOpaqueRows(PixelView& view, std::vector<std::uint8_t>& rows) {
  rows.assign(static_cast<std::size_t>(std::max(0, view.Height)), 1);
  for (int y = 0; y < view.Height; ++y) {
    const std::uint32_t* row = view.Pixels + static_cast<std::size_t>(y) * view.Width;
    rows[y] = std::find(row, row + view.Width, view.Key) == row + view.Width;
  }
  view.OpaqueRows = rows.data();
}

void PixelViewTable::Clear(ImageListId list) {
  views_[Index(list)].clear();
  rows_[Index(list)].clear();
}

void PixelViewTable::Set(ImageListId list, int n, const PixelView& view) {
  if (n < 0) return;
  auto& views = views_[Index(list)];
  auto& rows = rows_[Index(list)];
  if (static_cast<int>(views.size()) <= n) {
    views.resize(n + 1);
    rows.resize(n + 1);
  }
  views[n] = view;
  if (view.Pixels && view.Width > 0) MarkOpaqueRows(views[n], rows[n]);
}

SoftwareCanvas::SoftwareCanvas(const ImageSource& source, int width, int height) : source_(source) {
  Resize(width, height);
}

void SoftwareCanvas::Resize(int width, int height) {
  width_ = std::max(0, width);
  height_ = std::max(0, height);
  back_.assign(static_cast<std::size_t>(width_) * height_, 0);
  front_ = back_;
}

void SoftwareCanvas::Fill(std::uint32_t rgb) {
  FillPixels(back_.data(), back_.size(), rgb);
}

void SoftwareCanvas::DrawItem(ImageListId list, int n, int x, int y) {
  const PixelView* p = source_.Item(list, n);
  if (!p || !p->Pixels) return;
  const int w = p->DrawWidth(), h = p->DrawHeight();
  const int x0 = std::max(0, -x), x1 = std::min(w, width_ - x);
  const int y0 = std::max(0, -y), y1 = std::min(h, height_ - y);
  if (x0 >= x1 || y0 >= y1) return;
  for (int sy = y0; sy < y1; ++sy) {
    const std::uint32_t* src = p->Pixels + static_cast<std::size_t>(sy) * p->Width;
    std::uint32_t* dst = back_.data() + static_cast<std::size_t>(y + sy) * width_ + x;
    if (!p->Transparent || (p->OpaqueRows && p->OpaqueRows[sy])) {
      std::copy(src + x0, src + x1, dst + x0);
      continue;
    }
    BlendRow(src + x0, dst + x0, x1 - x0, p->Key);
  }
}

void SoftwareCanvas::StretchItem(ImageListId list, int n, int left, int top, int right,
                                 int bottom) {
  const PixelView* p = source_.Item(list, n);
  if (!p || !p->Pixels || right <= left || bottom <= top) return;
  const int w = p->DrawWidth(), h = p->DrawHeight();
  const int dw = right - left, dh = bottom - top;
  for (int dy = std::max(0, -top); dy < dh && top + dy < height_; ++dy) {
    const std::uint32_t* src = p->Pixels + static_cast<std::size_t>(dy * h / dh) * p->Width;
    std::uint32_t* dst = back_.data() + static_cast<std::size_t>(top + dy) * width_ + left;
    for (int dx = std::max(0, -left); dx < dw && left + dx < width_; ++dx) {
      const std::uint32_t c = src[dx * w / dw];
      if (!p->Transparent || c != p->Key) dst[dx] = c;
    }
  }
}

int SoftwareCanvas::ItemPatternWidth(ImageListId list, int n) const {
  const PixelView* p = source_.Item(list, n);
  return p ? p->DrawWidth() : 0;
}

void SoftwareCanvas::Present() {
  // Every frame starts with a fill, so the old front buffer can become the new back buffer.
  front_.swap(back_);
  ++presented_;
}

}  // namespace krattle

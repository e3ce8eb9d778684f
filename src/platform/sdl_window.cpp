#include "platform/sdl_window.h"

#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>
#pragma GCC diagnostic pop

namespace krattle {

SdlWindow::~SdlWindow() {
  if (texture_) SDL_DestroyTexture(texture_);
  if (renderer_) SDL_DestroyRenderer(renderer_);
  if (window_) SDL_DestroyWindow(window_);
}

std::string SdlWindow::Open(const char* title, int width, int height, int menuHeight, bool vsync) {
  menuHeight_ = menuHeight;
  surfaceW_ = width;
  surfaceH_ = height;
  SDL_Rect usable{0, 0, 0, 0};
  if (SDL_GetDisplayUsableBounds(0, &usable) != 0) usable = SDL_Rect{0, 0, 0, 0};
  int w = 0, h = 0;
  if (startW_ > 0 && startH_ > 0) {
    // A display smaller than last time's still shows the whole window.
    w = usable.w > 0 ? std::min(startW_, usable.w) : startW_;
    h = usable.h > 0 ? std::min(startH_, usable.h) : startH_;
    keepSize_ = true;
  } else {
    const float dpi = 96.0f * static_cast<float>(uiScale_);
    const int k = StartScale(dpi, usable.w, usable.h, width, height, Bands());
    w = width * k;
    h = height * k + menuHeight;
  }
  window_ = SDL_CreateWindow(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, w, h,
                             SDL_WINDOW_RESIZABLE);
  if (!window_) return SDL_GetError();
  const Uint32 sync = vsync ? SDL_RENDERER_PRESENTVSYNC : 0;
  renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED | sync);
  if (!renderer_) {
    // No GPU (a server, a dummy video driver): the software renderer always works.
    renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE | sync);
    software_ = true;
  }
  if (!renderer_) return SDL_GetError();
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "0");
  SDL_SetWindowMinimumSize(window_, width, height + menuHeight);
  MakeTexture();
  return {};
}

void SdlWindow::MakeTexture() {
  if (canvas_) canvas_->Resize(surfaceW_, surfaceH_);
  if (!renderer_) return;
  if (texture_) SDL_DestroyTexture(texture_);
  texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                               surfaceW_, surfaceH_);
}

int SdlWindow::FittingScale() const {
  SDL_Rect usable{0, 0, 0, 0};
  const int display = SDL_GetWindowDisplayIndex(window_);
  if (display < 0 || SDL_GetDisplayUsableBounds(display, &usable) != 0 || usable.w <= 0)
    return 1 << 10;  // nothing known: no limit
  return WholeScale(usable.w, usable.h, surfaceW_, surfaceH_, Bands());
}

void SdlWindow::SetSurfaceSize(int width, int height, int panelHeight) {
  const int oldW = surfaceW_, oldH = surfaceH_;
  const WindowBands oldBands = Bands();
  surfaceW_ = width;
  surfaceH_ = height;
  panelH_ = panelHeight * uiScale_;
  MakeTexture();
  // The same picture again (graphics reloaded) leaves the window as the player sized it.
  const bool same = oldW == width && oldH == height && oldBands.Panel == panelH_;
  if (!window_ || fullScreen_ || (same && !keepSize_)) return;
  SDL_SetWindowMinimumSize(window_, width, height + Bands().Both());
  int w = 0, h = 0;
  SDL_GetWindowSize(window_, &w, &h);
  if (std::exchange(keepSize_, false) && w >= width && h >= height + Bands().Both()) return;
  // The new picture (the other zoom, the editor) keeps the factor the player chose.
  const int k = std::max(1, std::min(WholeScale(w, h, oldW, oldH, oldBands), FittingScale()));
  SDL_SetWindowSize(window_, width * k, height * k + Bands().Both());
  KeepOnDisplay();
}

void SdlWindow::KeepOnDisplay() {
  // A window grown at its old place may reach past the display's edge.
  SDL_Rect usable{0, 0, 0, 0};
  const int display = SDL_GetWindowDisplayIndex(window_);
  if (display < 0 || SDL_GetDisplayUsableBounds(display, &usable) != 0 || usable.w <= 0) return;
  int x = 0, y = 0, w = 0, h = 0;
  SDL_GetWindowPosition(window_, &x, &y);
  SDL_GetWindowSize(window_, &w, &h);
  const int nx = std::max(usable.x, std::min(x, usable.x + usable.w - w));
  const int ny = std::max(usable.y, std::min(y, usable.y + usable.h - h));
  if (nx != x || ny != y) SDL_SetWindowPosition(window_, nx, ny);
}

void SdlWindow::OpenUrl(const std::string& url) {
  if (SDL_OpenURL(url.c_str()) != 0) std::fprintf(stderr, "krattle: %s\n", SDL_GetError());
}

void SdlWindow::SetCaption(const std::string& caption) {
  if (window_) SDL_SetWindowTitle(window_, caption.c_str());
}

int SdlWindow::PanelTop() const {
  int w = 0, h = 0;
  if (renderer_) SDL_GetRendererOutputSize(renderer_, &w, &h);
  return h - panelH_;
}

void SdlWindow::FromSurface(int sx, int sy, float& x, float& y) const {
  x = static_cast<float>(shown_.x) +
      static_cast<float>(sx) * static_cast<float>(shown_.w) / static_cast<float>(surfaceW_);
  y = static_cast<float>(shown_.y) +
      static_cast<float>(sy) * static_cast<float>(shown_.h) / static_cast<float>(surfaceH_);
}

bool SdlWindow::ToSurface(int x, int y, int& sx, int& sy) const {
  if (shown_.w <= 0 || shown_.h <= 0) return false;
  if (x < shown_.x || y < shown_.y || x >= shown_.x + shown_.w || y >= shown_.y + shown_.h)
    return false;
  sx = static_cast<int>(static_cast<long>(x - shown_.x) * surfaceW_ / shown_.w);
  sy = static_cast<int>(static_cast<long>(y - shown_.y) * surfaceH_ / shown_.h);
  return true;
}

void SdlWindow::ToggleFullScreen() {
  fullScreen_ = !fullScreen_;
  // The window comes back where it was: not every window manager restores it.
  if (fullScreen_) {
    SDL_GetWindowPosition(window_, &windowX_, &windowY_);
    SDL_GetWindowSize(window_, &windowW_, &windowH_);
  }
  SDL_SetWindowFullscreen(window_, fullScreen_ ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
  // The picture alone: the pointer would only hide part of it.
  SDL_ShowCursor(fullScreen_ ? SDL_DISABLE : SDL_ENABLE);
  if (fullScreen_) return;
  const int minH = surfaceH_ + Bands().Both();
  SDL_SetWindowSize(window_, std::max(windowW_, surfaceW_), std::max(windowH_, minH));
  SDL_SetWindowPosition(window_, windowX_, windowY_);
}

bool SdlWindow::WindowSize(int& width, int& height) const {
  if (!window_) return false;
  if (fullScreen_) {
    width = windowW_, height = windowH_;
  } else {
    SDL_GetWindowSize(window_, &width, &height);
  }
  return width > 0 && height > 0;
}

// Full screen is laid out as the 4:3 screen of the picture's width (640 x 480 or 800 x 600)
// with the picture a little down from its top, that screen scaled to fit and centred.
SDL_Rect SdlWindow::FullScreenPlace(int w, int h) const {
  const double screenW = surfaceW_, screenH = surfaceW_ * 3.0 / 4.0;
  const double down = surfaceW_ >= 800 ? 40 : 30;
  const double scale = std::min(w / screenW, h / screenH);
  const double left = (w - screenW * scale) / 2, top = (h - screenH * scale) / 2;
  return SDL_Rect{static_cast<int>(left), static_cast<int>(top + down * scale),
                  static_cast<int>(surfaceW_ * scale), static_cast<int>(surfaceH_ * scale)};
}

void SdlWindow::DrawSurface(const SoftwareCanvas& canvas) {
  if (!texture_ || canvas.Width() != surfaceW_ || canvas.Height() != surfaceH_) return;
  const auto& pixels = canvas.Frame();
  if (pixels.size() != static_cast<std::size_t>(surfaceW_) * surfaceH_) return;
  SDL_UpdateTexture(texture_, nullptr, pixels.data(), surfaceW_ * 4);
  int w = 0, h = 0;
  SDL_GetRendererOutputSize(renderer_, &w, &h);
  if (fullScreen_) {
    shown_ = FullScreenPlace(w, h);
    SDL_RenderCopy(renderer_, texture_, nullptr, &shown_);
    return;
  }
  const PictureRect r = PlacePicture(w, h, surfaceW_, surfaceH_, Bands());
  if (r.W <= 0 || r.H <= 0) return;
  shown_ = SDL_Rect{r.X, r.Y, r.W, r.H};
  SDL_RenderCopy(renderer_, texture_, nullptr, &shown_);
}

bool SdlWindow::Screenshot(const std::string& path) {
  int w = 0, h = 0;
  SDL_GetRendererOutputSize(renderer_, &w, &h);
  if (w <= 0 || h <= 0) return false;
  std::vector<std::uint8_t> rgba(static_cast<std::size_t>(w) * h * 4);
  if (SDL_RenderReadPixels(renderer_, nullptr, SDL_PIXELFORMAT_ABGR8888, rgba.data(), w * 4) != 0)
    return false;
  return stbi_write_png(path.c_str(), w, h, 4, rgba.data(), w * 4) != 0;
}

}  // namespace krattle

#pragma once
// The window: an SDL renderer showing the game's drawing surface below the menu bar, enlarged by
// whole factors when the window is larger. The surface is composed in memory and streamed into
// one texture per frame.

#include <SDL.h>

#include <string>

#include "game/platform.h"
#include "platform/window_layout.h"
#include "render/software_canvas.h"

namespace krattle {

class SdlWindow : public Display {
 public:
  SdlWindow() = default;
  ~SdlWindow() override;
  SdlWindow(const SdlWindow&) = delete;
  SdlWindow& operator=(const SdlWindow&) = delete;

  // The size the window opens at, remembered from the last run (0: none; the window then
  // starts at the display's density factor). Before Open.
  void SetStartSize(int width, int height) { startW_ = width, startH_ = height; }
  // The display's density factor: the menus and the editor's panel are drawn at it, and a
  // window with no remembered size starts at it. Before Open.
  void SetUiScale(int scale) { uiScale_ = scale < 1 ? 1 : scale; }
  // Creates the window and a renderer: accelerated with vsync when possible, software
  // otherwise. Empty on success, else why not.
  std::string Open(const char* title, int width, int height, int menuHeight, bool vsync = true);

  void SetSurfaceSize(int width, int height, int panelHeight) override;
  void OpenUrl(const std::string& url) override;
  void ToggleFullScreen() override;
  void SetCaption(const std::string& caption) override;
  bool WindowSize(int& width, int& height) const override;

  // Streams the canvas's last frame into the window, at the largest whole factor that fits
  // between the menu bar and the panel band, centred on black.
  void DrawSurface(const SoftwareCanvas& canvas);
  // A window position in surface pixels; false outside the picture.
  bool ToSurface(int x, int y, int& sx, int& sy) const;
  // A surface pixel's place in the window.
  void FromSurface(int sx, int sy, float& x, float& y) const;
  // The band under the picture that holds the editor's panel: its top and height in window
  // pixels (height 0 outside the editor).
  int PanelTop() const;
  int PanelHeight() const { return panelH_; }
  void SetMenuHeight(int h) { menuHeight_ = h; }

  SDL_Window* Window() const { return window_; }
  SDL_Renderer* Renderer() const { return renderer_; }
  bool Software() const { return software_; }
  // A PNG of the window's current contents (after the frame is drawn, before present).
  bool Screenshot(const std::string& path);
  bool FullScreen() const { return fullScreen_; }
  void SetCanvas(SoftwareCanvas* c) { canvas_ = c; }

 private:
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  SoftwareCanvas* canvas_ = nullptr;
  SDL_Rect FullScreenPlace(int w, int h) const;
  WindowBands Bands() const { return {menuHeight_, panelH_}; }
  void MakeTexture();
  // The largest factor of the surface that the usable part of the window's display holds.
  int FittingScale() const;
  void KeepOnDisplay();
  int surfaceW_ = 640, surfaceH_ = 408;
  int windowX_ = 0, windowY_ = 0;  // the window's place before full screen
  int windowW_ = 0, windowH_ = 0;  // and its size
  int startW_ = 0, startH_ = 0;
  bool keepSize_ = false;  // the remembered size outlives the game's first sizing
  int uiScale_ = 1;
  int menuHeight_ = 0;
  int panelH_ = 0;
  SDL_Rect shown_{0, 0, 0, 0};  // where the picture was last drawn
  bool software_ = false;
  bool fullScreen_ = false;
};

}  // namespace krattle

// Krattle: the game window. Everything that decides what happens lives in the Game object; the
// platform's App wires it to SDL, Dear ImGui and the clock.

#include <SDL.h>

#include <cstdio>
#include <exception>
#include <memory>

#include "platform/app.h"

int main(int argc, char** argv) {
  const krattle::AppOptions options = krattle::ParseAppOptions(argc, argv);
  if (!options.Error.empty()) {
    std::fprintf(stderr, "krattle: %s\n%s", options.Error.c_str(), krattle::AppUsage().c_str());
    return 2;
  }
  if (options.Help) {
    std::fputs(krattle::AppUsage().c_str(), stdout);
    return 0;
  }
  if (options.Version) {
    std::printf("krattle %s\n", KRATTLE_VERSION);
    return 0;
  }
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS) != 0) {
    std::fprintf(stderr, "krattle: cannot start SDL: %s\n", SDL_GetError());
    return 1;
  }
  // Game controllers are welcome, not needed: without them the keyboard plays.
  if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0)
    std::fprintf(stderr, "krattle: no game controllers: %s\n", SDL_GetError());
  int status = 1;
  try {
    auto app = std::make_unique<krattle::App>();
    status = app->Run(options);
  } catch (const std::exception& e) {
    // Whatever reaches the top is shown before the program ends.
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Krattle", e.what(), nullptr);
    std::fprintf(stderr, "krattle: %s\n", e.what());
  }
  SDL_Quit();
  return status;
}

#include <gtest/gtest.h>

#include "game/keys.h"
#include "platform/imgui_dialogs.h"
#include "platform/sdl_keyboard.h"

namespace krattle::testing {
namespace {

SDL_Keysym Sym(SDL_Keycode k, Uint16 mod = KMOD_NONE) {
  SDL_Keysym s{};
  s.sym = k;
  s.mod = mod;
  return s;
}

TEST(VirtualKeys, MapsTheKeysTheGameUses) {
  EXPECT_EQ(VirtualKey(Sym(SDLK_a)), 'A');
  EXPECT_EQ(VirtualKey(Sym(SDLK_z)), 'Z');
  EXPECT_EQ(VirtualKey(Sym(SDLK_5)), '5');
  EXPECT_EQ(VirtualKey(Sym(SDLK_LEFT)), keys::Left);
  EXPECT_EQ(VirtualKey(Sym(SDLK_DOWN)), keys::Down);
  EXPECT_EQ(VirtualKey(Sym(SDLK_KP_8)), keys::Numpad8);
  EXPECT_EQ(VirtualKey(Sym(SDLK_RETURN)), keys::Enter);
  EXPECT_EQ(VirtualKey(Sym(SDLK_KP_ENTER)), keys::Enter);
  EXPECT_EQ(VirtualKey(Sym(SDLK_RCTRL)), keys::Ctrl);
  EXPECT_EQ(VirtualKey(Sym(SDLK_ESCAPE)), keys::Escape);
  EXPECT_EQ(VirtualKey(Sym(SDLK_F2)), keys::F2);
  EXPECT_EQ(VirtualKey(Sym(SDLK_F5)), 0);  // unused keys never reach the game
}

TEST(VirtualKeys, ShiftAndAltBits) {
  EXPECT_EQ(VirtualShift(Sym(SDLK_d, KMOD_LSHIFT)), keys::ShiftBit);
  EXPECT_EQ(VirtualShift(Sym(SDLK_RETURN, KMOD_RALT)), keys::AltBit);
  EXPECT_EQ(VirtualShift(Sym(SDLK_RETURN, KMOD_LALT | KMOD_RSHIFT)), keys::AltBit | keys::ShiftBit);
  EXPECT_EQ(VirtualShift(Sym(SDLK_q, KMOD_LCTRL)), 0);
}

TEST(FileFilters, ExtensionFromTheFilterText) {
  using List = std::vector<std::string>;
  EXPECT_EQ(FilterExtensions("Krattle Caves *.kcv|*.kcv"), List{".kcv"});
  EXPECT_EQ(FilterExtensions("*.kgf"), List{".kgf"});
  EXPECT_EQ(FilterExtensions("*.bmp; *.wav|*.bmp; *.wav"), (List{".bmp", ".wav"}));
  EXPECT_EQ(FilterExtensions("*.kgf;*.kwv;*.dxg;*.dxw|*.kgf;*.kwv;*.dxg;*.dxw"),
            (List{".kgf", ".kwv", ".dxg", ".dxw"}));
  EXPECT_EQ(FilterExtensions("All files|*.*"), List{});
  EXPECT_EQ(FilterExtensions("anything"), List{});
  EXPECT_EQ(FilterExtensions("*.kgf;"), List{});  // an empty pattern: any file
}

}  // namespace
}  // namespace krattle::testing

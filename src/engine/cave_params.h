#pragma once
// The per-cave parameters the rules read, loaded from a slot of the cave set at cave start.

#include <cstdint>

#include "core/cave_set.h"

namespace krattle {

struct CaveParams {
  std::uint8_t CaveTime = 120;
  std::uint8_t Diamonds = 10;
  std::uint8_t Value = 5;
  std::uint8_t Bonus = 10;
  std::uint8_t MagicTime = 20;
  std::uint8_t AmoebaTime = 50;
  std::uint8_t AmoebaMax = 200;
  std::uint8_t AmoebaSlow = 32;
  std::uint8_t AmoebaFast = 4;
  std::uint8_t Slime = 18;
  std::uint8_t InBox = 21;
  std::uint8_t Pushing = 4;
  std::uint8_t AcidSpeed = 32;
  int ExtraTime = 5;  // stored value - 100
  std::uint8_t MagicStopsAmoeba = 0;
  std::uint8_t BigIntermission = 0;
  // Indices into ElementChoices.
  std::uint8_t EnclosedAmoeba = 6;
  std::uint8_t TooBigAmoeba = 3;
  std::uint8_t RegularExplosion = 2;
  std::uint8_t BombExplosion = 2;
  std::uint8_t SolidBombExplosion = 2;
  std::uint8_t ButterflyExplosion = 6;
  std::uint8_t FallingBoulder = 3;
  std::uint8_t FallingDiamonds = 6;
  std::uint8_t DiamondInMagic = 4;
  std::uint8_t AcidEats = 1;
  // 0 all pass, 1 not bombs, 2 not boulders, 3 not diamonds.
  std::uint8_t SlimePenetrated = 0;
  // BoulderStyle .. ExitStyle.
  std::uint8_t Styles[9] = {4, 0, 0, 0, 0, 0, 0, 0, 0};
};

CaveParams LoadCaveParams(const CaveSet& set, int cave, int level);

}  // namespace krattle

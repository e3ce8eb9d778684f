#include "engine/cave_params.h"

namespace krattle {

CaveParams LoadCaveParams(const CaveSet& set, int cave, int level) {
  const int s = SlotOf(cave, level);
  CaveParams p;
  p.CaveTime = set.A(s, FieldA::CaveTime);
  p.Diamonds = set.A(s, FieldA::Diamonds);
  p.Value = set.A(s, FieldA::Value);
  p.Bonus = set.A(s, FieldA::Bonus);
  p.MagicTime = set.A(s, FieldA::MagicTime);
  p.AmoebaTime = set.A(s, FieldA::AmoebaTime);
  p.AmoebaMax = set.A(s, FieldA::AmoebaMax);
  p.AmoebaSlow = set.A(s, FieldA::AmoebaSlow);
  p.AmoebaFast = set.A(s, FieldA::AmoebaFast);
  p.Slime = set.A(s, FieldA::Slime);
  p.InBox = set.A(s, FieldA::InBox);
  p.Pushing = set.A(s, FieldA::Pushing);
  p.AcidSpeed = set.B(s, FieldB::AcidSpeed);
  p.ExtraTime = static_cast<int>(set.B(s, FieldB::ExtraTime)) - 100;
  p.MagicStopsAmoeba = set.B(s, FieldB::MagicStopsAmoeba);
  p.BigIntermission = set.B(s, FieldB::BigIntermission);
  p.EnclosedAmoeba = set.B(s, FieldB::EnclosedAmoeba);
  p.TooBigAmoeba = set.B(s, FieldB::TooBigAmoeba);
  p.RegularExplosion = set.B(s, FieldB::RegularExplosion);
  p.BombExplosion = set.B(s, FieldB::BombExplosion);
  p.SolidBombExplosion = set.B(s, FieldB::SolidBombExplosion);
  p.ButterflyExplosion = set.B(s, FieldB::ButterflyExplosion);
  p.FallingBoulder = set.B(s, FieldB::FallingBoulder);
  p.FallingDiamonds = set.B(s, FieldB::FallingDiamonds);
  p.DiamondInMagic = set.B(s, FieldB::DiamondInMagic);
  p.AcidEats = set.B(s, FieldB::AcidEats);
  p.SlimePenetrated = set.B(s, FieldB::SlimePenetrated);
  for (int i = 0; i < 9; ++i) p.Styles[i] = set.A(s, static_cast<FieldA>(30 + i));
  return p;
}

}  // namespace krattle

#include "generator/cave_generator.h"

namespace krattle {

std::uint8_t GeneratorRandom::Next() {
  const int t1 = (R2 & 1) ? 128 : 0;
  const int t2 = R1 >> 1;
  const int t3 = (R1 & 1) ? 128 : 0;
  int s = R1 + t3;
  int carry = s > 255;
  s = (s & 0xFF) + carry + 19;
  carry = s > 255;
  R1 = static_cast<std::uint8_t>(s);
  int u = R2 + carry + t1;
  carry = u > 255;
  u = (u & 0xFF) + carry + t2;
  R2 = static_cast<std::uint8_t>(u);
  return R2;
}

const Element GeneratorItems[GeneratorItemCount] = {
    SteelWall,
    Dirt,
    Space,
    BoulderStationary,
    BoulderFalling,
    BoulderGlued,
    DiamondStationary,
    DiamondFalling,
    DiamondGlued,
    Entrance,
    ExitClosed,
    FireflyLeft,
    FireflyUp,
    FireflyRight,
    FireflyDown,
    ButterflyLeft,
    ButterflyUp,
    ButterflyRight,
    ButterflyDown,
    Wall,
    MagicWall,
    HorizExpWall,
    VertExpWall,
    BothDirExpWall,
    WallFalling,
    WallFallingFalling,
    Amoeba,
    Slime,
    Acid,
    Dummy,
    Clock,
    Bomb,
    BombSolid,
    BombFalling,
    BombGlued,
    AltButterflyLeft,
    AltButterflyUp,
    AltButterflyRight,
    AltButterflyDown,
    AltFireflyLeft,
    AltFireflyUp,
    AltFireflyRight,
    AltFireflyDown,
};

std::optional<Element> GeneratorItem(std::uint8_t index) {
  if (index >= GeneratorItemCount) return std::nullopt;
  return GeneratorItems[index];
}

GeneratorSettings GeneratorSettings::FromSlot(const CaveSet& set, int slot) {
  GeneratorSettings g;
  g.Seed = set.A(slot, FieldA::SeedValue);
  for (int k = 0; k < 4; ++k) {
    g.Probability[k] = set.At(static_cast<int>(FieldA::ProbabilityOfItem1) + k, slot, RowA);
    g.Item[k] = set.At(static_cast<int>(FieldA::Item1) + k, slot, RowA);
  }
  g.InitialItem = set.A(slot, FieldA::InitialItem);
  return g;
}

void GeneratorSettings::StoreInto(CaveSet& set, int slot) const {
  set.A(slot, FieldA::SeedValue) = Seed;
  for (int k = 0; k < 4; ++k) {
    set.At(static_cast<int>(FieldA::ProbabilityOfItem1) + k, slot, RowA) = Probability[k];
    set.At(static_cast<int>(FieldA::Item1) + k, slot, RowA) = Item[k];
  }
  set.A(slot, FieldA::InitialItem) = InitialItem;
}

void GenerateCave(CaveSet& set, int cave, int level, const GeneratorSettings& settings) {
  const int w = CaveWidthOf(cave), h = CaveHeightOf(cave);
  const Element base = GeneratorItem(settings.InitialItem).value_or(Dirt);
  std::array<std::optional<Element>, 4> items;
  for (int k = 0; k < 4; ++k) items[k] = GeneratorItem(settings.Item[k]);

  GeneratorRandom rng{settings.Seed, 0};
  // The walk always covers a full-size cave, so an intermission gets the upper-left part of
  // what a normal cave with the same settings would get.
  for (int y = 1; y <= 21; ++y) {
    for (int x = 0; x < 40; ++x) {
      const std::uint8_t r = rng.Next();
      Element code = base;
      for (int k = 0; k < 4; ++k)
        if (items[k] && r < settings.Probability[k]) code = *items[k];
      if (x < w && y < h) set.MapCell(cave, level, x, y) = code;
    }
  }
  for (int x = 0; x < w; ++x) {
    set.MapCell(cave, level, x, 0) = SteelWall;
    set.MapCell(cave, level, x, h - 1) = SteelWall;
  }
  for (int y = 0; y < h; ++y) {
    set.MapCell(cave, level, 0, y) = SteelWall;
    set.MapCell(cave, level, w - 1, y) = SteelWall;
  }
  set.SetDemoPresent(cave, false);
}

void GenerateCave(CaveSet& set, int cave, int level) {
  GenerateCave(set, cave, level, GeneratorSettings::FromSlot(set, SlotOf(cave, level)));
}

}  // namespace krattle

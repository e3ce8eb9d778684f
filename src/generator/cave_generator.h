#pragma once
// The seeded cave generator: a base element everywhere and up to four items scattered by an
// 8-bit random sequence, so a cave can be kept as ten settings and regenerated identically.

#include <array>
#include <cstdint>
#include <optional>

#include "core/cave_set.h"

namespace krattle {

// The 8-bit generator: two bytes of state, each step yields the new R2.
struct GeneratorRandom {
  std::uint8_t R1 = 0;
  std::uint8_t R2 = 0;
  std::uint8_t Next();
};

// The generator's own element list (43 entries). It differs from ElementChoices: the Dravik
// entry places the Entrance, and the two alternative creature groups are swapped.
inline constexpr int GeneratorItemCount = 43;
extern const Element GeneratorItems[GeneratorItemCount];

// Stored item bytes are never validated. A byte past the end of the list names no element:
// such an item is never placed, and such an initial item falls back to Dirt.
std::optional<Element> GeneratorItem(std::uint8_t index);

struct GeneratorSettings {
  std::uint8_t Seed = 0;
  std::array<std::uint8_t, 4> Probability{80, 60, 40, 20};
  std::uint8_t InitialItem = 1;
  std::array<std::uint8_t, 4> Item{2, 3, 6, 19};

  static GeneratorSettings FromSlot(const CaveSet& set, int slot);
  void StoreInto(CaveSet& set, int slot) const;
};

// Fills the slot's map from the settings, frames it with steel, and drops the cave's demo,
// which no longer matches. Nothing else in the set changes.
void GenerateCave(CaveSet& set, int cave, int level, const GeneratorSettings& settings);

// The same with the slot's stored settings.
void GenerateCave(CaveSet& set, int cave, int level);

}  // namespace krattle

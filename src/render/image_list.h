#pragma once
// The numbered picture lists (tiles and font) and the numbered wave list.

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/waves.h"
#include "render/media_types.h"

namespace krattle {

inline constexpr std::size_t TileSetItems = 325;
inline constexpr std::size_t FontSetItems = 116;
inline constexpr std::size_t SoundSetWaves = waves::Count;

struct ImageItem {
  Picture Pic;
  // 0 means the whole picture; only pattern 0 is ever drawn.
  std::uint32_t PatternWidth = 0;
  std::uint32_t PatternHeight = 0;
  std::uint32_t SkipWidth = 0;
  std::uint32_t SkipHeight = 0;
  bool SystemMemory = true;
  bool Transparent = true;
  Rgb TransparentColor = TransparentMagenta;

  int DrawWidth() const { return PatternWidth ? int(PatternWidth) : Pic.Width; }
  int DrawHeight() const { return PatternHeight ? int(PatternHeight) : Pic.Height; }
  bool operator==(const ImageItem&) const = default;
};

struct ImageList {
  std::vector<ImageItem> Items;

  // A missing item is a fault of the set; loading refuses short sets, so this only throws on a
  // caller's bad number.
  const ImageItem& Item(std::size_t n) const {
    if (n >= Items.size())
      throw std::out_of_range("image " + std::to_string(n) + " is not in the set");
    return Items[n];
  }
};

struct WaveItem {
  Wave Data;
  bool Looped = false;
  std::uint32_t MaxPlayingCount = 0;  // 0 = unlimited
  bool operator==(const WaveItem&) const = default;
};

struct WaveList {
  std::vector<WaveItem> Items;

  const WaveItem& Item(std::size_t n) const {
    if (n >= Items.size())
      throw std::out_of_range("wave " + std::to_string(n) + " is not in the set");
    return Items[n];
  }
};

}  // namespace krattle

#pragma once
// Assembling the generated sets in the numbering the game reads.

#include "render/image_list.h"

namespace assetgen {

krattle::ImageList BuildTileSet(int tile);
krattle::ImageList BuildFontSet();
krattle::WaveList BuildSoundSet();
std::vector<std::uint8_t> BuildTitleMusic();

// Every generated picture is stored the way the pack command stores one.
krattle::ImageItem AsItem(krattle::Picture pic);

}  // namespace assetgen

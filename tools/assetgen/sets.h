#pragma once
// Assembling the generated sets in the numbering the game reads.

#include <filesystem>

#include "core/file_bytes.h"
#include "render/image_list.h"

namespace assetgen {

krattle::ImageList BuildTileSet(int tile);
krattle::ImageList BuildFontSet();
krattle::WaveList BuildSoundSet();
std::vector<std::uint8_t> BuildTitleMusic();

// Every generated picture is stored the way the pack command stores one.
krattle::ImageItem AsItem(krattle::Picture pic);

// The program's icon as RGBA, 32 pixels times `factor` square.
std::vector<std::uint8_t> IconRgba(int factor);
// Writes DIR/NxN/apps/krattle.png for 32, 64, 128 and 256 pixels (the hicolor theme's layout).
krattle::IoResult WriteIcons(const std::filesystem::path& dir);

}  // namespace assetgen

#pragma once
// What loads the graphics and sound sets. The set-file loader implements it; the program logic
// asks for a set through it, and the tests stand in for it.

#include <filesystem>
#include <string>

namespace krattle {

// Loads the numbered image and wave lists from set files. Returns an empty string on success,
// otherwise why it failed.
class AssetLoader {
 public:
  virtual ~AssetLoader() = default;
  virtual std::string LoadTiles(const std::filesystem::path& path, int tileSize) = 0;
  virtual std::string LoadFonts(const std::filesystem::path& path) = 0;
  virtual std::string LoadSounds(const std::filesystem::path& path) = 0;
};

}  // namespace krattle

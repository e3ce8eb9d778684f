// Files the commands share: where the program lives, and pictures written whole.

#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

#include <vector>

#include "commands.h"
#include "game/program_folder.h"

namespace krattle::cli {

std::filesystem::path ProgramFolder() {
  std::error_code ec;
  auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ProgramDataFolder(ec ? std::filesystem::path(".") : exe.parent_path());
}

// Encoded in memory and saved whole, so a full disk is reported and never leaves half a PNG.
IoResult WritePng(const std::filesystem::path& path, const SoftwareCanvas& canvas) {
  std::vector<unsigned char> rgb;
  rgb.reserve(canvas.Frame().size() * 3);
  for (std::uint32_t p : canvas.Frame()) {
    rgb.push_back(static_cast<unsigned char>(p >> 16));
    rgb.push_back(static_cast<unsigned char>(p >> 8));
    rgb.push_back(static_cast<unsigned char>(p));
  }
  std::vector<std::uint8_t> png;
  auto append = [](void* to, void* data, int size) {
    auto* bytes = static_cast<const std::uint8_t*>(data);
    static_cast<std::vector<std::uint8_t>*>(to)->insert(
        static_cast<std::vector<std::uint8_t>*>(to)->end(), bytes, bytes + size);
  };
  if (!stbi_write_png_to_func(append, &png, canvas.Width(), canvas.Height(), 3, rgb.data(),
                              canvas.Width() * 3))
    return IoResult::Fail("cannot encode the picture for \"" + path.string() + "\"");
  return WriteFileBytes(path, png);
}

}  // namespace krattle::cli

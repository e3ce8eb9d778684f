// The desktop icon: Dravik's standing tile at 32 pixels, enlarged by whole factors so every
// size keeps the tile's crisp pixels.

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>
#pragma GCC diagnostic pop

#include <string>
#include <system_error>

#include "art.h"
#include "core/file_bytes.h"
#include "sets.h"

namespace assetgen {

std::vector<std::uint8_t> IconRgba(int factor) {
  const Picture tile = Dravik(32, Pose::Stand, 0);
  const int side = tile.Width * factor;
  std::vector<std::uint8_t> rgba(static_cast<std::size_t>(side) * side * 4);
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < side; ++x) {
      const Rgb c = tile.At(x / factor, y / factor);
      std::uint8_t* p = &rgba[(static_cast<std::size_t>(y) * side + x) * 4];
      const bool clear = c == Clear;
      p[0] = clear ? 0 : static_cast<std::uint8_t>(c >> 16);
      p[1] = clear ? 0 : static_cast<std::uint8_t>(c >> 8);
      p[2] = clear ? 0 : static_cast<std::uint8_t>(c);
      p[3] = clear ? 0 : 255;
    }
  return rgba;
}

krattle::IoResult WriteIcons(const std::filesystem::path& dir) {
  for (int factor : {1, 2, 4, 8}) {
    const int side = 32 * factor;
    const std::string size = std::to_string(side) + "x" + std::to_string(side);
    const auto folder = dir / size / "apps";
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) return krattle::IoResult::Fail(folder.string() + ": " + ec.message());
    const std::vector<std::uint8_t> rgba = IconRgba(factor);
    std::vector<std::uint8_t> png;
    auto append = [](void* to, void* data, int n) {
      auto* out = static_cast<std::vector<std::uint8_t>*>(to);
      auto* bytes = static_cast<const std::uint8_t*>(data);
      out->insert(out->end(), bytes, bytes + n);
    };
    if (!stbi_write_png_to_func(append, &png, side, side, 4, rgba.data(), side * 4))
      return krattle::IoResult::Fail("cannot encode the " + size + " icon");
    if (auto r = krattle::WriteFileBytes(folder / "krattle.png", png); !r.Ok) return r;
  }
  return {};
}

}  // namespace assetgen

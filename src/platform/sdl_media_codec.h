#pragma once
// BMP and WAV files through SDL2. Needs no SDL_Init: the file routines work without a device.

#include <cstdint>
#include <span>
#include <string>

#include "render/media_codec.h"

namespace krattle {

class SdlMediaCodec : public MediaCodec {
 public:
  IoResult LoadBmp(const std::filesystem::path& path, Picture& out) override;
  IoResult SaveBmp(const std::filesystem::path& path, const Picture& pic) override;
  IoResult LoadWav(const std::filesystem::path& path, Wave& out) override;
  IoResult SaveWav(const std::filesystem::path& path, const Wave& wave) override;

  // A whole file already in memory; `name` (the quoted path) starts any message. The header is
  // checked before SDL sees anything.
  static IoResult DecodeBmp(std::span<const std::uint8_t> bytes, const std::string& name,
                            Picture& out);
  static IoResult DecodeWav(std::span<const std::uint8_t> bytes, const std::string& name,
                            Wave& out);
};

}  // namespace krattle

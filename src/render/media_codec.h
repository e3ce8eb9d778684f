#pragma once
// Reading and writing single BMP and WAV files. The platform ring implements it with SDL; the
// logic here only sees pictures and waves.

#include <filesystem>

#include "core/file_bytes.h"
#include "render/media_types.h"

namespace krattle {

class MediaCodec {
 public:
  virtual ~MediaCodec() = default;
  virtual IoResult LoadBmp(const std::filesystem::path& path, Picture& out) = 0;
  virtual IoResult SaveBmp(const std::filesystem::path& path, const Picture& pic) = 0;
  virtual IoResult LoadWav(const std::filesystem::path& path, Wave& out) = 0;
  virtual IoResult SaveWav(const std::filesystem::path& path, const Wave& wave) = 0;
};

}  // namespace krattle

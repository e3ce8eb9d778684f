#pragma once
// A canonical RIFF/WAVE file (one fmt chunk, one data chunk) for PCM waves.

#include <cstdint>
#include <vector>

#include "render/media_types.h"

namespace krattle {

std::vector<std::uint8_t> EncodeWav(const Wave& wave);

}  // namespace krattle

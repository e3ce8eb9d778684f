#pragma once
// Plausibility of BMP and WAV files from their headers alone. SDL allocates whatever a header
// claims before it finds the file too short, so a few hundred bytes could cost gigabytes; these
// checks run first and refuse any claim the file's own size cannot back.

#include <cstdint>
#include <span>
#include <string>

namespace krattle {

// Why the bytes are not a BMP we hand on to a decoder; empty when the header is sound.
std::string BmpHeaderProblem(std::span<const std::uint8_t> bytes);

// Why the bytes are not a WAV we hand on to a decoder; empty when the header is sound.
std::string WavHeaderProblem(std::span<const std::uint8_t> bytes);

}  // namespace krattle

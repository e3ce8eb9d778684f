#pragma once
// The playing time of a Standard MIDI File, from its own tempo map up to the last End of Track.
// The mixer cannot measure MIDI music, and the title screen's wait depends on the length.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace krattle {

struct MidiLength {
  bool Ok = false;
  std::uint64_t Milliseconds = 0;
  std::string Message;  // why the file was refused
};

MidiLength MeasureMidi(std::span<const std::uint8_t> bytes);
MidiLength MeasureMidiFile(const std::filesystem::path& path);

}  // namespace krattle

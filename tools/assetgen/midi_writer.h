#pragma once
// Writes a format-1 Standard MIDI File from timed events.

#include <cstdint>
#include <string>
#include <vector>

namespace assetgen {

class MidiTrack {
 public:
  void Name(const std::string& name);
  void Tempo(std::uint32_t tick, int bpm);
  void TimeSignature(int num, int denomPow2);
  void Program(int channel, int program);
  void Controller(std::uint32_t tick, int channel, int controller, int value);
  void Note(std::uint32_t tick, std::uint32_t length, int channel, int key, int velocity);
  std::vector<std::uint8_t> Bytes() const;  // the MTrk chunk, End of Track included

 private:
  struct Event {
    std::uint32_t Tick;
    int Order;  // note-offs before note-ons at the same tick
    std::vector<std::uint8_t> Data;
  };
  void Add(std::uint32_t tick, int order, std::vector<std::uint8_t> data);
  std::vector<Event> events_;
};

std::vector<std::uint8_t> MidiFile(int ticksPerQuarter, const std::vector<MidiTrack>& tracks);

}  // namespace assetgen

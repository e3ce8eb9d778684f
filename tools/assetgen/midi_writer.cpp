#include "midi_writer.h"

#include <algorithm>

namespace assetgen {

namespace {

void Var(std::vector<std::uint8_t>& out, std::uint32_t v) {
  std::uint8_t buf[5];
  int n = 0;
  buf[n++] = v & 0x7F;
  while (v >>= 7) buf[n++] = std::uint8_t(0x80 | (v & 0x7F));
  while (n) out.push_back(buf[--n]);
}

void Be32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int s = 24; s >= 0; s -= 8) out.push_back(std::uint8_t(v >> s));
}

}  // namespace

void MidiTrack::Add(std::uint32_t tick, int order, std::vector<std::uint8_t> data) {
  events_.push_back({tick, order, std::move(data)});
}

void MidiTrack::Name(const std::string& name) {
  std::vector<std::uint8_t> d = {0xFF, 0x03, std::uint8_t(name.size())};
  d.insert(d.end(), name.begin(), name.end());
  Add(0, 0, d);
}

void MidiTrack::Tempo(std::uint32_t tick, int bpm) {
  const std::uint32_t us = 60000000u / std::uint32_t(bpm);
  Add(tick, 0, {0xFF, 0x51, 0x03, std::uint8_t(us >> 16), std::uint8_t(us >> 8), std::uint8_t(us)});
}

void MidiTrack::TimeSignature(int num, int denomPow2) {
  Add(0, 0, {0xFF, 0x58, 0x04, std::uint8_t(num), std::uint8_t(denomPow2), 24, 8});
}

void MidiTrack::Program(int channel, int program) {
  Add(0, 1, {std::uint8_t(0xC0 | channel), std::uint8_t(program)});
}

void MidiTrack::Controller(std::uint32_t tick, int channel, int controller, int value) {
  Add(tick, 1, {std::uint8_t(0xB0 | channel), std::uint8_t(controller), std::uint8_t(value)});
}

void MidiTrack::Note(std::uint32_t tick, std::uint32_t length, int channel, int key, int velocity) {
  Add(tick, 2, {std::uint8_t(0x90 | channel), std::uint8_t(key), std::uint8_t(velocity)});
  Add(tick + length, 0, {std::uint8_t(0x80 | channel), std::uint8_t(key), 0});
}

std::vector<std::uint8_t> MidiTrack::Bytes() const {
  std::vector<Event> sorted = events_;
  std::stable_sort(sorted.begin(), sorted.end(), [](const Event& a, const Event& b) {
    return a.Tick != b.Tick ? a.Tick < b.Tick : a.Order < b.Order;
  });
  std::vector<std::uint8_t> body;
  std::uint32_t now = 0;
  for (const auto& e : sorted) {
    Var(body, e.Tick - now);
    now = e.Tick;
    body.insert(body.end(), e.Data.begin(), e.Data.end());
  }
  Var(body, 0);
  body.insert(body.end(), {0xFF, 0x2F, 0x00});
  std::vector<std::uint8_t> out = {'M', 'T', 'r', 'k'};
  Be32(out, std::uint32_t(body.size()));
  out.insert(out.end(), body.begin(), body.end());
  return out;
}

std::vector<std::uint8_t> MidiFile(int ticksPerQuarter, const std::vector<MidiTrack>& tracks) {
  std::vector<std::uint8_t> out = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1};
  out.push_back(std::uint8_t(tracks.size() >> 8));
  out.push_back(std::uint8_t(tracks.size()));
  out.push_back(std::uint8_t(ticksPerQuarter >> 8));
  out.push_back(std::uint8_t(ticksPerQuarter));
  for (const auto& t : tracks) {
    const auto b = t.Bytes();
    out.insert(out.end(), b.begin(), b.end());
  }
  return out;
}

}  // namespace assetgen

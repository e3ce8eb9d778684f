// The title piece: an original tune in A minor for square lead, saw arpeggio, synth bass, pad
// and drums, about a minute and a half long.

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "midi_writer.h"
#include "sets.h"

namespace assetgen {

namespace {

constexpr int Ppq = 96;
constexpr int Sixteenth = Ppq / 4;
constexpr int Bar = 16 * Sixteenth;

enum Channel { Lead = 0, Arp = 1, Bass = 2, Pad = 3, Harmony = 4, Drums = 9 };

struct Chord {
  int Root;                // MIDI key in the bass octave
  std::vector<int> Tones;  // offsets from the root
};

const std::map<std::string, Chord>& Chords() {
  static const std::map<std::string, Chord> c = {
      {"Am", {45, {0, 3, 7}}}, {"F", {41, {0, 4, 7}}}, {"C", {48, {0, 4, 7}}},
      {"G", {43, {0, 4, 7}}},  {"E", {40, {0, 4, 7}}}, {"Dm", {38, {0, 3, 7}}},
      {"Em", {40, {0, 3, 7}}},
  };
  return c;
}

// "A4" -> 69, "G#5" -> 80, "R" -> rest (-1).
int Key(const std::string& name) {
  if (name == "R") return -1;
  static const int Steps[7] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
  int k = Steps[name[0] - 'A'];
  std::size_t i = 1;
  if (name[i] == '#') k += 1, ++i;
  const int octave = name[i] - '0';
  return 12 * (octave + 1) + k;
}

struct Section {
  std::vector<std::string> Chords;
  std::vector<std::string> Melody;  // one string per bar: "NOTE:sixteenths ..."
  bool Drums;
  bool Arp;
};

// A diatonic third below in A minor (the raised G# counts as G).
int ThirdBelow(int key) {
  static const int Scale[7] = {0, 2, 3, 5, 7, 8, 10};  // A B C D E F G above A
  const int rel = ((key - 57) % 12 + 12) % 12;
  int degree = 0;
  for (int i = 0; i < 7; ++i)
    if (Scale[i] <= rel) degree = i;
  const int lower = degree >= 2 ? Scale[degree - 2] : Scale[degree + 5] - 12;
  return key - rel + lower;
}

void Melody(MidiTrack& t, std::uint32_t start, const std::string& bar, int velocity,
            MidiTrack* harmony = nullptr) {
  std::istringstream in(bar);
  std::string tok;
  std::uint32_t at = start;
  while (in >> tok) {
    const auto colon = tok.find(':');
    const int len = std::stoi(tok.substr(colon + 1)) * Sixteenth;
    const int key = Key(tok.substr(0, colon));
    if (key >= 0) t.Note(at, std::uint32_t(len - 6), Lead, key, velocity);
    if (key >= 0 && harmony)
      harmony->Note(at, std::uint32_t(len - 6), Harmony, ThirdBelow(key), 72);
    at += std::uint32_t(len);
  }
}

void Accompany(MidiTrack& arp, MidiTrack& bass, MidiTrack& pad, MidiTrack& drums,
               std::uint32_t start, const Chord& ch, const Section& s, bool fill) {
  // Bass: root, root, octave, root, with a fifth before the next bar.
  static const int BassLine[8] = {0, 0, 12, 0, 0, 12, 7, 0};
  for (int i = 0; i < 8; ++i)
    bass.Note(start + std::uint32_t(i * 2 * Sixteenth), 2 * Sixteenth - 8, Bass,
              ch.Root + BassLine[i], i % 2 ? 84 : 100);
  for (int tone : ch.Tones) pad.Note(start, Bar - 4, Pad, ch.Root + 24 + tone, 52);
  if (s.Arp) {
    static const int Pattern[16] = {0, 1, 2, 3, 2, 1, 0, 1, 2, 3, 2, 1, 0, 1, 2, 1};
    for (int i = 0; i < 16; ++i) {
      const int idx = Pattern[i];
      const int key = ch.Root + 24 + (idx == 3 ? 12 : ch.Tones[std::size_t(idx)]);
      arp.Note(start + std::uint32_t(i * Sixteenth), Sixteenth - 4, Arp, key, i % 4 == 0 ? 70 : 52);
    }
  }
  if (s.Drums) {
    for (int i = 0; i < 16; ++i) {
      const auto at = start + std::uint32_t(i * Sixteenth);
      if (i % 2 == 0) drums.Note(at, Sixteenth, Drums, 42, i % 4 == 0 ? 80 : 60);
      if (i == 0 || i == 8 || i == 10) drums.Note(at, Sixteenth, Drums, 36, 110);
      if (i == 4 || i == 12) drums.Note(at, Sixteenth, Drums, 38, 100);
      if (fill && i >= 12) drums.Note(at, Sixteenth, Drums, i % 2 ? 45 : 47, 90);
    }
  } else {
    for (int i = 0; i < 4; ++i)
      drums.Note(start + std::uint32_t(i * 4 * Sixteenth), Sixteenth, Drums, 42, 50);
  }
}

std::vector<Section> Song() {
  const std::vector<std::string> a = {"A4:4 C5:2 E5:2 A5:6 G5:2",      "F5:4 E5:2 C5:2 A4:8",
                                      "G4:2 C5:2 E5:4 G5:4 E5:4",      "D5:6 B4:2 G4:8",
                                      "A4:2 B4:2 C5:2 E5:2 A5:4 C6:4", "A5:2 G5:2 F5:4 C5:4 F5:4",
                                      "G5:4 D5:2 B4:2 D5:4 G5:4",      "G#5:6 E5:2 B4:4 G#4:4"};
  const std::vector<std::string> b = {"C5:4 F5:4 A5:6 G5:2",           "D5:4 G5:4 B5:6 A5:2",
                                      "G5:4 E5:4 B4:4 E5:4",           "C5:2 E5:2 A5:8 R:4",
                                      "F5:4 A5:2 D6:6 C6:4",           "B5:4 G5:2 D5:6 B4:4",
                                      "C5:2 E5:2 G5:2 C6:6 B5:2 A5:2", "G#5:8 B5:4 E5:4"};
  const std::vector<std::string> bridge = {"D5:8 F5:8",      "E5:8 C5:8", "A5:12 F5:4",
                                           "G#5:16",         "A5:8 C6:8", "B5:8 D6:8",
                                           "C6:4 B5:4 A5:8", "G#5:8 B5:8"};
  const std::vector<std::string> aChords = {"Am", "F", "C", "G", "Am", "F", "G", "E"};
  const std::vector<std::string> bChords = {"F", "G", "Em", "Am", "Dm", "G", "C", "E"};
  const std::vector<std::string> brChords = {"Dm", "Am", "Dm", "E", "F", "G", "Am", "E"};
  const std::vector<std::string> none(8, "");
  return {
      {{"Am", "F", "C", "G"}, {"", "", "", ""}, false, true},
      {aChords, a, true, true},
      {bChords, b, true, true},
      {aChords, a, true, true},
      {brChords, bridge, false, true},
      {aChords, a, true, true},
      {{"Am", "F", "E", "Am"}, {"A5:8 E5:8", "F5:8 C5:8", "B4:8 G#4:8", "A4:16"}, true, false},
  };
}

}  // namespace

std::vector<std::uint8_t> BuildTitleMusic() {
  MidiTrack conductor, lead, arp, bass, pad, harmony, drums;
  conductor.Name("Krattle");
  conductor.TimeSignature(4, 2);
  conductor.Tempo(0, 128);
  lead.Name("Lead");
  lead.Program(Lead, 80);  // square lead
  lead.Controller(0, Lead, 7, 100);
  arp.Name("Arpeggio");
  arp.Program(Arp, 81);  // saw lead, played softly
  arp.Controller(0, Arp, 7, 64);
  bass.Name("Bass");
  bass.Program(Bass, 38);
  pad.Name("Pad");
  pad.Program(Pad, 89);
  pad.Controller(0, Pad, 7, 70);
  harmony.Name("Harmony");
  harmony.Program(Harmony, 73);  // flute, doubling the last chorus
  harmony.Controller(0, Harmony, 7, 80);
  drums.Name("Drums");

  std::uint32_t at = 0;
  const auto song = Song();
  for (std::size_t s = 0; s < song.size(); ++s) {
    const Section& sec = song[s];
    if (sec.Drums) drums.Note(at, Sixteenth * 4, Drums, 49, 100);  // crash on each entry
    for (std::size_t i = 0; i < sec.Chords.size(); ++i) {
      const Chord& ch = Chords().at(sec.Chords[i]);
      const bool last = i + 1 == sec.Chords.size();
      Accompany(arp, bass, pad, drums, at, ch, sec, last && s + 1 < song.size());
      if (!sec.Melody[i].empty())
        Melody(lead, at, sec.Melody[i], s == 5 ? 112 : 100, s == 5 ? &harmony : nullptr);
      at += Bar;
    }
  }
  // Broaden into the last bars.
  conductor.Tempo(at - 2 * Bar, 112);
  conductor.Tempo(at - Bar, 96);
  return MidiFile(Ppq, {conductor, lead, arp, bass, pad, harmony, drums});
}

}  // namespace assetgen

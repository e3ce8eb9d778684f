// The 29 sound effects, each made for its event. Waves 13 and 20 are built on a circle (every
// component wraps around or has a whole number of cycles), so they loop without a click.

#include <cmath>
#include <functional>

#include "sets.h"
#include "synth.h"

namespace assetgen {

namespace {

Buffer Silence(float seconds) {
  return Buffer(std::size_t(Samples(seconds)), 0.0f);
}

// Filtered noise shaped by env(t); the filter follows cutoff(t).
void AddNoise(Buffer& b, int at, float seconds, std::uint32_t seed,
              const std::function<float(float)>& cutoff, float q,
              const std::function<float(float)>& env, bool lowPass = false) {
  NoiseSource n(seed);
  Svf f(cutoff(0), q);
  const int length = Samples(seconds);
  for (int i = 0; i < length && at + i < int(b.size()); ++i) {
    const float t = Time(i);
    f.Tune(cutoff(t), q);
    const float band = f.Step(n.Next());
    b[std::size_t(at + i)] += env(t) * (lowPass ? f.Low() : band);
  }
}

std::function<float(float)> Decay(float tau, float attack = 0.002f) {
  return [=](float t) { return std::exp(-t / tau) * std::min(1.0f, t / attack); };
}
std::function<float(float)> Const(float v) {
  return [=](float) { return v; };
}

Buffer DiamondFall(float pitch) {
  Buffer b = Silence(0.3f);
  AddTing(b, 0, pitch, 0.05f, 1.0f);
  AddTing(b, Samples(0.012f), pitch * 1.5f, 0.035f, 0.5f);
  AddNoise(b, 0, 0.02f, 3, Const(5000), 2, Decay(0.004f));
  return b;
}

Buffer BoulderRoll() {
  Buffer b = Silence(0.22f);
  AddNoise(
      b, 0, 0.22f, 5, Const(350), 1.2f,
      [](float t) {
        return std::sin(3.14159f * t / 0.22f) * (0.7f + 0.3f * std::sin(TwoPi * 38 * t));
      },
      true);
  AddGlide(b, 0, Samples(0.2f), 70, 55, 0.3f, 0);
  return b;
}

Buffer Thud() {
  Buffer b = Silence(0.35f);
  const int n = Samples(0.35f);
  float phase = 0;
  for (int i = 0; i < n; ++i) {
    const float t = Time(i);
    phase += TwoPi * (45 + 60 * std::exp(-t / 0.03f)) / float(Rate);
    b[std::size_t(i)] += std::sin(phase) * std::exp(-t / 0.08f) * std::min(1.0f, t / 0.001f);
  }
  AddNoise(b, 0, 0.1f, 7, Const(700), 0.8f, Decay(0.025f), true);
  return b;
}

Buffer Step(float centre, std::uint32_t seed) {
  Buffer b = Silence(0.08f);
  AddNoise(b, 0, 0.08f, seed, Const(centre), 2.5f, Decay(0.012f, 0.001f));
  AddGlide(b, 0, Samples(0.03f), 180, 120, 0.15f, 0);
  return b;
}

Buffer Dig() {
  Buffer b = Silence(0.14f);
  NoiseSource grit(9);
  // Scratchy: the envelope is broken into short grains.
  AddNoise(
      b, 0, 0.14f, 11, [](float t) { return 3200 - 8000 * t; }, 1.5f,
      [&](float t) {
        const float grain = 0.55f + 0.45f * std::sin(TwoPi * 70 * t + 3 * std::sin(TwoPi * 23 * t));
        return grain * std::exp(-t / 0.05f) * std::min(1.0f, t / 0.004f);
      });
  return b;
}

Buffer DiamondTake() {
  Buffer b = Silence(0.7f);
  AddTing(b, 0, 1318.5f, 0.12f, 0.8f);
  AddTing(b, Samples(0.06f), 1975.5f, 0.16f, 0.8f);
  AddTing(b, Samples(0.06f), 2637.0f, 0.1f, 0.25f);
  return b;
}

Buffer Push() {
  Buffer b = Silence(0.2f);
  AddNoise(b, 0, 0.2f, 13, Const(300), 2, [](float t) {
    return (0.6f + 0.4f * std::sin(TwoPi * 32 * t)) * std::sin(3.14159f * t / 0.2f);
  });
  return b;
}

Buffer Killed() {
  Buffer b = Silence(0.9f);
  AddGlide(b, 0, Samples(0.65f), 880, 90, 0.6f, 0.7f);
  AddNoise(
      b, Samples(0.1f), 0.8f, 15, [](float t) { return 2500 * std::exp(-t / 0.3f) + 150; }, 0.7f,
      [](float t) { return 0.9f * std::exp(-t / 0.25f) * std::min(1.0f, t / 0.01f); }, true);
  return b;
}

Buffer Explosion(std::uint32_t seed, float boom) {
  Buffer b = Silence(1.1f);
  AddNoise(
      b, 0, 1.1f, seed, [](float t) { return 3500 * std::exp(-t / 0.18f) + 160; }, 0.7f,
      [](float t) { return std::exp(-t / 0.32f) * std::min(1.0f, t / 0.003f); }, true);
  const int n = Samples(0.8f);
  float phase = 0;
  for (int i = 0; i < n; ++i) {
    const float t = Time(i);
    phase += TwoPi * boom * (1 + std::exp(-t / 0.05f)) / float(Rate);
    b[std::size_t(i)] += 0.8f * std::sin(phase) * std::exp(-t / 0.2f);
  }
  return b;
}

// Bubbles in a pot: 1.2 s, wrapped around the loop point.
Buffer AmoebaLoop() {
  const int n = Samples(1.2f);
  Buffer b(std::size_t(n), 0.0f);
  for (int k = 0; k < 14; ++k) {
    const int at = int(float(n) * (float(k) + 0.5f * float((k * 7) % 5) / 5.0f) / 14.0f);
    const float f0 = 180 + 25 * float((k * 5) % 7);
    const int len = Samples(0.05f + 0.01f * float(k % 3));
    float phase = 0;
    for (int i = 0; i < len; ++i) {
      const float t = float(i) / float(len);
      phase += TwoPi * f0 * (1 + 1.6f * t) / float(Rate);
      b[std::size_t((at + i) % n)] += 0.7f * std::sin(phase) * std::sin(3.14159f * t) * (1 - t);
    }
  }
  // A low hum of whole cycles per loop.
  for (int i = 0; i < n; ++i) {
    const float x = float(i) / float(n);
    b[std::size_t(i)] += 0.12f * std::sin(TwoPi * 66 * x) * (0.6f + 0.4f * std::sin(TwoPi * 3 * x));
  }
  return b;
}

Buffer AmoebaGrow() {
  Buffer b = Silence(0.18f);
  AddNoise(
      b, 0, 0.18f, 17, [](float t) { return 400 + 6000 * t; }, 4,
      [](float t) { return std::sin(3.14159f * t / 0.18f); });
  return b;
}

Buffer Arpeggio(const std::vector<float>& notes, float gap, float decay, float seconds) {
  Buffer b = Silence(seconds);
  for (std::size_t i = 0; i < notes.size(); ++i)
    AddTing(b, Samples(gap * float(i)), notes[i], decay, 0.7f);
  return b;
}

Buffer CaveStart() {
  Buffer b = Silence(1.3f);
  AddGlide(b, 0, Samples(1.2f), 110, 880, 0.6f, 0.5f);
  AddGlide(b, Samples(0.05f), Samples(1.15f), 165, 1320, 0.3f, 0.2f);
  for (int k = 0; k < 6; ++k)
    AddTing(b, Samples(0.6f + 0.1f * float(k)), 1760 + 220 * float(k), 0.05f, 0.2f);
  return b;
}

Buffer Chiptune(const std::vector<std::pair<float, float>>& notes, float seconds) {
  Buffer b = Silence(seconds);
  float at = 0;
  for (const auto& [freq, len] : notes) {
    if (freq > 0) AddGlide(b, Samples(at), Samples(len * 0.92f), freq, freq, 0.5f, 0.45f);
    at += len;
  }
  return b;
}

Buffer CountUp() {
  Buffer b = Silence(5.0f);
  for (int k = 0; k < 100; ++k) {
    const float f = 880 * std::pow(2.0f, float(k % 25) / 25.0f);
    AddTing(b, Samples(0.05f * float(k)), f, 0.012f, 0.5f);
  }
  return b;
}

// A shimmer of glints and a soft chord, 1 s, all wrapped or in whole cycles.
Buffer MagicLoop() {
  const int n = Rate;
  Buffer b(std::size_t(n), 0.0f);
  for (int k = 0; k < 18; ++k) {
    const int at = int(float(n) * (float(k) + 0.6f * float((k * 11) % 7) / 7.0f) / 18.0f);
    AddTing(b, at, 2400 + 180 * float((k * 7) % 13), 0.03f, 0.25f, true);
  }
  for (int i = 0; i < n; ++i) {
    const float x = float(i) / float(n);
    const float trem = 0.7f + 0.3f * std::sin(TwoPi * 6 * x);
    b[std::size_t(i)] +=
        trem * (0.12f * std::sin(TwoPi * 523 * x) + 0.1f * std::sin(TwoPi * 784 * x) +
                0.06f * std::sin(TwoPi * 1047 * x));
  }
  return b;
}

Buffer Gloop() {
  Buffer b = Silence(0.3f);
  const int n = Samples(0.28f);
  float phase = 0;
  for (int i = 0; i < n; ++i) {
    const float t = Time(i);
    phase += TwoPi * (320 * std::exp(-t / 0.1f) + 90 + 30 * std::sin(TwoPi * 18 * t)) / float(Rate);
    b[std::size_t(i)] += std::sin(phase) * std::sin(3.14159f * t / 0.28f);
  }
  return b;
}

Buffer Tick() {
  Buffer b = Silence(0.07f);
  AddNoise(b, 0, 0.004f, 19, Const(6000), 1, Const(1.0f));
  AddNoise(b, 0, 0.06f, 21, Const(3100), 30, Decay(0.008f, 0.0005f));
  return b;
}

Buffer Bell() {
  Buffer b = Silence(0.6f);
  AddTing(b, 0, 1568, 0.1f, 0.8f);
  AddTing(b, Samples(0.15f), 1568, 0.12f, 0.8f);
  AddTing(b, Samples(0.15f), 2093, 0.1f, 0.3f);
  return b;
}

Buffer Clack() {
  Buffer b = Silence(0.15f);
  AddNoise(b, 0, 0.05f, 23, Const(2000), 3, Decay(0.01f, 0.0005f));
  AddTing(b, Samples(0.04f), 820, 0.025f, 0.6f);
  return b;
}

Buffer Sizzle(std::uint32_t seed, float seconds, float bubble) {
  Buffer b = Silence(seconds);
  NoiseSource pops(seed + 1);
  AddNoise(b, 0, seconds, seed, Const(5500), 0.8f, [=](float t) {
    return std::min(1.0f, t / 0.02f) * std::min(1.0f, (seconds - t) / 0.1f) *
           (0.5f + 0.5f * std::abs(std::sin(TwoPi * bubble * t)));
  });
  for (int k = 0; k < 8; ++k) {
    const int at = int((pops.Next() * 0.5f + 0.5f) * float(Samples(seconds - 0.05f)));
    AddNoise(b, at, 0.01f, seed + 10 + std::uint32_t(k), Const(3000), 2, Decay(0.002f, 0.0003f));
  }
  return b;
}

Buffer WallScrape() {
  Buffer b = Silence(0.35f);
  AddNoise(
      b, 0, 0.35f, 29, Const(260), 1.5f,
      [](float t) {
        return std::sin(3.14159f * t / 0.35f) * (0.7f + 0.3f * std::sin(TwoPi * 24 * t));
      },
      true);
  AddGlide(b, 0, Samples(0.3f), 62, 48, 0.4f, 0);
  return b;
}

}  // namespace

krattle::WaveList BuildSoundSet() {
  const float C6 = 1046.5f, E6 = 1318.5f, G6 = 1568.0f, C7 = 2093.0f;
  const float G5 = 784.0f, C5 = 523.25f, E5 = 659.25f;
  // Levels balance loudness: bright tings peak high, square tones and loops sit lower.
  const std::vector<std::pair<Buffer, float>> b = {
      {DiamondFall(2093), 0.7f},
      {DiamondFall(2349), 0.7f},
      {DiamondFall(2637), 0.7f},
      {BoulderRoll(), 0.7f},
      {Thud(), 0.85f},
      {Step(1100, 31), 0.5f},
      {Step(1500, 37), 0.5f},
      {Dig(), 0.7f},
      {DiamondTake(), 0.75f},
      {Push(), 0.7f},
      {Killed(), 0.6f},
      {Explosion(41, 48), 0.85f},
      {Explosion(43, 40), 0.85f},
      {AmoebaLoop(), 0.45f},
      {AmoebaGrow(), 0.5f},
      {Arpeggio({C6, E6, G6, C7}, 0.07f, 0.12f, 0.8f), 0.7f},
      {CaveStart(), 0.6f},
      {Chiptune(
           {{G5, 0.1f}, {C6, 0.1f}, {E6, 0.1f}, {G6, 0.1f}, {0, 0.05f}, {E6, 0.1f}, {G6, 0.3f}},
           0.95f),
       0.4f},
      {Chiptune({{E5, 0.09f}, {0, 0.05f}, {E5, 0.09f}, {0, 0.05f}, {C5 * 2, 0.25f}}, 0.6f), 0.4f},
      {CountUp(), 0.5f},
      {MagicLoop(), 0.4f},
      {Chiptune({{660, 0.06f}, {990, 0.08f}}, 0.16f), 0.35f},
      {Gloop(), 0.6f},
      {Tick(), 0.7f},
      {Bell(), 0.7f},
      {Clack(), 0.7f},
      {Sizzle(47, 0.4f, 9), 0.45f},
      {Sizzle(53, 0.3f, 23), 0.45f},
      {WallScrape(), 0.75f},
  };
  krattle::WaveList list;
  for (const auto& [buf, level] : b) {
    krattle::WaveItem item;
    item.Data = ToWave(buf, level);
    list.Items.push_back(std::move(item));
  }
  return list;
}

}  // namespace assetgen

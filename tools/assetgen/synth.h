#pragma once
// A tiny deterministic synthesiser: oscillators, noise, filters and envelopes on float buffers.

#include <cstdint>
#include <vector>

#include "render/media_types.h"

namespace assetgen {

inline constexpr int Rate = 44100;
inline constexpr float TwoPi = 6.2831853f;

using Buffer = std::vector<float>;

// Linear congruential noise: the same sequence on every run.
class NoiseSource {
 public:
  explicit NoiseSource(std::uint32_t seed) : state_(seed * 2654435761u + 1) {}
  float Next() {
    state_ = state_ * 1664525u + 1013904223u;
    return float(state_ >> 8) / float(1u << 23) - 1.0f;
  }

 private:
  std::uint32_t state_;
};

// Trapezoidal state-variable filter: stable at any cutoff below Nyquist, so sweeps cannot
// blow up. Low() and High() after each Step().
class Svf {
 public:
  Svf(float cutoff, float q) { Tune(cutoff, q); }
  void Tune(float cutoff, float q);
  float Step(float in);  // returns the band-pass output
  float Low() const { return low_; }
  float High() const { return high_; }

 private:
  float a1_ = 0, a2_ = 0, a3_ = 0, k_ = 1;
  float ic1_ = 0, ic2_ = 0, low_ = 0, high_ = 0;
};

inline int Samples(float seconds) {
  return int(seconds * float(Rate));
}
inline float Time(int i) {
  return float(i) / float(Rate);
}

// Adds a decaying bell-like tone with inharmonic partials starting at sample `at`.
void AddTing(Buffer& b, int at, float freq, float decay, float amp, bool wrap = false);
// Adds a tone whose pitch glides exponentially from f0 to f1 over its length.
void AddGlide(Buffer& b, int at, int length, float f0, float f1, float amp, float squareness);

// Scales the whole buffer to the given peak and converts to 16-bit mono PCM.
krattle::Wave ToWave(const Buffer& b, float peak = 0.79f);

}  // namespace assetgen

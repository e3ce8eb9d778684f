#include "synth.h"

#include <algorithm>
#include <cmath>

namespace assetgen {

void Svf::Tune(float cutoff, float q) {
  cutoff = std::clamp(cutoff, 20.0f, 0.45f * float(Rate));
  const float g = std::tan(3.14159265f * cutoff / float(Rate));
  k_ = 1.0f / q;
  a1_ = 1.0f / (1.0f + g * (g + k_));
  a2_ = g * a1_;
  a3_ = g * a2_;
}

float Svf::Step(float in) {
  const float v3 = in - ic2_;
  const float band = a1_ * ic1_ + a2_ * v3;
  low_ = ic2_ + a2_ * ic1_ + a3_ * v3;
  ic1_ = 2 * band - ic1_;
  ic2_ = 2 * low_ - ic2_;
  high_ = in - k_ * band - low_;
  return band;
}

void AddTing(Buffer& b, int at, float freq, float decay, float amp, bool wrap) {
  static constexpr float Partials[3][2] = {{1.0f, 1.0f}, {2.76f, 0.45f}, {5.4f, 0.2f}};
  const int length = Samples(decay * 6);
  for (int i = 0; i < length; ++i) {
    const float t = Time(i);
    const float env = std::exp(-t / decay) * std::min(1.0f, t / 0.002f);
    float s = 0;
    for (const auto& p : Partials)
      if (freq * p[0] < 0.4f * float(Rate))  // nothing near Nyquist, so nothing aliases
        s += p[1] * std::sin(TwoPi * freq * p[0] * t) * std::exp(-t * p[0] * 2);
    int idx = at + i;
    if (wrap) idx %= int(b.size());
    if (idx >= int(b.size())) break;
    b[std::size_t(idx)] += amp * env * s;
  }
}

void AddGlide(Buffer& b, int at, int length, float f0, float f1, float amp, float squareness) {
  float phase = 0;
  for (int i = 0; i < length && at + i < int(b.size()); ++i) {
    const float k = float(i) / float(length);
    phase += TwoPi * f0 * std::pow(f1 / f0, k) / float(Rate);
    float s = std::sin(phase);
    // Soft clipping toward a square for a chippier timbre.
    s = std::tanh(s * (1 + 6 * squareness)) / std::tanh(1 + 6 * squareness);
    const float env = std::min(1.0f, float(i) / 60.0f) * std::min(1.0f, float(length - i) / 200.0f);
    b[std::size_t(at + i)] += amp * env * s;
  }
}

krattle::Wave ToWave(const Buffer& b, float peak) {
  float top = 1e-9f;
  for (float s : b) top = std::max(top, std::abs(s));
  krattle::Wave w;
  w.Channels = 1;
  w.SampleRate = Rate;
  w.BitsPerSample = 16;
  w.Data.reserve(b.size() * 2);
  for (float s : b) {
    const auto v = std::int16_t(std::lround(std::clamp(s / top * peak, -1.0f, 1.0f) * 32767.0f));
    w.Data.push_back(std::uint8_t(v & 0xFF));
    w.Data.push_back(std::uint8_t((v >> 8) & 0xFF));
  }
  return w;
}

}  // namespace assetgen

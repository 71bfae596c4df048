#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace media {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr double kTopFrequency = 0.45 * kSampleRate;  // partials above this would alias

// A raised-cosine ramp from 0 to 1 over `length` seconds.
double Ramp(double t, double length) {
  if (t >= length) return 1;
  if (t <= 0) return 0;
  return 0.5 - 0.5 * std::cos(std::numbers::pi * t / length);
}

}  // namespace

Track::Track(double seconds) : samples_(size_t(seconds * kSampleRate), 0.0) {}

double Track::Noise() {
  seed_ = seed_ * 1664525u + 1013904223u;
  return double(seed_ >> 8) / double(1u << 23) - 1.0;
}

void Track::AddBell(double start, double freq, double amp, double decay, double bright) {
  struct Partial {
    double ratio, amp, decay;
  };
  static constexpr Partial kPartials[] = {
      {1.0, 1.0, 1.0}, {2.0, 0.3, 0.6}, {2.76, 0.35, 0.45}, {5.40, 0.15, 0.25}, {8.93, 0.07, 0.15}};
  const size_t first = size_t(start * kSampleRate);
  for (size_t i = first; i < samples_.size(); ++i) {
    const double t = double(i - first) / kSampleRate;
    double v = 0;
    for (const Partial& p : kPartials) {
      if (p.ratio * freq > kTopFrequency) continue;
      const double level = p.ratio == 1.0 ? p.amp : p.amp * bright;
      v += level * std::exp(-t / (decay * p.decay)) * std::sin(kTwoPi * p.ratio * freq * t);
    }
    samples_[i] += amp * Ramp(t, 0.004) * v;
  }
}

void Track::AddBrass(double start, double freq, double amp, double length, double bright) {
  const size_t first = size_t(start * kSampleRate);
  const size_t last = std::min(samples_.size(), size_t((start + length + 0.08) * kSampleRate));
  double phase = 0;
  for (size_t i = first; i < last; ++i) {
    const double t = double(i - first) / kSampleRate;
    // Swell, settle to a sustain, and let go over 80 ms after the note's length.
    double env = Ramp(t, 0.035) * (0.8 + 0.2 * std::exp(-t / 0.08));
    if (t > length) env *= 1 - Ramp(t - length, 0.08);
    const double vibrato = 1 + 0.004 * Ramp(t, 0.25) * std::sin(kTwoPi * 5.5 * t);
    phase += kTwoPi * freq * vibrato / kSampleRate;
    double v = 0;
    for (int n = 1; n <= 12 && n * freq < kTopFrequency; ++n) {
      v += std::pow(env, 1 + 0.3 * (n - 1)) / std::pow(n, 1.3 / bright) * std::sin(n * phase);
    }
    samples_[i] += amp * v;
  }
}

void Track::AddTick(double start, double amp, double resonance, double ping, double decay) {
  // A two-pole resonator rings the noise at `resonance` Hz.
  const double r = std::exp(-std::numbers::pi * resonance / 6 / kSampleRate);
  const double c = 2 * r * std::cos(kTwoPi * resonance / kSampleRate);
  double y1 = 0, y2 = 0;
  const size_t first = size_t(start * kSampleRate);
  const size_t last = std::min(samples_.size(), first + size_t(12 * decay * kSampleRate));
  for (size_t i = first; i < last; ++i) {
    const double t = double(i - first) / kSampleRate;
    const double burst = Noise() * std::exp(-t / (0.35 * decay));
    const double y = (1 - r) * burst + c * y1 - r * r * y2;
    y2 = y1;
    y1 = y;
    const double tone = 0.5 * std::exp(-t / decay) * std::sin(kTwoPi * ping * t);
    samples_[i] += amp * Ramp(t, 0.0006) * (12 * y + tone);
  }
}

std::vector<int16_t> Track::Finish(double peakDb, double fadeIn, double fadeOut) const {
  std::vector<double> s = samples_;
  const double total = double(s.size()) / kSampleRate;
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = double(i) / kSampleRate;
    s[i] *= Ramp(t, fadeIn) * Ramp(total - t - 1.0 / kSampleRate, fadeOut);
  }
  double peak = 0;
  for (double v : s) peak = std::max(peak, std::abs(v));
  const double gain = peak > 0 ? std::pow(10.0, -peakDb / 20) / peak : 0;
  std::vector<int16_t> out(s.size());
  for (size_t i = 0; i < s.size(); ++i) out[i] = int16_t(std::lround(s[i] * gain * 32767));
  return out;
}

}  // namespace media

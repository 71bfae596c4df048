// A mono sample buffer that notes are mixed into, then normalised to 16-bit PCM.
#pragma once

#include <cstdint>
#include <vector>

namespace media {

inline constexpr int kSampleRate = 22050;

class Track {
 public:
  explicit Track(double seconds);

  // A struck metal bar: inharmonic partials, the higher ones dying sooner;
  // `bright` scales the partials above the fundamental.
  void AddBell(double start, double freq, double amp, double decay, double bright = 1);
  // A brassy tone: harmonics that brighten as the note swells, a late vibrato;
  // a higher `bright` lets the upper harmonics through more.
  void AddBrass(double start, double freq, double amp, double length, double bright = 1);
  // A mechanical tick: a noise burst rung through a resonance, with a tonal ping.
  void AddTick(double start, double amp, double resonance, double ping, double decay);

  // Scales to `peakDb` below full scale and fades both ends to silence.
  std::vector<int16_t> Finish(double peakDb, double fadeIn, double fadeOut) const;

 private:
  double Noise();

  std::vector<double> samples_;
  uint32_t seed_ = 0x2545F491u;  // fixed, so every run writes the same files
};

}  // namespace media

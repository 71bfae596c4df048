#include "sounds.h"

#include <cmath>

#include "synth.h"

namespace media {
namespace {

constexpr double kPeakDb = 3;

// Equal-tempered pitch of a MIDI note number (69 is A 440 Hz).
double Pitch(int note) {
  return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}

enum Note { G4 = 67, C4 = 60, E4 = 64, C5 = 72, E5 = 76, G5 = 79, C6 = 84, E6 = 88, G6 = 91 };

}  // namespace

std::vector<int16_t> ClickSound() {
  Track track(0.09);
  track.AddTick(0.0, 1.0, 3200, 2100, 0.006);
  track.AddTick(0.028, 0.7, 1500, 750, 0.012);
  return track.Finish(kPeakDb, 0.0008, 0.015);
}

std::vector<int16_t> SmallWinSound() {
  Track track(0.7);
  track.AddBell(0.0, Pitch(G5), 1.0, 0.22, 0.8);
  track.AddBell(0.11, Pitch(C6), 0.9, 0.28, 0.8);
  return track.Finish(kPeakDb, 0.003, 0.08);
}

std::vector<int16_t> MedWinSound() {
  Track track(1.4);
  const int notes[] = {C5, E5, G5, C6, E6, G6, C6 + 12};
  for (int i = 0; i < 7; ++i) track.AddBell(0.085 * i, Pitch(notes[i]), 0.55, 0.45, 1.3);
  return track.Finish(kPeakDb, 0.003, 0.2);
}

std::vector<int16_t> JackpotSound() {
  Track track(3.6);
  // The call: three quick pick-up notes, a held C, a run up to a long G over a C chord.
  struct Call {
    double start, length;
    int note;
  };
  const Call call[] = {{0.00, 0.09, G4}, {0.13, 0.09, G4}, {0.26, 0.09, G4}, {0.39, 0.42, C5},
                       {0.88, 0.12, G4}, {1.04, 0.12, C5}, {1.20, 0.12, E5}, {1.36, 1.55, G5}};
  for (const Call& c : call) track.AddBrass(c.start, Pitch(c.note), 0.32, c.length, 1.3);
  for (int note : {C4, E4, G4}) track.AddBrass(1.36, Pitch(note), 0.16, 1.55, 1.3);

  // Bells sparkle over the held chord, up the C major arpeggio and an octave higher, then
  // a last pair of Cs.
  const int sparkle[] = {C6, E6, G6, C6 + 12};
  for (int round = 0; round < 2; ++round) {
    for (int i = 0; i < 4; ++i) {
      track.AddBell(1.40 + 0.5 * round + 0.08 * i, Pitch(sparkle[i] + 12 * round), 0.22, 0.35, 1.6);
    }
  }
  track.AddBell(2.75, Pitch(C6 + 12), 0.3, 0.5, 1.6);
  track.AddBell(2.75, Pitch(C6), 0.3, 0.6, 1.6);
  return track.Finish(kPeakDb, 0.003, 0.35);
}

}  // namespace media

// The four game sounds, synthesised as 16-bit mono PCM at kSampleRate.
#pragma once

#include <cstdint>
#include <vector>

namespace media {

std::vector<int16_t> ClickSound();     // the handle's latch: two quick ticks
std::vector<int16_t> SmallWinSound();  // one seven: a two-note chime
std::vector<int16_t> MedWinSound();    // two sevens: a rising arpeggio
std::vector<int16_t> JackpotSound();   // three sevens: a brass fanfare under bells

}  // namespace media

// Writes 16-bit mono PCM as a RIFF WAVE file.
#pragma once

#include <QString>

#include <cstdint>
#include <vector>

namespace media {

bool WriteWav(const QString& path, const std::vector<int16_t>& samples, int sampleRate);

}  // namespace media

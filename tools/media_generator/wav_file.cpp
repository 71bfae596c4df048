#include "wav_file.h"

#include <QByteArray>
#include <QFile>
#include <QtEndian>

namespace media {
namespace {

void Put32(QByteArray& b, uint32_t v) {
  const uint32_t le = qToLittleEndian(v);
  b.append(reinterpret_cast<const char*>(&le), 4);
}

void Put16(QByteArray& b, uint16_t v) {
  const uint16_t le = qToLittleEndian(v);
  b.append(reinterpret_cast<const char*>(&le), 2);
}

}  // namespace

bool WriteWav(const QString& path, const std::vector<int16_t>& samples, int sampleRate) {
  const uint32_t dataBytes = uint32_t(samples.size() * 2);
  QByteArray b;
  b.append("RIFF");
  Put32(b, 36 + dataBytes);
  b.append("WAVEfmt ");
  Put32(b, 16);  // size of the format chunk
  Put16(b, 1);   // PCM
  Put16(b, 1);   // mono
  Put32(b, uint32_t(sampleRate));
  Put32(b, uint32_t(sampleRate) * 2);  // bytes per second
  Put16(b, 2);                         // bytes per frame
  Put16(b, 16);                        // bits per sample
  b.append("data");
  Put32(b, dataBytes);
  for (int16_t s : samples) Put16(b, uint16_t(s));
  QFile f(path);
  return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(b) == b.size();
}

}  // namespace media

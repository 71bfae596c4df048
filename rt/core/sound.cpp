// Sounds: the WAV header gives the duration, and the duration alone decides
// IsPlaying, on the runtime's clock. Qt 6.4's QSoundEffect reports playing
// for ever where there is no audio device, so it only makes the noise, in
// real time, from the sound plugin (rt/plugins/sound.h) loaded at the first
// Play; on the simulated clock QtMultimedia is never touched.
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <functional>
#include <optional>

#include "rt/core/clock.h"
#include "rt/media.h"
#include "rt/plugins/loader.h"
#include "rt/plugins/sound.h"

namespace rt {

namespace {

uint32_t U32(const char* p) {
  const auto* b = reinterpret_cast<const unsigned char*>(p);
  return b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<uint32_t>(b[3]) << 24);
}
uint16_t U16(const char* p) {
  const auto* b = reinterpret_cast<const unsigned char*>(p);
  return static_cast<uint16_t>(b[0] | (b[1] << 8));
}

// The duration of a PCM WAV file in milliseconds, rounded up; nothing when
// the file is not one: RIFF/WAVE, a PCM "fmt " chunk and a "data" chunk.
// A data chunk that claims more than the file holds counts what is there.
std::optional<int64_t> WavDurationMs(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const int64_t fileSize = file.size();
  char riff[12];
  if (file.read(riff, 12) != 12) return std::nullopt;
  if (std::memcmp(riff, "RIFF", 4) != 0 || std::memcmp(riff + 8, "WAVE", 4) != 0) {
    return std::nullopt;
  }
  std::optional<uint32_t> blockAlign, sampleRate;
  std::optional<int64_t> dataBytes;
  int64_t pos = 12;
  while (pos + 8 <= fileSize && !(blockAlign && dataBytes)) {
    char header[8];
    if (!file.seek(pos) || file.read(header, 8) != 8) break;
    const int64_t size = U32(header + 4);
    const int64_t body = pos + 8;
    if (std::memcmp(header, "fmt ", 4) == 0) {
      if (size < 16) return std::nullopt;
      std::array<char, 40> fmt{};
      const int64_t want = std::min<int64_t>(size, fmt.size());
      if (file.read(fmt.data(), want) != want) return std::nullopt;
      uint16_t format = U16(fmt.data());
      const uint16_t channels = U16(fmt.data() + 2);
      const uint32_t rate = U32(fmt.data() + 4);
      const uint16_t bits = U16(fmt.data() + 14);
      // WAVE_FORMAT_EXTENSIBLE names its format in the sub-format GUID.
      if (format == 0xFFFE && want >= 26) format = U16(fmt.data() + 24);
      if (format != 1 || channels == 0 || channels > 8 || rate == 0 || rate > 768000 ||
          (bits != 8 && bits != 16 && bits != 24 && bits != 32)) {
        return std::nullopt;
      }
      blockAlign = channels * (bits / 8u);
      sampleRate = rate;
    } else if (std::memcmp(header, "data", 4) == 0) {
      dataBytes = std::min<int64_t>(size, std::max<int64_t>(0, fileSize - body));
    }
    pos = body + size + (size & 1);  // chunks are padded to an even size
  }
  if (!blockAlign || !dataBytes) return std::nullopt;
  const int64_t frames = *dataBytes / *blockAlign;
  return (frames * 1000 + *sampleRate - 1) / *sampleRate;
}

// The sound output, loaded on first need; nullptr where the plugin is
// missing or broken (reported once), and the sounds are silent.
const RtSoundOutput* Output() {
  static const RtSoundOutput* output = []() -> const RtSoundOutput* {
    const auto* found = static_cast<const RtSoundOutput*>(
        core::PluginEntry(core::kSoundPluginFile, core::kSoundPluginEntry));
    if (found && found->version != core::kSoundOutputVersion) {
      std::fprintf(stderr, "Jolvane: %s is of another version\n", core::kSoundPluginFile);
      return nullptr;
    }
    return found;
  }();
  return output;
}

}  // namespace

struct Sound::Impl {
  void* player = nullptr;  // real time only, made at the first Play
  bool opened = false;
  clock::EventId end = 0;
  int64_t startMs = 0;
  bool playing = false;
};

Sound::Sound() : impl_(std::make_unique<Impl>()) {}

Sound::~Sound() {
  clock::Cancel(impl_->end);
  if (impl_->player) Output()->close(impl_->player);
}

void Sound::Play() {
  clock::Cancel(impl_->end);
  // The first Play in real time loads the sound output and the sound: the
  // duration counts from when the noise can start, after that.
  if (!clock::Simulated() && !impl_->opened) {
    impl_->opened = true;
    if (const RtSoundOutput* output = Output()) impl_->player = output->open(source_.c_str());
  }
  impl_->startMs = clock::NowMs();
  impl_->playing = true;
  // The end is a due event: on the simulated clock a wait moves straight to
  // it; in real time a wait wakes up for it. A sound cut at the bound is
  // silenced there.
  std::function<void()> cut;
  if (durationMs_ > kLongestPlayMs) cut = [this] { Stop(); };
  impl_->end = clock::Schedule(impl_->startMs + PlayedMs(), clock::NextArmOrder(), std::move(cut));
  if (impl_->player) Output()->play(impl_->player);
}

void Sound::Stop() {
  clock::Cancel(impl_->end);
  impl_->end = 0;
  impl_->playing = false;
  if (impl_->player) Output()->stop(impl_->player);
}

bool Sound::IsPlaying() const {
  return impl_->playing && clock::NowMs() < impl_->startMs + PlayedMs();
}

int64_t Sound::PlayedMs() const {
  return std::min(durationMs_, kLongestPlayMs);
}

Ref<Sound> FolderItem::OpenAsSound() const {
  const QString path = QString::fromStdString(NativePath());
  if (!QFileInfo(path).isFile()) return nullptr;
  const std::optional<int64_t> duration = WavDurationMs(path);
  if (!duration) return nullptr;
  auto sound = RuntimeNewObject<Sound>();
  sound->source_ = NativePath();
  sound->durationMs_ = *duration;
  return sound;
}

}  // namespace rt

// The sound plugin (rt/plugins/sound.h): QSoundEffect makes the noise. Built as
// a module of its own, not part of the rt library.
#include <QSoundEffect>
#include <QString>
#include <QUrl>

#include "rt/plugins/sound.h"

namespace {

void* Open(const char* utf8Path) {
  auto* effect = new QSoundEffect;
  effect->setSource(QUrl::fromLocalFile(QString::fromUtf8(utf8Path)));
  return effect;
}

void Play(void* player) {
  auto* effect = static_cast<QSoundEffect*>(player);
  effect->stop();
  effect->play();
}

void Stop(void* player) {
  static_cast<QSoundEffect*>(player)->stop();
}

void Close(void* player) {
  delete static_cast<QSoundEffect*>(player);
}

const RtSoundOutput kOutput{rt::core::kSoundOutputVersion, Open, Play, Stop, Close};

}  // namespace

extern "C" __attribute__((visibility("default"))) void* rt_sound_output() {
  return const_cast<RtSoundOutput*>(&kOutput);
}

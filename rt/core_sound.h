// Between rt's sounds and the plugin that makes their noise. Qt Multimedia
// and the audio libraries under it (a dozen of the program's seventy) cost
// every start a few milliseconds of mapping and relocation, for a sound the
// player may not hear for a while. They live in a plugin, loaded at the
// first Play.
// The program never includes this file.
#pragma once

extern "C" {

// A sound output: open makes a player of a WAV file (nullptr when it
// cannot), play starts it from its beginning, stop ends it, close frees it.
struct RtSoundOutput {
  int version;
  void* (*open)(const char* utf8Path);
  void (*play)(void* player);
  void (*stop)(void* player);
  void (*close)(void* player);
};

// The plugin's one entry.
const RtSoundOutput* rt_sound_output();

}  // extern "C"

namespace rt::core {

inline constexpr int kSoundOutputVersion = 1;
// The plugin's file, in "plugins" beside the folder that holds the
// executable (as "Resources" is).
inline constexpr char kSoundPluginFile[] = "librt_sound.so";

}  // namespace rt::core

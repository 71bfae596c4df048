// Between rt's sounds and the plugin that makes their noise on Qt
// Multimedia (rt/plugins/sound.cpp), loaded at the first Play: see
// rt/plugins/loader.h.
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

// The plugin's one entry: its RtSoundOutput.
void* rt_sound_output();

}  // extern "C"

namespace rt::core {

inline constexpr int kSoundOutputVersion = 1;
// The plugin's file and entry (rt/plugins/loader.h).
inline constexpr char kSoundPluginFile[] = "librt_sound.so";
inline constexpr char kSoundPluginEntry[] = "rt_sound_output";

}  // namespace rt::core

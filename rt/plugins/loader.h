// rt's own plugins: parts of the runtime that need a large Qt module (Qt
// Multimedia for sounds, Qt Network for HTTP) live in modules of their own,
// loaded at their first use, so that a start of the program does not map
// and relocate those libraries and the dozen under them. The program never
// includes this file.
#pragma once

namespace rt::core {

// The entry `symbol` of the plugin `file` in "plugins" beside the folder
// that holds the executable (as "Resources" is), called once; nullptr where
// the plugin is missing or has no such entry, which is reported once on
// standard error.
void* PluginEntry(const char* file, const char* symbol);

}  // namespace rt::core

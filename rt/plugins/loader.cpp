// Finds and opens rt's plugins (rt/plugins/loader.h).
#include <dlfcn.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

#include "rt/plugins/loader.h"

namespace rt::core {

void* PluginEntry(const char* file, const char* symbol) {
  const QString dir = QCoreApplication::instance()
                          ? QCoreApplication::applicationDirPath()
                          : QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
  const QString path = QDir::cleanPath(dir + QStringLiteral("/../plugins/") + QLatin1String(file));
  void* library = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
  if (!library) {
    std::fprintf(stderr, "Jolvane: cannot load %s: %s\n", file, dlerror());
    return nullptr;
  }
  using Entry = void* (*)();
  auto entry = reinterpret_cast<Entry>(dlsym(library, symbol));
  if (!entry) {
    std::fprintf(stderr, "Jolvane: %s has no entry %s\n", file, symbol);
    return nullptr;
  }
  return entry();
}

}  // namespace rt::core

// Writes the game's twelve pictures and four sounds into <source>/resources and
// its icon into <source>/data/icons/hicolor, all drawn and synthesised here.
//
//   media_generator <source dir> [--sheet <review.png>]
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImageWriter>

#include <cstdio>
#include <functional>
#include <vector>

#include "contact_sheet.h"
#include "handle.h"
#include "icon.h"
#include "media_files.h"
#include "paint_kit.h"
#include "sounds.h"
#include "symbols.h"
#include "synth.h"
#include "wav_file.h"

namespace {

using namespace media;

constexpr int kJpegQuality = 92;  // high enough that outlines stay clean on white

struct PictureFile {
  const char* name;
  QSize size;
  Painting paint;
};

struct SoundFile {
  const char* name;
  std::function<std::vector<int16_t>()> make;
};

bool Fail(const QString& what) {
  std::fprintf(stderr, "media_generator: %s\n", qPrintable(what));
  return false;
}

bool WriteJpeg(const QString& path, const QImage& image) {
  QImageWriter writer(path, "jpeg");
  writer.setQuality(kJpegQuality);
  return writer.write(image) || Fail(path + ": " + writer.errorString());
}

bool WritePictures(const QString& dir) {
  const PictureFile pictures[] = {
      {"7.jpg", kCellSize, PaintSeven},
      {"Ball.jpg", kCellSize, PaintBall},
      {"Box.jpg", kCellSize, PaintBox},
      {"Check.jpg", kCellSize, PaintCheck},
      {"Hand.jpg", kCellSize, PaintHand},
      {"Jack.jpg", kCellSize, PaintJack},
      {"Point.jpg", kCellSize, PaintPoint},
      {"Rossette.jpg", kCellSize, PaintRosette},
      {"Star.jpg", kCellSize, PaintStar},
      {"Triangle.jpg", kCellSize, PaintTriangle},
      {"HandleDown-1.jpg", kHandleSize, PaintHandleDown},
      {"HandleUp-1.jpg", kHandleSize, PaintHandleUp},
  };
  for (const PictureFile& f : pictures) {
    if (!WriteJpeg(dir + "/" + f.name, RenderOnWhite(f.size, f.paint))) return false;
  }
  return true;
}

bool WriteSounds(const QString& dir) {
  const SoundFile sounds[] = {{"click.wav", ClickSound},
                              {"smallwin.wav", SmallWinSound},
                              {"medwin.wav", MedWinSound},
                              {"jackpot.wav", JackpotSound}};
  for (const SoundFile& s : sounds) {
    const std::vector<int16_t> samples = s.make();
    const QString path = dir + "/" + s.name;
    if (!WriteWav(path, samples, kSampleRate)) return Fail(path + ": cannot write");
    std::printf("%s: %.3f s\n", s.name, double(samples.size()) / kSampleRate);
  }
  return true;
}

bool WriteIcons(const QString& hicolor) {
  for (int size : kIconSizes) {
    const QString folder = QString("%1/%2x%2/apps").arg(hicolor).arg(size);
    if (!QDir().mkpath(folder)) return Fail(folder + ": cannot create");
    if (!RenderIcon(size).save(folder + "/jolvane.png", "png")) {
      return Fail(folder + "/jolvane.png: cannot write");
    }
  }
  const QString folder = hicolor + "/scalable/apps";
  QFile svg(folder + "/jolvane.svg");
  if (!QDir().mkpath(folder) || !svg.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    return Fail(svg.fileName() + ": cannot write");
  }
  svg.write(IconSvg().toUtf8());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);  // the JPEG writer is a plugin
  const QStringList args = app.arguments();
  if (args.size() != 2 && !(args.size() == 4 && args[2] == "--sheet")) {
    std::fprintf(stderr, "usage: media_generator <source dir> [--sheet <review.png>]\n");
    return 2;
  }
  const QString source = args[1];
  const QString resources = source + "/resources";
  const bool written = (QDir().mkpath(resources) || Fail(resources + ": cannot create")) &&
                       WritePictures(resources) && WriteSounds(resources) &&
                       WriteIcons(source + "/data/icons/hicolor") &&
                       (args.size() == 2 || ContactSheet(source).save(args[3], "png") ||
                        Fail(args[3] + ": cannot write"));
  return written ? 0 : 1;
}

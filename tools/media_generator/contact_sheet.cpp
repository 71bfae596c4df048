#include "contact_sheet.h"

#include <QPainter>

#include <algorithm>

#include "media_files.h"

namespace media {
namespace {

constexpr int kZoom = 3;
constexpr int kGap = 12;

QImage Zoomed(const QImage& image, int zoom) {
  return image.scaled(image.size() * zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// The machine face of the game window with the pictures in their places.
QImage WindowFace(const QString& dir, const char* const middle[3]) {
  QImage face(453, 567, QImage::Format_RGB32);
  face.fill(Qt::white);
  QPainter p(&face);
  auto rect = [&p](QRect r, int border, QColor fill) {
    p.fillRect(r, Qt::black);
    p.fillRect(r.adjusted(border, border, -border, -border), fill);
  };
  rect(QRect(68, 100, 283, 344), 5, Qt::white);
  rect(QRect(86, 207, 245, 74), 1, QColor(1, 1, 1));
  for (QRect r : {QRect(90, 142, 74, 65), QRect(172, 142, 74, 65), QRect(253, 142, 74, 65),
                  QRect(90, 280, 74, 65), QRect(172, 280, 74, 65), QRect(254, 280, 74, 65)}) {
    rect(r, 1, Qt::white);
  }
  const char* const top[3] = {"Star.jpg", "Ball.jpg", "Jack.jpg"};
  const char* const bottom[3] = {"Hand.jpg", "Rossette.jpg", "Box.jpg"};
  const int xs[3] = {92, 174, 255};
  for (int i = 0; i < 3; ++i) {
    p.drawImage(xs[i], 144, QImage(dir + "/resources/" + top[i]));
    p.drawImage(xs[i], 212, QImage(dir + "/resources/" + middle[i]));
    p.drawImage(xs[i] + (i == 2 ? 1 : 0), 280, QImage(dir + "/resources/" + bottom[i]));
  }
  p.drawImage(351, 117, QImage(dir + "/resources/HandleUp-1.jpg"));
  return face;
}

}  // namespace

QImage ContactSheet(const QString& dir) {
  const QSize cell = QSize(70, 63) * kZoom;
  const QSize handle = QSize(43, 150) * kZoom;
  const int symbolsWidth = 5 * (cell.width() + kGap);
  const int width = symbolsWidth + 2 * (handle.width() + kGap) + kGap;
  const int height =
      kGap + std::max(2 * (cell.height() + kGap), handle.height() + kGap) + 567 + kGap;
  QImage sheet(width, height, QImage::Format_RGB32);
  sheet.fill(QColor(150, 150, 160));
  QPainter p(&sheet);

  const auto& symbols = kSymbolFiles;
  for (size_t i = 0; i < symbols.size(); ++i) {
    const QImage image(dir + "/resources/" + symbols[i]);
    p.drawImage(kGap + int(i % 5) * (cell.width() + kGap),
                kGap + int(i / 5) * (cell.height() + kGap), Zoomed(image, kZoom));
  }
  p.drawImage(symbolsWidth + kGap, kGap, Zoomed(QImage(dir + "/resources/HandleUp-1.jpg"), kZoom));
  p.drawImage(symbolsWidth + 2 * kGap + handle.width(), kGap,
              Zoomed(QImage(dir + "/resources/HandleDown-1.jpg"), kZoom));

  int y = kGap + std::max(2 * (cell.height() + kGap), handle.height() + kGap);
  const char* const lose[3] = {"Check.jpg", "7.jpg", "Point.jpg"};
  const char* const win[3] = {"7.jpg", "Triangle.jpg", "7.jpg"};
  p.drawImage(kGap, y, WindowFace(dir, lose));
  p.drawImage(2 * kGap + 453, y, WindowFace(dir, win));

  // Icons on a checkerboard, so their transparency shows.
  int x = 3 * kGap + 2 * 453;
  for (int size : kIconSizes) {
    const QImage icon(dir + QString("/data/icons/hicolor/%1x%1/apps/jolvane.png").arg(size));
    const QImage shown = size <= 32 ? Zoomed(icon, 4) : icon;
    if (x + shown.width() > width) {
      x = 3 * kGap + 2 * 453;
      y += 256 + kGap;
    }
    for (int cy = 0; cy < shown.height(); cy += 8) {
      for (int cx = 0; cx < shown.width(); cx += 8) {
        p.fillRect(x + cx, y + cy, 8, 8,
                   ((cx + cy) / 8) % 2 ? QColor(255, 255, 255) : QColor(220, 220, 225));
      }
    }
    p.drawImage(x, y, shown);
    x += shown.width() + kGap;
  }
  return sheet;
}

}  // namespace media

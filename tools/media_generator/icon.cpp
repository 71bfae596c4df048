#include "icon.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QTransform>

#include <algorithm>

#include "paint_kit.h"
#include "symbols.h"
#include "vector_scene.h"

namespace media {
namespace {

QPainterPath Rounded(const QRectF& r, qreal radius) {
  QPainterPath path;
  path.addRoundedRect(r, radius, radius);
  return path;
}

QPainterPath Circle(QPointF c, qreal r) {
  QPainterPath path;
  path.addEllipse(c, r, r);
  return path;
}

// Outlines keep at least `minPixels` at small sizes, or they vanish.
QPen Line(const QColor& c, qreal units, int pixels, qreal minPixels = 1) {
  const qreal width = std::max(units, minPixels * kIconDesign / pixels);
  return QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

Scene IconScene(int pixels) {
  const QColor ink(15, 20, 60);
  Scene scene;

  // The handle behind the cabinet's right side.
  QLinearGradient chrome(222, 0, 238, 0);
  chrome.setColorAt(0, QColor(90, 96, 108));
  chrome.setColorAt(0.35, QColor(245, 248, 252));
  chrome.setColorAt(1, QColor(70, 74, 84));
  scene.push_back({Rounded(QRectF(196, 150, 38, 18), 6), QBrush(chrome), Line(ink, 4, pixels)});
  scene.push_back({Rounded(QRectF(222, 62, 16, 104), 6), QBrush(chrome), Line(ink, 4, pixels)});
  QRadialGradient knob(QPointF(230, 50), 19, QPointF(223, 42));
  knob.setColorAt(0, QColor(255, 200, 190));
  knob.setColorAt(0.3, QColor(250, 50, 40));
  knob.setColorAt(1, QColor(150, 0, 10));
  scene.push_back({Circle(QPointF(230, 50), 19), QBrush(knob), Line(ink, 4, pixels)});

  // The cabinet, a marquee strip and the reel window.
  scene.push_back({Rounded(QRectF(12, 20, 196, 218), 30),
                   QBrush(Vertical(20, 238, QColor(70, 105, 235), QColor(20, 35, 135))),
                   Line(ink, 6, pixels)});
  scene.push_back({Rounded(QRectF(40, 34, 140, 22), 11),
                   QBrush(Vertical(34, 56, QColor(255, 235, 110), QColor(240, 165, 0))),
                   Line(ink, 3, pixels, 0)});
  QLinearGradient reel(0, 68, 0, 220);
  reel.setColorAt(0, QColor(185, 190, 200));
  reel.setColorAt(0.25, QColor(255, 255, 255));
  reel.setColorAt(0.75, QColor(255, 255, 255));
  reel.setColorAt(1, QColor(185, 190, 200));
  scene.push_back({Rounded(QRectF(32, 68, 156, 150), 16), QBrush(reel), Line(ink, 5, pixels)});

  // The seven, scaled from the reel symbol into the window.
  QTransform fit;
  fit.translate(110, 143);
  fit.scale(2.3, 2.3);
  fit.translate(-35, -31.5);
  const QPainterPath seven = fit.map(SevenShape());
  const QRectF box = seven.boundingRect();
  QLinearGradient red(0, box.top(), 0, box.bottom());
  red.setColorAt(0, QColor(255, 80, 60));
  red.setColorAt(0.45, QColor(230, 10, 20));
  red.setColorAt(1, QColor(160, 0, 10));
  if (pixels >= 32) {
    scene.push_back({seven, Qt::NoBrush, Line(QColor(255, 190, 0), 18, pixels)});
  }
  scene.push_back({seven, QBrush(red), Line(QColor(60, 0, 0), 7, pixels)});
  QPainterPath glint;
  glint.addRect(
      QRectF(box.left(), box.top() + 0.07 * box.height(), box.width(), 0.06 * box.height()));
  if (pixels >= 48) scene.push_back({seven.intersected(glint), QColor(255, 255, 255, 110)});
  return scene;
}

}  // namespace

QImage RenderIcon(int pixels) {
  QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(qreal(pixels) / kIconDesign, qreal(pixels) / kIconDesign);
  PaintScene(p, IconScene(pixels));
  p.end();
  return image;
}

QString IconSvg() {
  return SceneToSvg(IconScene(kIconDesign), QSizeF(kIconDesign, kIconDesign));
}

}  // namespace media

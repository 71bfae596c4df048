#include "handle.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

#include "paint_kit.h"

namespace media {
namespace {

const QPointF kPivot(22, 104);

QLinearGradient Chrome(qreal left, qreal right) {
  QLinearGradient g(left, 0, right, 0);
  g.setColorAt(0, QColor(95, 100, 110));
  g.setColorAt(0.3, QColor(245, 248, 252));
  g.setColorAt(0.55, QColor(170, 176, 186));
  g.setColorAt(1, QColor(70, 74, 82));
  return g;
}

// The bracket bolted to the machine's side, and the hub the lever turns on.
void PaintMount(QPainter& p) {
  QPainterPath plate;
  plate.addRoundedRect(QRectF(0.5, kPivot.y() - 22, 12, 50), 3, 3);
  FillOutlined(p, plate, Chrome(0, 13), QColor(40, 42, 48), 1.2);
  QPainterPath arm;
  arm.addRect(QRectF(8, kPivot.y() - 6, kPivot.x() - 8, 12));
  FillOutlined(p, arm,
               Vertical(kPivot.y() - 6, kPivot.y() + 6, QColor(225, 228, 235), QColor(80, 84, 92)),
               QColor(40, 42, 48), 1.2);
  for (qreal y : {kPivot.y() - 16, kPivot.y() + 22}) {
    p.setPen(QPen(QColor(40, 42, 48), 1));
    p.setBrush(QColor(150, 154, 162));
    p.drawEllipse(QPointF(6.5, y), 2, 2);
  }
  QRadialGradient hub(kPivot, 12, kPivot - QPointF(4, 4));
  hub.setColorAt(0, QColor(255, 255, 255));
  hub.setColorAt(0.5, QColor(165, 170, 180));
  hub.setColorAt(1, QColor(60, 64, 72));
  QPainterPath disc;
  disc.addEllipse(kPivot, 11, 11);
  FillOutlined(p, disc, hub, QColor(35, 37, 42), 1.3);
  p.setPen(QPen(QColor(60, 64, 72), 1));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(kPivot, 5, 5);
}

void PaintShaft(QPainter& p, QPointF from, QPointF to, qreal width) {
  QPainterPath shaft;
  shaft.addRect(
      QRectF(from.x() - width / 2, std::min(from.y(), to.y()), width, std::abs(to.y() - from.y())));
  FillOutlined(p, shaft, Chrome(from.x() - width / 2, from.x() + width / 2), QColor(45, 48, 55), 1);
}

void PaintKnob(QPainter& p, QPointF c, qreal r) {
  QRadialGradient red(c, r, c - QPointF(0.4 * r, 0.45 * r));
  red.setColorAt(0, QColor(255, 200, 190));
  red.setColorAt(0.25, QColor(250, 50, 40));
  red.setColorAt(0.8, QColor(190, 0, 10));
  red.setColorAt(1, QColor(110, 0, 0));
  QPainterPath ball;
  ball.addEllipse(c, r, r);
  FillOutlined(p, ball, red, QColor(70, 0, 0), 1.3);
}

}  // namespace

void PaintHandleUp(QPainter& p) {
  PaintMount(p);
  PaintShaft(p, kPivot, QPointF(kPivot.x(), 18), 7);
  // The collar where the shaft leaves the hub.
  QPainterPath collar;
  collar.addRoundedRect(QRectF(kPivot.x() - 5.5, kPivot.y() - 19, 11, 8), 2, 2);
  FillOutlined(p, collar, Chrome(kPivot.x() - 5.5, kPivot.x() + 5.5), QColor(45, 48, 55), 1);
  PaintKnob(p, QPointF(kPivot.x(), 16), 12);
}

void PaintHandleDown(QPainter& p) {
  PaintMount(p);
  // Swung down towards the player: a short, thick stub and a nearer, larger knob.
  PaintShaft(p, kPivot, QPointF(kPivot.x(), kPivot.y() + 18), 9);
  PaintKnob(p, QPointF(kPivot.x(), kPivot.y() + 23), 13.5);
}

}  // namespace media

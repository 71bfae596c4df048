// Symbols that depict things: the gift box, open hand, pointing hand, rosette and jack.
#include <QLinearGradient>
#include <QRadialGradient>
#include <QTransform>

#include <cmath>
#include <numbers>

#include "paint_kit.h"
#include "symbols.h"

namespace media {
namespace {

const QColor kSkinLine(125, 60, 20);

QLinearGradient Skin(qreal top, qreal bottom) {
  return Vertical(top, bottom, QColor(255, 214, 170), QColor(236, 160, 105));
}

// A ribbon from a to b, its far end cut in a V.
QPainterPath RibbonTail(QPointF a, QPointF b, qreal width, qreal notch) {
  const QPointF d = b - a;
  const qreal len = std::hypot(d.x(), d.y());
  const QPointF u = d / len;
  const QPointF n(-u.y() * width / 2, u.x() * width / 2);
  return Polygon({a - n, a + n, b + n, b - u * notch, b - n});
}

QPainterPath Heart(QPointF c, qreal s) {
  QPainterPath h(QPointF(c.x(), c.y() + s));
  h.cubicTo(c.x() - 1.5 * s, c.y() + 0.1 * s, c.x() - 1.1 * s, c.y() - 1.2 * s, c.x(),
            c.y() - 0.45 * s);
  h.cubicTo(c.x() + 1.1 * s, c.y() - 1.2 * s, c.x() + 1.5 * s, c.y() + 0.1 * s, c.x(), c.y() + s);
  h.closeSubpath();
  return h;
}

// A spade: an upturned heart on a flared stem.
QPainterPath Spade(QPointF c, qreal s) {
  QTransform flip;
  flip.translate(c.x(), c.y());
  flip.scale(1, -1);
  flip.translate(-c.x(), -c.y());
  QPainterPath spade = flip.map(Heart(c, s));
  spade.addPath(Polygon(
      {c + QPointF(0, 0.2 * s), c + QPointF(-0.6 * s, 1.5 * s), c + QPointF(0.6 * s, 1.5 * s)}));
  return spade.simplified();
}

}  // namespace

void PaintBox(QPainter& p) {
  const QColor line(90, 0, 55);
  const QColor ribbon(255, 205, 30), ribbonLine(160, 100, 0);
  QPainterPath body;
  body.addRect(QRectF(13, 30, 44, 29));
  FillOutlined(p, body, Vertical(30, 59, QColor(235, 50, 160), QColor(165, 0, 105)), line, 1.5);
  QPainterPath lid;
  lid.addRect(QRectF(9, 22, 52, 10));
  FillOutlined(p, lid, Vertical(22, 32, QColor(250, 100, 190), QColor(205, 20, 135)), line, 1.5);
  QPainterPath band;
  band.addRect(QRectF(30.5, 22, 9, 37));
  FillOutlined(p, band, Vertical(22, 59, ribbon, QColor(235, 160, 0)), ribbonLine, 1.2);

  // The bow: two loops and a knot over the lid.
  for (int side : {-1, 1}) {
    QPainterPath loop;
    loop.addEllipse(QPointF(0, 0), 10, 6);
    QTransform t;
    t.translate(35 + side * 9.5, 14.5);
    t.rotate(side * 25);
    const QPainterPath placed = t.map(loop);
    FillOutlined(p, placed, ribbon, ribbonLine, 1.3);
    QPainterPath hole;
    hole.addEllipse(QPointF(side * 1.5, 0), 5, 2.4);
    FillOutlined(p, t.map(hole), QColor(230, 150, 0), ribbonLine, 0.8);
  }
  QPainterPath knot;
  knot.addEllipse(QPointF(35, 19), 4.5, 4);
  FillOutlined(p, knot, QColor(255, 190, 20), ribbonLine, 1.2);
}

void PaintHand(QPainter& p) {
  // Fingers fan out from the palm, so they merge at the knuckles and part at the tips.
  struct Finger {
    QPointF base;
    qreal angle, length, radius;
  };
  const Finger fingers[] = {{{24.5, 31}, -15, 18.5, 3.9},
                            {{31, 30}, -4, 21.5, 4.0},
                            {{37.5, 31}, 7, 20, 3.9},
                            {{43.5, 34}, 19, 16, 3.6}};
  QPainterPath hand;
  hand.addRoundedRect(QRectF(19, 27, 30, 32), 11, 11);
  for (const Finger& f : fingers) {
    const qreal a = f.angle * std::numbers::pi / 180;
    const QPointF tip = f.base + f.length * QPointF(std::sin(a), -std::cos(a));
    hand = hand.united(Capsule(f.base, tip, f.radius));
  }
  hand = hand.united(Capsule(QPointF(23, 46), QPointF(9.5, 31), 4.4));
  FillOutlined(p, hand, Skin(4, 60), kSkinLine, 2);

  // Creases where the fingers meet the palm, and one round the thumb's root.
  p.setPen(QPen(QColor(150, 80, 40, 170), 1.1, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  for (qreal x : {28.0, 34.5, 41.0}) p.drawLine(QPointF(x, 24), QPointF(x, 30));
  QPainterPath palm(QPointF(27, 54));
  palm.quadTo(24, 45, 30, 38);
  p.drawPath(palm);
}

void PaintPoint(QPainter& p) {
  QPainterPath cuff;
  cuff.addRoundedRect(QRectF(4, 22, 11, 31), 2.5, 2.5);
  FillOutlined(p, cuff, Vertical(22, 53, QColor(70, 130, 240), QColor(20, 60, 170)),
               QColor(10, 30, 90), 1.6);

  QPainterPath fist;
  fist.addRoundedRect(QRectF(13, 22, 26, 31), 9, 9);
  fist = fist.united(Capsule(QPointF(30, 28), QPointF(61, 28), 4.6));
  FillOutlined(p, fist, Skin(20, 56), kSkinLine, 2);

  // The curled fingers, seen end on, one below the other.
  const qreal rows[][3] = {{37, 43.5, 4.0}, {44, 41.5, 3.8}, {50.3, 38.5, 3.5}};
  for (const auto& r : rows) {
    FillOutlined(p, Capsule(QPointF(27, r[0]), QPointF(r[1], r[0]), r[2]), Skin(r[0] - 4, r[0] + 4),
                 kSkinLine, 1.6);
  }
  // The thumb lies along the fist under the pointing finger.
  FillOutlined(p, Capsule(QPointF(18, 33.5), QPointF(35, 33), 3.3), Skin(29, 37), kSkinLine, 1.5);
  p.setPen(QPen(QColor(150, 80, 40, 170), 1.1, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(55, 25.5), QPointF(55, 30.5));
}

void PaintRosette(QPainter& p) {
  const QPointF c(35, 24);
  const QColor line(0, 70, 80);
  for (qreal dx : {-1.0, 1.0}) {
    FillOutlined(p, RibbonTail(c + QPointF(dx * 4, 6), c + QPointF(dx * 14, 35), 11, 5),
                 Vertical(30, 59, QColor(0, 175, 185), QColor(0, 115, 130)), line, 1.4);
  }

  // A pleated ring: a disc with a scalloped edge.
  QPainterPath ring;
  ring.addEllipse(c, 16.5, 16.5);
  const int scallops = 14;
  for (int i = 0; i < scallops; ++i) {
    const qreal a = 2 * std::numbers::pi * i / scallops;
    QPainterPath bump;
    bump.addEllipse(c + 16 * QPointF(std::cos(a), std::sin(a)), 4.6, 4.6);
    ring = ring.united(bump);
  }
  QRadialGradient teal(c, 21);
  teal.setColorAt(0.5, QColor(40, 215, 215));
  teal.setColorAt(1, QColor(0, 140, 155));
  FillOutlined(p, ring, teal, line, 1.4);
  p.setPen(QPen(QColor(0, 110, 120), 1));
  for (int i = 0; i < 2 * scallops; ++i) {
    const qreal a = std::numbers::pi * i / scallops;
    const QPointF u(std::cos(a), std::sin(a));
    p.drawLine(c + 12 * u, c + 18.5 * u);
  }

  QPainterPath medal;
  medal.addEllipse(c, 11, 11);
  QRadialGradient gold(c, 11, c - QPointF(4, 4));
  gold.setColorAt(0, QColor(255, 245, 150));
  gold.setColorAt(0.6, QColor(255, 200, 30));
  gold.setColorAt(1, QColor(215, 140, 0));
  FillOutlined(p, medal, gold, QColor(140, 80, 0), 1.4);
  p.setPen(QPen(QColor(190, 120, 0), 1));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(c, 7.5, 7.5);
}

void PaintJack(QPainter& p) {
  const QRectF card(15.5, 4.5, 39, 54);
  QPainterPath outline;
  outline.addRoundedRect(card, 4.5, 4.5);
  FillOutlined(p, outline, QColor(255, 252, 238), QColor(25, 25, 45), 1.6);
  p.setPen(QPen(QColor(30, 80, 210), 1.4));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(card.adjusted(3.5, 3.5, -3.5, -3.5), 2, 2);

  // The J: a bold stem hooking left, with a bar on top.
  const QColor ink(20, 35, 140);
  QPainterPath j(QPointF(39.5, 14.5));
  j.lineTo(39.5, 38);
  j.cubicTo(39.5, 49.5, 25.5, 50, 25, 39.5);
  p.setPen(QPen(ink, 6.5, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
  p.drawPath(j);
  p.setPen(QPen(ink, 3.5, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(QPointF(32, 15), QPointF(46.5, 15));

  p.setPen(Qt::NoPen);
  p.setBrush(QColor(20, 20, 20));
  p.drawPath(Spade(QPointF(23.5, 12.5), 3.3));
  QTransform half;
  half.rotate(180);
  p.drawPath(half.map(Spade(QPointF(-46.5, -50.5), 3.3)));
}

}  // namespace media

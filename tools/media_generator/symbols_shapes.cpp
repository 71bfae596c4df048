// Symbols built from plain geometry: the seven, ball, check mark, star and triangle.
#include "paint_kit.h"
#include "symbols.h"

#include <QLinearGradient>
#include <QRadialGradient>

namespace media {

QPainterPath SevenShape() {
  QPainterPath p;
  p.moveTo(12, 8);
  p.lineTo(58, 8);
  p.lineTo(58, 18);
  // The stem leans left as it falls to a broad foot.
  p.cubicTo(50, 28, 44.5, 40.5, 43.5, 55);
  p.lineTo(26, 55);
  p.cubicTo(27, 41, 33.5, 30, 41.5, 20);
  p.lineTo(23, 20);
  p.lineTo(23, 24);
  p.lineTo(12, 27.5);
  p.closeSubpath();
  return p;
}

void PaintSevenGlyph(QPainter& p, const QPainterPath& seven, qreal outline) {
  const QRectF box = seven.boundingRect();
  QLinearGradient fill(0, box.top(), 0, box.bottom());
  fill.setColorAt(0, QColor(255, 80, 60));
  fill.setColorAt(0.45, QColor(230, 10, 20));
  fill.setColorAt(1, QColor(160, 0, 10));
  // A gold rim outside the dark outline sets the paying symbol apart from the rest.
  p.save();
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(255, 190, 0), 2.4 * outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(seven);
  p.restore();
  FillOutlined(p, seven, fill, QColor(60, 0, 0), outline);

  // A glint across the bar's top keeps the glyph from looking flat.
  p.save();
  p.setClipPath(seven);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 110));
  const qreal h = box.height();
  p.drawRect(QRectF(box.left(), box.top() + 0.07 * h, box.width(), 0.06 * h));
  p.restore();
}

void PaintSeven(QPainter& p) {
  PaintSevenGlyph(p, SevenShape(), 3);
}

void PaintBall(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(205, 205, 215));
  p.drawEllipse(QPointF(35, 57.5), 17, 2.5);

  QRadialGradient shade(QPointF(35, 30), 25, QPointF(27, 21));
  shade.setColorAt(0, QColor(190, 225, 255));
  shade.setColorAt(0.3, QColor(50, 130, 250));
  shade.setColorAt(0.85, QColor(10, 50, 200));
  shade.setColorAt(1, QColor(5, 30, 130));
  QPainterPath ball;
  ball.addEllipse(QPointF(35, 30), 25, 25);
  FillOutlined(p, ball, shade, QColor(5, 20, 90), 1.5);

  p.setBrush(QColor(255, 255, 255, 200));
  p.drawEllipse(QPointF(26, 20), 5, 3.5);
}

void PaintCheck(QPainter& p) {
  QPainterPath line(QPointF(13, 34));
  line.lineTo(28, 49);
  line.lineTo(57, 12);
  const QPainterPath mark = StrokeShape(line, 12);
  QLinearGradient fill(0, 6, 0, 56);
  fill.setColorAt(0, QColor(110, 235, 70));
  fill.setColorAt(1, QColor(0, 150, 40));
  FillOutlined(p, mark, fill, QColor(0, 70, 15), 2.5);
}

void PaintStar(QPainter& p) {
  const QPointF c(35, 34);
  const QPolygonF star = StarPoints(c, 29, 12, 5);
  // Each tip is two facets, lit from the upper left.
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 10; i += 2) {
    const QPointF tip = star[i];
    const QPointF before = star[(i + 9) % 10];
    const QPointF after = star[i + 1];
    p.setBrush(QColor(255, 230, 60));
    p.drawPolygon(QPolygonF{c, before, tip});
    p.setBrush(QColor(245, 165, 0));
    p.drawPolygon(QPolygonF{c, tip, after});
  }
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(140, 70, 0), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPolygon(star);
}

void PaintTriangle(QPainter& p) {
  const QPointF top(35, 6), left(7, 57), right(63, 57), c(35, 41);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 175, 40));
  p.drawPolygon(QPolygonF{top, left, c});
  p.setBrush(QColor(240, 115, 0));
  p.drawPolygon(QPolygonF{top, c, right});
  p.setBrush(QColor(205, 80, 0));
  p.drawPolygon(QPolygonF{left, right, c});
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(110, 20, 160), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPolygon(QPolygonF{top, left, right});
}

}  // namespace media

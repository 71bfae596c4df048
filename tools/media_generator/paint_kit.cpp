#include "paint_kit.h"

#include <QPainterPathStroker>

#include <cmath>
#include <numbers>

namespace media {

QImage RenderOnWhite(QSize size, const Painting& paint, QSizeF design) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  if (!design.isEmpty()) p.scale(size.width() / design.width(), size.height() / design.height());
  paint(p);
  return image;
}

QPainterPath Capsule(QPointF a, QPointF b, qreal radius) {
  QPainterPath line(a);
  line.lineTo(b);
  return StrokeShape(line, 2 * radius, Qt::RoundCap, Qt::RoundJoin);
}

QPainterPath StrokeShape(const QPainterPath& line, qreal width, Qt::PenCapStyle cap,
                         Qt::PenJoinStyle join) {
  QPainterPathStroker stroker;
  stroker.setWidth(width);
  stroker.setCapStyle(cap);
  stroker.setJoinStyle(join);
  // The stroker's raw outline overlaps itself at joins; a union cleans it for outlining.
  return stroker.createStroke(line).simplified();
}

void FillOutlined(QPainter& p, const QPainterPath& shape, const QBrush& fill, const QColor& line,
                  qreal width) {
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  p.drawPath(shape);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(line, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(shape);
  p.restore();
}

QPainterPath Polygon(std::initializer_list<QPointF> points) {
  QPainterPath path;
  path.addPolygon(QPolygonF(QList<QPointF>(points)));
  path.closeSubpath();
  return path;
}

QPolygonF StarPoints(QPointF centre, qreal outer, qreal inner, int points) {
  QPolygonF star;
  for (int i = 0; i < 2 * points; ++i) {
    const qreal angle = std::numbers::pi * i / points;
    const qreal r = i % 2 == 0 ? outer : inner;
    star << centre + QPointF(r * std::sin(angle), -r * std::cos(angle));
  }
  return star;
}

QLinearGradient Vertical(qreal top, qreal bottom, const QColor& a, const QColor& b) {
  QLinearGradient g(0, top, 0, bottom);
  g.setColorAt(0, a);
  g.setColorAt(1, b);
  return g;
}

}  // namespace media

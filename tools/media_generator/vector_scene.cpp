#include "vector_scene.h"

#include <QGradient>
#include <QRegularExpression>

namespace media {
namespace {

QString Num(qreal v) {
  return QString::number(v, 'f', 2).remove(QRegularExpression("\\.?0+$"));
}

QString ColourAttr(const QString& name, const QColor& c) {
  QString s = QString(" %1=\"%2\"").arg(name, c.name(QColor::HexRgb));
  if (c.alpha() != 255) s += QString(" %1-opacity=\"%2\"").arg(name, Num(c.alphaF()));
  return s;
}

QString PathData(const QPainterPath& path) {
  QString d;
  QPointF start, at;
  // A subpath that ends where it began is closed, so its outline joins there.
  auto close = [&] {
    if (!d.isEmpty() && at == start) d += "Z";
  };
  for (int i = 0; i < path.elementCount(); ++i) {
    const QPainterPath::Element e = path.elementAt(i);
    at = QPointF(e.x, e.y);
    switch (e.type) {
      case QPainterPath::MoveToElement:
        close();
        start = at;
        d += QString("M%1 %2").arg(Num(e.x), Num(e.y));
        break;
      case QPainterPath::LineToElement:
        d += QString("L%1 %2").arg(Num(e.x), Num(e.y));
        break;
      case QPainterPath::CurveToElement: {
        const QPainterPath::Element c2 = path.elementAt(i + 1);
        const QPainterPath::Element end = path.elementAt(i + 2);
        d += QString("C%1 %2 %3 %4 %5 %6")
                 .arg(Num(e.x), Num(e.y), Num(c2.x), Num(c2.y), Num(end.x), Num(end.y));
        at = QPointF(end.x, end.y);
        i += 2;
        break;
      }
      case QPainterPath::CurveToDataElement:
        break;
    }
  }
  close();
  return d;
}

// Writes the gradient's definition into `defs` and returns the fill attribute.
QString FillAttr(const QBrush& brush, int index, QString& defs) {
  const QGradient* g = brush.gradient();
  if (!g) {
    if (brush.style() == Qt::NoBrush) return " fill=\"none\"";
    return ColourAttr("fill", brush.color());
  }
  const QString id = QString("g%1").arg(index);
  QString stops;
  for (const QGradientStop& s : g->stops()) {
    stops += QString("<stop offset=\"%1\" stop-color=\"%2\"").arg(Num(s.first), s.second.name());
    if (s.second.alpha() != 255)
      stops += QString(" stop-opacity=\"%1\"").arg(Num(s.second.alphaF()));
    stops += "/>";
  }
  if (g->type() == QGradient::LinearGradient) {
    const auto* l = static_cast<const QLinearGradient*>(g);
    defs += QString(
                "<linearGradient id=\"%1\" gradientUnits=\"userSpaceOnUse\" x1=\"%2\" y1=\"%3\" "
                "x2=\"%4\" y2=\"%5\">%6</linearGradient>\n")
                .arg(id, Num(l->start().x()), Num(l->start().y()), Num(l->finalStop().x()),
                     Num(l->finalStop().y()), stops);
  } else {
    const auto* r = static_cast<const QRadialGradient*>(g);
    defs += QString(
                "<radialGradient id=\"%1\" gradientUnits=\"userSpaceOnUse\" cx=\"%2\" cy=\"%3\" "
                "r=\"%4\" fx=\"%5\" fy=\"%6\">%7</radialGradient>\n")
                .arg(id, Num(r->center().x()), Num(r->center().y()), Num(r->radius()),
                     Num(r->focalPoint().x()), Num(r->focalPoint().y()), stops);
  }
  return QString(" fill=\"url(#%1)\"").arg(id);
}

}  // namespace

void PaintScene(QPainter& p, const Scene& scene) {
  for (const Shape& s : scene) {
    p.setPen(Qt::NoPen);
    p.setBrush(s.fill);
    p.drawPath(s.path);
    if (s.line.style() != Qt::NoPen) {
      p.setBrush(Qt::NoBrush);
      p.setPen(s.line);
      p.drawPath(s.path);
    }
  }
}

QString SceneToSvg(const Scene& scene, QSizeF size) {
  QString defs, body;
  for (size_t i = 0; i < scene.size(); ++i) {
    const Shape& s = scene[i];
    body += "<path d=\"" + PathData(s.path) + "\"" + FillAttr(s.fill, int(i), defs);
    if (s.path.fillRule() == Qt::OddEvenFill) body += " fill-rule=\"evenodd\"";
    if (s.line.style() != Qt::NoPen) {
      body += ColourAttr("stroke", s.line.color()) +
              QString(" stroke-width=\"%1\" stroke-linejoin=\"round\" stroke-linecap=\"round\"")
                  .arg(Num(s.line.widthF()));
    }
    body += "/>\n";
  }
  return QString(
             "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" "
             "viewBox=\"0 0 %1 %2\">\n<defs>\n%3</defs>\n%4</svg>\n")
      .arg(Num(size.width()), Num(size.height()), defs, body);
}

}  // namespace media

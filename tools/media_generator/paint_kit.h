// Small drawing helpers shared by the pictures: outlined fills, capsules, stars.
#pragma once

#include <QBrush>
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace media {

using Painting = std::function<void(QPainter&)>;

// Paints `paint` on a white picture of `size` pixels; the painting draws in a
// `design`-sized coordinate space (the picture's own size when empty).
QImage RenderOnWhite(QSize size, const Painting& paint, QSizeF design = {});

// A stadium around the segment a-b: a finger, a shaft, a ribbon.
QPainterPath Capsule(QPointF a, QPointF b, qreal radius);

// The outline of a thick stroke along `line`, as a fillable shape.
QPainterPath StrokeShape(const QPainterPath& line, qreal width, Qt::PenCapStyle cap = Qt::RoundCap,
                         Qt::PenJoinStyle join = Qt::RoundJoin);

// Fills `shape`, then draws its outline centred on the edge.
void FillOutlined(QPainter& p, const QPainterPath& shape, const QBrush& fill, const QColor& line,
                  qreal width);

QPainterPath Polygon(std::initializer_list<QPointF> points);

// A regular star of `points` tips, the first tip straight up.
QPolygonF StarPoints(QPointF centre, qreal outer, qreal inner, int points);

QLinearGradient Vertical(qreal top, qreal bottom, const QColor& a, const QColor& b);

}  // namespace media

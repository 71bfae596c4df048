// A picture as a list of filled and outlined paths, so one drawing gives both the
// raster icons and the scalable one.
#pragma once

#include <QBrush>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QString>

#include <vector>

namespace media {

struct Shape {
  QPainterPath path;
  QBrush fill;            // solid, linear or radial gradient, or none
  QPen line = Qt::NoPen;  // solid colour only
};

using Scene = std::vector<Shape>;

void PaintScene(QPainter& p, const Scene& scene);

// An SVG document of `size` user units; gradients keep their user-space geometry.
QString SceneToSvg(const Scene& scene, QSizeF size);

}  // namespace media

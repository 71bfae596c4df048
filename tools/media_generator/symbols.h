// The ten reel symbols, each drawn in a 70 x 63 cell on white with a few pixels of margin.
#pragma once

#include <QPainter>
#include <QPainterPath>

namespace media {

inline constexpr QSize kCellSize(70, 63);

// The seven's outline in cell coordinates; the icon draws it too.
QPainterPath SevenShape();
void PaintSevenGlyph(QPainter& p, const QPainterPath& seven, qreal outline);

void PaintSeven(QPainter& p);
void PaintBall(QPainter& p);
void PaintCheck(QPainter& p);
void PaintStar(QPainter& p);
void PaintTriangle(QPainter& p);

void PaintBox(QPainter& p);
void PaintHand(QPainter& p);
void PaintPoint(QPainter& p);
void PaintRosette(QPainter& p);
void PaintJack(QPainter& p);

}  // namespace media

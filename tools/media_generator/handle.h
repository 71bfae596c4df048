// The pull handle beside the machine, at rest and pulled, 43 x 150 on white.
#pragma once

#include <QPainter>

namespace media {

inline constexpr QSize kHandleSize(43, 150);

void PaintHandleUp(QPainter& p);
void PaintHandleDown(QPainter& p);

}  // namespace media

// The application icon: a reel window showing a red seven, with the pull handle.
#pragma once

#include <QImage>
#include <QString>

namespace media {

inline constexpr int kIconDesign = 256;  // the scene's own units

QImage RenderIcon(int pixels);
QString IconSvg();

}  // namespace media

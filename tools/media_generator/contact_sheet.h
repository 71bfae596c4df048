// A review sheet of the written pictures: each enlarged three times, the game
// window's face as the player sees it, and the icon at every size.
#pragma once

#include <QImage>
#include <QString>

namespace media {

// Reads the files back from `sourceDir`, so the sheet shows what JPEG kept.
QImage ContactSheet(const QString& sourceDir);

}  // namespace media

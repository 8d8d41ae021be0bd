#pragma once

#include <QImage>
#include <QString>

namespace tarvelo {

// A PNG file (or resource) as an ARGB32 image, the pixels Qt's reader would give; a null
// image when it cannot be read. An 8-bit sRGB file, as the program's own images are, is
// decoded by libpng: Qt's reader loads every image-format plugin on the system before it
// reads its first file, which at start-up costs more than the decoding.
QImage readPngImage(const QString& path);

}  // namespace tarvelo

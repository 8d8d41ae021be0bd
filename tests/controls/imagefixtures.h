#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPoint>

#include <vector>

namespace tarvelo::teste {

// A w x h picture with a solid square of `colour` in the middle and transparent corners,
// so that colour and transparency both show in a comparison.
QImage squareImage(int w, int h, QColor colour);
// An ICO file (BMP entry, as Qt writes it) of the picture; as a cursor with a hot spot.
QByteArray icoBytes(const QImage& image);
QByteArray curBytes(const QImage& image, QPoint hotSpot);
// An animated cursor whose "anih" header declares `declared` frames and whose "fram"
// list holds `frames`.
QByteArray aniBytes(const std::vector<QByteArray>& frames, int declared);
void writeFile(const QString& path, const QByteArray& bytes);

}  // namespace tarvelo::teste

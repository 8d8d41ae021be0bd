#pragma once

// Picture files made on the spot for the image-list tests.

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QPoint>
#include <QtEndian>

#include <vector>

namespace tarvelo::teste {

// A w x h picture with a solid square of `colour` in the middle and transparent corners,
// so that colour and transparency both show in a comparison.
inline QImage squareImage(int w, int h, QColor colour);
// An ICO file (BMP entry, as Qt writes it) of the picture; as a cursor with a hot spot.
inline QByteArray icoBytes(const QImage& image);
inline QByteArray curBytes(const QImage& image, QPoint hotSpot);
// An animated cursor whose "anih" header declares `declared` frames and whose "fram"
// list holds `frames`.
inline QByteArray aniBytes(const std::vector<QByteArray>& frames, int declared);
inline void writeFile(const QString& path, const QByteArray& bytes);
// The whole file, empty when it cannot be read.
inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}


inline void appendLong(QByteArray& bytes, quint32 value)
{
    char raw[4];
    qToLittleEndian(value, raw);
    bytes.append(raw, 4);
}

inline QByteArray chunk(const char* id, const QByteArray& body)
{
    QByteArray out(id, 4);
    appendLong(out, static_cast<quint32>(body.size()));
    out += body;
    if (body.size() % 2)
        out += '\0';
    return out;
}

inline QImage squareImage(int w, int h, QColor colour)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = h / 4; y < h - h / 4; ++y)
        for (int x = w / 4; x < w - w / 4; ++x)
            image.setPixel(x, y, colour.rgba());
    return image;
}

inline QByteArray icoBytes(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "ico");
    writer.write(image);
    return bytes;
}

inline QByteArray curBytes(const QImage& image, QPoint hotSpot)
{
    QByteArray bytes = icoBytes(image);
    qToLittleEndian<quint16>(2, bytes.data() + 2);
    qToLittleEndian<quint16>(static_cast<quint16>(hotSpot.x()), bytes.data() + 10);
    qToLittleEndian<quint16>(static_cast<quint16>(hotSpot.y()), bytes.data() + 12);
    return bytes;
}

inline QByteArray aniBytes(const std::vector<QByteArray>& frames, int declared)
{
    QByteArray header;
    for (const quint32 field : {36u, static_cast<quint32>(declared), static_cast<quint32>(declared), 0u, 0u, 0u,
                                0u, 6u, 1u})
        appendLong(header, field);
    QByteArray list("fram");
    for (const QByteArray& frame : frames)
        list += chunk("icon", frame);
    const QByteArray body = QByteArray("ACON") + chunk("anih", header) + chunk("LIST", list);
    return chunk("RIFF", body);
}

inline void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

}  // namespace tarvelo::teste

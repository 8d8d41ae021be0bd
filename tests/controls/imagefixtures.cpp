#include "imagefixtures.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QtEndian>

namespace tarvelo::teste {

namespace {

void appendLong(QByteArray& bytes, quint32 value)
{
    char raw[4];
    qToLittleEndian(value, raw);
    bytes.append(raw, 4);
}

QByteArray chunk(const char* id, const QByteArray& body)
{
    QByteArray out(id, 4);
    appendLong(out, static_cast<quint32>(body.size()));
    out += body;
    if (body.size() % 2)
        out += '\0';
    return out;
}

}  // namespace

QImage squareImage(int w, int h, QColor colour)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = h / 4; y < h - h / 4; ++y)
        for (int x = w / 4; x < w - w / 4; ++x)
            image.setPixel(x, y, colour.rgba());
    return image;
}

QByteArray icoBytes(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "ico");
    writer.write(image);
    return bytes;
}

QByteArray curBytes(const QImage& image, QPoint hotSpot)
{
    QByteArray bytes = icoBytes(image);
    qToLittleEndian<quint16>(2, bytes.data() + 2);
    qToLittleEndian<quint16>(static_cast<quint16>(hotSpot.x()), bytes.data() + 10);
    qToLittleEndian<quint16>(static_cast<quint16>(hotSpot.y()), bytes.data() + 12);
    return bytes;
}

QByteArray aniBytes(const std::vector<QByteArray>& frames, int declared)
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

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

}  // namespace tarvelo::teste

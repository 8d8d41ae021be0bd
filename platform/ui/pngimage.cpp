#include "platform/ui/pngimage.h"

#include <QFile>
#include <QSysInfo>

#include <png.h>

namespace tarvelo {
namespace {

// Whether a chunk ahead of the image data gives a gamma, primaries or a colour profile.
bool hasColourSpace(const QByteArray& png)
{
    constexpr qsizetype kSignature = 8;
    for (qsizetype i = kSignature; i + 8 <= png.size();) {
        const auto byte = [&](qsizetype n) { return static_cast<quint32>(static_cast<unsigned char>(png[i + n])); };
        const quint32 length = byte(0) << 24 | byte(1) << 16 | byte(2) << 8 | byte(3);
        const QByteArray type = png.mid(i + 4, 4);
        if (type == "IDAT")
            return false;
        if (type == "gAMA" || type == "cHRM" || type == "iCCP")
            return true;
        i += 12 + static_cast<qsizetype>(length);
    }
    return false;
}

}  // namespace

QImage readPngImage(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = file.readAll();
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, data.constData(), static_cast<size_t>(data.size())))
        return {};
    // libpng would bring 16-bit channels and a file's own gamma or colour space to 8-bit sRGB,
    // where Qt keeps the values as they are: such a file is read by Qt, as anywhere else.
    if ((png.format & PNG_FORMAT_FLAG_LINEAR) != 0 || hasColourSpace(data)) {
        png_image_free(&png);
        return QImage::fromData(data, "PNG").convertToFormat(QImage::Format_ARGB32);
    }
    // QImage's ARGB32 is one 32-bit word per pixel: BGRA bytes on a little-endian machine.
    png.format = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? PNG_FORMAT_BGRA : PNG_FORMAT_ARGB;
    QImage image(static_cast<int>(png.width), static_cast<int>(png.height), QImage::Format_ARGB32);
    if (image.isNull()) {
        png_image_free(&png);
        return {};
    }
    // The stride counts components, which are bytes at 8 bits each.
    if (!png_image_finish_read(&png, nullptr, image.bits(), static_cast<png_int_32>(image.bytesPerLine()), nullptr))
        return {};
    return image;
}

}  // namespace tarvelo

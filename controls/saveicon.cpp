#include "controls/saveicon.h"

#include "controls/byterange.h"

#include "platform/ansi.h"

#include <QIODevice>
#include <QtEndian>

#include <cstring>

#ifndef TARVELO_VERSION_MAJOR
#define TARVELO_VERSION_MAJOR 0
#define TARVELO_VERSION_MINOR 1
#endif

namespace tarvelo {

namespace {

constexpr qsizetype kHeaderBytes = 24;
constexpr qsizetype kIconInfoBytes = 12;

// The BITMAP structure as it stands in a record.
struct BitmapHeader {
    qint32 type = 0;
    qint32 width = 0;
    qint32 height = 0;
    qint32 widthBytes = 0;
    qint16 planes = 1;
    qint16 bitsPixel = 0;
};

void putLong(QByteArray& bytes, qsizetype at, qint32 value)
{
    qToLittleEndian(value, bytes.data() + at);
}

void putInteger(QByteArray& bytes, qsizetype at, qint16 value)
{
    qToLittleEndian(value, bytes.data() + at);
}

qint32 getLong(QByteArrayView bytes, qsizetype at)
{
    return qFromLittleEndian<qint32>(bytes.data() + at);
}

qint16 getInteger(QByteArrayView bytes, qsizetype at)
{
    return qFromLittleEndian<qint16>(bytes.data() + at);
}

void ensureSize(QByteArray& bytes, qsizetype size)
{
    if (bytes.size() < size)
        bytes.append(size - bytes.size(), '\0');
}

bool validSide(qint64 side)
{
    return side >= 1 && side <= kMaxImageSide;
}

qint64 colourRowBytes(qint64 w, qint32 version)
{
    return version >= 1 ? 4 * w : ((3 * w + 3) / 4) * 4;
}

qint64 maskRowBytes(qint64 w)
{
    return ((w + 31) / 32) * 4;
}

// (w + 7) / 8 taken to the nearest whole number, a half to the even neighbour.
qint64 roundedMaskBytes(qint64 w)
{
    const qint64 whole = (w + 7) / 8;
    const qint64 eighths = (w + 7) % 8;
    if (eighths > 4 || (eighths == 4 && whole % 2 != 0))
        return whole + 1;
    return whole;
}

std::optional<BitmapHeader> readHeader(QByteArrayView bytes, qsizetype offset)
{
    if (!inside(bytes, offset, kHeaderBytes))
        return std::nullopt;
    BitmapHeader h;
    h.type = getLong(bytes, offset);
    h.width = getLong(bytes, offset + 4);
    h.height = getLong(bytes, offset + 8);
    h.widthBytes = getLong(bytes, offset + 12);
    h.planes = getInteger(bytes, offset + 16);
    h.bitsPixel = getInteger(bytes, offset + 18);
    return h;
}

QImage maskOf(const QImage& image)
{
    QImage mask(image.size(), QImage::Format_Mono);
    mask.setColor(0, qRgb(0, 0, 0));
    mask.setColor(1, qRgb(255, 255, 255));
    for (int y = 0; y < image.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            mask.setPixel(x, y, qAlpha(in[x]) == 0 ? 1 : 0);
    }
    return mask;
}

}  // namespace

qint32 ImageListFormatVersion()
{
    return (TARVELO_VERSION_MAJOR & 0x7FFF) * 0x10000 + TARVELO_VERSION_MINOR;
}

qint64 ColourAreaBytes(qint64 w, qint64 h, qint32 version)
{
    return version >= 1 ? w * h * 4 : h * (3 * w + 3);
}

qint64 MaskAreaBytes(qint64 w, qint64 h)
{
    return h * (((roundedMaskBytes(w) + 3) / 4) * 4);
}

qint64 IconRecordBytes(int w, int h, qint32 version)
{
    return kIconInfoBytes + 2 * kHeaderBytes + ColourAreaBytes(w, h, version) + MaskAreaBytes(w, h);
}

bool BitmapToBytes(const QImage& bitmap, bool isMask, QByteArray& bytes, qsizetype offset, qsizetype& size,
                   qint32 version)
{
    const int w = bitmap.width();
    const int h = bitmap.height();
    if (offset < 0 || !validSide(w) || !validSide(h))
        return false;
    const qint64 area = isMask ? MaskAreaBytes(w, h) : ColourAreaBytes(w, h, version);
    ensureSize(bytes, offset + kHeaderBytes + area);
    std::memset(bytes.data() + offset, 0, static_cast<size_t>(kHeaderBytes + area));

    putLong(bytes, offset, 0);
    putLong(bytes, offset + 4, w);
    putLong(bytes, offset + 8, h);
    putLong(bytes, offset + 12, isMask ? ((w + 15) / 16) * 2 : w * 4);
    putInteger(bytes, offset + 16, 1);
    putInteger(bytes, offset + 18, isMask ? 1 : 32);
    putLong(bytes, offset + 20, 0);

    char* bits = bytes.data() + offset + kHeaderBytes;
    if (isMask) {
        const QImage mono = bitmap.convertToFormat(QImage::Format_Mono);
        const qint64 row = maskRowBytes(w);
        for (int y = 0; y < h; ++y) {
            char* out = bits + (h - 1 - y) * row;
            for (int x = 0; x < w; ++x)
                if (mono.pixelIndex(x, y) == 1)
                    out[x / 8] = static_cast<char>(out[x / 8] | (0x80 >> (x % 8)));
        }
    } else {
        const QImage argb = bitmap.convertToFormat(QImage::Format_ARGB32);
        const qint64 row = colourRowBytes(w, version);
        const int pixelBytes = version >= 1 ? 4 : 3;
        for (int y = 0; y < h; ++y) {
            const auto* in = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
            char* out = bits + (h - 1 - y) * row;
            for (int x = 0; x < w; ++x) {
                const QRgb p = qAlpha(in[x]) == 0 ? 0 : in[x];
                out[x * pixelBytes] = static_cast<char>(qBlue(p));
                out[x * pixelBytes + 1] = static_cast<char>(qGreen(p));
                out[x * pixelBytes + 2] = static_cast<char>(qRed(p));
                if (pixelBytes == 4)
                    out[x * pixelBytes + 3] = static_cast<char>(qAlpha(p));
            }
        }
    }
    size = static_cast<qsizetype>(kHeaderBytes + area);
    return true;
}

bool BytesToBitmap(QImage& bitmap, bool isMask, QByteArrayView bytes, qsizetype offset, qsizetype& size,
                   qint32 version)
{
    bitmap = QImage();
    const std::optional<BitmapHeader> header = readHeader(bytes, offset);
    if (!header || !validSide(header->width) || !validSide(header->height))
        return false;
    const qint64 w = header->width;
    const qint64 h = header->height;
    const qint64 area = isMask ? MaskAreaBytes(w, h) : ColourAreaBytes(w, h, version);
    if (!inside(bytes, offset + kHeaderBytes, area))
        return false;

    const char* bits = bytes.data() + offset + kHeaderBytes;
    if (isMask) {
        QImage mono(static_cast<int>(w), static_cast<int>(h), QImage::Format_Mono);
        mono.setColor(0, qRgb(0, 0, 0));
        mono.setColor(1, qRgb(255, 255, 255));
        const qint64 row = maskRowBytes(w);
        for (qint64 y = 0; y < h; ++y) {
            const auto* in = reinterpret_cast<const uchar*>(bits + (h - 1 - y) * row);
            for (qint64 x = 0; x < w; ++x)
                mono.setPixel(static_cast<int>(x), static_cast<int>(y), (in[x / 8] >> (7 - x % 8)) & 1);
        }
        bitmap = mono;
    } else {
        QImage argb(static_cast<int>(w), static_cast<int>(h), QImage::Format_ARGB32);
        const qint64 row = colourRowBytes(w, version);
        const int pixelBytes = version >= 1 ? 4 : 3;
        for (qint64 y = 0; y < h; ++y) {
            const auto* in = reinterpret_cast<const uchar*>(bits + (h - 1 - y) * row);
            auto* out = reinterpret_cast<QRgb*>(argb.scanLine(static_cast<int>(y)));
            for (qint64 x = 0; x < w; ++x) {
                const uchar* p = in + x * pixelBytes;
                out[x] = qRgba(p[2], p[1], p[0], pixelBytes == 4 ? p[3] : 0);
            }
        }
        bitmap = argb;
    }
    size = static_cast<qsizetype>(kHeaderBytes + area);
    return true;
}

bool IconToBytes(const Icon& icon, QByteArray& bytes, qsizetype offset, qsizetype& size, qint32 version)
{
    if (icon.isNull() || offset < 0)
        return false;
    ensureSize(bytes, offset + kIconInfoBytes);
    putLong(bytes, offset, icon.isIcon ? 1 : 0);
    putLong(bytes, offset + 4, icon.hotSpot.x());
    putLong(bytes, offset + 8, icon.hotSpot.y());
    qsizetype colourSize = 0;
    qsizetype maskSize = 0;
    const QImage colour = icon.image.convertToFormat(QImage::Format_ARGB32);
    if (!BitmapToBytes(colour, false, bytes, offset + kIconInfoBytes, colourSize, version)
        || !BitmapToBytes(maskOf(colour), true, bytes, offset + kIconInfoBytes + colourSize, maskSize, version))
        return false;
    size = kIconInfoBytes + colourSize + maskSize;
    return true;
}

bool BytesToIcon(Icon& icon, QByteArrayView bytes, qsizetype offset, qsizetype& size, qint32 version)
{
    icon = Icon();
    if (!inside(bytes, offset, kIconInfoBytes))
        return false;
    const QPoint hotSpot(getLong(bytes, offset + 4), getLong(bytes, offset + 8));
    QImage colour;
    QImage mask;
    qsizetype colourSize = 0;
    qsizetype maskSize = 0;
    if (!BytesToBitmap(colour, false, bytes, offset + kIconInfoBytes, colourSize, version)
        || !BytesToBitmap(mask, true, bytes, offset + kIconInfoBytes + colourSize, maskSize, version)
        || mask.size() != colour.size())
        return false;

    // Data written without alpha (24-bit rows, or a platform that delivers 0 in the
    // fourth byte) takes its transparency from the mask alone.
    bool hasAlpha = false;
    for (int y = 0; y < colour.height() && !hasAlpha; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(colour.constScanLine(y));
        for (int x = 0; x < colour.width(); ++x)
            if (qAlpha(row[x]) != 0) {
                hasAlpha = true;
                break;
            }
    }
    for (int y = 0; y < colour.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(colour.scanLine(y));
        for (int x = 0; x < colour.width(); ++x) {
            if (mask.pixelIndex(x, y) == 1)
                row[x] = 0;
            else if (!hasAlpha)
                row[x] |= 0xFF000000u;
        }
    }
    icon = Icon{colour, hotSpot, true};
    size = kIconInfoBytes + colourSize + maskSize;
    return true;
}

IconRun WriteIconRun(HImageList list, qint32 version)
{
    IconRun run;
    const int count = ImageList_GetImageCount(list);
    qsizetype offset = 0;
    for (int i = 0; i < count; ++i) {
        const std::optional<Icon> icon = ImageList_GetIcon(list, i);
        qsizetype size = 0;
        if (!icon || !IconToBytes(*icon, run.records, offset, size, version))
            continue;
        offset += size;
        run.imagesWritten.push_back(i);
    }
    run.records.truncate(offset);
    return run;
}

IconRunResult ReadIconRun(HImageList list, QByteArrayView records, qint32 version)
{
    IconRunResult result;
    qsizetype offset = 0;
    for (int record = 0; offset < records.size(); ++record) {
        Icon icon;
        qsizetype size = 0;
        if (BytesToIcon(icon, records, offset, size, version)) {
            if (ImageList_AddIcon(list, icon) >= 0)
                result.recordOfImage.push_back(record);
            offset += size;
            continue;
        }
        // The headers may still tell how long the damaged record is.
        const auto colour = readHeader(records, offset + kIconInfoBytes);
        if (!colour || !validSide(colour->width) || !validSide(colour->height)) {
            result.complete = false;
            break;
        }
        const qint64 maskAt = offset + kIconInfoBytes + kHeaderBytes
                              + ColourAreaBytes(colour->width, colour->height, version);
        const auto mask = maskAt <= records.size() ? readHeader(records, maskAt) : std::nullopt;
        if (!mask || !validSide(mask->width) || !validSide(mask->height)
            || !inside(records, maskAt + kHeaderBytes, MaskAreaBytes(mask->width, mask->height))) {
            result.complete = false;
            break;
        }
        result.complete = false;
        offset = static_cast<qsizetype>(maskAt + kHeaderBytes + MaskAreaBytes(mask->width, mask->height));
    }
    return result;
}

QByteArray KeysToFileText(const QStringList& keys)
{
    QString text;
    for (const QString& key : keys)
        text += key + kKeySeparator;
    text += kKeySeparator;
    return toAnsi(text);
}

QString KeysToPropertyText(const QStringList& keys)
{
    return keys.join(QChar(kKeySeparator));
}

QStringList SplitKeyText(const QString& text)
{
    if (text.isEmpty())
        return {};
    return text.split(QChar(kKeySeparator));
}

QByteArray BuildImageListFile(qint32 version, const QByteArray& records, const QByteArray& keyText)
{
    QByteArray file(16, '\0');
    putLong(file, 0, static_cast<qint32>(kImageListMagic));
    putLong(file, 4, version);
    putLong(file, 8, static_cast<qint32>(records.size()));
    file.insert(12, records);
    putLong(file, 12 + records.size(), static_cast<qint32>(keyText.size()));
    file.append(keyText);
    return file;
}

int ReadImageListFile(QIODevice& in, ImageListFileData& out)
{
    out = ImageListFileData();
    const auto readLong = [&in](qint32& value) {
        char raw[4];
        if (in.read(raw, 4) != 4)
            return false;
        value = qFromLittleEndian<qint32>(raw);
        return true;
    };
    const auto remaining = [&in] { return in.size() - in.pos(); };

    qint32 first = 0;
    if (!readLong(first))
        return 62;
    qint32 length = first;
    if (static_cast<quint32>(first) == kImageListMagic) {
        if (!readLong(out.version) || !readLong(length))
            return 62;
    }
    if (length <= 0)
        return 9;
    if (length > remaining())
        return 62;
    out.records = in.read(length);
    if (out.records.size() != length)
        return 57;

    if (remaining() <= 0)
        return 0;
    qint32 keyLength = 0;
    if (!readLong(keyLength) || keyLength < 0 || keyLength > remaining())
        return 62;
    if (keyLength > 0) {
        out.keyText = in.read(keyLength);
        if (out.keyText.size() != keyLength)
            return 57;
    }
    return 0;
}

}  // namespace tarvelo

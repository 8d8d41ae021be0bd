#include "controls/iconfile.h"

#include "controls/byterange.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QtEndian>

#include <cstdlib>

namespace tarvelo {

namespace {

constexpr qsizetype kDirBytes = 6;
constexpr qsizetype kEntryBytes = 16;
constexpr qsizetype kMaxEntries = 64;

quint16 word(QByteArrayView data, qsizetype at)
{
    return qFromLittleEndian<quint16>(data.data() + at);
}

quint32 dword(QByteArrayView data, qsizetype at)
{
    return qFromLittleEndian<quint32>(data.data() + at);
}

struct IconEntry {
    int width = 0;
    int height = 0;
    quint16 hotX = 0;
    quint16 hotY = 0;
    quint32 bytes = 0;
    quint32 offset = 0;
};

// A stored side of 0 means 256.
int side(quint8 stored)
{
    return stored == 0 ? 256 : stored;
}

// The entry whose size comes closest to what is wanted, preferring larger ones, so that
// scaling down rather than up makes the picture.
const IconEntry* closest(const std::vector<IconEntry>& entries, int cx, int cy)
{
    const IconEntry* best = nullptr;
    auto score = [cx, cy](const IconEntry& e) {
        const int dx = e.width - cx;
        const int dy = e.height - cy;
        const int penalty = (dx < 0 || dy < 0) ? 1000 : 0;
        return penalty + std::abs(dx) + std::abs(dy);
    };
    for (const IconEntry& e : entries)
        if (!best || score(e) < score(*best))
            best = &e;
    return best;
}

// A PNG entry of sane size: the IHDR chunk gives width and height.
bool plausiblePng(QByteArrayView body)
{
    if (body.size() < 24)
        return false;
    const quint32 w = qFromBigEndian<quint32>(body.data() + 16);
    const quint32 h = qFromBigEndian<quint32>(body.data() + 20);
    return w >= 1 && h >= 1 && w <= kMaxImageSide && h <= kMaxImageSide;
}

// A DIB entry whose header, colour table, colour rows and mask rows all lie inside it.
bool plausibleDib(QByteArrayView body)
{
    if (body.size() < 40)
        return false;
    const qint64 headerBytes = dword(body, 0);
    const qint64 w = static_cast<qint32>(dword(body, 4));
    const qint64 h2 = static_cast<qint32>(dword(body, 8));
    const int planes = word(body, 12);
    const int bits = word(body, 14);
    const quint32 compression = dword(body, 16);
    const qint64 used = dword(body, 32);
    if (headerBytes < 40 || w < 1 || w > kMaxImageSide || h2 < 2 || h2 > 2 * kMaxImageSide || planes != 1
        || compression != 0 || (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32))
        return false;
    const qint64 h = h2 / 2;
    const qint64 palette = bits <= 8 ? 4 * (used > 0 && used < (1 << bits) ? used : (1 << bits)) : 0;
    const qint64 colourRows = ((w * bits + 31) / 32) * 4 * h;
    const qint64 maskRows = ((w + 31) / 32) * 4 * h;
    return headerBytes + palette + colourRows + maskRows <= body.size();
}

QImage decodeEntry(QByteArrayView data, const IconEntry& entry)
{
    const QByteArrayView body = data.sliced(entry.offset, entry.bytes);
    if (body.startsWith("\x89PNG"))
        return plausiblePng(body) ? QImage::fromData(body, "PNG") : QImage();
    if (!plausibleDib(body))
        return QImage();
    // A one-entry icon file around the entry, for Qt's icon reader.
    QByteArray single(kDirBytes + kEntryBytes, '\0');
    qToLittleEndian<quint16>(1, single.data() + 2);
    qToLittleEndian<quint16>(1, single.data() + 4);
    single[6] = static_cast<char>(entry.width & 0xFF);
    single[7] = static_cast<char>(entry.height & 0xFF);
    qToLittleEndian<quint16>(1, single.data() + 10);
    qToLittleEndian<quint32>(entry.bytes, single.data() + 14);
    qToLittleEndian<quint32>(kDirBytes + kEntryBytes, single.data() + 18);
    single.append(body.data(), body.size());
    return QImage::fromData(single, "ICO");
}

}  // namespace

std::optional<Icon> DecodeIconFile(QByteArrayView data, int cx, int cy)
{
    if (!inside(data, 0, kDirBytes) || word(data, 0) != 0)
        return std::nullopt;
    const quint16 type = word(data, 2);
    const quint16 count = word(data, 4);
    if ((type != 1 && type != 2) || count == 0 || count > kMaxEntries
        || !inside(data, kDirBytes, qint64(count) * kEntryBytes))
        return std::nullopt;

    std::vector<IconEntry> entries;
    for (qsizetype i = 0; i < count; ++i) {
        const qsizetype at = kDirBytes + i * kEntryBytes;
        IconEntry e;
        e.width = side(static_cast<quint8>(data[at]));
        e.height = side(static_cast<quint8>(data[at + 1]));
        e.hotX = word(data, at + 4);
        e.hotY = word(data, at + 6);
        e.bytes = dword(data, at + 8);
        e.offset = dword(data, at + 12);
        if (e.bytes > 0 && inside(data, e.offset, e.bytes))
            entries.push_back(e);
    }
    const IconEntry* entry = closest(entries, cx, cy);
    if (!entry || cx < 1 || cy < 1 || cx > kMaxImageSide || cy > kMaxImageSide)
        return std::nullopt;
    QImage image = decodeEntry(data, *entry);
    if (image.isNull())
        return std::nullopt;
    image = image.convertToFormat(QImage::Format_ARGB32);
    const int sourceW = image.width();
    const int sourceH = image.height();
    if (sourceW != cx || sourceH != cy)
        image = image.scaled(cx, cy, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);

    Icon icon;
    icon.image = image;
    icon.isIcon = type == 1;
    if (type == 2)
        icon.hotSpot = QPoint(entry->hotX * cx / std::max(sourceW, 1), entry->hotY * cy / std::max(sourceH, 1));
    else
        icon.hotSpot = QPoint(cx / 2, cy / 2);
    return icon;
}

bool IsRiffAcon(QByteArrayView data)
{
    return inside(data, 0, 12) && data.first(4) == "RIFF" && data.sliced(8, 4) == "ACON";
}

std::optional<AniFrames> ParseAniFile(QByteArrayView data)
{
    if (!IsRiffAcon(data))
        return std::nullopt;
    // The RIFF length may be wrong; the chunks are only ever read within the data.
    const qint64 end = std::min<qint64>(data.size(), 8 + qint64(dword(data, 4)));
    AniFrames result;
    bool haveHeader = false;
    qint64 at = 12;
    while (at + 8 <= end) {
        const QByteArrayView id = data.sliced(at, 4);
        const qint64 length = dword(data, at + 4);
        const qint64 body = at + 8;
        if (length > end - body)
            return std::nullopt;
        if (id == "anih") {
            if (length < 36)
                return std::nullopt;
            const quint32 frames = dword(data, body + 4);
            const quint32 flags = dword(data, body + 32);
            if (frames == 0 || frames > kMaxAniFrames || !(flags & 1))
                return std::nullopt;
            result.declaredFrames = static_cast<int>(frames);
            haveHeader = true;
        } else if (id == "LIST" && length >= 4 && data.sliced(body, 4) == "fram") {
            qint64 sub = body + 4;
            const qint64 listEnd = body + length;
            while (sub + 8 <= listEnd) {
                const qint64 subLength = dword(data, sub + 4);
                if (subLength > listEnd - (sub + 8))
                    return std::nullopt;
                if (data.sliced(sub, 4) == "icon" && result.frames.size() < kMaxAniFrames)
                    result.frames.push_back(data.sliced(sub + 8, subLength));
                sub += 8 + subLength + (subLength & 1);
            }
        }
        at = body + length + (length & 1);
    }
    if (!haveHeader || static_cast<int>(result.frames.size()) < result.declaredFrames)
        return std::nullopt;
    result.frames.resize(static_cast<size_t>(result.declaredFrames));
    return result;
}

std::optional<QByteArray> ReadPictureFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxPictureFileBytes)
        return std::nullopt;
    QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return data;
}

std::optional<Icon> LoadIconFile(const QString& path, int cx, int cy)
{
    const std::optional<QByteArray> data = ReadPictureFile(path);
    if (!data)
        return std::nullopt;
    if (IsRiffAcon(*data)) {
        const std::optional<AniFrames> ani = ParseAniFile(*data);
        if (!ani)
            return std::nullopt;
        return DecodeIconFile(ani->frames.front(), cx, cy);
    }
    return DecodeIconFile(*data, cx, cy);
}

QImage LoadPictureFile(const QString& path)
{
    const std::optional<QByteArray> data = ReadPictureFile(path);
    if (!data)
        return QImage();
    QBuffer buffer;
    buffer.setData(*data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > 4096 || size.height() > 4096))
        return QImage();
    return reader.read();
}

}  // namespace tarvelo

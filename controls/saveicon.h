#pragma once

#include "controls/imagelist.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QStringList>

#include <vector>

class QIODevice;

namespace tarvelo {

// One image as it travels in the image-list property set and file: an IconRecord, that is
// the icon's flag and hot spot, then the colour bitmap and the mask, each as a 24-byte
// BITMAP header and its bottom-up pixel rows. Nothing in a record states its length; it
// follows from the two headers and the format version:
//   version >= 1: 32-bit colour rows, w * h * 4 bytes;
//   version <= 0: 24-bit rows in an area of h * (3w + 3) bytes (the tail is filler);
//   mask: h * R(w) bytes of 1-bit rows, R(w) a multiple of 4 not below the row length.
// Readers trust nothing of a record: sides must lie in 1..kMaxImageSide and every area
// must lie inside the bytes at hand; the stored pointer field is never looked at.

// The format version this program writes: (major & 0x7FFF) * 0x10000 + minor.
qint32 ImageListFormatVersion();

// Bytes of the colour and mask areas, and of a whole record, for a w x h image.
qint64 ColourAreaBytes(qint64 w, qint64 h, qint32 version);
qint64 MaskAreaBytes(qint64 w, qint64 h);
qint64 IconRecordBytes(int w, int h, qint32 version);

// Writers grow `bytes` as needed and report the bytes they wrote through `size`.
bool IconToBytes(const Icon& icon, QByteArray& bytes, qsizetype offset, qsizetype& size, qint32 version);
// `bitmap` is the colour image, or for the mask a Format_Mono image whose set bits let the
// background through.
bool BitmapToBytes(const QImage& bitmap, bool isMask, QByteArray& bytes, qsizetype offset, qsizetype& size,
                   qint32 version);
// Readers leave `size` unchanged and the output null when the record cannot be rebuilt.
bool BytesToIcon(Icon& icon, QByteArrayView bytes, qsizetype offset, qsizetype& size, qint32 version);
bool BytesToBitmap(QImage& bitmap, bool isMask, QByteArrayView bytes, qsizetype offset, qsizetype& size,
                   qint32 version);

// A run of records as the list writes it: one record per image that could be taken out,
// and the numbers (from 0) of the images that got one, so that keys stay paired.
struct IconRun {
    QByteArray records;
    std::vector<int> imagesWritten;
};
IconRun WriteIconRun(HImageList list, qint32 version);

// Reads a run of records into `list`, appending. A record that cannot be rebuilt but
// whose headers give its length is skipped; one whose length cannot be known ends the
// run. `recordOfImage` tells, for each image added, the number of its record.
struct IconRunResult {
    std::vector<int> recordOfImage;
    bool complete = true;  // false when the run ended at a record that could not be read
};
IconRunResult ReadIconRun(HImageList list, QByteArrayView records, qint32 version);

// The key text: one key per record, separated by character 255 of the code page. The
// file form ends every key with the separator and adds one more; the property form only
// joins them.
inline constexpr char16_t kKeySeparator = u'\u00FF';
QByteArray KeysToFileText(const QStringList& keys);
QString KeysToPropertyText(const QStringList& keys);
// The pieces between the separators, the text after the last one included.
QStringList SplitKeyText(const QString& text);

// The ImageListFile: magic 0x5745E456, version, record length D, the records, the key
// length K and the key text; a file without the magic is the legacy form at version 0.
inline constexpr quint32 kImageListMagic = 0x5745E456u;
struct ImageListFileData {
    qint32 version = 0;
    QByteArray records;
    QByteArray keyText;  // ANSI bytes
};
QByteArray BuildImageListFile(qint32 version, const QByteArray& records, const QByteArray& keyText);
// Reads an ImageListFile from `in`. Returns 0, or the error number: 9 for a record length
// of 0 or less, 62 when a stated length runs past the end of the data or is negative, 57
// for a read failure. Nothing is allocated beyond the bytes the device holds.
int ReadImageListFile(QIODevice& in, ImageListFileData& out);

}  // namespace tarvelo

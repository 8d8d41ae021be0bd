#pragma once

#include "controls/imagelist.h"

#include <QByteArrayView>
#include <QImage>
#include <QString>

#include <optional>
#include <vector>

namespace tarvelo {

// Readers for the picture files an image list is filled from. Every file is untrusted:
// sizes and offsets are checked against the bytes read, in 64-bit arithmetic, before use.

// The largest picture file read at all.
inline constexpr qint64 kMaxPictureFileBytes = 16 * 1024 * 1024;
// The most frames an animated cursor may declare.
inline constexpr int kMaxAniFrames = 128;

// An ICO or CUR file held in memory: the entry closest to cx x cy (the largest when none
// is as large), scaled to that size; a cursor keeps its hot spot scaled along.
std::optional<Icon> DecodeIconFile(QByteArrayView data, int cx, int cy);

// The frames of an animated cursor, a RIFF "ACON" file: the number of frames comes from
// its "anih" header, and each frame is an ICO or CUR file inside the "fram" list. nullopt
// when the header is missing or damaged, declares 0 or more than kMaxAniFrames frames, or
// the file holds fewer frames than it declares.
struct AniFrames {
    int declaredFrames = 0;
    std::vector<QByteArrayView> frames;  // views into the data passed in
};
std::optional<AniFrames> ParseAniFile(QByteArrayView data);
bool IsRiffAcon(QByteArrayView data);

// The file's bytes, or nothing when it cannot be read or is larger than kMaxPictureFileBytes.
std::optional<QByteArray> ReadPictureFile(const QString& path);

// An icon or cursor file (an animated cursor gives its first frame) at cx x cy.
std::optional<Icon> LoadIconFile(const QString& path, int cx, int cy);
// A bitmap (BMP, DIB) or any picture Qt reads (GIF and others) at its own size; the first
// frame of an animation. Null when the file cannot be read.
QImage LoadPictureFile(const QString& path);

}  // namespace tarvelo

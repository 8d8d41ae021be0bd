#include "controls/declares.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <algorithm>

namespace tarvelo {
namespace {

int floorMod(qint64 a, int m)
{
    const qint64 r = a % m;
    return int(r < 0 ? r + m : r);
}

}  // namespace

qint32 ResolveColour(OleColour colour, quintptr)
{
    const std::optional<ColourRef> rgb = translateOleColour(colour);
    return rgb ? qint32(*rgb) : -1;
}

void TileBitmap(DeviceContext& dst, int x, int y, int w, int h, const DeviceContext& src, int srcW, int srcH,
                int yOrigin)
{
    // A negative size would walk the tiles backwards for ever.
    if (srcW <= 0 || srcH <= 0 || w <= 0 || h <= 0)
        return;
    // Only the part on the surface is walked; the grid stays where it is anchored, so the
    // phase of the first tile comes from the clipped start (always 0..size-1).
    const qint64 left = std::max<qint64>(x, 0);
    const qint64 top = std::max<qint64>(y, 0);
    const qint64 right = std::min<qint64>(qint64(x) + w, dst.width());
    const qint64 bottom = std::min<qint64>(qint64(y) + h, dst.height());
    if (right <= left || bottom <= top)
        return;

    const int sx0 = floorMod(left, srcW);
    const int sy0 = floorMod(top + yOrigin, srcH);
    for (qint64 cy = top; cy < bottom;) {
        const bool firstRow = cy == top;
        const qint64 th = std::min<qint64>(firstRow ? srcH - sy0 : srcH, bottom - cy);
        const int sourceY = firstRow ? sy0 : 0;
        for (qint64 cx = left; cx < right;) {
            const bool firstColumn = cx == left;
            const qint64 tw = std::min<qint64>(firstColumn ? srcW - sx0 : srcW, right - cx);
            BitBlt(dst, int(cx), int(cy), int(tw), int(th), src, firstColumn ? sx0 : 0, sourceY, SRCCOPY);
            cx += tw;
        }
        cy += th;
    }
}

QString TempFolder()
{
    const QString temp = QDir::tempPath();
    if (!temp.isEmpty() && QFileInfo(temp).isDir())
        return QDir(temp).absolutePath() + QLatin1Char('/');
    return QCoreApplication::applicationDirPath() + QLatin1Char('/');
}

QString MakeTempFileName(const QString& prefix)
{
    QTemporaryFile file(TempFolder() + prefix + QStringLiteral("XXXXXX.tmp"));
    file.setAutoRemove(false);
    if (!file.open())
        return QString();
    return file.fileName();
}

}  // namespace tarvelo

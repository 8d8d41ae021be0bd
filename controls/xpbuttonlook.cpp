#include "controls/xpbuttonlook.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace tarvelo {

ColourRef ShiftColour(ColourRef colour, int delta, bool softBevel)
{
    qint64 d = delta;
    if (softBevel)
        d /= 2;
    const qint64 c = colour;
    qint64 b = (c / 65536) % 256;
    qint64 g = (c / 256) % 256;
    qint64 r = c % 256;
    r += d;
    g += d;
    b += (b * d) / 192;
    if (d > 0) {
        r = std::min<qint64>(r, 255);
        g = std::min<qint64>(g, 255);
        b = std::min<qint64>(b, 255);
    } else if (d < 0) {
        r = std::max<qint64>(r, 0);
        g = std::max<qint64>(g, 0);
        b = std::max<qint64>(b, 0);
    }
    return ColourRef((r + 256 * g + 65536 * b) & 0xFFFFFF);
}

int GradientShift(int height, int row)
{
    if (height <= 0)
        return 0;
    const float step = 25.0f / float(height);
    return -int(std::nearbyint(double(step) * row));
}

QChar AccessKeyOf(const QString& caption)
{
    const qsizetype n = caption.size();
    if (n < 2)
        return QChar();
    const qsizetype p = caption.indexOf(QLatin1Char('&'));
    if (p < 0 || p == n - 1)
        return QChar();
    if (caption[p + 1] != QLatin1Char('&'))
        return caption[p + 1].toLower();
    const qsizetype p2 = caption.indexOf(QLatin1Char('&'), p + 2);
    if (p2 < 0 || p2 == n - 1 || caption[p2 + 1] == QLatin1Char('&'))
        return QChar();
    return caption[p2 + 1].toLower();
}

QRegion ButtonRegion(int width, int height)
{
    if (width <= 0 || height <= 0)
        return QRegion();
    QRegion region(0, 0, width, height);
    const int w = width, h = height;
    const QPoint removed[] = {
        {0, 0},         {1, 0},         {0, 1},          // top left
        {w - 2, 0},     {w - 1, 0},     {w - 1, 1},      // top right
        {0, h - 1},     {1, h - 1},     {0, h - 2},      // bottom left
        {w - 2, h - 1}, {w - 1, h - 1}, {w - 1, h - 2},  // bottom right
    };
    for (const QPoint& p : removed)
        region -= QRegion(p.x(), p.y(), 1, 1);
    return region;
}

void BlitPicture(DeviceContext& target, int x, int y, int w, int h, const Picture& picture,
                 std::optional<ColourRef> transparent, std::optional<ColourRef> brush, bool grey, bool blend,
                 ColourRef maskRgb)
{
    if (w <= 0 || h <= 0 || picture.isNull() || target.isNull())
        return;
    QImage source;
    if (picture.type() == Picture::Type::Bitmap) {
        source = picture.image();
    } else {
        source = QImage(w, h, QImage::Format_RGB32);
        if (source.isNull())
            return;
        source.fill(toQRgb(maskRgb));
        QPainter p(&source);
        p.drawImage(QPoint(0, 0), picture.image());
    }
    const int cw = std::min(w, source.width());
    const int ch = std::min(h, source.height());
    for (int row = 0; row < ch; ++row) {
        const QRgb* line = reinterpret_cast<const QRgb*>(source.constScanLine(row));
        for (int col = 0; col < cw; ++col) {
            const int tx = x + col, ty = y + row;
            const ColourRef back = target.GetPixel(tx, ty);
            if (back == 0xFFFFFFFFu)
                continue;  // off the surface
            const ColourRef s = fromQRgb(line[col]);
            if (transparent && s == *transparent)
                continue;
            ColourRef out = s;
            if (brush) {
                out = *brush;
            } else if (grey) {
                const double first = std::nearbyint(0.3 * redOf(s));
                const int g = std::clamp(int(std::nearbyint(first + 0.59 * greenOf(s) + 0.11 * blueOf(s))), 0, 255);
                out = rgbColour(g, g, g);
            } else if (blend) {
                out = rgbColour((redOf(back) + 2 * redOf(s)) / 3, (greenOf(back) + 2 * greenOf(s)) / 3,
                                (blueOf(back) + 2 * blueOf(s)) / 3);
            }
            target.SetPixel(tx, ty, out);
        }
    }
}

}  // namespace tarvelo

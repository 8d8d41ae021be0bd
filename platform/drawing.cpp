#include "platform/drawing.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

namespace tarvelo {
namespace {

// A surface larger than this is refused rather than allocated (about 256 MB of pixels).
constexpr qint64 kMaxPixels = qint64(64) * 1024 * 1024;
// Lines longer than this are not drawn: no caller draws them, and walking them pixel by
// pixel would stall the UI thread.
constexpr qint64 kMaxLineSpan = qint64(1) << 20;
// 96 pixels per inch, in the unit QImage keeps.
constexpr int kDotsPerMeter = 3780;

bool fontsAvailable() { return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr; }

int floorMod(int a, int m)
{
    const int r = a % m;
    return r < 0 ? r + m : r;
}

// The part of (x, y, w, h) that lies on a surface of the given size.
bool clip(int& x, int& y, int& w, int& h, int width, int height)
{
    qint64 x0 = std::max<qint64>(x, 0);
    qint64 y0 = std::max<qint64>(y, 0);
    const qint64 x1 = std::min<qint64>(qint64(x) + w, width);
    const qint64 y1 = std::min<qint64>(qint64(y) + h, height);
    if (w <= 0 || h <= 0 || x1 <= x0 || y1 <= y0)
        return false;
    x = int(x0);
    y = int(y0);
    w = int(x1 - x0);
    h = int(y1 - y0);
    return true;
}

struct TextLine {
    QString text;
    std::vector<int> underlined;  // positions in text
};

// Removes access-key markers: "&&" stays as one "&", a single "&" marks the next
// character, a trailing one vanishes.
void stripPrefixes(QStringView in, bool noPrefix, QString& out, std::vector<int>& underlined)
{
    for (qsizetype i = 0; i < in.size(); ++i) {
        const QChar c = in[i];
        if (!noPrefix && c == QLatin1Char('&')) {
            if (i + 1 < in.size() && in[i + 1] == QLatin1Char('&')) {
                out += QLatin1Char('&');
                ++i;
            } else if (i + 1 < in.size()) {
                underlined.push_back(int(out.size()));
            }
            continue;
        }
        out += c;
    }
}

std::vector<QStringView> paragraphs(QStringView text, bool singleLine)
{
    std::vector<QStringView> result;
    if (singleLine) {
        result.push_back(text);
        return result;
    }
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            result.push_back(text.mid(start, i - start));
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
            start = i + 1;
        }
    }
    // A break at the very end opens no further line.
    if (start < text.size() || result.empty())
        result.push_back(text.mid(start));
    return result;
}

TextLine sliceLine(const QString& text, const std::vector<int>& underlined, qsizetype from, qsizetype to)
{
    TextLine line;
    line.text = text.mid(from, to - from);
    for (const int u : underlined)
        if (u >= from && u < to)
            line.underlined.push_back(int(u - from));
    return line;
}

// Greedy breaking between words: a line takes words while they fit; a word that does not
// fit on an empty line keeps a line of its own; the blanks at a break are dropped.
void wrapParagraph(const QString& text, const std::vector<int>& underlined, int maxWidth,
                   const QFontMetrics& fm, std::vector<TextLine>& out)
{
    const qsizetype n = text.size();
    qsizetype start = 0;
    while (true) {
        qsizetype lineEnd = -1;  // end of the last word that fits
        qsizetype pos = start;
        while (pos < n) {
            qsizetype wordEnd = pos;
            while (wordEnd < n && text[wordEnd] == QLatin1Char(' '))
                ++wordEnd;
            while (wordEnd < n && text[wordEnd] != QLatin1Char(' '))
                ++wordEnd;
            const int w = fm.horizontalAdvance(text.mid(start, wordEnd - start));
            if (lineEnd >= 0 && w > maxWidth)
                break;
            lineEnd = wordEnd;
            pos = wordEnd;
        }
        if (lineEnd < 0)
            lineEnd = n;
        out.push_back(sliceLine(text, underlined, start, lineEnd));
        qsizetype next = lineEnd;
        while (next < n && text[next] == QLatin1Char(' '))
            ++next;
        if (next >= n)
            break;
        start = next;
    }
}

std::vector<TextLine> layoutText(QStringView text, unsigned format, int maxWidth, const QFontMetrics& fm)
{
    std::vector<TextLine> lines;
    const bool single = format & DT_SINGLELINE;
    for (QStringView para : paragraphs(text, single)) {
        QString shown;
        std::vector<int> underlined;
        stripPrefixes(para, format & DT_NOPREFIX, shown, underlined);
        if (single)
            shown.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
        if ((format & DT_WORDBREAK) && !single)
            wrapParagraph(shown, underlined, maxWidth, fm, lines);
        else
            lines.push_back(sliceLine(shown, underlined, 0, shown.size()));
    }
    return lines;
}

// Where pixel `v` of a drawing `logical` pixels long starts in an image `device` pixels
// long: counted from the nearer edge, so both edges get the same rounding.
int toImage(int v, int logical, int device, qreal ratio)
{
    if (ratio == 1.0)
        return v;
    if (2 * qint64(v) <= logical)
        return qRound(v * ratio);
    return device - qRound((logical - v) * ratio);
}

// The colours of one border layer: top-left and bottom-right.
struct EdgeColours {
    bool present = false;
    ColourRef lt = 0;
    ColourRef rb = 0;
};

EdgeColours edgeColours(unsigned bits, bool outer, unsigned flags)
{
    EdgeColours e;
    if (bits != 1 && bits != 2)
        return e;
    e.present = true;
    if (flags & BF_MONO) {
        e.lt = e.rb = GetSysColor(outer ? COLOR_WINDOWFRAME : COLOR_WINDOW);
    } else if (flags & BF_FLAT) {
        e.lt = e.rb = GetSysColor(outer ? COLOR_3DSHADOW : COLOR_3DFACE);
    } else if (outer) {
        e.lt = GetSysColor(bits == 1 ? COLOR_3DLIGHT : COLOR_3DSHADOW);
        e.rb = GetSysColor(bits == 1 ? COLOR_3DDKSHADOW : COLOR_3DHIGHLIGHT);
    } else {
        e.lt = GetSysColor(bits == 1 ? COLOR_3DHIGHLIGHT : COLOR_3DDKSHADOW);
        e.rb = GetSysColor(bits == 1 ? COLOR_3DSHADOW : COLOR_3DLIGHT);
    }
    return e;
}

}  // namespace

// ---- Brush ---------------------------------------------------------------------------

Brush Brush::solid(ColourRef colour)
{
    Brush b;
    b.kind_ = Kind::Solid;
    b.colour_ = colour & 0xFFFFFF;
    return b;
}

Brush Brush::pattern(const std::array<quint8, 8>& rows)
{
    Brush b;
    b.kind_ = Kind::Pattern;
    b.rows_ = rows;
    return b;
}

Brush Brush::fromBits(const quint8* bits, int bytesPerRow, int rows)
{
    std::array<quint8, 8> r{};
    if (bits && bytesPerRow > 0 && rows > 0)
        for (int y = 0; y < 8; ++y)
            r[std::size_t(y)] = bits[std::size_t((y % rows) * bytesPerRow)];
    return pattern(r);
}

bool Brush::bitAt(int x, int y) const
{
    const quint8 row = rows_[std::size_t(floorMod(y, 8))];
    return (row >> (7 - floorMod(x, 8))) & 1;
}

// ---- DeviceContext -------------------------------------------------------------------

DeviceContext::DeviceContext(int width, int height) { resize(width, height); }

bool DeviceContext::resize(int width, int height, qreal ratio)
{
    image_ = QImage();
    width_ = height_ = 0;
    ratio_ = std::max<qreal>(1.0, ratio);
    if (width <= 0 || height <= 0 || width > kMaxPixels || height > kMaxPixels)
        return false;
    const qint64 deviceWidth = qRound64(width * ratio_);
    const qint64 deviceHeight = qRound64(height * ratio_);
    if (deviceWidth * deviceHeight > kMaxPixels)
        return false;
    QImage img(int(deviceWidth), int(deviceHeight), QImage::Format_RGB32);
    if (img.isNull())
        return false;
    img.fill(Qt::white);
    img.setDotsPerMeterX(kDotsPerMeter);
    img.setDotsPerMeterY(kDotsPerMeter);
    img.setDevicePixelRatio(ratio_);
    image_ = std::move(img);
    width_ = width;
    height_ = height;
    return true;
}

int DeviceContext::imageX(int x) const { return toImage(x, width_, image_.width(), ratio_); }
int DeviceContext::imageY(int y) const { return toImage(y, height_, image_.height(), ratio_); }

ColourRef DeviceContext::setTextColour(ColourRef colour) { return std::exchange(textColour_, colour & 0xFFFFFF); }
ColourRef DeviceContext::setBkColour(ColourRef colour) { return std::exchange(bkColour_, colour & 0xFFFFFF); }
BkMode DeviceContext::setBkMode(BkMode mode) { return std::exchange(bkMode_, mode); }
QFont DeviceContext::selectFont(const QFont& font) { return std::exchange(font_, font); }
Brush DeviceContext::selectBrush(const Brush& brush) { return std::exchange(brush_, brush); }

ColourRef DeviceContext::GetPixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width() || y >= height())
        return 0xFFFFFFFFu;
    const int column = std::min(imageX(x), image_.width() - 1);
    const int row = std::min(imageY(y), image_.height() - 1);
    return fromQRgb(reinterpret_cast<const QRgb*>(image_.constScanLine(row))[column]);
}

void DeviceContext::SetPixel(int x, int y, ColourRef colour) { fill(x, y, 1, 1, colour); }

void DeviceContext::fill(int x, int y, int w, int h, ColourRef colour)
{
    if (!clip(x, y, w, h, width(), height()))
        return;
    const QRgb p = toQRgb(colour);
    const int left = imageX(x), right = imageX(x + w);
    for (int row = imageY(y), bottom = imageY(y + h); row < bottom; ++row) {
        QRgb* line = reinterpret_cast<QRgb*>(image_.scanLine(row));
        std::fill(line + left, line + right, p);
    }
}

void DeviceContext::frame(int x, int y, int w, int h, ColourRef colour)
{
    if (w <= 0 || h <= 0)
        return;
    fill(x, y, w, 1, colour);
    fill(x, y + h - 1, w, 1, colour);
    fill(x, y, 1, h, colour);
    fill(x + w - 1, y, 1, h, colour);
}

void DeviceContext::line(int x1, int y1, int x2, int y2, ColourRef colour)
{
    if (y1 == y2) {
        if (x1 < x2)
            fill(x1, y1, x2 - x1, 1, colour);
        else if (x2 < x1)
            fill(x2 + 1, y1, x1 - x2, 1, colour);
        return;
    }
    if (x1 == x2) {
        if (y1 < y2)
            fill(x1, y1, 1, y2 - y1, colour);
        else
            fill(x1, y2 + 1, 1, y1 - y2, colour);
        return;
    }
    const qint64 dx = std::llabs(qint64(x2) - x1);
    const qint64 dy = -std::llabs(qint64(y2) - y1);
    if (dx > kMaxLineSpan || -dy > kMaxLineSpan)
        return;
    const int sx = x1 < x2 ? 1 : -1;
    const int sy = y1 < y2 ? 1 : -1;
    qint64 err = dx + dy;
    int x = x1;
    int y = y1;
    while (x != x2 || y != y2) {
        SetPixel(x, y, colour);
        const qint64 e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void DeviceContext::FillRect(const Rect& r, const Brush& brush)
{
    const Brush previous = selectBrush(brush);
    PatBlt(r.left, r.top, r.width(), r.height(), PATCOPY);
    selectBrush(previous);
}

void DeviceContext::PatBlt(int x, int y, int w, int h, quint32 rop)
{
    if (!clip(x, y, w, h, width(), height()))
        return;
    const bool needsBrush = rop == PATCOPY || rop == PATINVERT;
    if (needsBrush && brush_.isNull())
        return;
    if (rop != PATCOPY && rop != PATINVERT && rop != DSTINVERT && rop != BLACKNESS && rop != WHITENESS)
        return;
    const QRgb fore = toQRgb(textColour_);
    const QRgb back = toQRgb(bkColour_);
    const QRgb solid = toQRgb(brush_.colour());
    const auto apply = [rop](QRgb& d, QRgb pat) {
        switch (rop) {
        case PATCOPY: d = pat; break;
        case PATINVERT: d = 0xFF000000u | ((d ^ pat) & 0xFFFFFFu); break;
        case DSTINVERT: d = 0xFF000000u | (~d & 0xFFFFFFu); break;
        case BLACKNESS: d = 0xFF000000u; break;
        default: d = 0xFFFFFFFFu; break;
        }
    };
    // The pattern is one of the drawing's pixels, however many image pixels that covers.
    for (int row = y; row < y + h; ++row) {
        for (int col = x; col < x + w; ++col) {
            const QRgb pat = brush_.isPattern() ? (brush_.bitAt(col, row) ? back : fore) : solid;
            for (int iy = imageY(row), iyEnd = imageY(row + 1); iy < iyEnd; ++iy) {
                QRgb* line = reinterpret_cast<QRgb*>(image_.scanLine(iy));
                for (int ix = imageX(col), ixEnd = imageX(col + 1); ix < ixEnd; ++ix)
                    apply(line[ix], pat);
            }
        }
    }
}

bool DeviceContext::DrawEdge(Rect& r, unsigned edge, unsigned flags)
{
    const EdgeColours outer = edgeColours(edge & 3, true, flags);
    const EdgeColours inner = edgeColours((edge >> 2) & 3, false, flags);
    const auto layer = [&](const EdgeColours& e, int inset) {
        if (!e.present)
            return;
        const int l = r.left + inset, t = r.top + inset, rt = r.right - inset, b = r.bottom - inset;
        const int from = (flags & BF_LEFT) ? l : r.left;
        const int to = (flags & BF_RIGHT) ? rt : r.right;
        const int fromY = (flags & BF_TOP) ? t : r.top;
        const int toY = (flags & BF_BOTTOM) ? b : r.bottom;
        if (flags & BF_TOP)
            line(from, t, to, t, e.lt);
        if (flags & BF_LEFT)
            line(l, fromY, l, toY, e.lt);
        if (flags & BF_BOTTOM)
            line(from, b - 1, to, b - 1, e.rb);
        if (flags & BF_RIGHT)
            line(rt - 1, fromY, rt - 1, toY, e.rb);
    };
    layer(outer, 0);
    layer(inner, outer.present ? 1 : 0);

    const int depth = (outer.present ? 1 : 0) + (inner.present ? 1 : 0);
    Rect inside = r;
    if (flags & BF_LEFT)
        inside.left += depth;
    if (flags & BF_TOP)
        inside.top += depth;
    if (flags & BF_RIGHT)
        inside.right -= depth;
    if (flags & BF_BOTTOM)
        inside.bottom -= depth;
    if (flags & BF_MIDDLE)
        fill(inside.left, inside.top, inside.width(), inside.height(),
             GetSysColor((flags & BF_MONO) ? COLOR_WINDOW : COLOR_3DFACE));
    if (flags & BF_ADJUST)
        r = inside;
    return true;
}

QFont DeviceContext::pixelFont(const QFont& font)
{
    QFont f = font;
    if (font.pointSizeF() > 0)
        f.setPixelSize(std::max(1, qRound(font.pointSizeF() * 96.0 / 72.0)));
    f.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
    f.setKerning(false);
    // Whole-pixel advances, so letters keep even gaps as the platform's bitmap text does.
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

int DeviceContext::lineHeight() const
{
    if (!fontsAvailable())
        return 0;
    return QFontMetrics(pixelFont(font_)).height();
}

int DeviceContext::textWidth(QStringView text) const
{
    if (!fontsAvailable())
        return 0;
    return QFontMetrics(pixelFont(font_)).horizontalAdvance(text.toString());
}

int DeviceContext::DrawText(QStringView text, Rect& r, unsigned format)
{
    if (!fontsAvailable())
        return 0;
    const QFont font = pixelFont(font_);
    const QFontMetrics fm(font);
    const int lh = fm.height();
    const bool single = format & DT_SINGLELINE;

    if (text.isEmpty()) {
        if (format & DT_CALCRECT) {
            r.right = r.left;
            r.bottom = single ? r.top + lh : r.top;
        }
        return lh;
    }

    const std::vector<TextLine> lines = layoutText(text, format, r.width(), fm);
    const int total = int(lines.size()) * lh;

    if (format & DT_CALCRECT) {
        int widest = 0;
        for (const TextLine& l : lines)
            widest = std::max(widest, fm.horizontalAdvance(l.text));
        r.right = r.left + widest;
        r.bottom = r.top + total;
        return total;
    }
    if (isNull())
        return total;

    int y = r.top;
    if (single && (format & DT_VCENTER))
        y = r.top + (r.height() - lh) / 2;
    else if (single && (format & DT_BOTTOM))
        y = r.bottom - lh;

    QPainter p(&image_);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.setFont(font);
    p.setPen(toQColor(textColour_));
    if (!(format & DT_NOCLIP))
        p.setClipRect(QRect(r.left, r.top, std::max(0, r.width()), std::max(0, r.height())));

    for (const TextLine& l : lines) {
        const int w = fm.horizontalAdvance(l.text);
        int x = r.left;
        if (format & DT_CENTER)
            x = r.left + (r.width() - w) / 2;
        else if (format & DT_RIGHT)
            x = r.right - w;
        if (bkMode_ == BkMode::Opaque)
            p.fillRect(QRect(x, y, w, lh), toQColor(bkColour_));
        p.drawText(QPoint(x, y + fm.ascent()), l.text);
        for (const int u : l.underlined) {
            const int ux = x + fm.horizontalAdvance(l.text.left(u));
            const int uw = fm.horizontalAdvance(l.text.mid(u, 1));
            p.fillRect(QRect(ux, y + fm.ascent() + 1, uw, 1), toQColor(textColour_));
        }
        y += lh;
    }
    return total;
}

bool DeviceContext::DrawState(std::optional<ColourRef> brush, const QImage& picture, int x, int y, int cx,
                              int cy, unsigned flags)
{
    if (picture.isNull() || isNull())
        return false;
    const unsigned kind = flags & 0x000F;
    if (kind != DST_ICON && kind != DST_BITMAP)
        return false;
    if (cx <= 0)
        cx = picture.width();
    if (cy <= 0)
        cy = picture.height();
    cx = std::min(cx, picture.width());
    cy = std::min(cy, picture.height());

    if (!(flags & (DSS_MONO | DSS_DISABLED))) {
        QPainter p(&image_);
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        p.drawImage(QPoint(x, y), picture, QRect(0, 0, cx, cy));
        return true;
    }

    const QImage src = picture.convertToFormat(QImage::Format_ARGB32);
    std::vector<bool> shape(std::size_t(cx) * std::size_t(cy));
    for (int row = 0; row < cy; ++row) {
        const QRgb* line = reinterpret_cast<const QRgb*>(src.constScanLine(row));
        for (int col = 0; col < cx; ++col) {
            const QRgb s = line[col];
            const int a = qAlpha(s);
            const auto onWhite = [a](int c) { return (c * a + 255 * (255 - a) + 127) / 255; };
            shape[std::size_t(row) * cx + col] =
                onWhite(qRed(s)) != 255 || onWhite(qGreen(s)) != 255 || onWhite(qBlue(s)) != 255;
        }
    }
    const auto paintShape = [&](int ox, int oy, ColourRef colour) {
        for (int row = 0; row < cy; ++row)
            for (int col = 0; col < cx; ++col)
                if (shape[std::size_t(row) * cx + col])
                    SetPixel(ox + col, oy + row, colour);
    };
    if (flags & DSS_DISABLED) {
        paintShape(x + 1, y + 1, GetSysColor(COLOR_3DHIGHLIGHT));
        paintShape(x, y, GetSysColor(COLOR_3DSHADOW));
    } else {
        paintShape(x, y, brush.value_or(textColour_));
    }
    return true;
}

// ---- Blits and regions ---------------------------------------------------------------

bool BitBlt(DeviceContext& dst, int x, int y, int w, int h, const DeviceContext& src, int sx, int sy,
            quint32 rop)
{
    if (dst.isNull() || src.isNull() || w <= 0 || h <= 0)
        return false;
    if (rop != SRCCOPY && rop != SRCPAINT && rop != SRCAND && rop != SRCINVERT)
        return false;
    // Limit the block to what both surfaces hold, keeping source and target aligned.
    const qint64 left = std::max<qint64>({0, -qint64(x), -qint64(sx)});
    const qint64 top = std::max<qint64>({0, -qint64(y), -qint64(sy)});
    const qint64 right = std::min<qint64>({qint64(w), qint64(dst.width()) - x, qint64(src.width()) - sx});
    const qint64 bottom = std::min<qint64>({qint64(h), qint64(dst.height()) - y, qint64(src.height()) - sy});
    if (right <= left || bottom <= top)
        return true;

    // The block in image pixels of each surface. A copy of the source block lets a surface
    // blit onto itself.
    const QRect from(QPoint(src.imageX(int(sx + left)), src.imageY(int(sy + top))),
                     QPoint(src.imageX(int(sx + right)) - 1, src.imageY(int(sy + bottom)) - 1));
    const QRect to(QPoint(dst.imageX(int(x + left)), dst.imageY(int(y + top))),
                   QPoint(dst.imageX(int(x + right)) - 1, dst.imageY(int(y + bottom)) - 1));
    if (from.isEmpty() || to.isEmpty())
        return true;
    QImage block = src.image().copy(from);
    if (block.size() != to.size())
        block = block.scaled(to.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QImage& target = dst.image();
    for (int row = 0; row < block.height(); ++row) {
        const QRgb* s = reinterpret_cast<const QRgb*>(block.constScanLine(row));
        QRgb* d = reinterpret_cast<QRgb*>(target.scanLine(to.top() + row)) + to.left();
        for (int col = 0; col < block.width(); ++col) {
            const QRgb sv = s[col] & 0xFFFFFFu;
            const QRgb dv = d[col] & 0xFFFFFFu;
            QRgb out = sv;
            if (rop == SRCPAINT)
                out = dv | sv;
            else if (rop == SRCAND)
                out = dv & sv;
            else if (rop == SRCINVERT)
                out = dv ^ sv;
            d[col] = 0xFF000000u | out;
        }
    }
    return true;
}

QRegion CreateRectRgn(int left, int top, int right, int bottom)
{
    if (right <= left || bottom <= top)
        return QRegion();
    return QRegion(left, top, right - left, bottom - top);
}

QRegion CombineRgn(const QRegion& a, const QRegion& b, RegionOp op)
{
    switch (op) {
    case RegionOp::And: return a.intersected(b);
    case RegionOp::Or: return a.united(b);
    case RegionOp::Xor: return a.xored(b);
    case RegionOp::Diff: return a.subtracted(b);
    }
    return a;
}

}  // namespace tarvelo

#pragma once

#include "platform/syscolors.h"

#include <QFont>
#include <QImage>
#include <QRegion>
#include <QStringView>

#include <array>
#include <optional>

namespace tarvelo {

// A narrow drawing layer in place of the platform's device contexts. The owner-drawn
// controls depend on exact pixels (gradient rows, rims, corner pixels, one-pixel
// patterns), so everything here is drawn without antialiasing, straight into the pixels
// of a QImage, with the platform's conventions: rectangles exclude their right and bottom
// edges, a line leaves out its end point, colours are ColourRef values until a pixel is
// written. Text goes through QPainter with antialiasing off.

// A rectangle by its edges; right and bottom lie just outside it.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool isEmpty() const { return right <= left || bottom <= top; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// DrawText formats.
inline constexpr unsigned DT_TOP = 0x0000;
inline constexpr unsigned DT_LEFT = 0x0000;
inline constexpr unsigned DT_CENTER = 0x0001;
inline constexpr unsigned DT_RIGHT = 0x0002;
inline constexpr unsigned DT_VCENTER = 0x0004;
inline constexpr unsigned DT_BOTTOM = 0x0008;
inline constexpr unsigned DT_WORDBREAK = 0x0010;
inline constexpr unsigned DT_SINGLELINE = 0x0020;
inline constexpr unsigned DT_NOCLIP = 0x0100;
inline constexpr unsigned DT_CALCRECT = 0x0400;
inline constexpr unsigned DT_NOPREFIX = 0x0800;

// DrawEdge edges and sides.
inline constexpr unsigned BDR_RAISEDOUTER = 0x0001;
inline constexpr unsigned BDR_SUNKENOUTER = 0x0002;
inline constexpr unsigned BDR_RAISEDINNER = 0x0004;
inline constexpr unsigned BDR_SUNKENINNER = 0x0008;
inline constexpr unsigned EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
inline constexpr unsigned EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
inline constexpr unsigned EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER;
inline constexpr unsigned EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;
inline constexpr unsigned BF_LEFT = 0x0001;
inline constexpr unsigned BF_TOP = 0x0002;
inline constexpr unsigned BF_RIGHT = 0x0004;
inline constexpr unsigned BF_BOTTOM = 0x0008;
inline constexpr unsigned BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM;
inline constexpr unsigned BF_MIDDLE = 0x0800;
inline constexpr unsigned BF_ADJUST = 0x2000;
inline constexpr unsigned BF_FLAT = 0x4000;
inline constexpr unsigned BF_MONO = 0x8000;

// DrawState kinds and states.
inline constexpr unsigned DST_ICON = 0x0003;
inline constexpr unsigned DST_BITMAP = 0x0004;
inline constexpr unsigned DSS_NORMAL = 0x0000;
inline constexpr unsigned DSS_DISABLED = 0x0020;
inline constexpr unsigned DSS_MONO = 0x0080;

// Raster operations of BitBlt and PatBlt.
inline constexpr quint32 SRCCOPY = 0x00CC0020;
inline constexpr quint32 SRCPAINT = 0x00EE0086;
inline constexpr quint32 SRCAND = 0x008800C6;
inline constexpr quint32 SRCINVERT = 0x00660046;
inline constexpr quint32 PATCOPY = 0x00F00021;
inline constexpr quint32 PATINVERT = 0x005A0049;
inline constexpr quint32 DSTINVERT = 0x00550009;
inline constexpr quint32 BLACKNESS = 0x00000042;
inline constexpr quint32 WHITENESS = 0x00FF0062;

enum class BkMode { Transparent = 1, Opaque = 2 };

// A solid brush, or an 8x8 one-bit pattern. Drawn with a pattern, clear bits take the
// device context's text colour and set bits its background colour; the pattern is
// anchored at the surface's origin. Row bytes hold the leftmost pixel in the high bit.
class Brush {
public:
    Brush() = default;
    static Brush solid(ColourRef colour);
    static Brush pattern(const std::array<quint8, 8>& rows);
    // From a one-bit bitmap of rows padded to `bytesPerRow` bytes; only its top-left
    // 8x8 pixels are used, as a pattern brush does.
    static Brush fromBits(const quint8* bits, int bytesPerRow, int rows);

    bool isNull() const { return kind_ == Kind::None; }
    bool isPattern() const { return kind_ == Kind::Pattern; }
    ColourRef colour() const { return colour_; }
    // True when pixel (x, y) of the surface falls on a set bit of the pattern.
    bool bitAt(int x, int y) const;

private:
    enum class Kind { None, Solid, Pattern };
    Kind kind_ = Kind::None;
    ColourRef colour_ = 0;
    std::array<quint8, 8> rows_{};
};

// A drawing surface with the state a device context keeps between drawing calls: text and
// background colour, background mode, the selected font and brush. The state survives a
// resize, so a caption drawn "in the current text colour" is drawn in the colour a
// previous paint left.
class DeviceContext {
public:
    DeviceContext() = default;
    DeviceContext(int width, int height);

    // An empty size leaves no surface; a size the memory cannot hold does the same.
    // `ratio` image pixels stand for one pixel of the drawing (a scaled screen's device
    // pixel ratio; below 1 counts as 1): every call keeps its coordinates and colours, and
    // each pixel covers the image pixels it falls on. Pixels are counted from the nearer
    // edge, so an edge row covers as many image pixels as its mirror on the far side and a
    // frame is as thick on every side; text is drawn at the image's resolution.
    bool resize(int width, int height, qreal ratio = 1.0);
    bool isNull() const { return image_.isNull(); }
    int width() const { return width_; }
    int height() const { return height_; }
    qreal ratio() const { return ratio_; }
    // The image, `ratio` times the size in each direction, with that device pixel ratio.
    const QImage& image() const { return image_; }
    QImage& image() { return image_; }
    // Where the drawing's column x (row y) starts in the image.
    int imageX(int x) const;
    int imageY(int y) const;

    ColourRef textColour() const { return textColour_; }
    ColourRef setTextColour(ColourRef colour);  // returns the previous one
    ColourRef bkColour() const { return bkColour_; }
    ColourRef setBkColour(ColourRef colour);
    BkMode bkMode() const { return bkMode_; }
    BkMode setBkMode(BkMode mode);
    const QFont& font() const { return font_; }
    QFont selectFont(const QFont& font);
    const Brush& brush() const { return brush_; }
    Brush selectBrush(const Brush& brush);

    // 0xFFFFFFFF for a point outside the surface.
    ColourRef GetPixel(int x, int y) const;
    void SetPixel(int x, int y, ColourRef colour);

    // Columns x..x+w-1 of rows y..y+h-1, and the one-pixel outline of that rectangle.
    void fill(int x, int y, int w, int h, ColourRef colour);
    void frame(int x, int y, int w, int h, ColourRef colour);
    // One pixel wide, the end point itself not drawn.
    void line(int x1, int y1, int x2, int y2, ColourRef colour);

    void FillRect(const Rect& r, const Brush& brush);
    // Fills with the selected brush through a raster operation (PATCOPY, PATINVERT,
    // DSTINVERT, BLACKNESS, WHITENESS).
    void PatBlt(int x, int y, int w, int h, quint32 rop);

    // Raised, sunken, etched and bump edges in the system's 3D colours; BF_ADJUST moves
    // `r` inside the drawn border.
    bool DrawEdge(Rect& r, unsigned edge, unsigned flags);

    // Text in the selected font and text colour, transparent or on the background colour.
    // Lines break at CR/LF unless DT_SINGLELINE, and between words with DT_WORDBREAK (a
    // word wider than the rectangle keeps its line). "&" underlines the next character
    // and "&&" shows one "&", unless DT_NOPREFIX. DT_CALCRECT draws nothing and sets
    // `r`'s right and bottom to enclose the text. Returns the height of the text.
    int DrawText(QStringView text, Rect& r, unsigned format);
    // Line height and width of one line of text as DrawText lays it out.
    int lineHeight() const;
    int textWidth(QStringView text) const;

    // An icon (alpha) or bitmap at (x, y), cx x cy of it (0 = its own size). DSS_MONO
    // paints its shape in `brush` (the text colour when none); DSS_DISABLED embosses the
    // shape in the 3D highlight and shadow colours. The shape is every pixel that is not
    // pure white once the image is laid on white.
    bool DrawState(std::optional<ColourRef> brush, const QImage& image, int x, int y, int cx, int cy,
                   unsigned flags);

    // A font as the platform sizes it: points at 96 pixels per inch, rounded to whole
    // pixels, without antialiasing.
    static QFont pixelFont(const QFont& font);

private:
    QImage image_;
    int width_ = 0;
    int height_ = 0;
    qreal ratio_ = 1.0;
    ColourRef textColour_ = 0;
    ColourRef bkColour_ = 0xFFFFFF;
    BkMode bkMode_ = BkMode::Opaque;
    QFont font_;
    Brush brush_ = Brush::solid(0xFFFFFF);
};

// Copies a w x h block from `src` at (sx, sy) to `dst` at (x, y) through SRCCOPY,
// SRCPAINT, SRCAND or SRCINVERT; pixels outside either surface are left out. Source and
// destination may be the same surface. Between surfaces of different ratios each image
// pixel takes the nearest one of the source.
bool BitBlt(DeviceContext& dst, int x, int y, int w, int h, const DeviceContext& src, int sx, int sy,
            quint32 rop);

// Regions are QRegion (a widget takes one with QWidget::setMask).
enum class RegionOp { And, Or, Xor, Diff };
QRegion CreateRectRgn(int left, int top, int right, int bottom);
QRegion CombineRgn(const QRegion& a, const QRegion& b, RegionOp op);

}  // namespace tarvelo

#pragma once

#include <QColor>
#include <QtGlobal>

#include <optional>

namespace tarvelo {

// A plain colour as the program keeps it: 0x00BBGGRR, red in the lowest byte.
using ColourRef = quint32;
// A colour as controls store it: a ColourRef, or 0x80000000 plus a system colour number.
using OleColour = quint32;

constexpr ColourRef rgbColour(int red, int green, int blue)
{
    return static_cast<ColourRef>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int redOf(ColourRef c) { return static_cast<int>(c & 0xFF); }
constexpr int greenOf(ColourRef c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int blueOf(ColourRef c) { return static_cast<int>((c >> 16) & 0xFF); }

// QImage pixels are 0xAARRGGBB; these swap the byte order and force full opacity.
constexpr QRgb toQRgb(ColourRef c)
{
    return 0xFF000000u | (static_cast<QRgb>(redOf(c)) << 16) | (static_cast<QRgb>(greenOf(c)) << 8)
           | static_cast<QRgb>(blueOf(c));
}
constexpr ColourRef fromQRgb(QRgb p) { return rgbColour(qRed(p), qGreen(p), qBlue(p)); }
inline QColor toQColor(ColourRef c) { return QColor::fromRgb(toQRgb(c)); }

// System colour numbers.
enum SysColour : int {
    COLOR_SCROLLBAR = 0,
    COLOR_BACKGROUND = 1,
    COLOR_ACTIVECAPTION = 2,
    COLOR_INACTIVECAPTION = 3,
    COLOR_MENU = 4,
    COLOR_WINDOW = 5,
    COLOR_WINDOWFRAME = 6,
    COLOR_MENUTEXT = 7,
    COLOR_WINDOWTEXT = 8,
    COLOR_CAPTIONTEXT = 9,
    COLOR_ACTIVEBORDER = 10,
    COLOR_INACTIVEBORDER = 11,
    COLOR_APPWORKSPACE = 12,
    COLOR_HIGHLIGHT = 13,
    COLOR_HIGHLIGHTTEXT = 14,
    COLOR_BTNFACE = 15,
    COLOR_BTNSHADOW = 16,
    COLOR_GRAYTEXT = 17,
    COLOR_BTNTEXT = 18,
    COLOR_INACTIVECAPTIONTEXT = 19,
    COLOR_BTNHIGHLIGHT = 20,
    COLOR_3DDKSHADOW = 21,
    COLOR_3DLIGHT = 22,
    COLOR_INFOTEXT = 23,
    COLOR_INFOBK = 24,
    COLOR_HOTLIGHT = 26,
    COLOR_GRADIENTACTIVECAPTION = 27,
    COLOR_GRADIENTINACTIVECAPTION = 28,
    COLOR_MENUHILIGHT = 29,
    COLOR_MENUBAR = 30,
    COLOR_3DFACE = COLOR_BTNFACE,
    COLOR_3DSHADOW = COLOR_BTNSHADOW,
    COLOR_3DHIGHLIGHT = COLOR_BTNHIGHLIGHT,
};
inline constexpr int kSysColourCount = 31;

constexpr OleColour systemColour(int index) { return 0x80000000u | static_cast<quint32>(index); }

// The system colour table. Its values are fixed (a classic grey desktop scheme), so that a
// drawing looks the same on every machine and tests can name exact pixels. A number
// outside the table gives 0, as the platform call it stands for does.
ColourRef GetSysColor(int index);

// An OLE colour to RGB: plain values keep their low three bytes, system colour codes
// read the table; anything else (another high byte, a system number outside the table)
// cannot be translated.
std::optional<ColourRef> translateOleColour(OleColour colour);

}  // namespace tarvelo

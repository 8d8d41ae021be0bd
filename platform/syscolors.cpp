#include "platform/syscolors.h"

#include <array>

namespace tarvelo {
namespace {

constexpr std::array<ColourRef, kSysColourCount> kTable = {
    rgbColour(212, 208, 200),  //  0 scroll bar
    rgbColour(58, 110, 165),   //  1 desktop
    rgbColour(10, 36, 106),    //  2 active caption
    rgbColour(128, 128, 128),  //  3 inactive caption
    rgbColour(212, 208, 200),  //  4 menu
    rgbColour(255, 255, 255),  //  5 window
    rgbColour(0, 0, 0),        //  6 window frame
    rgbColour(0, 0, 0),        //  7 menu text
    rgbColour(0, 0, 0),        //  8 window text
    rgbColour(255, 255, 255),  //  9 caption text
    rgbColour(212, 208, 200),  // 10 active border
    rgbColour(212, 208, 200),  // 11 inactive border
    rgbColour(128, 128, 128),  // 12 application workspace
    rgbColour(10, 36, 106),    // 13 highlight
    rgbColour(255, 255, 255),  // 14 highlight text
    rgbColour(212, 208, 200),  // 15 button face
    rgbColour(128, 128, 128),  // 16 button shadow
    rgbColour(128, 128, 128),  // 17 grey text
    rgbColour(0, 0, 0),        // 18 button text
    rgbColour(212, 208, 200),  // 19 inactive caption text
    rgbColour(255, 255, 255),  // 20 button highlight
    rgbColour(64, 64, 64),     // 21 3D dark shadow
    rgbColour(212, 208, 200),  // 22 3D light
    rgbColour(0, 0, 0),        // 23 tooltip text
    rgbColour(255, 255, 225),  // 24 tooltip background
    rgbColour(181, 181, 181),  // 25 (unnamed)
    rgbColour(0, 0, 128),      // 26 hot-tracked item
    rgbColour(166, 202, 240),  // 27 active caption gradient
    rgbColour(192, 192, 192),  // 28 inactive caption gradient
    rgbColour(49, 106, 197),   // 29 menu highlight
    rgbColour(212, 208, 200),  // 30 menu bar
};

}  // namespace

ColourRef GetSysColor(int index)
{
    if (index < 0 || index >= kSysColourCount)
        return 0;
    return kTable[static_cast<std::size_t>(index)];
}

std::optional<ColourRef> translateOleColour(OleColour colour)
{
    const quint32 kind = colour >> 24;
    if (kind == 0x00)
        return colour & 0xFFFFFFu;
    if (kind == 0x80) {
        const quint32 index = colour & 0xFFFFFFu;
        if (index < static_cast<quint32>(kSysColourCount))
            return kTable[index];
    }
    return std::nullopt;
}

}  // namespace tarvelo

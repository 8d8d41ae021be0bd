#include "controls/cdottedbrush.h"

#include "controls/declares.h"

#include <array>

namespace tarvelo {
namespace {

// 8 rows of 16 pixels, two bytes a row, low byte first: 0x5555 and 0xAAAA by turns.
constexpr std::array<quint8, 16> kPattern = {0x55, 0x55, 0xAA, 0xAA, 0x55, 0x55, 0xAA, 0xAA,
                                             0x55, 0x55, 0xAA, 0xAA, 0x55, 0x55, 0xAA, 0xAA};

}  // namespace

bool cDottedBrush::Create()
{
    Destroy();
    brush_ = Brush::fromBits(kPattern.data(), 2, 8);
    return false;
}

void cDottedBrush::Destroy() { brush_ = Brush(); }

cDottedBrush::SavedColours cDottedBrush::setColours(DeviceContext& dc, OleColour back, OleColour fore)
{
    SavedColours saved;
    if (back != kNoColour) {
        const qint32 rgb = ResolveColour(back);
        if (rgb != -1) {
            saved.back = true;
            saved.oldBack = dc.setBkColour(ColourRef(rgb));
        }
    }
    if (fore != kNoColour) {
        const qint32 rgb = ResolveColour(fore);
        if (rgb != -1) {
            saved.fore = true;
            saved.oldFore = dc.setTextColour(ColourRef(rgb));
        }
    }
    return saved;
}

void cDottedBrush::restoreColours(DeviceContext& dc, const SavedColours& saved)
{
    if (saved.back)
        dc.setBkColour(saved.oldBack);
    if (saved.fore)
        dc.setTextColour(saved.oldFore);
}

void cDottedBrush::DrawLine(DeviceContext& dc, int xPixels, int yPixels, int widthPixels, int heightPixels,
                            quint32 eRop, OleColour oBackColor, OleColour oForeColor)
{
    const Brush previous = dc.selectBrush(brush_);
    const SavedColours saved = setColours(dc, oBackColor, oForeColor);
    dc.PatBlt(xPixels, yPixels, widthPixels, heightPixels, eRop);
    restoreColours(dc, saved);
    dc.selectBrush(previous);
}

void cDottedBrush::Rectangle(DeviceContext& dc, int xPixels, int yPixels, int widthRectPixels,
                             int heightRectPixels, int lineSizePixels, quint32 eRop, bool bFill,
                             OleColour oBackColor, OleColour oForeColor)
{
    const int x = xPixels, y = yPixels, w = widthRectPixels, h = heightRectPixels, s = lineSizePixels;
    if (bFill) {
        setColours(dc, oBackColor, oForeColor);
        dc.FillRect(Rect{x, y, x + w, y + h}, brush_);
        return;
    }
    const Brush previous = dc.selectBrush(brush_);
    const SavedColours saved = setColours(dc, oBackColor, oForeColor);
    dc.PatBlt(x, y, w, s, eRop);
    dc.PatBlt(x + w, y, s, h, eRop);
    dc.PatBlt(x, y + h, w, s, eRop);
    dc.PatBlt(x, y, s, h, eRop);
    restoreColours(dc, saved);
    dc.selectBrush(previous);
}

}  // namespace tarvelo

#pragma once

#include "platform/drawing.h"
#include "platform/syscolors.h"

namespace tarvelo {

// A one-pixel checkerboard brush. Drawn with it, clear bits take the text colour and set
// bits the background colour, so both operations take the two colours; kNoColour leaves
// the surface's colour as it is.
class cDottedBrush {
public:
    static constexpr OleColour kNoColour = 0xFFFFFFFFu;

    cDottedBrush() = default;
    ~cDottedBrush() { Destroy(); }
    cDottedBrush(const cDottedBrush&) = delete;
    cDottedBrush& operator=(const cDottedBrush&) = delete;

    bool Create();  // always false, as callers expect
    void Destroy();
    bool isCreated() const { return !brush_.isNull(); }

    // Fills the rectangle with the brush through `eRop`; the surface's colours are put
    // back afterwards.
    void DrawLine(DeviceContext& dc, int xPixels, int yPixels, int widthPixels, int heightPixels, quint32 eRop,
                  OleColour oBackColor = kNoColour, OleColour oForeColor = kNoColour);
    // Filled: the rectangle (right and bottom edges excluded), leaving the colours set.
    // Outline: lines lineSizePixels thick along top, right, bottom and left; the right
    // and bottom ones lie just outside the rectangle and the far corner stays unpainted.
    void Rectangle(DeviceContext& dc, int xPixels, int yPixels, int widthRectPixels, int heightRectPixels,
                   int lineSizePixels, quint32 eRop, bool bFill, OleColour oBackColor = kNoColour,
                   OleColour oForeColor = kNoColour);

private:
    struct SavedColours {
        bool back = false;
        bool fore = false;
        ColourRef oldBack = 0;
        ColourRef oldFore = 0;
    };
    SavedColours setColours(DeviceContext& dc, OleColour back, OleColour fore);
    static void restoreColours(DeviceContext& dc, const SavedColours& saved);

    Brush brush_;
};

}  // namespace tarvelo

#pragma once

#include "controls/picture.h"
#include "platform/drawing.h"
#include "platform/syscolors.h"

#include <QChar>
#include <QRegion>
#include <QString>

#include <optional>

namespace tarvelo {

// The arithmetic of the painted button's looks, apart from any widget.

// Moves red and green by `delta` and blue in proportion to itself (blue + blue*delta/192),
// clamping in the direction of the move; a soft bevel halves every delta first.
ColourRef ShiftColour(ColourRef colour, int delta, bool softBevel);

// The shift of gradient row `row` (1..height) of a face `height` pixels high: the step
// 25/height is held in single precision, and row*step is rounded halves to even.
int GradientShift(int height, int row);

// The access key of a caption, in lower case, or a null QChar. Only the first "&" and,
// after a leading "&&", the next "&" are examined.
QChar AccessKeyOf(const QString& caption);

// The rounded outline of a width x height button: the rectangle less the two outer pixels
// of each corner's edge row and the outer pixel of the next row.
QRegion ButtonRegion(int width, int height);

// Lays the w x h picture on `target` at (x, y). A pixel of the picture's `transparent`
// colour leaves the target as it is; the others become the `brush` colour (a silhouette),
// a grey of the picture's pixel, a blend of two thirds picture and one third target, or
// the picture's pixel. An icon is first laid on a w x h square of `maskRgb`, so its
// transparent parts take that colour.
void BlitPicture(DeviceContext& target, int x, int y, int w, int h, const Picture& picture,
                 std::optional<ColourRef> transparent, std::optional<ColourRef> brush, bool grey, bool blend,
                 ColourRef maskRgb);

}  // namespace tarvelo

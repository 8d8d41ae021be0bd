#pragma once

#include "platform/drawing.h"
#include "platform/syscolors.h"

#include <QString>

namespace tarvelo {

// An OLE colour as a plain RGB value: system colour codes give the colour the system
// table holds. -1 when the colour cannot be translated, which callers take as "no
// colour". The palette argument is kept for the callers' sake; no palette is used.
qint32 ResolveColour(OleColour colour, quintptr palette = 0);

// Fills (x, y, w, h) of `dst` with copies of the srcW x srcH picture at the top left of
// `src`, on a grid anchored at x = 0 and y = -yOrigin, so that tiles drawn item by item
// (each passing its own offset as yOrigin) run on unbroken. A picture without size draws
// nothing.
void TileBitmap(DeviceContext& dst, int x, int y, int w, int h, const DeviceContext& src, int srcW, int srcH,
                int yOrigin);

// The temporary folder with a trailing "/"; the program's folder when there is none.
QString TempFolder();
// A new, empty file of our own in TempFolder() whose name starts with `prefix`, made so
// that no other process can take the same name meanwhile; its full path, or "" when no
// file could be made. The caller deletes it when done.
QString MakeTempFileName(const QString& prefix);

}  // namespace tarvelo

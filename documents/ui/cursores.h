#pragma once

#include <QCursor>

namespace tarvelo {

// The program's own pointers for the document windows, 32 by 32 pixels.
QCursor CursorMover();          // four-headed arrow, hot spot 10, 10
QCursor CursorRedimensionar();  // horizontal two-headed arrow, hot spot 9, 4
QCursor CursorMao();            // pointing hand, hot spot 14, 4

}  // namespace tarvelo

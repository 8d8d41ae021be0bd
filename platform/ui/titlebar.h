#pragma once

class QString;

namespace tarvelo {

// The width a window needs for the window manager to show its whole title in the title
// bar's bold face, beside the window's icon and buttons.
int titleBarWidth(const QString& title);

}  // namespace tarvelo

#pragma once

#include <QIcon>
#include <QImage>
#include <QString>

namespace tarvelo {

// The program's icon in the sizes a window, panel or tray shows (16 to 64 pixels): the
// desktop takes larger ones from the installed icon theme, and every size given here is
// sent to the X server with each window. The alternate image, with its colours inverted,
// is the tray icon's other blink phase: it stands out on light and dark panels alike.
QIcon iconePrograma(bool alternado = false);

// The icon drawn 96 pixels wide, for the splash.
const QImage& emblemaPrograma();

// Decodes what the two above draw from. It needs no display and no QGuiApplication, so it
// may run on another thread while Qt connects to the display; the first call does the work.
void decodificarIconePrograma();

// The largest drawn size as PNG bytes, for an icon file written beside a menu entry.
QByteArray iconeProgramaPng();

}  // namespace tarvelo

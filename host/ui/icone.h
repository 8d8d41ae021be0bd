#pragma once

#include <QIcon>
#include <QString>

namespace tarvelo {

// The program's icon in every drawn size. The alternate image, with its colours inverted,
// is the tray icon's other blink phase: it stands out on light and dark panels alike.
QIcon iconePrograma(bool alternado = false);

// The largest drawn size as PNG bytes, for an icon file written beside a menu entry.
QByteArray iconeProgramaPng();

}  // namespace tarvelo

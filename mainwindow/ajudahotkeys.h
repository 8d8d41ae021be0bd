#pragma once

#include <QString>

namespace tarvelo {

// The hotkey tip: fixed paragraphs joined by `quebraDupla` (gCrLf2); Portuguese for
// language 1, Spanish for 3, English for the others.
QString textoAjudaHotKeys(int idioma, const QString& quebraDupla);

}  // namespace tarvelo

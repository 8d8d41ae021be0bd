#pragma once

#include <QString>

namespace tarvelo {

// The text of a catalogue topic in the language gIdioma: every "|" becomes CR LF, then
// the first U+008D, U+017D and U+008F are filled with a1, a2 and a3. A topic missing in
// that language gives "".
QString fTexto(int topic, const QString& a1 = {}, const QString& a2 = {}, const QString& a3 = {});

// The stock dialogs' texts (Yes, Cancel, Save, the file dialog's labels) in the interface
// language `idioma` (gIdioma), and every reason a file cannot be read or saved (no space,
// read-only, permission, not a regular file...) in gIdioma from the catalogue.
void traduzirDialogos(int idioma);

}  // namespace tarvelo

#pragma once

#include <QHash>
#include <QString>

namespace tarvelo {

// The program's string table: id (topic * 10 + language) to text, with "|" markup kept and
// the placeholders already turned into U+008D, U+017D and U+008F.
using Catalogo = QHash<int, QString>;

// Parses the catalogue source: lines "<topic>\t<language>\t<text>", "#" lines skipped;
// "{1}", "{2}", "{3}" in a text are the three placeholders.
Catalogo lerCatalogo(const QString& source);

// The catalogue compiled into the program, read once.
const Catalogo& catalogo();

}  // namespace tarvelo

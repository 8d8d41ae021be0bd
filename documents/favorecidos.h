#pragma once

#include <QString>
#include <QStringList>

namespace tarvelo {

// The payee list "favorecidos.txt" in the program folder: one payee per line in the ANSI
// code page, appended to by printing, edited only by the user.

QString ArquivoFavorecidos();

// The lines of the file in file order, as they stand (CR LF, LF or CR line ends). A missing
// or unreadable file gives no lines; only the first few megabytes of a huge one are read.
QStringList LerFavorecidos(const QString& caminho);

// The first line that begins with the typed text in upper case (compared as the lines
// stand, so a line typed in lower case never matches); -1 when none does. An empty text
// matches the first line.
int BuscarFavorecido(const QStringList& linhas, const QString& digitado);

// Adds the payee as a new line unless a line equals it exactly. A file whose last line has
// no line end gets one first. False when the file could not be read or written; an empty
// payee writes nothing and succeeds.
bool AnexarFavorecido(const QString& caminho, const QString& favorecido);

}  // namespace tarvelo

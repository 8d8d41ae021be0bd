#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace tarvelo {

// The payee list "favorecidos.txt" in the program folder: one payee per line in the ANSI
// code page, appended to by printing, edited only by the user.

QString ArquivoFavorecidos();

// The lines of the file in file order, as they stand (CR LF, LF or CR line ends). A missing
// or unreadable file gives no lines; only the first few megabytes of a huge one are read,
// and a line longer than any payee's name (kMaiorFavorecido) is no payee and is left out.
inline constexpr qsizetype kMaiorFavorecido = 200;
QStringList LerFavorecidos(const QString& caminho);

// The payee list as the cheque window searches it at every key: its lines in file order
// and the same lines in the order of their text, so that a key costs a binary search
// rather than a pass over a list that may hold a hundred thousand lines.
class ListaFavorecidos {
public:
    ListaFavorecidos() = default;
    ListaFavorecidos(QStringList linhas);  // implicit: the lines read are the list to search
    const QStringList& linhas() const { return linhas_; }

private:
    friend int BuscarFavorecido(const ListaFavorecidos& lista, const QString& digitado);
    QStringList linhas_;
    std::vector<int> porTexto_;  // positions in linhas_, sorted by the line's text
};

// The first line, in file order, that begins with the typed text in upper case (compared
// as the lines stand, so a line typed in lower case never matches); -1 when none does. An
// empty text matches the first line.
int BuscarFavorecido(const ListaFavorecidos& lista, const QString& digitado);

// Adds the payee as a new line unless a line equals it exactly. A file whose last line has
// no line end gets one first. False when the file could not be read or written; an empty
// payee writes nothing and succeeds.
bool AnexarFavorecido(const QString& caminho, const QString& favorecido);

}  // namespace tarvelo

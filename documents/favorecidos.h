#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace tarvelo {

// The payee list "favorecidos.txt" in the program folder: one payee per line, in the
// file's own encoding (a user edits it in other programs), appended to by printing,
// edited only by the user.

QString ArquivoFavorecidos();

// A line longer than any payee's name is no payee. A file is listed up to this many
// bytes: one larger is no list a person keeps, and listing it whole would hold up the
// window and fill the memory.
inline constexpr qsizetype kMaiorFavorecido = 200;
inline constexpr qint64 kMaiorListaFavorecidos = 64 * 1024 * 1024;

// The payee list as the cheque window searches it at every key: its lines in file order
// and the same lines in the order of their text, so that a key costs a binary search
// rather than a pass over a list that may hold a hundred thousand lines.
class ListaFavorecidos {
public:
    ListaFavorecidos() = default;
    // Implicit: the lines read are the list to search. `cortada`: the file goes on past
    // what is listed.
    ListaFavorecidos(QStringList linhas, bool cortada = false);
    const QStringList& linhas() const { return linhas_; }
    bool cortada() const { return cortada_; }

private:
    friend int BuscarFavorecido(const ListaFavorecidos& lista, const QString& digitado);
    QStringList linhas_;
    std::vector<int> porTexto_;  // positions in linhas_, sorted by the line's text
    bool cortada_ = false;
};

// The lines of the file in file order, as they stand (CR LF, LF or CR line ends), but for
// those longer than kMaiorFavorecido, up to kMaiorListaFavorecidos bytes into the file. A
// missing file gives no lines, one that fails to read what was read before it failed.
ListaFavorecidos LerFavorecidos(const QString& caminho);

// The first line, in file order, that begins with the typed text in upper case (compared
// as the lines stand, so a line typed in lower case never matches); -1 when none does. An
// empty text matches the first line.
int BuscarFavorecido(const ListaFavorecidos& lista, const QString& digitado);

// Adds the payee as a new line, in the file's encoding and with its line end, unless a
// line anywhere in the file equals it exactly. A file whose last line has no line end gets
// one first. A payee that a Windows-1252 file cannot hold is not added, and the file is
// left as it is. False when the file could not be read or written; an empty payee writes
// nothing and succeeds.
bool AnexarFavorecido(const QString& caminho, const QString& favorecido);

}  // namespace tarvelo

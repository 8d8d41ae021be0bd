#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

namespace tarvelo {

// The tape state that survives a restart within the day: seven texts, in file order.
struct EstadoFita {
    QString data;      // the day it was written, in the system's short date form
    QString fita;      // the whole tape, CR LF lines
    QString total;     // lblTotal
    QString operador;  // the window's Tag
    QString entrada;   // txtEntrada
    QString visor;     // lblVisor(0)
    QString contador;  // lblVisor(1)

    friend bool operator==(const EstadoFita&, const EstadoFita&) = default;
};

// A state file is a day's tape, far below this; anything larger is not ours to load, and
// the program never writes one larger.
inline constexpr qsizetype kMaiorArquivoFita = 64 * 1024 * 1024;

// The record: each text between double quotes, separated by commas, ended by CR LF, in
// Windows-1252. The form has no escape for a double quote, so one that slipped into a
// text is written as an apostrophe rather than cut the record short.
QByteArray EscreverEstadoFita(const EstadoFita& estado);

// Reads the record field by field: blanks before a field are skipped; a field that starts
// with a double quote runs to the next one (commas and line breaks inside belong to it),
// and whatever follows up to the next comma or line end is passed over; any other field
// runs to the next comma or line end. Fields missing at the end are empty. nullopt when
// the bytes are too many to be a state file.
std::optional<EstadoFita> LerEstadoFita(QByteArrayView bytes);

// Bytes that are no record of ours: every record starts with the quoted date. Empty bytes
// are no record at all, not a damaged one.
bool EstadoFitaDanificado(QByteArrayView bytes);

// `ArquivoFita`: "calc", the host's Tag and ".fita" in the program folder.
QString ArquivoFita(QStringView pastaApp, QStringView tagHost);

// Text as it may enter the tape: no double quote (it would break the state file) and only
// characters that Windows-1252 can hold, any other becoming "?".
QString textoParaFita(QStringView texto);

}  // namespace tarvelo

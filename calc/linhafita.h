#pragma once

#include "platform/localeinfo.h"

#include <QDate>
#include <QString>
#include <QStringView>

namespace tarvelo {

// The tape is fixed-pitch text of 26-column lines ended by CR LF. Offsets below count
// from the end of the tape, where everything the engine writes happens.
inline constexpr qsizetype kLarguraLinha = 26;
inline constexpr qsizetype kLinhaComQuebra = 28;
inline constexpr qsizetype kLimiteFita = 21000;
inline const QString kQuebra = QStringLiteral("\r\n");
// Text from another program with its lines ended by CR LF, as the tape's are, whether they
// came ended by LF (as text copied on Linux), CR LF or a lone CR.
QString comQuebrasDaFita(QStringView texto);
// Closes every calculation: a blank and 25 "=".
inline const QString kSeparador = QStringLiteral(" =========================");
// Ends the lines of a calculation with annotations: a blank and 25 "_".
inline const QString kSeparadorAnotacao = QStringLiteral(" _________________________");

inline constexpr QChar kVezes = QChar(0x00D7);
inline constexpr QChar kDividido = QChar(0x00F7);

// The symbol written in column 26 for a pending operator or key ("*" gives "×").
QChar simboloOperador(QChar operador);

// A calculator line: the value right-aligned to column 24, a blank, the symbol, CR LF.
// A value longer than 22 characters keeps its first 22, so the line stays 26 wide.
QString LinhaFita(QStringView valor, QChar simbolo);

// The block after the lines of a closed calculation: the item counter, the total (its
// first 22 characters, marked "E" when it had to be cut, "T" otherwise) and the separator.
QString BlocoTotal(QStringView contador, QStringView total);

// The two lines that start a new tape: the date in `formatoData` ("dd/mm/yyyy" or
// "mm/dd/yyyy") with the first three letters of the weekday, and the separator.
QString CabecalhoFita(const QDate& dia, QStringView formatoData, const LocaleInfo& locale = currentLocale());

// The character `n` places from the end of the tape (1 is the last), or a blank when the
// tape is shorter.
QChar doFim(QStringView fita, qsizetype n);

// A tape is closed when its last line carries "T" in column 25 or is the separator.
bool fitaFechada(QStringView fita);

}  // namespace tarvelo

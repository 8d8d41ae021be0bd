#pragma once

// Texts in test output and tape texts in test sources.

#include <QString>

#include <initializer_list>
#include <ostream>
#include <string>

// QString in failure messages as text, not as a list of 2-byte objects, with CR and LF
// spelled out so that a failed comparison of a tape block shows where a line break went wrong.
inline void PrintTo(const QString& texto, std::ostream* os)
{
    QString visivel = texto;
    visivel.replace(QLatin1Char('\r'), QLatin1String("\\r")).replace(QLatin1Char('\n'), QLatin1String("\\n\n"));
    *os << '"' << visivel.toStdString() << '"';
}

namespace tarvelo::teste {

// The text with CR and LF spelled out, one tape line per output line, so that a failed
// comparison shows where a line break went wrong.
std::string visivel(const QString& texto);

// The texts as CR LF ended lines.
QString linhas(std::initializer_list<const char*> textos);

// A tape line of an amount and its operator, the amount ending at column 24.
QString linhaFita(const QString& valor, char operador);

}  // namespace tarvelo::teste

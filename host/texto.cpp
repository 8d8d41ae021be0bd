#include "host/texto.h"

#include "host/globais.h"
#include "resources/catalogo.h"

namespace tarvelo {
namespace {

void preencher(QString& text, QChar placeholder, const QString& value)
{
    const qsizetype at = text.indexOf(placeholder);
    if (at >= 0)
        text.replace(at, 1, value);
}

}  // namespace

QString fTexto(int topic, const QString& a1, const QString& a2, const QString& a3)
{
    QString text = catalogo().value(topic * 10 + globais().gIdioma);
    // Line breaks first, so that "|" inside an argument survives.
    text.replace(QLatin1Char('|'), QLatin1String("\r\n"));
    preencher(text, QChar(0x008D), a1);
    preencher(text, QChar(0x017D), a2);
    preencher(text, QChar(0x008F), a3);
    return text;
}

}  // namespace tarvelo

#include "support/texto.h"

namespace tarvelo::teste {

std::string visivel(const QString& texto)
{
    QString s = texto;
    s.replace(QLatin1String("\r"), QLatin1String("<CR>"));
    s.replace(QLatin1String("\n"), QLatin1String("<LF>\n"));
    return s.toStdString();
}

QString linhas(std::initializer_list<const char*> textos)
{
    QString resultado;
    for (const char* t : textos)
        resultado += QString::fromUtf8(t) + QStringLiteral("\r\n");
    return resultado;
}

QString linhaFita(const QString& valor, char operador)
{
    return QStringLiteral("%1 %2\r\n").arg(valor, 24).arg(QLatin1Char(operador));
}

}  // namespace tarvelo::teste

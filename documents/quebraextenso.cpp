#include "documents/quebraextenso.h"

namespace tarvelo {
namespace {

// " *" or "* " repeated: an asterisk for every other column.
QString asteriscos(int quantos, bool brancoAntes)
{
    QString texto;
    for (int i = 0; i < quantos; ++i) {
        if (brancoAntes || i > 0)
            texto += QLatin1Char(' ');
        texto += QLatin1Char('*');
    }
    return texto;
}

}  // namespace

LinhasExtenso QuebraExtenso(const QString& tag, int n)
{
    LinhasExtenso linhas{tag.left(n), tag.mid(n)};
    if (tag.size() > n) {
        qsizetype corte = linhas.linha1.size();
        while (corte > 0 && linhas.linha1.at(corte - 1) != QLatin1Char(' '))
            --corte;
        if (corte > 0) {
            linhas.linha2 = linhas.linha1.mid(corte) + linhas.linha2;
            linhas.linha1.truncate(corte);
        }
    }
    linhas.linha1 += asteriscos(35, false);
    linhas.linha2 += asteriscos(37, true);
    return linhas;
}

}  // namespace tarvelo

#include "calculadora.h"

#include "calc/linhafita.h"

namespace tarvelo::teste {

std::string visivel(const QString& texto)
{
    QString s = texto;
    s.replace(QLatin1String("\r"), QLatin1String("<CR>"));
    s.replace(QLatin1String("\n"), QLatin1String("<LF>\n"));
    return s.toStdString();
}

Calculadora::Calculadora(int formato)
{
    calc.mnuNumeral_Click(formato);
    calc.Visible = true;
    calc.SetFocus(calc.txtEntrada);
    cabecalho = CabecalhoFita(relogio.agora.date(), globais().gFormatoData);
    calc.txtFita.setText(cabecalho);
    calc.LimpaTudo();
}

void Calculadora::teclas(const QString& sequencia)
{
    for (QChar c : sequencia)
        calc.teclar(c.unicode());
}

QString Calculadora::linhas() const
{
    return calc.txtFita.Text().mid(cabecalho.size());
}

}  // namespace tarvelo::teste

#include "support/calculadora.h"

#include "calc/linhafita.h"

#include <QFile>

namespace tarvelo::teste {

Calculadora::Calculadora(int formato, const LocaleInfo& regiao) : locale(regiao)
{
    globais().gPastaApp = dados.path() + QLatin1Char('/');
    globais().gDecimal = regiao.decimalSymbol;
    // The output the window's load opens when key sounds are on.
    midi.open();
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

QByteArray Calculadora::backup() const
{
    QFile arquivo(pasta() + QStringLiteral("calcula.txt"));
    return arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray();
}

}  // namespace tarvelo::teste

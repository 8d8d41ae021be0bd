#include "fita_apoio.h"

#include "calc/linhafita.h"

#include <QFile>

namespace tarvelo::teste_fita {

Bancada::Bancada()
{
    globais().gPastaApp = dados.path() + QLatin1Char('/');
    calc.ligarServicosFita({&entrada, &dialogo, &shell});
    calc.mnuNumeral_Click(2);
    calc.Visible = true;
    calc.SetFocus(calc.txtEntrada);
    cabecalho = CabecalhoFita(relogio.agora.date(), globais().gFormatoData);
    calc.txtFita.setText(cabecalho);
    calc.LimpaTudo();
}

void Bancada::teclas(const QString& sequencia)
{
    for (QChar c : sequencia)
        calc.teclar(c.unicode());
}

QString Bancada::linhas() const
{
    return calc.txtFita.Text().mid(cabecalho.size());
}

QByteArray Bancada::backup() const
{
    QFile arquivo(pasta() + QStringLiteral("calcula.txt"));
    return arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray();
}

QString linhas(std::initializer_list<const char*> textos)
{
    QString resultado;
    for (const char* t : textos)
        resultado += QString::fromUtf8(t) + QStringLiteral("\r\n");
    return resultado;
}

}  // namespace tarvelo::teste_fita

// The calculator under each of its users' locales: the C library's locale never reaches the
// arithmetic, so every locale gives the digits "C" gives, in its own symbols.

#include "support/calculadora.h"
#include "support/localidade.h"

#include "calc/extenso.h"

#include <gtest/gtest.h>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

// The number of the tape's last total line ("   8,037037037 T").
QString ultimoTotal(const Calculadora& c)
{
    const QStringList linhas = c.linhas().split(QStringLiteral("\r\n"));
    for (auto linha = linhas.crbegin(); linha != linhas.crend(); ++linha)
        if (linha->endsWith(QStringLiteral(" T")))
            return linha->chopped(2).trimmed();
    return QString();
}

struct Conta {
    const char* teclas;  // "." is the decimal key
    const char* total;   // as "C" writes it
};

TEST(Localidades, EveryLocaleGivesTheDigitsOfC)
{
    const Conta contas[] = {
        // A rate inside a price: the price's share of the rate.
        {"108.5/8%", "8.037037037"},
        {"1234.75/10%", "112.25"},
        // The other percent rules.
        {"100.5+8%", "108.54"},
        {"100.5-8%", "92.46"},
        {"100.5*8%", "8.04"},
        {"2469.5+1.25=", "2,470.75"},
        {"10/4=", "2.5"},
    };
    for (const char* nome : kLocalidades) {
        SCOPED_TRACE(nome);
        const LocalidadeDoProcesso local(nome);
        for (const Conta& conta : contas) {
            Calculadora c(2, local.regiao());
            QString teclas = QString::fromLatin1(conta.teclas);
            teclas.replace(QLatin1Char('.'), local.regiao().decimalSymbol);
            c.teclas(teclas);
            EXPECT_EQ(ultimoTotal(c), local.escrito(conta.total)) << conta.teclas;
        }

        // Durations are added in seconds; a share of a second rounds half away.
        Calculadora tempo(2, local.regiao());
        tempo.calc.mnuTime1_Click();
        tempo.calc.mnuTempo_Click();
        tempo.teclas(QStringLiteral("115/2="));
        EXPECT_EQ(tempo.clipboard.conteudo, QStringLiteral("00:38"));
        tempo.teclas(QStringLiteral("130+45="));
        EXPECT_EQ(tempo.clipboard.conteudo, QStringLiteral("02:15"));

        EXPECT_EQ(ConverterExtenso(local.escrito("1,006.67"), true, tempo.mensagens),
                  QStringLiteral("UM MIL E SEIS REAIS E SESSENTA E SETE CENTAVOS"));
    }
}

}  // namespace

// The tape summary of the capitalisation records, and the amount in words on the clipboard.

#include "support/calculadora.h"

#include "calc/resumo.h"
#include "host/texto.h"

#include <gtest/gtest.h>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

// A record as the interest windows write it: each label right-aligned in 26 columns,
// each amount right-aligned in 25 with a blank after it, the separator last.
QString registro(const QString& inicial, const QString& juro, const QString& final)
{
    const auto rotulo = [](int topico) {
        const QString texto = fTexto(topico);
        return QString(26 - texto.size(), QLatin1Char(' ')) + texto + QStringLiteral("\r\n");
    };
    const auto valor = [](const QString& v) {
        return QString(25 - v.size(), QLatin1Char(' ')) + v + QStringLiteral(" \r\n");
    };
    return rotulo(154) + valor(inicial) + rotulo(158) + valor(juro) + rotulo(159) + valor(final)
           + QStringLiteral(" =========================\r\n");
}

TEST(Resumo, TwoRecordsAreSummedAfterTheOpenCalculationIsClosed)
{
    Calculadora b;
    b.calc.txtFita.append(registro(QStringLiteral("1.000,00"), QStringLiteral("10,00"), QStringLiteral("1.010,00"))
                          + registro(QStringLiteral("500,00"), QStringLiteral("5,00"), QStringLiteral("505,00")));
    b.teclas(QStringLiteral("7+"));
    b.calc.mnuAgrupar_Click();

    EXPECT_TRUE(b.linhas().endsWith(linhas({"                       7 =",
                                            " 001                      ",
                                            "                       7 T",
                                            " =========================",
                                            " TOTAL DAS CAPITALIZAÇÕES:",
                                            " -------------------------",
                                            "            VALOR INICIAL:",
                                            "                 1.500,00 ",
                                            "               VALOR JURO:",
                                            "                    15,00 ",
                                            "              VALOR FINAL:",
                                            "                 1.515,00 ",
                                            " ========================="})))
        << visivel(b.linhas());
    EXPECT_EQ(b.calc.lblTotal.Caption(), QStringLiteral("0"));
    EXPECT_FALSE(b.calc.chkIgual.Value());
    EXPECT_TRUE(b.mensagens.vistas.empty());
}

TEST(Resumo, WithoutRecordsTheSumsAreZero)
{
    Calculadora b;
    b.calc.mnuAgrupar_Click();
    EXPECT_EQ(visivel(b.linhas()), visivel(linhas({" TOTAL DAS CAPITALIZAÇÕES:", " -------------------------",
                                                   "            VALOR INICIAL:", "                     0,00 ",
                                                   "               VALOR JURO:", "                     0,00 ",
                                                   "              VALOR FINAL:", "                     0,00 ",
                                                   " ========================="})));
}

TEST(Resumo, RecordsAreFoundAnywhereOnALongTape)
{
    Calculadora b;
    b.calc.txtFita.append(QString(40000, QLatin1Char(' ')) + QStringLiteral("\r\n")
                          + registro(QStringLiteral("2,50"), QStringLiteral("0,25"), QStringLiteral("2,75")));
    b.calc.mnuAgrupar_Click();
    EXPECT_TRUE(b.linhas().contains(QStringLiteral("                     2,50 \r\n")));
    EXPECT_TRUE(b.linhas().contains(QStringLiteral("                     0,25 \r\n")));
    EXPECT_TRUE(b.linhas().endsWith(QStringLiteral("                     2,75 \r\n =========================\r\n")));
}

TEST(Resumo, ARecordThatCannotBeReadCancelsTheCommand)
{
    const QString bom = registro(QStringLiteral("100,00"), QStringLiteral("1,00"), QStringLiteral("101,00"));
    QString semFinal = bom;
    semFinal.replace(fTexto(159), QStringLiteral("OUTRA COISA "));
    QString valorRuim = bom;
    valorRuim.replace(QStringLiteral("1,00 "), QStringLiteral("1,x0 "));
    for (const QString& fita : {semFinal + bom, valorRuim}) {
        Calculadora b;
        b.calc.txtFita.append(fita);
        b.teclas(QStringLiteral("7+"));
        const QString antes = b.calc.txtFita.Text();
        b.calc.mnuAgrupar_Click();
        ASSERT_EQ(b.mensagens.vistas.size(), 1u);
        EXPECT_EQ(b.mensagens.vistas[0].texto, fTexto(30));
        EXPECT_EQ(b.mensagens.vistas[0].flags, mb::Critical);
        EXPECT_EQ(b.calc.txtFita.Text(), antes) << "nothing is appended, the calculation stays open";
    }
}

TEST(Resumo, LabelsAreThoseOfTheCurrentLanguage)
{
    const QString fita = registro(QStringLiteral("100,00"), QStringLiteral("1,00"), QStringLiteral("101,00"));
    const RotulosCapitalizacao ingles{QStringLiteral("INITIAL VALUE "), QStringLiteral("TOTAL INTEREST AMOUNT "),
                                      QStringLiteral("FINAL AMOUNT ")};
    const auto somas = SomarCapitalizacoes(fita, ingles);
    ASSERT_TRUE(somas);
    EXPECT_EQ(somas->inicial, Currency());
    EXPECT_EQ(somas->final, Currency());
}

// ---- amount in words -------------------------------------------------------------------------

TEST(ExtensoMenu, TheDisplayInWordsGoesToTheClipboardInParentheses)
{
    Calculadora b;
    b.calc.mnuSemSom.setChecked(false);
    b.teclas(QStringLiteral("1234,5"));
    b.calc.mnuExtenso_Click();

    const QString palavras = QStringLiteral("UM MIL E DUZENTOS E TRINTA E QUATRO REAIS E CINQUENTA CENTAVOS");
    EXPECT_EQ(b.clipboard.conteudo, QLatin1Char('(') + palavras + QLatin1Char(')'));
    ASSERT_EQ(b.mensagens.vistas.size(), 1u);
    EXPECT_EQ(b.mensagens.vistas[0].texto,
              QStringLiteral("$ 1.234,50\r\n\r\n") + palavras + QStringLiteral("\r\n\r\n")
                  + QStringLiteral("Valor por extenso colocado na Área de Transferência.\r(Use colar: Ctrl+V)"));
    EXPECT_EQ(b.mensagens.vistas[0].flags, mb::Information);
    ASSERT_FALSE(b.midi.mensagens.empty());
    EXPECT_EQ(b.midi.mensagens.back(), midi::noteOff(36)) << "the sounding note is silenced first";

    const QString fita = b.calc.txtFita.Text();
    b.calc.mnuMonit.setChecked(true);
    b.calc.Timer1_Timer();
    EXPECT_EQ(b.calc.txtFita.Text(), fita) << "the monitor leaves words alone";
}

TEST(ExtensoMenu, AnInvalidDisplayLeavesTheClipboardAlone)
{
    Calculadora b;
    b.clipboard.conteudo = QStringLiteral("antes");
    b.calc.mnuExtenso_Click();
    EXPECT_EQ(b.clipboard.conteudo, QStringLiteral("antes"));
    ASSERT_EQ(b.mensagens.vistas.size(), 1u);
    EXPECT_EQ(b.mensagens.vistas[0].texto, QStringLiteral("Dados inválidos para se converter por extenso"));
}

}  // namespace

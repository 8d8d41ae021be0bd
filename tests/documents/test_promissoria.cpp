#include "documents/abertura.h"
#include "documents/promissoria.h"

#include "platform/localeinfo.h"
#include "support/falsos.h"

#include <gtest/gtest.h>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

TEST(Promissoria, TheNoteNumberCountsOnWithAtLeastFiveDigits)
{
    ScopedLocale locale{LocaleInfo::brazil()};
    const std::pair<QString, QString> casos[] = {
        {"0", "00001"}, {"00041", "00042"}, {"99999", "100000"}, {"A12", "A12"}, {"", ""}, {"1e300", "1e300"},
    };
    for (const auto& [guardado, mostrado] : casos)
        EXPECT_EQ(ProximoNumero(guardado), mostrado) << guardado.toStdString();
}

TEST(Promissoria, TheDueDateInWordsAndInBothMonthStyles)
{
    ScopedLocale locale{LocaleInfo::brazil()};
    const Extenso extenso = [](const QString& n) { return QStringLiteral("<") + n + QStringLiteral("> "); };
    const QString filler = QStringLiteral("* * * * * * * * * * * * * * * * * * * * * * *");
    EXPECT_EQ(filler.size(), 45);
    EXPECT_EQ(DiaPorExtenso(QDate(2027, 1, 1), extenso),
              QStringLiteral("PRIMEIRO DIA DO MÊS DE JANEIRO DO ANO DE <2027> ") + filler);
    EXPECT_EQ(DiaPorExtenso(QDate(2025, 3, 15), extenso),
              QStringLiteral("<15> DIAS DO MÊS DE MARÇO DO ANO DE <2025> ") + filler);

    const DataNota numerica = DataDaNota(QDate(2025, 3, 5), true);
    EXPECT_EQ(QStringList({numerica.dia, numerica.mes, numerica.ano}), QStringList({"05", "03", "25"}));
    const DataNota nome = DataDaNota(QDate(2025, 3, 5), false);
    EXPECT_EQ(QStringList({nome.dia, nome.mes, nome.ano}), QStringList({"05", QStringLiteral("março"), "2025"}));
}

class Abertura : public ::testing::Test {
protected:
    ScopedLocale locale{LocaleInfo::brazil()};
    MensagensFalsas mensagens;
    EntradaFalsa entrada;
    RelogioFalso relogio;  // 05/03/2025
};

TEST_F(Abertura, TheChequeGetsTheMoneyTextWithABlankAndTheWordsInParentheses)
{
    const auto entrega = EntregaCheque(QStringLiteral("1.234,56"), mensagens);
    ASSERT_TRUE(entrega);
    EXPECT_EQ(entrega->valor, QStringLiteral("***1.234,56 "));
    EXPECT_TRUE(entrega->extenso.startsWith(QStringLiteral("(UM MIL")));
    EXPECT_TRUE(entrega->extenso.endsWith(QStringLiteral("CENTAVOS)")));
    EXPECT_TRUE(mensagens.vistas.empty());
}

TEST_F(Abertura, AValueOutsideTheRangeOpensNothingAndSaysTheBounds)
{
    for (const char* visor : {"0", "0,001", "-5", "1000000000000", "abc"}) {
        mensagens.vistas.clear();
        EXPECT_FALSE(EntregaCheque(QString::fromLatin1(visor), mensagens)) << visor;
        ASSERT_EQ(mensagens.vistas.size(), 1u) << visor;
        EXPECT_EQ(mensagens.vistas[0].flags, mb::Exclamation);
        EXPECT_TRUE(mensagens.vistas[0].texto.endsWith(QStringLiteral("entre 0,01 e 999.999.999.999,99")));
    }
    EXPECT_TRUE(EntregaCheque(QStringLiteral("999.999.999.999,99"), mensagens));
    EXPECT_TRUE(EntregaCheque(QStringLiteral("0,01"), mensagens));
}

TEST_F(Abertura, TheNoteAsksTheDueDateUntilItReadsAndHandsItOverAsTyped)
{
    entrada.respostas = {QStringLiteral("31/02/2027"), QStringLiteral("5/1/27")};
    const auto entrega = EntregaPromissoria(QStringLiteral("10"), mensagens, entrada, relogio, QStringLiteral(" Tarvelo"));
    ASSERT_TRUE(entrega);
    EXPECT_EQ(entrega->vencimento, QStringLiteral("5/1/27"));
    EXPECT_EQ(entrega->valor, QStringLiteral("***10,00"));
    ASSERT_EQ(entrada.perguntas.size(), 2u);
    // Both times today + 30, never the refused text.
    EXPECT_EQ(entrada.textos()[0], QStringLiteral("Informe a data de vencimento:| Tarvelo|04/04/2025"));
    EXPECT_EQ(entrada.textos()[1], entrada.textos()[0]);
    ASSERT_EQ(mensagens.vistas.size(), 1u);
    EXPECT_EQ(mensagens.vistas[0].texto, QStringLiteral("Data informada incorreta"));
    EXPECT_EQ(mensagens.vistas[0].flags, mb::Critical);

    EXPECT_FALSE(EntregaPromissoria(QStringLiteral("10"), mensagens, entrada, relogio, {}));  // cancelled
}

}  // namespace

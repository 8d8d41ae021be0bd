// Savings capitalisation, the cheque-discount search and the input boxes of both commands.

#include "support/falsos.h"
#include "support/localidade.h"

#include "host/texto.h"
#include "host/globais.h"
#include "interest/capitalizacao.h"
#include "platform/localeinfo.h"

#include <gtest/gtest.h>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

TEST(CapitalizarValor, WholePeriodsCompoundAndTheRestEarnsProRata)
{
    ScopedLocale locale{LocaleInfo::brazil()};
    struct Caso {
        const char *valor, *taxa, *dias, *resultado;
    };
    for (const Caso c : {Caso{"1000", "2", "45", "1.030,20"}, Caso{"1000", "2", "60", "1.040,40"},
                         Caso{"1000", "2", "10", "1.006,67"}, Caso{"1000", "1,5", "1500", "2.105,24"},
                         // Rounded half away from zero on the decimal text, not on the binary 1.0149999...
                         Caso{"1", "1,5", "30", "1,02"}})
        EXPECT_EQ(CapitalizarValor(c.valor, c.taxa, c.dias), QString::fromUtf8(c.resultado)) << c.dias;
}

TEST(DescontarCheque, FindsTheNetThatCapitalisesToTheCheque)
{
    ScopedLocale locale{LocaleInfo::brazil()};
    int tentativas = 0;
    const auto d = DescontarCheque("1000", "2", "30", [&] { ++tentativas; });
    ASSERT_TRUE(d);
    EXPECT_EQ(d->liquido, QStringLiteral("980,39"));
    EXPECT_EQ(d->iteracoes, 28);
    EXPECT_EQ(tentativas, 28);
    EXPECT_EQ(DescontarCheque("1000", "2", "45")->liquido, QStringLiteral("970,69"));
    EXPECT_EQ(DescontarCheque("5000", "3", "90")->liquido, QStringLiteral("4.575,71"));
}

// A period or a discount that is not a whole number of 30-day months earns a share of the
// rate; under every locale that share is the one "C" gives.
TEST(CapitalizacaoLocalidades, EveryLocaleGivesTheDigitsOfC)
{
    for (const char* nome : kLocalidades) {
        SCOPED_TRACE(nome);
        const LocalidadeDoProcesso local(nome);
        const auto escrito = [&](const char* textoC) { return local.escrito(textoC); };
        EXPECT_EQ(CapitalizarValor(escrito("1000"), escrito("2"), escrito("10")), escrito("1,006.67"));
        EXPECT_EQ(CapitalizarValor(escrito("5000"), escrito("0.8"), escrito("365")), escrito("5,509.03"));
        const auto desconto = DescontarCheque(escrito("2500"), escrito("3.5"), escrito("45"));
        ASSERT_TRUE(desconto);
        EXPECT_EQ(desconto->liquido, escrito("2,373.92"));
    }
}

class Comandos : public ::testing::Test {
protected:
    Comandos() { falsos.mensagens.depois = mb::Ok; }
    void responder(std::initializer_list<const char*> respostas)
    {
        for (const char* r : respostas)
            falsos.entrada.respostas.push_back(QString::fromUtf8(r));
    }
    ScopedLocale locale{LocaleInfo::brazil()};
    ScopedGlobais globais_;
    struct {
        EntradaFalsa entrada;
        MensagensFalsas mensagens;
    } falsos;
    const QDate hoje{2024, 1, 10};
};

TEST_F(Comandos, SavingsAskFourQuestionsAndGiveTheRecordsValues)
{
    responder({"1000", "2", "10/01/2024", "24/02/2024"});
    const auto c = PedirPoupanca(falsos.entrada, falsos.mensagens, hoje);
    ASSERT_TRUE(c);
    const QString t = QLatin1Char('|') + fTexto(60) + QLatin1Char('|');
    EXPECT_EQ(falsos.entrada.textos(), (QStringList{fTexto(59) + t + "0", fTexto(61) + t + "0",
                                                     fTexto(62) + t + "10/01/2024", fTexto(63, "1500") + t}));
    EXPECT_EQ(c->inicial, QStringLiteral("1.000,00"));
    EXPECT_EQ(c->dias, QStringLiteral("45"));
    EXPECT_EQ(c->final, QStringLiteral("1.030,20"));
    EXPECT_EQ(c->entrada, QStringLiteral("1.030,20"));
    EXPECT_EQ(c->inicio, hoje);
    EXPECT_TRUE(c->mensagem.startsWith(QStringLiteral("Principal + Juro Capitalizado:\r\n\r\n$ 1.030,20\r\n\r\nUM MIL")))
        << c->mensagem.toStdString();
}

TEST_F(Comandos, TheDiscountGivesTheNetAsInitialValueAndTheChequeAsFinal)
{
    responder({"1000", "2", "10/01/2024", "30"});
    const auto c = PedirDesconto(falsos.entrada, falsos.mensagens, hoje);
    ASSERT_TRUE(c);
    EXPECT_EQ(falsos.entrada.textos()[3], fTexto(63, "730") + QLatin1Char('|') + fTexto(65) + QLatin1Char('|'));
    EXPECT_EQ(c->inicial, QStringLiteral("980,39"));
    EXPECT_EQ(c->final, QStringLiteral("1.000,00"));
    EXPECT_EQ(c->entrada, QStringLiteral("980,39"));
    EXPECT_TRUE(c->mensagem.startsWith(QStringLiteral("Valor líquido descontado o juro:\r\n\r\n$ 980,39")));
}

TEST_F(Comandos, ARefusedOrCancelledAnswerEndsTheCommand)
{
    const std::vector<std::vector<const char*>> casos = {
        {},                                        // the first box cancelled
        {"0"},                                     // amount not above 0
        {"abc"},                                   // not a number
        {"1000", "0"},                             // rate not above 0
        {"1000", "2", "31/02/2024"},               // no such date
        {"1000", "2", "10/01/2024", "0"},          // no days
        {"1000", "2", "10/01/2024", "09/01/2024"}, // an end before the start
        {"1000", "2", "10/01/2024", "1501"},       // beyond the limit
    };
    for (const auto& respostas : casos) {
        falsos.entrada.respostas.clear();
        for (const char* r : respostas)
            falsos.entrada.respostas.push_back(QString::fromUtf8(r));
        EXPECT_FALSE(PedirPoupanca(falsos.entrada, falsos.mensagens, hoje)) << respostas.size();
    }
    responder({"1000", "2", "10/01/2024", "731"});
    EXPECT_FALSE(PedirDesconto(falsos.entrada, falsos.mensagens, hoje));
}

TEST_F(Comandos, ARateIsKeptToFourDecimals)
{
    responder({"1000", "2,123456", "10/01/2024", "30"});
    const auto c = PedirPoupanca(falsos.entrada, falsos.mensagens, hoje);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->taxa, QStringLiteral("2,1235"));
}

}  // namespace

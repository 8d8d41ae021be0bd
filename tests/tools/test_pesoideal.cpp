#include "tools/pesoideal.h"

#include "host/globais.h"
#include "platform/localeinfo.h"
#include "support/texto.h"

#include <gtest/gtest.h>

namespace tarvelo {
namespace {

struct Ambiente {
    ScopedLocale locale{LocaleInfo::brazil()};
    ScopedGlobais globais;
};

TEST(PesoIdeal, BoundsClassAndGauge)
{
    Ambiente a;
    const ResultadoPeso homem = CalcularPeso(QStringLiteral("200"), QStringLiteral("100"), true);
    EXPECT_FALSE(homem.recusado());
    EXPECT_EQ(homem.altura, QStringLiteral("2"));
    const std::array<QString, 5> limites{QStringLiteral("82,80"), QStringLiteral("94,20"), QStringLiteral("105,60"),
                                         QStringLiteral("111,20"), QStringLiteral("124,40")};
    EXPECT_EQ(homem.limites, limites);
    EXPECT_EQ(homem.quadro, QStringLiteral("Resultado = NORMAL"));
    EXPECT_EQ(homem.resultado, QStringLiteral("\rParabéns!\rVocê está dentro do peso normal"));
    EXPECT_NEAR(homem.seta, 1744.7, 0.1);

    const ResultadoPeso mulher = CalcularPeso(QStringLiteral("1,60"), QStringLiteral("90"), false);
    EXPECT_EQ(mulher.limites[4], QStringLiteral("81,92"));
    EXPECT_EQ(mulher.classe, QStringLiteral("OBESO"));
    EXPECT_EQ(mulher.resultado, QStringLiteral("\rPerder\r26,00 Kg\rpara ficar no peso normal"));
    EXPECT_EQ(mulher.seta, 3210.0f);

    EXPECT_EQ(CalcularPeso(QStringLiteral("1,60"), QStringLiteral("40"), false).resultado,
              QStringLiteral("\rGanhar\r7,36 Kg\rpara ficar no peso normal"));
}

TEST(PesoIdeal, ComparisonsAreStrictOnTheShownBounds)
{
    Ambiente a;
    struct Caso {
        const char* peso;
        const char* classe;
    } casos[] = {
        {"64", "NORMAL"},      {"64,01", "SOBREPESO"}, {"69,12", "SOBREPESO"}, {"69,13", "GORDO"},
        {"81,92", "GORDO"},    {"81,93", "OBESO"},     {"47,36", "NORMAL"},    {"47,35", "MAGRO"},
    };
    for (const Caso& caso : casos)
        EXPECT_EQ(CalcularPeso(QStringLiteral("1,6"), QString::fromLatin1(caso.peso), false).classe,
                  QString::fromLatin1(caso.classe))
            << caso.peso;
}

TEST(PesoIdeal, HeightAndWeightChecks)
{
    Ambiente a;
    struct Caso {
        const char* altura;
        const char* peso;
        CampoPeso foco;
        const char* alturaDepois;
    } casos[] = {
        {"175", "70", CampoPeso::Nenhum, "1,75"}, {"450", "70", CampoPeso::Altura, "4,5"},
        {"100", "70", CampoPeso::Altura, "100"},  {"1", "70", CampoPeso::Nenhum, "1"},
        {"3", "70", CampoPeso::Nenhum, "3"},      {"0,99", "70", CampoPeso::Altura, "0,99"},
        {"3,01", "70", CampoPeso::Altura, "3,01"}, {"", "70", CampoPeso::Altura, ""},
        {"1,7", "20", CampoPeso::Nenhum, "1,7"},  {"1,7", "300", CampoPeso::Nenhum, "1,7"},
        {"1,7", "19,99", CampoPeso::Peso, "1,7"}, {"1,7", "300,01", CampoPeso::Peso, "1,7"},
        {"1,7", "19,999", CampoPeso::Nenhum, "1,7"}, {"1,7", "abc", CampoPeso::Peso, "1,7"},
    };
    for (const Caso& caso : casos) {
        const ResultadoPeso r = CalcularPeso(QString::fromLatin1(caso.altura), QString::fromLatin1(caso.peso), true);
        EXPECT_EQ(r.foco, caso.foco) << caso.altura << " " << caso.peso;
        EXPECT_EQ(r.altura, QString::fromLatin1(caso.alturaDepois));
    }
    EXPECT_EQ(CalcularPeso(QStringLiteral("0"), QStringLiteral("70"), true).mensagem,
              QStringLiteral("Digite sua altura em metros, Ex.: 1,70 (um metro e setenta)"));
    globais().gIdioma = 3;
    EXPECT_EQ(CalcularPeso(QStringLiteral("1,7"), QStringLiteral("7"), true).mensagem, QStringLiteral("Weight Invalid!"));
}

TEST(PesoIdeal, TapeBlock)
{
    Ambiente a;
    const ResultadoPeso r = CalcularPeso(QStringLiteral("200"), QStringLiteral("100"), true);
    const FichaPeso ficha{r.altura, QStringLiteral("100"), true, r.limites[0], r.limites[1], r.limites[2]};
    EXPECT_EQ(BlocoPeso(ficha), QStringLiteral(" -------------------------\r\n"
                                               " CÁLCULO PESO - (Homem)\r\n"
                                               " Sua Altura  = 2m\r\n"
                                               " Seu Peso    = 100Kg\r\n"
                                               " -------------------------\r\n"
                                               " Peso Mínimo = 82,80Kg\r\n"
                                               " Peso Máximo = 105,60Kg\r\n"
                                               " Result. = Peso NORMAL\r\n"
                                               " -------------------------\r\n"
                                               " Peso Médio  = 94,20Kg\r\n"
                                               " Opcional = Perder 5,80Kg\r\n"
                                               " =========================\r\n"));
    EXPECT_EQ(ConselhoPesoMedio(QStringLiteral("100"), r.limites[1]),
              QStringLiteral("Para ficar no peso médio ideal:\r\n\r\nPerca 5,80 Kg"));

    globais().gIdioma = 2;
    const FichaPeso obesa{QStringLiteral("1,60"), QStringLiteral("90"), false, QStringLiteral("47,36"),
                          QStringLiteral("55,68"), QStringLiteral("64,00")};
    EXPECT_EQ(BlocoPeso(obesa), QStringLiteral(" -------------------------\r\n"
                                               " WEIGHT CALC. - (Woman)\r\n"
                                               " Your Height  = 1,60m\r\n"
                                               " Your Weight  = 90Kg\r\n"
                                               " -------------------------\r\n"
                                               " Min. Weight  = 47,36Kg\r\n"
                                               " Max. Weight  = 64,00Kg\r\n"
                                               " Result = Lose 26,00Kg\r\n"
                                               " =========================\r\n"));
}

}  // namespace
}  // namespace tarvelo

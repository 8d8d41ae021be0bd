// Where the window opens and how its client area is shared out, in twips.

#include "mainwindow/geometria.h"

#include "platform/localeinfo.h"

#include <gtest/gtest.h>

using namespace tarvelo;

namespace {

struct Caso {
    const char* topo;
    const char* esquerda;
    bool mini;
    double topoEsperado;
    double esquerdaEsperada;
};

TEST(Geometria, StoredPositionIsKeptOnlyOnScreen)
{
    const ScopedLocale locale(LocaleInfo::brazil());
    // A 4000 x 7000 window on a 12000 x 9000 screen, designed at (30, 45).
    const Caso casos[] = {
        {"0", "7640", false, 0, 7640},       // the default left edge: 12000 - 4000 - 360
        {"2000", "8000", false, 2000, 8000}, // right and bottom edges exactly on the screen's
        {"2001", "8001", false, 0, 0},       // one twip past them
        {"-1", "-1", false, 0, 0},           // a minus sign, whatever the number
        {"1.000", "1.000", false, 1000, 1000},  // read in the user's format
        {"1e-3", "5", false, 0, 5},          // "1e-3" holds a minus sign
        {"x", "", false, 45, 30},            // no number keeps the designed edge
        {"1500", "100", true, 0, 100},       // the mini window sits at the top
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(std::string("CalcTop ") + c.topo + ", CalcLeft " + c.esquerda);
        const Posicao p = posicaoInicial(QString::fromLatin1(c.topo), QString::fromLatin1(c.esquerda), 7000, 4000,
                                         9000, 12000, c.mini, Posicao{45, 30});
        EXPECT_EQ(p.topo, c.topoEsperado);
        EXPECT_EQ(p.esquerda, c.esquerdaEsperada);
    }
    // A screen narrower than the window gives a negative default, which is no place.
    EXPECT_EQ(esquerdaPadrao(4000, 4000), -360);
}

TEST(Geometria, LayoutSharesTheClientAreaOrLeavesIt)
{
    const auto l = calcularLeiaute(7000, 660, 3030, true);
    ASSERT_TRUE(l);
    EXPECT_EQ(l->alturaFita, 7000 - 120 - 660 - 3030);
    EXPECT_EQ(l->topoCaixa, l->alturaFita + 60);
    EXPECT_EQ(l->topoVisor, l->topoCaixa + 40);
    EXPECT_EQ(l->topoTeclado, l->topoCaixa + 660 + 60);
    // A hidden keypad gives its height to the tape.
    EXPECT_EQ(calcularLeiaute(7000, 660, 3030, false)->alturaFita, 7000 - 120 - 660);
    // Too short for the tape (a minimised window): nothing moves.
    EXPECT_FALSE(calcularLeiaute(3000, 660, 3030, true));
}

TEST(Geometria, TheClientHeightIsTheWindowsHeightLessItsFrame)
{
    EXPECT_EQ(alturaCliente(7350, 21), 490 - 21);
    EXPECT_EQ(alturaCliente(7350, std::nullopt), 490 - kMolduraNominal);
    EXPECT_EQ(alturaCliente(1365, 30), 91 - 30);
    EXPECT_EQ(alturaCliente(300, 30), 0);
}

TEST(Geometria, KeysShareTheExtraWidthInProportionAndKeepTheirOrder)
{
    // Three keys of 600 twips with gaps of 60, between 60 and 1980.
    const Faixa teclas[] = {{60, 600}, {720, 600}, {1380, 600}};
    for (const double extra : {300.0, -480.0, 0.0}) {
        double direita = 60;
        for (const Faixa& tecla : teclas) {
            const Faixa f = esticarTecla(tecla, 60, 1980, extra);
            const double escala = (1920 + extra) / 1920;
            EXPECT_DOUBLE_EQ(f.largura, 600 * escala) << extra;
            // The gap before it grew or shrank with the keys.
            EXPECT_NEAR(f.esquerda - direita, tecla.esquerda == 60 ? 0 : 60 * escala, 1e-9) << extra;
            direita = f.esquerda + f.largura;
        }
        EXPECT_DOUBLE_EQ(direita, 1980 + extra);
    }
}

}  // namespace

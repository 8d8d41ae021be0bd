#include "tools/conversao.h"

#include "support/texto.h"

#include <QHash>

#include <gtest/gtest.h>

namespace tarvelo {
namespace {

int posicao(const char* nome)
{
    return int(NomesUnidades().indexOf(QString::fromUtf8(nome)));
}

double converter(const char* de, const char* para, double valor)
{
    for (const ResultadoConversao& r : Converter(posicao(de), valor))
        if (r.legenda == QString::fromUtf8(para))
            return r.valor.value();
    ADD_FAILURE() << de << " has no target " << para;
    return 0;
}

TEST(Conversao, KnownValues)
{
    EXPECT_EQ(NomesUnidades().size(), 37);
    EXPECT_DOUBLE_EQ(converter("Graus Celsius", "Graus Fahrenheit", -40), -40);
    EXPECT_DOUBLE_EQ(converter("Graus Fahrenheit", "Graus Celsius", -40), -40);
    EXPECT_DOUBLE_EQ(converter("Graus Celsius", "Graus Fahrenheit", 100), 212);
    EXPECT_NEAR(converter("Graus Fahrenheit", "Graus Celsius", 0), -17.7777777777, 1e-9);
    EXPECT_DOUBLE_EQ(converter("Polegadas", "Metros (M)", 1), 0.0254);
    EXPECT_DOUBLE_EQ(converter("Polegadas", "Centímetros (cm)", 1), 2.54);
    EXPECT_DOUBLE_EQ(converter("Polegadas", "Milímetros (mm)", 1), 25.4);
    EXPECT_DOUBLE_EQ(converter("Polegadas", "Pés (feet)", 1), 2.54 / 30.48);
    EXPECT_DOUBLE_EQ(converter("Kilos/Metros Cúbico", "Libras/Pés Cúbicos", 1), 0.0624276);
    EXPECT_DOUBLE_EQ(converter("Libras", "Decanewtons", 1), 0.444822);
    EXPECT_DOUBLE_EQ(converter("Milhas", "Quilômetros", 1), 1.609);
    EXPECT_NEAR(converter("Barris", "Galões", 1), 42.00005, 1e-5);
    EXPECT_TRUE(Converter(-1, 1).empty());
    EXPECT_TRUE(Converter(37, 1).empty());
}

TEST(Conversao, RowShapes)
{
    QStringList um, quatro;
    const QStringList nomes = NomesUnidades();
    for (int i = 0; i < nomes.size(); ++i) {
        const auto alvos = Converter(i, 0);
        ASSERT_GE(alvos.size(), 1u);
        if (alvos.size() == 1)
            um << nomes[i];
        if (alvos.size() == 4)
            quatro << nomes[i];
        // Zero stays zero except where a temperature scale moves the origin.
        if (!nomes[i].startsWith(QStringLiteral("Graus"))) {
            for (const auto& a : alvos)
                EXPECT_EQ(a.valor.value(), 0.0) << nomes[i].toStdString();
        }
    }
    EXPECT_EQ(um, (QStringList{"Graus Celsius", "Graus Fahrenheit", "Kilos/Metro", "Libras/Pés", "Metros (M)",
                               "Milhas", "Quilômetros"}));
    EXPECT_EQ(quatro, (QStringList{"Kilos/Litro", "Kilos/Metros Cúbico", "Libras/Barril", "Libras/Pés Cúbicos",
                                   "Mud Weight PPG", "Polegadas"}));
}

TEST(Conversao, EveryMutualPairGoesThereAndBack)
{
    // Captions that name a list unit a little differently.
    const QHash<QString, QString> sinonimos{{"Kilo/Litro", "Kilos/Litro"},
                                            {"Kilos/Metros Cúbicos", "Kilos/Metros Cúbico"},
                                            {"Kilos/Metro Cúbico", "Kilos/Metros Cúbico"}};
    const QStringList nomes = NomesUnidades();
    int pares = 0;
    for (int de = 0; de < nomes.size(); ++de)
        for (const auto& ida : Converter(de, 123.456)) {
            const int para = int(nomes.indexOf(sinonimos.value(ida.legenda, ida.legenda)));
            ASSERT_GE(para, 0) << ida.legenda.toStdString();
            for (const auto& volta : Converter(para, *ida.valor))
                if (sinonimos.value(volta.legenda, volta.legenda) == nomes[de]) {
                    EXPECT_NEAR(*volta.valor, 123.456, 1e-9) << nomes[de].toStdString() << " -> "
                                                             << nomes[para].toStdString();
                    ++pares;
                }
        }
    EXPECT_GT(pares, 0);
}

TEST(Conversao, OverflowLeavesOnlyThatTargetEmpty)
{
    const auto alvos = Converter(posicao("Bar"), 1e308);
    ASSERT_EQ(alvos.size(), 3u);
    EXPECT_FALSE(alvos[1].valor.has_value());
    EXPECT_EQ(alvos[1].legenda, QStringLiteral("KiloPascal (Kpa)"));
}

TEST(Conversao, FormatarNumero)
{
    const LocaleInfo brasil = LocaleInfo::brazil();
    struct Caso {
        const char* texto;
        const char* formatado;
    } casos[] = {
        {"1000", "1.000,"}, {"2,5", "2,5"}, {"2,50", "2,5"}, {"-40", "-40,"},
        {"0,0833333333333333", "0,0833333333"}, {"", ""}, {"-", "-"}, {"abc", "abc"},
        {"8,20209973753281", "8,2020997375"},
    };
    for (const Caso& caso : casos)
        EXPECT_EQ(FormatarNumero(QString::fromUtf8(caso.texto), brasil), QString::fromUtf8(caso.formatado));
}

}  // namespace
}  // namespace tarvelo

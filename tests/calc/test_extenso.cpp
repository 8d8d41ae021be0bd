#include "calc/extenso.h"

#include "support/falsos.h"
#include "host/globais.h"
#include "platform/localeinfo.h"

#include <gtest/gtest.h>

#include <vector>

using namespace tarvelo;

namespace {

struct Caso {
    const char* valor;
    bool moeda;
    const char* esperado;
};

class Extenso : public ::testing::Test {
protected:
    ScopedLocale locale{LocaleInfo::brazil()};
    ScopedGlobais globais_;
    teste::MensagensFalsas mensagens;

    QString extenso(const char* valor, bool moeda = true)
    {
        return ConverterExtenso(QString::fromUtf8(valor), moeda, mensagens);
    }
};

TEST_F(Extenso, WritesAmountsInWords)
{
    const Caso casos[] = {
        {"0,01", true, "UM CENTAVO"},
        {"0,5", true, "CINQUENTA CENTAVOS"},
        {"1", true, "UM REAL"},
        {"1,50", true, "UM REAL E CINQUENTA CENTAVOS"},
        {"2,01", true, "DOIS REAIS E UM CENTAVO"},
        {"21", true, "VINTE E UM REAIS"},
        {"100", true, "CEM REAIS"},
        {"101", true, "CENTO E UM REAIS"},
        {"115,30", true, "CENTO E QUINZE REAIS E TRINTA CENTAVOS"},
        {"1000", true, "UM MIL REAIS"},
        {"1.001", true, "UM MIL E UM REAIS"},
        {"2000", true, "DOIS MIL REAIS"},
        {"100000", true, "CEM MIL REAIS"},
        {"1000000", true, "UM MILHÃO DE REAIS"},
        {"1000000,50", true, "UM MILHÃO DE REAIS E CINQUENTA CENTAVOS"},
        {"1.234.567,89", true,
         "UM MILHÃO E DUZENTOS E TRINTA E QUATRO MIL E QUINHENTOS E SESSENTA E SETE REAIS E "
         "OITENTA E NOVE CENTAVOS"},
        {"2000001", true, "DOIS MILHÕES E UM REAIS"},
        {"1000000000", true, "UM BILHÃO DE REAIS"},
        {"1500000000", true, "UM BILHÃO E QUINHENTOS MILHÕES DE REAIS"},
        {"2000300000", true, "DOIS BILHÕES E TREZENTOS MIL REAIS"},
        {"999999999999,99", true,
         "NOVECENTOS E NOVENTA E NOVE BILHÕES E NOVECENTOS E NOVENTA E NOVE MILHÕES E NOVECENTOS "
         "E NOVENTA E NOVE MIL E NOVECENTOS E NOVENTA E NOVE REAIS E NOVENTA E NOVE CENTAVOS"},
        {"15", false, "QUINZE "},
        {"31", false, "TRINTA E UM "},
        {"2004", false, "DOIS MIL E QUATRO "},
        {"1999", false, "UM MIL E NOVECENTOS E NOVENTA E NOVE "},
        {"1000000", false, "UM MILHÃO DE "},
        // More than two decimals: rounded half away from zero on the decimal value.
        {"0,015", true, "DOIS CENTAVOS"},
        {"1,005", true, "UM REAL E UM CENTAVO"},
        {"0,994", true, "NOVENTA E NOVE CENTAVOS"},
        {"0,995", true, "UM REAL"},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(extenso(c.valor, c.moeda), QString::fromUtf8(c.esperado)) << c.valor;
    EXPECT_TRUE(mensagens.vistas.empty());
}

TEST_F(Extenso, RefusesValuesOutsideTheRangeWithAMessage)
{
    for (const char* invalido : {"0,009", "0", "-5", "999999999999,995", "1000000000000", "abc", ""}) {
        mensagens.vistas.clear();
        EXPECT_EQ(extenso(invalido), QString()) << invalido;
        ASSERT_EQ(mensagens.vistas.size(), 1u) << invalido;
        EXPECT_EQ(mensagens.vistas[0].texto, QString::fromUtf8("Dados inválidos para se converter por extenso"));
        EXPECT_EQ(mensagens.vistas[0].flags, mb::Exclamation);
    }
}

TEST_F(Extenso, UsesEurosOutsideBrazil)
{
    globais().gLangID = 0x0816;
    EXPECT_EQ(extenso("1,01"), QString::fromUtf8("UM EURO E UM CÊNTIMO"));
    EXPECT_EQ(extenso("2,50"), QString::fromUtf8("DOIS EUROS E CINQUENTA CÊNTIMOS"));
}

}  // namespace

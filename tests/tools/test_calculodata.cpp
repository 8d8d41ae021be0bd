#include "tools/calculodata.h"

#include "host/globais.h"
#include "platform/datetext.h"
#include "support/texto.h"

#include <gtest/gtest.h>

namespace tarvelo {
namespace {

ContextoData contexto()
{
    return {QDate(2025, 3, 5), LocaleInfo::brazil()};
}

struct CasoCalculo {
    const char* nome;
    const char* inicial;
    const char* final;
    const char* deslocamentos[4];  // years, months, weeks, days as typed
    std::array<bool, 3> marcados;
    UnidadeData unidade;
    // Expected:
    int topico;
    const char* finalDepois;
    const char* resultado[4];
    const char* bissextos;
};

TEST(CalculoData, SplitsAndOffsets)
{
    ScopedGlobais globais;
    const bool s = true, n = false;
    const auto A = UnidadeData::Anos, M = UnidadeData::Meses, S = UnidadeData::Semanas, D = UnidadeData::Dias,
               F = UnidadeData::DataFinal;
    const CasoCalculo casos[] = {
        {"ten years with three leap days", "01/01/2000", "01/01/2010", {}, {s, n, s}, A, 0, "01/01/2010",
         {"10", "0", "0", "0"}, "3"},
        {"months ticked too leave nothing for them", "01/01/2000", "01/01/2010", {}, {s, s, s}, A, 0, "01/01/2010",
         {"10", "0", "0", "0"}, "3"},
        {"361 days in months stay 11 months", "15/03/2023", "10/03/2024", {}, {s, n, s}, M, 0, "10/03/2024",
         {"0", "11", "4", "3"}, "0"},
        {"the same span in years without months", "15/03/2023", "10/03/2024", {}, {s, n, s}, A, 0, "10/03/2024",
         {"0", "0", "51", "4"}, "0"},
        {"364 days are 11 months and 34 days", "01/01/2023", "31/12/2023", {}, {s, n, n}, M, 0, "31/12/2023",
         {"0", "11", "0", "34"}, "0"},
        {"weeks", "01/01/2024", "10/04/2024", {}, {s, n, s}, S, 0, "10/04/2024", {"0", "0", "14", "2"}, "0"},
        {"days", "01/01/2024", "10/04/2024", {}, {s, n, s}, D, 0, "10/04/2024", {"0", "0", "0", "100"}, "0"},
        {"a start on 29 February does not count", "29/02/2000", "01/03/2004", {}, {s, n, s}, A, 0, "01/03/2004",
         {"4", "0", "0", "1"}, "1"},
        {"four years typed end on the same day", "01/01/2001", "__/__/____", {"4"}, {s, n, s}, F, 0, "01/01/2005",
         {"4", "0", "0", "0"}, "1"},
        {"45 days typed", "10/01/2024", "__/__/____", {"", "", "", "45"}, {s, n, s}, A, 0, "24/02/2024",
         {"0", "0", "6", "3"}, "0"},
        {"negative days end before the start", "10/01/2024", "__/__/____", {"", "", "", "-10"}, {s, n, s}, F, 33,
         "31/12/2023", {"0", "0", "0", "-10"}, ""},
        {"no final date and no offsets", "10/01/2024", "__/__/____", {}, {s, n, s}, F, 34, "__/__/____",
         {"0", "0", "0", "0"}, ""},
        {"equal dates", "10/01/2024", "10/01/2024", {}, {s, n, s}, M, 0, "10/01/2024", {"0", "0", "0", "0"}, "0"},
        {"a leap day in a span under a year is not counted", "01/02/2024", "01/12/2024", {}, {s, n, s}, A, 0,
         "01/12/2024", {"0", "0", "43", "3"}, "0"},
        {"an offset past year 9999 is refused", "01/01/2024", "__/__/____", {"", "", "", "3000000"}, {s, n, s}, F, 34,
         "__/__/____", {"0", "0", "0", "3000000"}, ""},
        {"an offset beyond 32 bits is refused", "01/01/2024", "__/__/____", {"9999999"}, {s, n, s}, F, 34,
         "__/__/____", {"9999999", "0", "0", "0"}, ""},
    };
    for (const CasoCalculo& caso : casos) {
        SCOPED_TRACE(caso.nome);
        CamposData campos;
        campos.dataInicial = QString::fromUtf8(caso.inicial);
        campos.dataFinal = QString::fromUtf8(caso.final);
        campos.anos = QString::fromUtf8(caso.deslocamentos[0]);
        campos.meses = QString::fromUtf8(caso.deslocamentos[1]);
        campos.semanas = QString::fromUtf8(caso.deslocamentos[2]);
        campos.dias = QString::fromUtf8(caso.deslocamentos[3]);
        campos.marcados = caso.marcados;
        EXPECT_EQ(CalcularData(campos, caso.unidade, contexto()), caso.topico);
        EXPECT_EQ(campos.dataFinal, QString::fromUtf8(caso.finalDepois));
        const QStringList obtido{campos.anos, campos.meses, campos.semanas, campos.dias};
        const QStringList esperado{caso.resultado[0], caso.resultado[1], caso.resultado[2], caso.resultado[3]};
        EXPECT_EQ(obtido, esperado);
        EXPECT_EQ(campos.bissextos, QString::fromUtf8(caso.bissextos));
    }
}

TEST(CalculoData, TodayLineOrTheWarningAboutMonths)
{
    ScopedGlobais globais;
    CamposData campos;
    campos.dataInicial = QStringLiteral("15/03/2023");
    campos.dataFinal = QStringLiteral("10/03/2024");
    ASSERT_EQ(CalcularData(campos, UnidadeData::Meses, contexto()), 0);
    EXPECT_TRUE(campos.marcados[1]);
    EXPECT_EQ(campos.corHoje, kCorVermelha);
    EXPECT_EQ(campos.hoje, QStringLiteral("AVISO: O cálculo com MESES não tem um resultado exato. 1 mês = 30 dias"));

    campos.marcados[1] = false;
    ASSERT_EQ(CalcularData(campos, UnidadeData::Anos, contexto()), 0);
    EXPECT_EQ(campos.corHoje, kCorAzul);
    EXPECT_EQ(campos.hoje, QStringLiteral("Hoje: 05/03/2025\rquarta-feira, 5 de março de 2025"));
}

// The count as the window used to make it: a year at a time from the start.
int bissextosPassoAPasso(QDate inicial, QDate final)
{
    if (inicial.daysTo(final) < 365)
        return 0;
    int n = 0;
    for (QDate d = inicial; final >= d;) {
        const QDate fev28(d.year(), 2, 28);
        if (fev28 > final)
            break;
        const int ano = d > fev28 ? d.year() + 1 : d.year();
        const bool conta = QDate::isLeapYear(ano) && final >= QDate(ano, 2, 29);
        n += conta;
        d = d.addDays(conta ? 366 : 365);
    }
    return n;
}

TEST(CalculoData, LeapDaysByRuleEqualTheYearByYearCount)
{
    const QDate inicios[] = {QDate(1896, 2, 28), QDate(1899, 12, 31), QDate(2000, 2, 29), QDate(2000, 3, 1),
                             QDate(2003, 2, 28), QDate(2003, 3, 1),   QDate(2023, 6, 15)};
    for (const QDate& inicio : inicios)
        for (int dias = 360; dias < 3000; dias += 7) {
            const QDate fim = inicio.addDays(dias);
            ASSERT_EQ(ContarBissextos(inicio, fim), bissextosPassoAPasso(inicio, fim))
                << inicio.toString(Qt::ISODate).toStdString() << " " << fim.toString(Qt::ISODate).toStdString();
        }
    EXPECT_EQ(ContarBissextos(QDate(2000, 1, 1), QDate(2010, 1, 1)), 3);
    EXPECT_EQ(ContarBissextos(QDate(2023, 3, 1), QDate(2024, 2, 29)), 1) << "a final 29 February counts";
    EXPECT_EQ(ContarBissextos(QDate(1899, 1, 1), QDate(1901, 1, 1)), 0) << "1900 is no leap year";
}

TEST(CalculoData, OffsetsRoundEachStepAndStayIn32Bits)
{
    EXPECT_EQ(SomarDeslocamentos(1, 1, 1, 1), 365 + 30 + 7 + 1);
    EXPECT_EQ(SomarDeslocamentos(0, 0, 0, 2.5), 2) << "halves go to the even neighbour";
    EXPECT_EQ(SomarDeslocamentos(0, 0, 0, -10), -10);
    EXPECT_EQ(SomarDeslocamentos(6000000, 0, 0, 0), std::nullopt);
}

TEST(CalculoData, CheckingADateBox)
{
    ScopedGlobais globais;
    struct Caso {
        const char* texto;
        bool valida;
        const char* depois;
    } casos[] = {
        {"12/05/2003", true, "12/05/2003"},  {"__/__/____", true, "__/__/____"},
        {"12/05/____", true, "12/05/2025"},  {"31/02/2023", false, "__/__/____"},
        {"12/05/20__", false, "__/__/____"}, {"12/0_/____", false, "__/__/____"},
        {"1_/__/____", false, "__/__/____"}, {"_2/05/2024", false, "__/__/____"},
        {"01/01/0099", false, "__/__/____"},
    };
    for (const Caso& caso : casos) {
        const DataValidada v = ValidarData(QString::fromLatin1(caso.texto), QLatin1Char('/'), contexto());
        EXPECT_EQ(v.valida, caso.valida) << caso.texto;
        EXPECT_EQ(v.texto, QString::fromLatin1(caso.depois)) << caso.texto;
    }
}

TEST(CalculoData, UnitOfTheTickedBoxes)
{
    EXPECT_EQ(UnidadeMarcada({true, true, true}), UnidadeData::Anos);
    EXPECT_EQ(UnidadeMarcada({false, true, true}), UnidadeData::Meses);
    EXPECT_EQ(UnidadeMarcada({false, false, true}), UnidadeData::Semanas);
    EXPECT_EQ(UnidadeMarcada({false, false, false}), UnidadeData::Dias);
}

TEST(CalculoData, TapeRecord)
{
    ScopedGlobais globais;
    CamposData campos;
    campos.dataInicial = QStringLiteral("15/03/2023");
    campos.dataFinal = QStringLiteral("10/03/2024");
    ASSERT_EQ(CalcularData(campos, UnidadeData::Meses, contexto()), 0);
    EXPECT_EQ(RegistroData(campos, contexto()),
              QStringLiteral("         [10/03/2024] - \r\n"
                             "         [15/03/2023] = \r\n"
                             "              meses: 11 \r\n"
                             "             semanas: 4 \r\n"
                             "                dias: 3 \r\n"
                             " =========================\r\n"));

    CamposData iguais = campos;
    iguais.dataFinal = iguais.dataInicial;
    EXPECT_EQ(RegistroData(iguais, contexto()), QString()) << "equal dates write no record";
    CamposData zerados = campos;
    zerados.meses = zerados.semanas = zerados.dias = QStringLiteral("0");
    EXPECT_EQ(RegistroData(zerados, contexto()), QString());

    tarvelo::globais().gIdioma = 2;
    campos.anos = QStringLiteral("10");
    EXPECT_EQ(RegistroData(campos, contexto()),
              QStringLiteral("         [10/03/2024] - \r\n"
                             "         [15/03/2023] = \r\n"
                             "              years: 10 \r\n"
                             "             months: 11 \r\n"
                             "               weeks: 4 \r\n"
                             "                days: 3 \r\n"
                             " =========================\r\n"));
}

}  // namespace
}  // namespace tarvelo

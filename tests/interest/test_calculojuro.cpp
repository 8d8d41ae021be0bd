// The calculate command of both interest windows over plain field texts: the checks in
// their order, the two searches with their iteration counts, the written fields, the
// rejection path and its guards.

#include "formulariofalso.h"

#include "support/falsos.h"

#include "host/globais.h"
#include "host/texto.h"
#include "interest/buscaporpassos.h"
#include "interest/cronograma.h"
#include "platform/localeinfo.h"
#include "platform/messagebox.h"

#include <gtest/gtest.h>

#include <ostream>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

using C = CampoJuro;
using Desfecho = ResultadoCalculo::Desfecho;

struct Entrada {
    const char* V;
    const char* n;
    const char* d;
    const char* P;
    const char* R;
    const char* F = "";
    const char* K = "";
};

class Calculo : public ::testing::Test {
protected:
    ResultadoCalculo calcular(const Entrada& e, bool avancado = false)
    {
        f.campos = {{C::ValVista, e.V}, {C::Parcelas, e.n},       {C::Dias, e.d},  {C::ValPrest, e.P},
                    {C::JuroAp, e.R},   {C::PrimeiraParcela, e.F}, {C::DiaVct, e.K}};
        return CalcularJuro(f, RegrasCalculo{avancado, QDate(2024, 1, 10)});
    }

    ScopedLocale locale{LocaleInfo::brazil()};
    ScopedGlobais globais_;
    FormularioFalso f;
};

struct Solucao {
    const char* nome;
    Entrada entrada;
    bool avancado;
    C campo;
    const char* valor;
    int iteracoes;  // 0: not checked
    const char* final;
};

class Solucoes : public Calculo, public ::testing::WithParamInterface<Solucao> {};

TEST_P(Solucoes, FindTheSoughtValueInTheIterationsOfTheStageTables)
{
    const Solucao& s = GetParam();
    const ResultadoCalculo r = calcular(s.entrada, s.avancado);
    ASSERT_EQ(r.desfecho, Desfecho::Aceito) << r.mensagem.toStdString();
    EXPECT_EQ(f.texto(s.campo), QString::fromUtf8(s.valor));
    if (s.iteracoes) {
        EXPECT_EQ(r.iteracoes, s.iteracoes);
    }
    EXPECT_EQ(f.texto(C::ValFinal), QString::fromUtf8(s.final));
    EXPECT_EQ(r.foco, C::Calcular);
    EXPECT_TRUE(r.mensagem.isEmpty());
    EXPECT_FALSE(f.buscando);
    EXPECT_GE(f.tentativas, r.iteracoes);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Solucoes,
    ::testing::Values(
        Solucao{"rate_d30", {"1000", "12", "30", "100", ""}, false, C::JuroAp, "2,922855", 42, "1.200,00"},
        Solucao{"rate_d45", {"1000", "12", "45", "100", ""}, false, C::JuroAp, "2,704858", 0, "1.200,00"},
        Solucao{"rate_d0", {"1000", "12", "0", "100", ""}, false, C::JuroAp, "3,503154", 0, "1.200,00"},
        Solucao{"instalment_d30", {"1000", "12", "30", "", "2"}, false, C::ValPrest, "94,55", 34, "1.134,60"},
        Solucao{"instalment_d0", {"1000", "12", "0", "", "2"}, false, C::ValPrest, "92,70", 0, "1.112,40"},
        Solucao{"instalment_d45", {"1000", "12", "45", "", "2"}, false, C::ValPrest, "95,48", 0, "1.145,76"},
        Solucao{"small_loan", {"100", "10", "30", "", "2"}, false, C::ValPrest, "11,13", 0, "111,30"},
        Solucao{"one_instalment_rate", {"1000", "1", "30", "1100", ""}, false, C::JuroAp, "10", 7, "1.100,00"},
        Solucao{"count_01_is_1", {"1000", "01", "30", "1100", ""}, false, C::JuroAp, "10", 7, "1.100,00"},
        Solucao{"one_instalment_given_rate", {"1000", "1", "30", "", "2"}, false, C::ValPrest, "1.020,00", 1,
                "1.020,00"},
        Solucao{"both_given_instalment_wins", {"1000", "12", "30", "100", "0,001"}, false, C::JuroAp, "2,922855", 42,
                "1.200,00"},
        Solucao{"due_day_rate", {"1000", "12", "30", "", "2", "", "20"}, true, C::ValPrest, "95,28", 38, "1.143,36"},
        Solucao{"due_day_instalment", {"1000", "12", "30", "100", "", "", "20"}, true, C::JuroAp, "2,750889", 50,
                "1.200,00"},
        Solucao{"due_day_5", {"1000", "12", "30", "", "2", "", "5"}, true, C::ValPrest, "94,44", 0, "1.133,28"},
        Solucao{"first_instalment_rate", {"1000", "12", "30", "100", "", "200"}, true, C::JuroAp, "4,643139", 47,
                "1.300,00"},
        Solucao{"first_instalment_instalment", {"1000", "12", "30", "", "2", "200"}, true, C::ValPrest, "83,78", 0,
                "1.121,58"},
        Solucao{"first_instalment_due_day", {"1000", "12", "30", "", "2", "200", "20"}, true, C::ValPrest, "84,49", 0,
                "1.129,39"},
        Solucao{"first_follows_instalment", {"1000", "12", "30", "", "2", ""}, true, C::PrimeiraParcela, "94,55", 34,
                "1.134,60"},
        Solucao{"one_instalment_own_first", {"1000", "1", "30", "", "2", "200"}, true, C::PrimeiraParcela,
                "1.020,00", 1, "1.020,00"}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST_F(Calculo, TheRateSearchShowsEachTrialInTheRateField)
{
    calcular({"1000", "1", "30", "1100", ""});
    QStringList taxas;
    for (const QString& e : f.escritas)
        if (e.startsWith(QString::number(int(C::JuroAp)) + QLatin1Char('=')))
            taxas << e.mid(2);
    EXPECT_EQ(taxas, (QStringList{"15", "5", "6", "7", "8", "9", "10"}));
}

struct Recusa {
    const char* nome;
    Entrada entrada;
    int topico;
    C foco;
    bool buscando;  // the marker stays on after the refusals of the two modes
};

class Recusas : public Calculo, public ::testing::WithParamInterface<Recusa> {};

TEST_P(Recusas, ShowTheFieldsMessageAndFocusIt)
{
    const Recusa& c = GetParam();
    const ResultadoCalculo r = calcular(c.entrada);
    EXPECT_EQ(r.desfecho, Desfecho::Recusado);
    EXPECT_EQ(r.mensagem, fTexto(c.topico));
    EXPECT_EQ(r.icone, mb::Exclamation);
    EXPECT_EQ(r.foco, c.foco);
    EXPECT_EQ(f.buscando, c.buscando);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Recusas,
    ::testing::Values(Recusa{"initial_value_reads_zero", {"0,50", "12", "30", "100", ""}, 22, C::ValVista, false},
                      Recusa{"count_zero", {"1000", "00", "30", "100", ""}, 23, C::Parcelas, false},
                      Recusa{"count_empty", {"1000", "", "30", "100", ""}, 23, C::Parcelas, false},
                      Recusa{"days_empty", {"1000", "12", "", "100", ""}, 24, C::Dias, false},
                      Recusa{"rate_below_half_a_cent", {"1000", "12", "30", "", "0,004"}, 25, C::ValPrest, false},
                      Recusa{"instalment_equal_to_loan", {"1000", "2", "30", "1000", ""}, 26, C::ValPrest, true}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST_F(Calculo, TheChecksNormaliseTheFieldsOnTheWay)
{
    calcular({"1000", "12", "5", "", ""});
    EXPECT_EQ(f.texto(C::ValVista), QStringLiteral("1.000,00"));
    EXPECT_EQ(f.texto(C::ValPrest), QStringLiteral("0,00"));
    EXPECT_EQ(f.texto(C::Dias), QStringLiteral("05"));
    calcular({"1000", "12", "30", "", "2,50"});
    EXPECT_EQ(f.texto(C::JuroAp).left(3), QStringLiteral("2,5"));
}

// Every case ends in the rejection path, in bounded time.
struct Rejeicao {
    const char* nome;
    Entrada entrada;
    bool avancado;
};

class Rejeicoes : public Calculo, public ::testing::WithParamInterface<Rejeicao> {};

TEST_P(Rejeicoes, WriteErroAndShowTopic28)
{
    const Rejeicao& c = GetParam();
    const ResultadoCalculo r = calcular(c.entrada, c.avancado);
    EXPECT_EQ(r.desfecho, Desfecho::Rejeitado);
    EXPECT_EQ(r.mensagem, fTexto(28));
    EXPECT_EQ(r.icone, mb::Critical);
    EXPECT_EQ(r.foco, C::Nenhum);
    EXPECT_EQ(f.texto(C::JuroAp), QStringLiteral("Erro"));
    EXPECT_EQ(f.texto(C::ValPrest), QStringLiteral("Erro"));
    EXPECT_FALSE(f.buscando);
    EXPECT_LE(r.iteracoes, kLimiteIteracoes);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Rejeicoes,
    ::testing::Values(Rejeicao{"payment_only_covers_interest", {"1000", "250", "30", "", "10"}, false},
                      Rejeicao{"one_instalment_paid_at_once", {"1000", "1", "0", "500", ""}, false},
                      Rejeicao{"one_instalment_at_once_equal", {"1000", "1", "0", "1000", ""}, false},
                      Rejeicao{"rate_below_minus_100", {"1000", "2", "30", "0,01", ""}, false},
                      Rejeicao{"huge_rate", {"1000", "250", "30", "", "1000000000000000000000000000000"}, false},
                      Rejeicao{"huge_loan", {"99999999999999999999", "2", "30", "", "2"}, false},
                      Rejeicao{"first_instalment_above_loan", {"1000", "12", "30", "", "2", "1100"}, true}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST_F(Calculo, ADueDayOfZeroIsRefusedWithTheFieldsMessage)
{
    const ResultadoCalculo r = calcular({"1000", "12", "30", "", "2", "", "0"}, true);
    EXPECT_EQ(r.desfecho, Desfecho::Recusado);
    EXPECT_EQ(r.mensagem, QStringLiteral("Digite o dia do vencimento entre 01 e 28"));
    EXPECT_EQ(r.icone, mb::Critical);
    EXPECT_EQ(r.foco, C::DiaVct);
    // The list of due dates is made anew as soon as the count has passed its check.
    EXPECT_EQ(r.vencimentos.size(), 14u);
}

TEST_F(Calculo, TheDueDatesOfTheLastIterationAreKept)
{
    const ResultadoCalculo r = calcular({"1000", "12", "30", "", "2", "", "20"}, true);
    ASSERT_EQ(r.vencimentos.size(), 14u);
    EXPECT_FALSE(r.vencimentos[0].isValid());
    EXPECT_FALSE(r.vencimentos[13].isValid());
    EXPECT_EQ(r.vencimentos[1], QDate(2024, 2, 9));
    EXPECT_EQ(r.vencimentos[2], QDate(2024, 3, 20));
    EXPECT_EQ(r.vencimentos[3], QDate(2024, 4, 20));
    EXPECT_EQ(r.vencimentos[12], QDate(2025, 1, 20));
}

TEST(DatasVencimento, DueDayScheduleMovesToTheFollowingMonthAndRatesFollowThePeriodDays)
{
    struct Caso {
        QDate calculo;
        double dias;
        std::optional<int> dia;
        std::vector<QDate> datas;
    };
    const Caso casos[] = {
        {QDate(2024, 1, 10), 30, 20, {{2024, 2, 9}, {2024, 3, 20}, {2024, 4, 20}, {2024, 5, 20}}},
        {QDate(2024, 1, 10), 30, 5, {{2024, 2, 9}, {2024, 3, 5}, {2024, 4, 5}, {2024, 5, 5}}},
        {QDate(2024, 1, 1), 0, 28, {{2024, 1, 1}, {2024, 2, 28}, {2024, 3, 28}, {2024, 4, 28}}},
        {QDate(2024, 1, 10), 30, std::nullopt, {{2024, 2, 9}, {2024, 3, 10}, {2024, 4, 9}, {2024, 5, 9}}},
    };
    for (const Caso& c : casos) {
        const PrazoPlano prazo{4, c.dias, c.dia};
        EXPECT_EQ(DatasVencimento(c.calculo, prazo), c.datas);
    }
    const PrazoPlano prazo{4, 30, 20};
    EXPECT_EQ(TaxasPeriodo(3, prazo, DatasVencimento(QDate(2024, 1, 10), prazo)),
              (std::vector<double>{3, 4, 3.1, 3}));
}

}  // namespace

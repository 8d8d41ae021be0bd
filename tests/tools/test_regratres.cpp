#include "tools/regratres.h"

#include "host/globais.h"
#include "platform/messagebox.h"
#include "support/texto.h"

#include <gtest/gtest.h>

#include <deque>

namespace tarvelo {
namespace {

// Rows given as {base value, description, new value}; a described row has its new value
// open, as describing it does in the window.
LinhasRegra linhas(std::initializer_list<std::array<const char*, 3>> dados, int incognita)
{
    LinhasRegra l;
    int i = 0;
    for (const auto& d : dados) {
        l[i].valor = QString::fromUtf8(d[0]);
        l[i].cond = l[i].cond2 = QString::fromUtf8(d[1]);
        l[i].valor2 = QString::fromUtf8(d[2]);
        l[i].valor2Habilitado = !l[i].cond.isEmpty();
        ++i;
    }
    l[incognita].incognita = true;
    return l;
}

struct Respostas {
    std::deque<int> fila;
    QStringList perguntas;
    PerguntaRelacao funcao()
    {
        return [this](const QString& pergunta) {
            perguntas << pergunta;
            const int r = fila.empty() ? mb::Cancel : fila.front();
            if (!fila.empty())
                fila.pop_front();
            return r;
        };
    }
};

const LocaleInfo kBrasil = LocaleInfo::brazil();

LinhasRegra exemplo1()
{
    return linhas({{"8", "marceneiros", "5"},
                   {"5", "dias trabalhados", "10"},
                   {"6", "horas diária trabalhada", "8"},
                   {"12", "armários", ""}},
                  3);
}

TEST(RegraTres, TheGuidedExamples)
{
    ScopedGlobais globais;
    LinhasRegra l = exemplo1();
    Respostas sim{{mb::Yes, mb::Yes, mb::Yes}, {}};
    CalculoRegra r = CalcularRegra(l, true, sim.funcao(), kBrasil);
    EXPECT_TRUE(r.calculado());
    EXPECT_EQ(l[3].valor2, QStringLiteral("20"));
    EXPECT_EQ(r.linhaFoco, 3);
    ASSERT_EQ(sim.perguntas.size(), 3);
    EXPECT_EQ(sim.perguntas[0], QStringLiteral("Se aumentar:\r\n\"MARCENEIROS\"\r\n\r\naumentará (ou terá que aumentar):"
                                               "\r\n\"ARMÁRIOS\" ?"));

    // Example 2 keeps the base data; the third quantity is sought.
    l[0].valor2 = QStringLiteral("3");
    l[1].valor2 = QStringLiteral("12");
    l[2].valor2.clear();
    l[3].valor2 = QStringLiteral("18");
    l[3].incognita = false;
    l[2].incognita = true;
    Respostas naoNaoSim{{mb::No, mb::No, mb::Yes}, {}};
    r = CalcularRegra(l, true, naoNaoSim.funcao(), kBrasil);
    EXPECT_TRUE(r.calculado());
    EXPECT_EQ(l[2].valor2, QStringLiteral("10"));

    // Once answered, an edit of a new value reuses the marks without asking.
    l[3].valor2 = QStringLiteral("36");
    Respostas nenhuma;
    r = CalcularRegra(l, false, nenhuma.funcao(), kBrasil);
    EXPECT_TRUE(nenhuma.perguntas.isEmpty());
    EXPECT_EQ(l[2].valor2, QStringLiteral("20"));
}

TEST(RegraTres, ResultIsAFourDecimalAmount)
{
    ScopedGlobais globais;
    LinhasRegra l = linhas({{"3", "a", "2"}, {"1", "b", ""}}, 1);
    Respostas sim{{mb::Yes}, {}};
    ASSERT_TRUE(CalcularRegra(l, true, sim.funcao(), kBrasil).calculado());
    EXPECT_EQ(l[1].valor2, QStringLiteral("0,6667"));
}

TEST(RegraTres, RefusalsAndCancel)
{
    ScopedGlobais globais;
    struct Caso {
        const char* nome;
        LinhasRegra linhas;
        int topico;
        CalculoRegra::Foco foco;
        int linhaFoco;
    } casos[] = {
        {"empty second base value", linhas({{"3", "a", "2"}, {"", "b", ""}}, 1), 197, CalculoRegra::Foco::Valor, 0},
        {"negative base value", linhas({{"-3", "a", "2"}, {"1", "b", ""}}, 1), 197, CalculoRegra::Foco::Valor, 0},
        {"a new value missing outside the sought row", linhas({{"3", "a", ""}, {"1", "b", ""}, {"2", "c", "4"}}, 2),
         199, CalculoRegra::Foco::Valor2, 0},
        {"a zero is not a filled row", linhas({{"0", "a", "2"}, {"1", "b", ""}}, 1), 200, CalculoRegra::Foco::Nenhum,
         -1},
    };
    for (Caso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        Respostas sim{{mb::Yes}, {}};
        const CalculoRegra r = CalcularRegra(caso.linhas, true, sim.funcao(), kBrasil);
        EXPECT_EQ(r.topico, caso.topico);
        EXPECT_EQ(r.foco, caso.foco);
        EXPECT_EQ(r.linhaFoco, caso.linhaFoco);
    }

    LinhasRegra semIncognita = linhas({{"3", "a", "2"}, {"1", "b", "5"}}, 0);
    semIncognita[0].incognita = false;
    Respostas sim;
    EXPECT_EQ(CalcularRegra(semIncognita, true, sim.funcao(), kBrasil).topico, 201);

    LinhasRegra l = exemplo1();
    l[3].valor2 = QStringLiteral("99");
    Respostas cancela{{mb::Cancel}, {}};
    EXPECT_EQ(CalcularRegra(l, true, cancela.funcao(), kBrasil).topico, 30);
    EXPECT_EQ(l[3].valor2, QStringLiteral("99")) << "Cancel at the first question keeps the result";
}

TEST(RegraTres, NoResultForADivisionByZeroOrBeyondTheCurrencyRange)
{
    ScopedGlobais globais;
    // A direct quantity with a base of zero puts a zero below the line.
    LinhasRegra zero = linhas({{"3", "a", "2"}, {"4", "b", ""}, {"0", "c", "5"}}, 1);
    Respostas sim{{mb::Yes, mb::Yes}, {}};
    const CalculoRegra r = CalcularRegra(zero, true, sim.funcao(), kBrasil);
    EXPECT_EQ(r.topico, 30);
    EXPECT_EQ(zero[1].valor2, QString());

    LinhasRegra grande = linhas({{"1", "a", "9999999999"}, {"9999999999", "b", ""}}, 1);
    Respostas sim2{{mb::Yes}, {}};
    EXPECT_EQ(CalcularRegra(grande, true, sim2.funcao(), kBrasil).topico, 30);
    EXPECT_EQ(grande[1].valor2, QString());
}

TEST(RegraTres, RowsOpenOnAnEmptyOrANonzeroDescribedBaseValue)
{
    auto aberta = [](const char* valor, const char* cond) {
        LinhaRegra l;
        l.valor = QString::fromLatin1(valor);
        l.cond = QString::fromLatin1(cond);
        return LinhaAberta(l, kBrasil);
    };
    EXPECT_TRUE(aberta("", ""));
    EXPECT_TRUE(aberta("", "dias"));
    EXPECT_TRUE(aberta("5", "dias"));
    EXPECT_FALSE(aberta("5", ""));
    EXPECT_FALSE(aberta("0", "dias"));
}

}  // namespace
}  // namespace tarvelo

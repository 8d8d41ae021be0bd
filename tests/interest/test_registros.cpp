// The interest records as whole golden texts: the capitalisation record, the simple plan
// record and the advanced window's dated plan record.

#include "formulariofalso.h"

#include "host/globais.h"
#include "interest/capitalizacao.h"
#include "interest/registros.h"
#include "platform/localeinfo.h"

#include <gtest/gtest.h>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

// The text with its line breaks spelled out, one line per output line.
std::string visivel(const QString& texto)
{
    QString s = texto;
    s.replace(QLatin1String("\r\n"), QLatin1String("<CRLF>\n"));
    return s.toStdString();
}

QString juntar(std::initializer_list<const char*> linhas)
{
    QStringList l;
    for (const char* t : linhas)
        l << QString::fromUtf8(t);
    return l.join(QStringLiteral("\r\n"));
}

class Registros : public ::testing::Test {
protected:
    ScopedLocale locale{LocaleInfo::brazil()};
    ScopedGlobais globais_;
};

TEST_F(Registros, CapitalisationOverWholePeriodsAndTheRemainingDays)
{
    const Capitalizacao c{"1.000,00", "2", "45", "1.030,20", QDate(2024, 1, 10), {}, {}};
    EXPECT_EQ(visivel(RegistroCapitalizacao(c)), visivel(juntar({
                                                     "            VALOR INICIAL ",
                                                     "                 1.000,00 ",
                                                     "                 QTD.DIAS ",
                                                     "                       45 ",
                                                     "              VALOR FINAL ",
                                                     "                 1.030,20 ",
                                                     "                JURO a.m. ",
                                                     "                      2 % ",
                                                     " =============== CÁLCULO =",
                                                     " 10/01/24       1.000,00 +",
                                                     "            30 dias (2%) =",
                                                     "                1.020,00 +",
                                                     "            15 dias (1%) =",
                                                     " 24/02/24       1.030,20 T",
                                                     "",
                                                     "               JURO TOTAL ",
                                                     "                    30,20 ",
                                                 })));
}

TEST_F(Registros, CapitalisationEndsOnItsLastPeriodOrOnItsRest)
{
    Capitalizacao c{"1.000,00", "2", "60", "1.040,40", QDate(2024, 1, 10), {}, {}};
    QStringList linhas = RegistroCapitalizacao(c).split(QStringLiteral("\r\n"));
    EXPECT_EQ(linhas.mid(10, 4), (QStringList{"            30 dias (2%) =", "                1.020,00 +",
                                              "            30 dias (2%) =", "                1.040,40 T"}));
    c.dias = "10";
    c.final = "1.006,67";
    linhas = RegistroCapitalizacao(c).split(QStringLiteral("\r\n"));
    EXPECT_EQ(linhas.mid(10, 2), (QStringList{"      10 dias (0,66666%) =", " 20/01/24       1.006,67 T"}));
    globais().gIdioma = 2;
    linhas = RegistroCapitalizacao(c).split(QStringLiteral("\r\n"));
    EXPECT_EQ(linhas[8], QStringLiteral(" =========== CALCULATION ="));
    EXPECT_EQ(linhas[10], QStringLiteral("      10 days (0,66666%) ="));
    // The advanced window's copy speaks Portuguese whatever the language.
    linhas = RegistroCapitalizacao(c, true).split(QStringLiteral("\r\n"));
    EXPECT_EQ(linhas[8], QStringLiteral(" =============== CÁLCULO ="));
}

TEST_F(Registros, SimplePlanShowsTheBalanceAroundEachInstalment)
{
    const Plano p{"1.000,00", "3", "340,35", "2", "00", "21,05", "1.021,05", {}, {}};
    EXPECT_EQ(visivel(RegistroPlano(p)), visivel(juntar({
                                             "            VALOR INICIAL ",
                                             "                 1.000,00 ",
                                             "             QTD.PARCELAS ",
                                             "                      3 x ",
                                             "              VLR.PARCELA ",
                                             "                   340,35 ",
                                             "                JURO a.m. ",
                                             "                      2 % ",
                                             " =============== CÁLCULO =",
                                             "                1.000,00 T",
                                             "                1.000,00 +",
                                             "            à vista (0%) =",
                                             "                1.000,00 -",
                                             " 001ª             340,35 =",
                                             "                  659,65 +",
                                             "            30 dias (2%) =",
                                             "                  672,84 -",
                                             " 002ª             340,35 =",
                                             "                  332,49 +",
                                             "            30 dias (2%) =",
                                             "                  339,14 -",
                                             " 003ª             340,35 =",
                                             "                   -1,21 T",
                                             "",
                                             "               JURO TOTAL ",
                                             "                    21,05 ",
                                             "",
                                             "              VALOR FINAL ",
                                             "                 1.021,05 ",
                                         })));
}

TEST_F(Registros, SimplePlanChargesTheFirstPeriodByItsDays)
{
    Plano p{"1.000,00", "3", "340,35", "2", "45", "21,05", "1.021,05", {}, {}};
    EXPECT_EQ(RegistroPlano(p).split(QStringLiteral("\r\n"))[11], QStringLiteral("            45 dias (3%) ="));
    globais().gIdioma = 2;
    const QStringList linhas = RegistroPlano(p).split(QStringLiteral("\r\n"));
    EXPECT_EQ(linhas[11], QStringLiteral("            45 days (3%) ="));
    EXPECT_EQ(linhas[15], QStringLiteral("            30 days (2%) ="));
}

TEST_F(Registros, DatedPlanFollowsTheDueDatesAndPaysTheFirstInstalmentAtItsOwnAmount)
{
    const Plano p{"1.000,00", "3", "100,00", "2", "30", "-342,80", "657,20", "200,00", "20"};
    const std::vector<QDate> vencimentos{{2024, 2, 9}, {2024, 3, 20}, {2024, 4, 20}};
    EXPECT_EQ(visivel(RegistroPlanoDatado(p, QDate(2024, 1, 10), vencimentos)),
              visivel(juntar({
                  "            VALOR INICIAL ",
                  "                 1.000,00 ",
                  "             QTD.PARCELAS ",
                  "                      3 x ",
                  "              VLR.PARCELA ",
                  "                   100,00 ",
                  "                JURO a.m. ",
                  "                      2 % ",
                  " =============== CÁLCULO =",
                  " 10/01/24       1.000,00 T",
                  "                1.000,00 +",
                  " 30 dias            (2%) =",
                  " 09/02/24       1.020,00 -",
                  " 001ª.............200,00 =",
                  "                  820,00 +",
                  " 40 dias     (2,666666%) =",
                  " 20/03/24         841,87 -",
                  " 002ª.............100,00 =",
                  "                  741,87 +",
                  " 31 dias     (2,066666%) =",
                  " 20/04/24         757,20 -",
                  " 003ª.............100,00 =",
                  "                  657,20 T",
                  "",
                  "               JURO TOTAL ",
                  "                  -342,80 ",
                  "",
                  "              VALOR FINAL ",
                  "                   657,20 ",
              })));
}

TEST_F(Registros, DatedPlanPaidAtOnceAndOnThirtyDaySchedule)
{
    const Plano p{"1.000,00", "2", "510,00", "2", "0", "20,00", "1.020,00", "510,00", ""};
    const QStringList linhas =
        RegistroPlanoDatado(p, QDate(2024, 1, 10), {QDate(2024, 1, 10), QDate(2024, 2, 9)}).split(QStringLiteral("\r\n"));
    EXPECT_EQ(linhas.mid(11, 2), (QStringList{" à vista            (0%) =", " 10/01/24       1.000,00 -"}));
    EXPECT_EQ(linhas[15], QStringLiteral(" 30 dias            (2%) ="));
}

}  // namespace

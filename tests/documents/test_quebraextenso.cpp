#include "documents/quebraextenso.h"

#include <gtest/gtest.h>

using namespace tarvelo;

namespace {

const QString kFiller1 = QStringLiteral("* * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * *");
const QString kFiller2 = QStringLiteral(" * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * *");

TEST(QuebraExtenso, FillersHaveTheirFixedLengths)
{
    const LinhasExtenso vazio = QuebraExtenso({}, kQuebraCheque);
    EXPECT_EQ(vazio.linha1, kFiller1);
    EXPECT_EQ(vazio.linha2, kFiller2);
    EXPECT_EQ(kFiller1.size(), 69);
    EXPECT_EQ(kFiller2.size(), 74);
}

TEST(QuebraExtenso, AWordCutAtTheLimitMovesWholeToLineTwo)
{
    struct Caso {
        QString tag;
        int n;
        QString linha1, linha2;
    };
    const QString curto = QStringLiteral("(UM REAL)");
    // 66 characters ending in a blank, then a word of six letters and eight more.
    const QString longo = QString(65, QLatin1Char('A')) + QStringLiteral(" PALAVR") + QStringLiteral("A E MAIS)");
    const QString exato = QString(68, QLatin1Char('B')) + QLatin1Char(' ') + QStringLiteral("REAIS)");
    const QString palavraEParentese = QString(63, QLatin1Char('C')) + QStringLiteral(" DEZ)");  // 68 chars
    const Caso casos[] = {
        {curto, 69, curto, {}},
        {longo, 69, longo.left(66), longo.mid(66)},
        {exato, 69, exato.left(69), QStringLiteral("REAIS)")},
        {palavraEParentese, 67, palavraEParentese.left(64), QStringLiteral("DEZ)")},
        // No blank at all within the limit: cut there.
        {QString(70, QLatin1Char('X')), 63, QString(63, QLatin1Char('X')), QString(7, QLatin1Char('X'))},
    };
    for (const Caso& c : casos) {
        const LinhasExtenso l = QuebraExtenso(c.tag, c.n);
        EXPECT_EQ(l.linha1, c.linha1 + kFiller1) << c.tag.toStdString();
        EXPECT_EQ(l.linha2, c.linha2 + kFiller2) << c.tag.toStdString();
    }
}

}  // namespace

#include "tools/maskeddate.h"

#include <gtest/gtest.h>

namespace tarvelo {
namespace {

// A keystroke script: digits type, "<" is Backspace, "!" Delete, "a" selects the whole
// text (as getting the focus does), "lN" puts the caret at N.
struct Caso {
    const char* nome;
    const char* inicio;
    int caret;
    const char* teclas;
    const char* texto;
    int caretFinal;
};

void tocar(MaskedDate& campo, const QString& teclas)
{
    for (qsizetype i = 0; i < teclas.size(); ++i) {
        const QChar c = teclas[i];
        if (c == QLatin1Char('<'))
            campo.pressBackspace();
        else if (c == QLatin1Char('!'))
            campo.pressDelete();
        else if (c == QLatin1Char('a'))
            campo.select(0, MaskedDate::kLength);
        else if (c == QLatin1Char('l'))
            campo.select(teclas[++i].digitValue(), 0);
        else
            campo.pressCharacter(c);
    }
}

TEST(MaskedDate, TypingDeletingAndTheMask)
{
    const Caso casos[] = {
        {"overtyping a selected date hops over both separators", "15/06/2024", 0, "a20072024", "20/07/2024", 10},
        {"two day digits move past the first separator", "__/__/____", 0, "12", "12/__/____", 3},
        {"Backspace at the end resets only the last year digit", "20/07/2024", 10, "<", "20/07/202_", 9},
        {"Backspace after a separator deletes the digit before it and masks the rest", "20/07/2024", 3, "<",
         "2_/__/____", 1},
        {"Backspace inside the month keeps the day", "12/05/2003", 4, "<", "12/__/____", 3},
        {"Backspace over a whole selection gives the bare mask", "20/07/2024", 0, "a<", "__/__/____", 0},
        {"Delete at the start gives the bare mask", "20/07/2024", 0, "!", "__/__/____", 0},
        {"Delete on a separator takes the digit after it and everything on", "20/07/2024", 2, "!", "20/__/____", 3},
        {"Delete in the year masks from the caret", "20/07/2024", 7, "!", "20/07/2___", 7},
        {"letters and signs are refused", "20/07/2024", 0, "a-x,", "20/07/2024", 0},
        {"a digit at the end of a full date is refused", "20/07/2024", 10, "5", "20/07/2024", 10},
        {"Backspace at the start does nothing", "20/07/2024", 0, "<", "20/07/2024", 0},
        {"typing after a reset runs on into the year", "12/__/____", 3, "052003", "12/05/2003", 10},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        MaskedDate campo;
        campo.setText(QString::fromLatin1(caso.inicio));
        campo.select(caso.caret, 0);
        tocar(campo, QString::fromLatin1(caso.teclas));
        EXPECT_EQ(campo.text(), QString::fromLatin1(caso.texto));
        EXPECT_EQ(campo.caret(), caso.caretFinal);
    }
}

TEST(MaskedDate, CodeWritesAreMaskedAndTheSeparatorFollowsTheLocale)
{
    MaskedDate campo(QLatin1Char('.'));
    EXPECT_EQ(campo.text(), QStringLiteral("__.__.____"));
    EXPECT_TRUE(campo.isBlank());
    campo.setText({});
    EXPECT_EQ(campo.text(), QStringLiteral("__.__.____"));
    campo.setText(QStringLiteral("01.02"));
    EXPECT_EQ(campo.text(), QStringLiteral("__.__.____")) << "a short text is cut at the caret, which code puts at 0";
    campo.setText(QStringLiteral("01.02.2024 extra"));
    EXPECT_EQ(campo.text(), QStringLiteral("01.02.2024"));
    campo.select(2, 0);
    tocar(campo, QStringLiteral("<"));
    EXPECT_EQ(campo.text(), QStringLiteral("0_.__.____"));

    LocaleInfo alemao = LocaleInfo::brazil();
    alemao.dateSeparator = QLatin1Char('.');
    EXPECT_EQ(MaskedDate::separatorOf(alemao), QLatin1Char('.'));
    EXPECT_EQ(MaskedDate::separatorOf(LocaleInfo::unitedStates()), QLatin1Char('/'));
}

}  // namespace
}  // namespace tarvelo

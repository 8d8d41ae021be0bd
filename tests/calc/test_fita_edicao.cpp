// The tape itself: double click, keys typed on it, edit mode and find.

#include "support/calculadora.h"

#include "calc/fita_edicao.h"
#include "host/texto.h"

#include <gtest/gtest.h>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

const QString kSeparadorCrLf = QStringLiteral(" =========================\r\n");

// ---- double click ------------------------------------------------------------------------

TEST(CliqueDuplo, AValueOnTheTapeIsAddedAgainAndTheRestOfItsLineMarked)
{
    Calculadora b;
    b.teclas(QStringLiteral("5+3+"));
    const qsizetype cinco = b.cabecalho.size() + 23;
    ASSERT_EQ(b.calc.txtFita.Text().at(cinco), QLatin1Char('5'));

    b.calc.txtFita_DblClick(cinco);
    EXPECT_EQ(visivel(b.linhas()), visivel(linhas({"                       5 +", "                       3 +",
                                                   "                       5 +"})));
    EXPECT_EQ(b.calc.lblTotal.Caption(), QStringLiteral("13"));
    EXPECT_EQ(b.calc.txtFita.SelStart(), cinco);
    EXPECT_TRUE(b.calc.txtFita.SelText().startsWith(QStringLiteral("5 +")));
    EXPECT_EQ(b.calc.PosicaoClique, 0);
    EXPECT_FALSE(b.calc.chkMais.Value());
}

// The number under the pointer is the whole number, its group separators included, wherever
// the click falls on it. Where numbers are grouped with a space, a line typed on the tape with
// blanks between the groups reads so too.
TEST(CliqueDuplo, AGroupedValueIsEnteredWhole)
{
    struct Caso {
        LocaleInfo locale;
        const char* teclas;
        const char* linha;  // as the tape shows it, written on the tape when `teclas` is empty
        const char* total;
    };
    const LocaleInfo franca = LocaleInfo::fromQLocale(QLocale(QLocale::French, QLocale::France));
    const Caso casos[] = {
        {LocaleInfo::brazil(), "1234,56+", "1.234,56", "2.469,12"},
        {LocaleInfo::brazil(), "9876543,21+", "9.876.543,21", "19.753.086,42"},
        {LocaleInfo::unitedStates(), "1234.56+", "1,234.56", "2,469.12"},
        {franca, "1234,56+", "1\u00A0234,56", "2\u00A0469,12"},
        {franca, "9876543,21+", "9\u00A0876\u00A0543,21", "19\u00A0753\u00A0086,42"},
        {franca, "", "1 234,56", "1\u00A0234,56"},
        {franca, "", "1\u202F234,56", "1\u00A0234,56"},
    };
    for (const Caso& c : casos) {
        const QString linha = QString::fromUtf8(c.linha);
        for (qsizetype dentro = 0; dentro < linha.size(); ++dentro) {
            SCOPED_TRACE(linha.toStdString() + " at " + std::to_string(dentro));
            Calculadora b;
            const ScopedLocale numeros(c.locale);
            globais().gDecimal = c.locale.decimalSymbol;
            if (*c.teclas)
                b.teclas(QString::fromLatin1(c.teclas));
            else
                b.calc.txtFita.append(linhaFita(linha, '+') + kSeparadorCrLf);
            const qsizetype inicio = b.calc.txtFita.Text().indexOf(linha);
            ASSERT_GE(inicio, 0);

            b.calc.txtFita_DblClick(inicio + dentro);
            EXPECT_EQ(b.calc.txtFita.SelStart(), inicio);
            EXPECT_TRUE(b.calc.txtFita.SelText().startsWith(linha + QStringLiteral(" +\r"))) << "the rest of its line";
            EXPECT_EQ(b.total(), QString::fromUtf8(c.total));
        }
    }
}

TEST(CliqueDuplo, WordsZeroAndBlanksEnterNothing)
{
    Calculadora b;
    b.teclas(QStringLiteral("5-5="));
    const QString fita = b.calc.txtFita.Text();
    const qsizetype zero = fita.lastIndexOf(QStringLiteral("0 T"));
    for (const qsizetype posicao :
         {qsizetype(12), zero, qsizetype(0), fita.size() - 1, qsizetype(-3), fita.size() + 9}) {
        b.calc.txtFita_DblClick(posicao);
        EXPECT_EQ(visivel(b.calc.txtFita.Text()), visivel(fita)) << posicao;
        EXPECT_FALSE(b.calc.mnuTempo.Checked()) << posicao;
    }
    EXPECT_EQ(b.calc.txtFita.SelStart(), fita.size());
}

TEST(CliqueDuplo, TheHeadersDateSwitchesTimeModeOnAndEntersNothing)
{
    Calculadora b;
    b.calc.txtFita_DblClick(3);
    EXPECT_TRUE(b.calc.mnuTempo.Checked());
    EXPECT_EQ(visivel(b.calc.txtFita.Text()), visivel(b.cabecalho));
    EXPECT_EQ(b.calc.txtFita.SelText(), QStringLiteral("05/03/2025 "));
}

TEST(CliqueDuplo, ATimeSwitchesTimeModeOnAndEntersItsDigits)
{
    Calculadora b;
    b.calc.txtFita.append(QStringLiteral(" 001                      \r\n"
                                         "                   01:30 T\r\n")
                          + kSeparadorCrLf);
    b.calc.txtFita_DblClick(b.calc.txtFita.Text().indexOf(QStringLiteral("01:30")));
    EXPECT_TRUE(b.calc.mnuTempo.Checked());
    EXPECT_TRUE(b.linhas().endsWith(QStringLiteral("                00:01:30 +\r\n"))) << visivel(b.linhas());
}

TEST(CliqueDuplo, NothingHappensInEditMode)
{
    Calculadora b;
    b.teclas(QStringLiteral("5="));
    b.calc.mnuEditar_Click();
    const QString fita = b.calc.txtFita.Text();
    b.calc.txtFita_DblClick(fita.indexOf(QLatin1Char('5')));
    EXPECT_EQ(visivel(b.calc.txtFita.Text()), visivel(fita));
}

TEST(CliqueDuplo, TheWordIsDelimitedByWhiteSpaceWithTheBlankAfterIt)
{
    const QString fita = QStringLiteral(" 12,5 +\r\nabc\r\n");
    struct Caso {
        qsizetype posicao, inicio, fim, selecao;
    };
    for (const Caso c : {Caso{1, 1, 5, 5}, Caso{4, 1, 5, 5}, Caso{6, 6, 7, 1}, Caso{10, 9, 12, 3}, Caso{5, 5, 5, 0},
                         Caso{7, 7, 7, 0}, Caso{99, 14, 14, 0}}) {
        const PalavraFita p = palavraNaPosicao(fita, c.posicao);
        EXPECT_EQ(p.inicio, c.inicio) << c.posicao;
        EXPECT_EQ(p.fim, c.fim) << c.posicao;
        EXPECT_EQ(p.selecao, c.selecao) << c.posicao;
    }
}

// Only a space that groups digits joins them, and only where the locale groups with a space.
TEST(CliqueDuplo, ASpaceJoinsDigitsOnlyWhereTheLocaleGroupsWithIt)
{
    const LocaleInfo franca = LocaleInfo::fromQLocale(QLocale(QLocale::French, QLocale::France));
    struct Caso {
        LocaleInfo locale;
        const char* fita;
        qsizetype posicao, inicio, fim;
    };
    for (const Caso& c : {Caso{LocaleInfo::brazil(), " 12 345 +", 5, 4, 7}, Caso{franca, " 12 345 +", 5, 1, 7},
                         Caso{franca, " 12\u00A0345 +", 1, 1, 7}, Caso{franca, " 12\u202F345 +", 3, 1, 7},
                         Caso{franca, " 12  345 +", 6, 5, 8}, Caso{franca, " 12 x", 1, 1, 3}}) {
        SCOPED_TRACE(c.fita);
        const PalavraFita p = palavraNaPosicao(QString::fromUtf8(c.fita), c.posicao, c.locale);
        EXPECT_EQ(p.inicio, c.inicio);
        EXPECT_EQ(p.fim, c.fim);
    }
}

// ---- keys on the locked tape ---------------------------------------------------------------

TEST(TeclaNaFita, ADigitOrTheDecimalKeyStartsANewEntry)
{
    struct Caso {
        char tecla;
        const char* entrada;
    };
    for (const Caso c : {Caso{'7', "7"}, Caso{',', "0,"}, Caso{'.', "0,"}, Caso{'x', "0"}}) {
        Calculadora b;
        b.calc.SetFocus(b.calc.txtFita);
        const QString fita = b.calc.txtFita.Text();
        b.teclas(QString(QLatin1Char(c.tecla)));
        EXPECT_EQ(b.calc.foco(), &b.calc.txtEntrada) << c.tecla;
        EXPECT_EQ(b.calc.txtEntrada.Text(), QString::fromUtf8(c.entrada)) << c.tecla;
        EXPECT_EQ(b.calc.txtFita.Text(), fita) << "the locked tape takes no key";
    }
}

// ---- edit mode -----------------------------------------------------------------------------

TEST(Edicao, AnOpenCalculationCannotBeEdited)
{
    Calculadora b;
    b.teclas(QStringLiteral("5+"));
    const QString fita = b.calc.txtFita.Text();
    b.calc.mnuEditar_Click();
    ASSERT_EQ(b.mensagens.vistas.size(), 1u);
    EXPECT_EQ(b.mensagens.vistas[0].texto, fTexto(12));
    EXPECT_EQ(b.mensagens.vistas[0].flags, mb::Exclamation);
    EXPECT_FALSE(b.calc.mnuEditar.Checked());
    EXPECT_TRUE(b.calc.KeyPreview);
    EXPECT_EQ(b.calc.txtFita.Text(), fita);
}

TEST(Edicao, TypedLinesAreClosedWithASeparatorWhenTheTapeIsLeft)
{
    Calculadora b;
    b.teclas(QStringLiteral("5+3="));
    const QString fechada = b.calc.txtFita.Text();

    b.calc.mnuEditar_Click();
    EXPECT_TRUE(b.calc.mnuEditar.Checked());
    EXPECT_FALSE(b.calc.KeyPreview);
    EXPECT_FALSE(b.calc.txtFita.Locked());
    EXPECT_EQ(b.calc.txtFita.ForeColor(), kCorPreta);
    EXPECT_EQ(b.calc.foco(), &b.calc.txtFita);
    EXPECT_EQ(b.calc.txtFita.Text(), fechada + QLatin1Char(' '));
    EXPECT_EQ(b.calc.txtFita.SelStart(), b.calc.txtFita.length());

    // Operators are plain text here; a quote never gets in; what the code page lacks is "?".
    b.teclas(QStringLiteral("ab\"c+ł\rx"));
    b.calc.mnuMonit.setChecked(true);
    b.clipboard.setText(QStringLiteral("12"));
    b.calc.mnuEditar_Click();
    b.calc.Timer1_Timer();

    EXPECT_EQ(visivel(b.calc.txtFita.Text()),
              visivel(fechada + QStringLiteral(" abc+? \r\n x \r\n =========================\r\n")));
    EXPECT_FALSE(b.calc.mnuEditar.Checked());
    EXPECT_TRUE(b.calc.KeyPreview);
    EXPECT_TRUE(b.calc.txtFita.Locked());
    EXPECT_EQ(b.calc.txtFita.ForeColor(), kCorAzul);
    EXPECT_EQ(b.calc.foco(), &b.calc.txtEntrada);
    EXPECT_EQ(b.calc.lblTotal.Caption(), QStringLiteral("0")) << "the edit counts nothing, nor the copy made in it";

    b.teclas(QStringLiteral("2+"));
    EXPECT_TRUE(b.calc.txtFita.Text().endsWith(QStringLiteral("                       2 +\r\n")));
    EXPECT_EQ(b.calc.lblTotal.Caption(), QStringLiteral("2"));
}

// A number typed but not yet added waits in the display through edit mode: the total adds
// only what the tape shows, and the number is still there to be added or typed over.
TEST(Edicao, ATypedNumberWaitsInTheDisplayUntilAdded)
{
    for (const LocaleInfo& locale : {LocaleInfo::brazil(), LocaleInfo::unitedStates()}) {
        const QString digitado = QStringLiteral("7") + locale.decimalSymbol + QStringLiteral("5");
        SCOPED_TRACE(digitado.toStdString());
        // Typed once edit mode is over: a number over the one waiting, or an operator for it.
        for (const char* depois : {"5+=", "+="}) {
            SCOPED_TRACE(depois);
            Calculadora b;
            const ScopedLocale numeros(locale);
            globais().gDecimal = locale.decimalSymbol;
            b.teclas(digitado);
            const QString fechada = b.calc.txtFita.Text();
            b.calc.mnuEditar_Click();
            EXPECT_EQ(b.calc.txtFita.Text(), fechada + QLatin1Char(' ')) << "nothing written";
            EXPECT_EQ(b.calc.lblVisor[1].Caption(), QStringLiteral("000")) << "nothing counted";
            b.calc.mnuEditar_Click();
            EXPECT_EQ(b.visor(), digitado);
            EXPECT_EQ(b.total(), QStringLiteral("0"));

            b.teclas(QString::fromLatin1(depois));
            const QString somado = *depois == '5' ? QStringLiteral("5") : digitado;
            EXPECT_EQ(visivel(b.linhas()), visivel(kSeparadorCrLf + linhaFita(somado, '=')
                                                   + QStringLiteral(" 001                      \r\n")
                                                   + linhaFita(somado, 'T') + kSeparadorCrLf));
            EXPECT_EQ(b.clipboard.conteudo, somado);
        }
    }
}

TEST(Edicao, LeavingWithoutTypingPutsTheSeparatorOnTheOpenedLine)
{
    Calculadora b;
    b.teclas(QStringLiteral("5="));
    const QString fechada = b.calc.txtFita.Text();
    b.calc.mnuEditar_Click();
    b.calc.SetFocus(b.calc.txtEntrada);
    EXPECT_EQ(visivel(b.calc.txtFita.Text()), visivel(fechada + QStringLiteral(" =========================\r\n")));
    EXPECT_FALSE(b.calc.mnuEditar.Checked());
}

TEST(Edicao, AtMostTwentyFourCharactersFitBetweenTwoEnters)
{
    Calculadora b;
    b.teclas(QStringLiteral("5="));
    b.calc.mnuEditar_Click();
    const qsizetype inicio = b.calc.txtFita.length();
    b.teclas(QString(30, QLatin1Char('a')));
    EXPECT_EQ(b.calc.txtFita.length(), inicio + 24);
    b.teclas(QStringLiteral("\r") + QString(30, QLatin1Char('b')));
    EXPECT_TRUE(b.calc.txtFita.Text().endsWith(QStringLiteral(" \r\n ") + QString(24, QLatin1Char('b'))));
    b.teclas(QStringLiteral("\b"));
    EXPECT_TRUE(b.calc.txtFita.Text().endsWith(QStringLiteral(" \r\n ") + QString(23, QLatin1Char('b'))))
        << "Backspace edits";
}

TEST(Edicao, PastedTextIsCleanedAndOnlyTakenWhileEditing)
{
    Calculadora b;
    b.teclas(QStringLiteral("5="));
    const QString fechada = b.calc.txtFita.Text();
    EXPECT_FALSE(b.calc.txtFita_Colar(u"7"));
    EXPECT_EQ(b.calc.txtFita.Text(), fechada);

    b.calc.mnuEditar_Click();
    EXPECT_TRUE(b.calc.txtFita_Colar(QStringLiteral("a\"b€ł\nc")));
    EXPECT_EQ(visivel(b.calc.txtFita.Text()), visivel(fechada + QStringLiteral(" ab€?\r\nc")));
    EXPECT_TRUE(b.calc.txtFita_Colar(QString(40, QLatin1Char('z'))));
    EXPECT_EQ(b.calc.txtFita.length(), b.calc.txtFita.MaxLength()) << "cut to the edit limit";
}

TEST(Edicao, CommandsThatWriteTheTapeEndEditModeFirst)
{
    for (const bool limpar : {false, true}) {
        Calculadora b;
        b.calc.mnuBackup.setChecked(true);
        b.teclas(QStringLiteral("5="));
        b.calc.mnuEditar_Click();
        b.teclas(QStringLiteral("nota"));
        const QString editada = b.calc.txtFita.Text() + QStringLiteral(" \r\n =========================\r\n");
        if (limpar)
            b.calc.mnuLimpar_Click();
        else
            b.calc.mnuAgrupar_Click();
        EXPECT_TRUE(b.calc.txtFita.Locked()) << limpar;
        EXPECT_TRUE(b.calc.KeyPreview) << limpar;
        EXPECT_FALSE(b.calc.mnuEditar.Checked()) << limpar;
        EXPECT_EQ(b.calc.txtFita.MaxLength(), 0) << limpar;
        if (limpar) {
            EXPECT_TRUE(b.backup().startsWith(editada.toLatin1())) << visivel(QString::fromLatin1(b.backup()));
            EXPECT_EQ(visivel(b.calc.txtFita.Text()), visivel(b.cabecalho));
        } else {
            EXPECT_TRUE(b.calc.txtFita.Text().startsWith(editada));
            EXPECT_TRUE(b.calc.txtFita.Text().endsWith(QStringLiteral("                     0,00 \r\n"
                                                                      " =========================\r\n")))
                << "the whole block, not cut to the edit limit";
        }
    }
}

// ---- find ------------------------------------------------------------------------------------

TEST(Localizar, FindsWithoutRegardToCaseAndMovesOnUntilTheEnd)
{
    Calculadora b;
    b.calc.txtFita.append(QStringLiteral(" total A\r\n TOTAL B\r\n"));
    const qsizetype primeiro = b.cabecalho.size() + 1;
    const qsizetype segundo = b.cabecalho.size() + 11;
    b.entrada.respostas = {QStringLiteral("  total "), QStringLiteral("total"), QStringLiteral("total"),
                           QStringLiteral("total")};

    b.calc.mnuLocalizar_Click();
    EXPECT_EQ(b.calc.foco(), &b.calc.txtFita);
    EXPECT_EQ(b.calc.txtFita.SelStart(), primeiro);
    EXPECT_EQ(b.calc.txtFita.SelLength(), 5);
    EXPECT_EQ(b.calc.UltimaBusca, QStringLiteral("total"));

    b.calc.mnuLocalizar_Click();
    EXPECT_EQ(b.calc.txtFita.SelStart(), segundo);
    EXPECT_TRUE(b.mensagens.vistas.empty());

    b.calc.mnuLocalizar_Click();
    b.calc.mnuLocalizar_Click();
    ASSERT_EQ(b.mensagens.vistas.size(), 2u) << "no wrap-around, at every repetition";
    EXPECT_EQ(b.mensagens.vistas[1].texto, fTexto(18));
    EXPECT_EQ(b.mensagens.vistas[1].flags, mb::Information);
    EXPECT_EQ(b.calc.txtFita.SelStart(), segundo) << "the selection stays";

    ASSERT_EQ(b.entrada.perguntas.size(), 4u);
    EXPECT_EQ(b.entrada.perguntas[0].prompt, fTexto(55));
    EXPECT_EQ(b.entrada.perguntas[0].titulo, fTexto(56));
    EXPECT_EQ(b.entrada.perguntas[0].proposta, QString());
    EXPECT_EQ(b.entrada.perguntas[1].proposta, QStringLiteral("total"));
}

TEST(Localizar, ANewSearchStartsAtTheThirdCharacter)
{
    Calculadora b;
    b.entrada.respostas = {QStringLiteral("qua"), QStringLiteral("05")};
    b.calc.mnuLocalizar_Click();
    EXPECT_EQ(b.calc.txtFita.SelStart(), 12);
    b.calc.mnuLocalizar_Click();
    ASSERT_EQ(b.mensagens.vistas.size(), 1u) << "05 begins at the second character";
    EXPECT_EQ(b.mensagens.vistas[0].texto, fTexto(18));
}

// A number is found as its user writes it: where numbers are grouped with a space, any of
// the blank, the no-break space and the narrow one in the search matches the tape's separator.
TEST(Localizar, ANumberIsFoundWithItsGroupSeparators)
{
    struct Caso {
        LocaleInfo locale;
        const char* busca;
        bool achado;
    };
    const LocaleInfo franca = LocaleInfo::fromQLocale(QLocale(QLocale::French, QLocale::France));
    const Caso casos[] = {
        {LocaleInfo::brazil(), "1.234,56", true},
        {LocaleInfo::brazil(), "1 234,56", false},
        {LocaleInfo::unitedStates(), "1,234.56", true},
        {franca, "1 234,56", true},
        {franca, "1\u00A0234,56", true},
        {franca, "1\u202F234,56", true},
        {franca, "1.234,56", false},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.busca);
        Calculadora b;
        const ScopedLocale numeros(c.locale);
        globais().gDecimal = c.locale.decimalSymbol;
        b.teclas(QStringLiteral("5+1234") + c.locale.decimalSymbol + QStringLiteral("56+"));
        const qsizetype linha = b.calc.txtFita.Text().lastIndexOf(QStringLiteral("234")) - 2;
        b.entrada.respostas = {QString::fromUtf8(c.busca)};
        b.calc.mnuLocalizar_Click();
        if (c.achado) {
            EXPECT_TRUE(b.mensagens.vistas.empty());
            EXPECT_EQ(b.calc.txtFita.SelStart(), linha);
            EXPECT_EQ(b.calc.txtFita.SelLength(), 8);
        } else {
            ASSERT_EQ(b.mensagens.vistas.size(), 1u);
            EXPECT_EQ(b.mensagens.vistas[0].texto, fTexto(18));
        }
    }
}

TEST(Localizar, LeavingTheTapeOrCancellingForgetsTheSearch)
{
    Calculadora b;
    b.calc.txtFita.append(QStringLiteral(" total A\r\n"));
    b.entrada.respostas = {QStringLiteral("total"), QStringLiteral("total")};
    b.calc.mnuLocalizar_Click();
    b.calc.SetFocus(b.calc.txtEntrada);
    EXPECT_EQ(b.calc.UltimaBusca, QString());
    b.calc.mnuLocalizar_Click();
    EXPECT_EQ(b.calc.txtFita.SelStart(), b.cabecalho.size() + 1) << "a new search finds the first again";
    EXPECT_TRUE(b.mensagens.vistas.empty());

    b.calc.mnuLocalizar_Click();  // cancelled
    EXPECT_EQ(b.calc.UltimaBusca, QString());
    EXPECT_TRUE(b.mensagens.vistas.empty());
}

}  // namespace

// Copy and paste of the display, and the clipboard monitor of the 50 ms timer.

#include "support/calculadora.h"

#include "host/texto.h"

#include <gtest/gtest.h>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

// The monitor on, a text copied in another program, one tick of the timer.
void copiar(Calculadora& b, const QString& texto)
{
    b.calc.mnuMonit.setChecked(true);
    b.clipboard.setText(texto);
    b.calc.Timer1_Timer();
}

// ---- copy and paste ------------------------------------------------------------------------

TEST(Copiar, TheNumberOnShowGoesAsShownAndIsNotTakenBackByTheMonitor)
{
    Calculadora b;
    b.calc.mnuNumeral_Click(0);
    b.teclas(QStringLiteral("1234,5"));
    b.calc.chkNeg.release();
    ASSERT_EQ(b.calc.lblVisor[0].Caption(), QStringLiteral("-1.234,50"));
    b.calc.mnuCopiar_Click();
    EXPECT_EQ(b.clipboard.conteudo, QStringLiteral("-1.234,50"));

    const QString fita = b.calc.txtFita.Text();
    b.calc.mnuMonit.setChecked(true);
    b.calc.Timer1_Timer();
    EXPECT_EQ(b.calc.txtFita.Text(), fita);

    Calculadora tempo;
    tempo.calc.mnuTempo_Click();
    tempo.teclas(QStringLiteral("130"));
    tempo.calc.mnuCopiar_Click();
    EXPECT_EQ(tempo.clipboard.conteudo, QStringLiteral("00:01:30"));
}

TEST(Colar, ANumberComesInWholeWithoutGroupingAndSelected)
{
    struct Caso {
        const char* clipboard;
        const char* entrada;
    };
    for (const Caso c : {Caso{"1.234,5", "1234,5"}, Caso{"12", "12"}, Caso{"0,123456", "0,123456"},
                         Caso{"123456789012,345", "123456789012,345"}, Caso{" -7 ", "-7"}}) {
        Calculadora b;
        b.clipboard.conteudo = QString::fromUtf8(c.clipboard);
        b.calc.mnuColar_Click();
        const QString esperado = QString::fromUtf8(c.entrada);
        EXPECT_EQ(b.calc.txtEntrada.Text(), esperado) << c.clipboard;
        EXPECT_EQ(b.calc.txtEntrada.SelStart(), 0) << c.clipboard;
        EXPECT_EQ(b.calc.txtEntrada.SelLength(), esperado.size()) << c.clipboard;
        EXPECT_EQ(b.calc.txtEntrada.MaxLength(), 12) << c.clipboard;
    }
    Calculadora b;
    b.clipboard.conteudo = QStringLiteral("12");
    b.calc.mnuColar_Click();
    b.teclas(QStringLiteral("3"));
    EXPECT_EQ(b.calc.txtEntrada.Text(), QStringLiteral("3")) << "the next digit replaces the pasted number";
}

TEST(Colar, TextThatIsNoNumberChangesNothingAndDisablesTheItem)
{
    Calculadora b;
    b.teclas(QStringLiteral("5"));
    for (const char* texto : {"abc", "", "12.5", "1 2"}) {
        b.clipboard.conteudo = QString::fromUtf8(texto);
        b.calc.mnuColar_Click();
        EXPECT_EQ(b.calc.txtEntrada.Text(), QStringLiteral("5")) << texto;
        b.calc.mnu1_Click();
        EXPECT_FALSE(b.calc.mnuColar.Enabled()) << texto;
    }
    b.clipboard.conteudo = QStringLiteral("1.234,5");
    b.calc.mnu1_Click();
    EXPECT_TRUE(b.calc.mnuColar.Enabled());
}

// ---- the monitor -----------------------------------------------------------------------------

TEST(Monitor, TwoColumnsAddTheirProductsAndLeaveThemOnTheClipboard)
{
    Calculadora b;
    copiar(b, QStringLiteral("2\t3\r\n4\t5"));
    EXPECT_EQ(visivel(b.linhas()), visivel(linhas({"                       6 +", "                      20 =",
                                                   " 002                      ", "                      26 T",
                                                   " ========================="})));
    EXPECT_EQ(visivel(b.clipboard.conteudo), visivel(QStringLiteral("6,00\r\n20,00\r\n")));
    EXPECT_TRUE(b.calc.ResultadoClipboard.isEmpty());
    EXPECT_FALSE(b.calc.chkIgual.Value());

    const QString fita = b.calc.txtFita.Text();
    b.calc.Timer1_Timer();
    EXPECT_EQ(b.calc.txtFita.Text(), fita) << "the products are not taken up again";
}

TEST(Monitor, OneNumberIsAddedOnceAndTheClipboardCleared)
{
    Calculadora b;
    copiar(b, QStringLiteral("12,50"));
    EXPECT_EQ(visivel(b.linhas()), visivel(linhas({"                    12,5 +"})));
    EXPECT_EQ(b.clipboard.conteudo, QString());
    EXPECT_EQ(b.calc.lblTotal.Caption(), QStringLiteral("12,5")) << "no total";
    b.calc.Timer1_Timer();
    EXPECT_EQ(visivel(b.linhas()), visivel(linhas({"                    12,5 +"})));

    copiar(b, QStringLiteral("12,50"));
    EXPECT_EQ(b.calc.lblTotal.Caption(), QStringLiteral("25")) << "copied twice, added twice";
}

// Text copied on Linux ends its lines with LF: taken as the same text with CR LF, a lone
// trailing line end included.
TEST(Monitor, LinesEndedByLfAreTakenAsLinesEndedByCrLf)
{
    struct Caso {
        const char* texto;
        QString fita;
        const char* clipboard;
    };
    const Caso casos[] = {
        {"2\t3\n4\t5\n",
         linhas({"                       6 +", "                      20 =", " 002                      ",
                 "                      26 T", " ========================="}),
         "6,00\r\n20,00\r\n"},
        {"4,25\n", linhas({"                    4,25 +"}), ""},
        {"1\n2\n3\n",
         linhas({"                       1 +", "                       2 +", "                       3 =",
                 " 003                      ", "                       6 T", " ========================="}),
         "6"},
    };
    for (const Caso& caso : casos) {
        const QString lf = QString::fromLatin1(caso.texto);
        for (const QString& texto : {lf, QString(lf).replace(QLatin1String("\n"), QLatin1String("\r\n"))}) {
            SCOPED_TRACE(visivel(texto));
            Calculadora b;
            copiar(b, texto);
            EXPECT_EQ(visivel(b.linhas()), visivel(caso.fita));
            EXPECT_EQ(visivel(b.clipboard.conteudo), visivel(QString::fromLatin1(caso.clipboard)));
            const QString fita = b.calc.txtFita.Text();
            b.calc.Timer1_Timer();
            EXPECT_EQ(b.calc.txtFita.Text(), fita) << "taken once";
        }
    }
}

// X refuses a clear stamped before the copy it would undo, as when the timer reads a copy
// before the program has had the desktop's notice of it: the copy stays on the clipboard
// and is still taken once, then cleared once more.
TEST(Monitor, ACopyIsTakenOnceWhenClearingItIsRefused)
{
    Calculadora b;
    b.clipboard.limpezasRecusadas = 1;
    copiar(b, QStringLiteral("12,50"));
    EXPECT_EQ(b.clipboard.conteudo, QStringLiteral("12,50"));
    b.calc.Timer1_Timer();
    b.calc.Timer1_Timer();
    EXPECT_EQ(visivel(b.linhas()), visivel(linhas({"                    12,5 +"})));
    EXPECT_EQ(b.clipboard.conteudo, QString()) << "cleared at the next tick";
    copiar(b, QStringLiteral("12,50"));
    EXPECT_EQ(b.calc.lblTotal.Caption(), QStringLiteral("25")) << "a new copy of the same number counts";

    // A clipboard that keeps refusing (a clipboard manager putting the copy back) does not
    // make the copy count again, nor the refusal of a bad selection show again.
    Calculadora c;
    c.clipboard.limpezasRecusadas = 99;
    copiar(c, QStringLiteral("7"));
    for (int i = 0; i < 3; ++i)
        c.calc.Timer1_Timer();
    EXPECT_EQ(c.calc.lblTotal.Caption(), QStringLiteral("7"));
    copiar(c, QStringLiteral("1\t2\t3"));
    c.calc.Timer1_Timer();
    EXPECT_EQ(c.mensagens.vistas.size(), 1u);
    copiar(c, QStringLiteral("5"));
    EXPECT_EQ(c.calc.lblTotal.Caption(), QStringLiteral("12"));
}

// A copy is told from the last one by the clipboard's change, not by its text: the same
// number copied again is added again, also after clears the clipboard refused and after the
// program's own total left that number there.
TEST(Monitor, EveryCopyIsAddedWhateverTheLastText)
{
    Calculadora b;
    b.clipboard.limpezasRecusadas = 2;
    copiar(b, QStringLiteral("1"));
    b.calc.Timer1_Timer();
    for (int i = 0; i < 3; ++i)
        copiar(b, QStringLiteral("1"));
    EXPECT_EQ(b.total(), QStringLiteral("4"));

    Calculadora c;
    c.teclas(QStringLiteral("4+6="));
    ASSERT_EQ(c.clipboard.conteudo, QStringLiteral("10"));
    const QString fechada = c.linhas();
    copiar(c, QStringLiteral("10"));
    EXPECT_EQ(visivel(c.linhas()), visivel(fechada + linhaFita(QStringLiteral("10"), '+')));
}

// Fetching the text is a transfer from the copying program, a large one for a large copy:
// the timer fetches it once a copy, not on every tick.
TEST(Monitor, TheClipboardIsReadOnlyWhenItHasChanged)
{
    Calculadora b;
    copiar(b, QStringLiteral("um texto"));
    const int leituras = b.clipboard.leituras;
    for (int i = 0; i < 20; ++i)
        b.calc.Timer1_Timer();
    EXPECT_EQ(b.clipboard.leituras, leituras);
    copiar(b, QStringLiteral("5"));
    EXPECT_EQ(b.total(), QStringLiteral("5"));
}

TEST(Monitor, AColumnIsAddedAndTotalledAndTheTotalNotTakenBack)
{
    Calculadora b;
    copiar(b, QStringLiteral("1\r\n2\r\n3\r\n"));
    EXPECT_EQ(visivel(b.linhas()), visivel(linhas({"                       1 +", "                       2 +",
                                                   "                       3 =", " 003                      ",
                                                   "                       6 T", " ========================="})));
    EXPECT_EQ(b.clipboard.conteudo, QStringLiteral("6"));
    const QString fita = b.calc.txtFita.Text();
    b.calc.Timer1_Timer();
    EXPECT_EQ(b.calc.txtFita.Text(), fita);
}

// Thousands separators belong to the number: copied into an open calculation, it is added
// once and the calculation stays open, as a number written without them. Where numbers are
// grouped with a space, the no-break space the program writes, the narrow one the system
// writes and the blank people type are all that separator (the second calculator's totals
// come this way).
TEST(Monitor, ANumberWithThousandsSeparatorsIsAddedOnceWithoutATotal)
{
    struct Caso {
        const char* texto;
        const char* linha;
        const char* total;
    };
    const auto somar = [](const Caso& caso, const LocaleInfo& locale) {
        SCOPED_TRACE(caso.texto);
        Calculadora b;
        const ScopedLocale numeros(locale);
        globais().gDecimal = locale.decimalSymbol;
        b.teclas(QStringLiteral("10+"));
        copiar(b, QString::fromUtf8(caso.texto));
        EXPECT_EQ(visivel(b.linhas()),
                  visivel(linhaFita(QStringLiteral("10"), '+') + linhaFita(QString::fromUtf8(caso.linha), '+')));
        EXPECT_EQ(b.total(), QString::fromUtf8(caso.total));
        EXPECT_EQ(b.clipboard.conteudo, QString());
    };
    for (const Caso& caso :
         {Caso{"12,50", "12,5", "22,5"}, Caso{"1234,56", "1.234,56", "1.244,56"},
          Caso{"1.234,56", "1.234,56", "1.244,56"}, Caso{"12.345.678,90", "12.345.678,9", "12.345.688,9"},
          Caso{"-1.234", "-1.234", "-1.224"}, Caso{"1.234", "1.234", "1.244"}})
        somar(caso, LocaleInfo::brazil());
    somar({"1,234.56", "1,234.56", "1,244.56"}, LocaleInfo::unitedStates());
    somar({"1,234", "1,234", "1,244"}, LocaleInfo::unitedStates());
    for (const Caso& caso :
         {Caso{"2\u00A0000,25", "2\u00A0000,25", "2\u00A0010,25"}, Caso{"3\u202F000,5", "3\u00A0000,5", "3\u00A0010,5"},
          Caso{"1 234,56", "1\u00A0234,56", "1\u00A0244,56"}, Caso{"5\u00A0000", "5\u00A0000", "5\u00A0010"},
          Caso{"9\u202F876\u202F543,21", "9\u00A0876\u00A0543,21", "9\u00A0876\u00A0553,21"},
          Caso{"-1 234", "-1\u00A0234", "-1\u00A0224"}})
        somar(caso, LocaleInfo::fromQLocale(QLocale(QLocale::French, QLocale::France)));
}

TEST(Monitor, ThreeColumnsAreRefusedAndTheClipboardCleared)
{
    Calculadora b;
    const QString fita = b.calc.txtFita.Text();
    copiar(b, QStringLiteral("1\t2\t3"));
    ASSERT_EQ(b.mensagens.vistas.size(), 1u);
    EXPECT_EQ(b.mensagens.vistas[0].texto, fTexto(20));
    EXPECT_EQ(b.mensagens.vistas[0].flags, mb::Exclamation);
    EXPECT_EQ(b.clipboard.conteudo, QString());
    EXPECT_EQ(b.calc.txtFita.Text(), fita);
}

// The refusal clears only the copy that raised it: a copy made while its message is open
// stays, even of the same text.
TEST(Monitor, ACopyMadeWhileTheRefusalIsOpenIsKept)
{
    for (const QString& copia : {QStringLiteral("Um parágrafo de outro programa."), QStringLiteral("1\t2\t3")}) {
        SCOPED_TRACE(copia.toStdString());
        Calculadora b;
        b.mensagens.enquantoAberta = [&] { b.clipboard.setText(copia); };
        copiar(b, QStringLiteral("1\t2\t3"));
        EXPECT_EQ(b.clipboard.conteudo, copia);
    }
}

TEST(Monitor, TicksWaitWhileTheTicksOwnMessageIsOpen)
{
    Calculadora b;
    const QString fita = b.calc.txtFita.Text();
    QString fitaDurante;
    b.mensagens.enquantoAberta = [&] {
        b.clipboard.setText(QStringLiteral("7"));
        b.calc.Timer1_Timer();
        fitaDurante = b.calc.txtFita.Text();
    };
    copiar(b, QStringLiteral("1\t2\t3"));
    EXPECT_EQ(fitaDurante, fita);
    EXPECT_EQ(b.mensagens.vistas.size(), 1u);
    b.mensagens.enquantoAberta = nullptr;
    copiar(b, QStringLiteral("7"));
    EXPECT_EQ(b.calc.lblTotal.Caption(), QStringLiteral("7")) << "the next tick works again";
}

TEST(Monitor, TextsThatAreNotForItAreIgnored)
{
    struct Caso {
        const char* nome;
        std::function<void(Calculadora&)> preparar;
        const char* texto;
    };
    const Caso casos[] = {
        {"amount in words", [](Calculadora&) {}, "(UM REAL)"},
        {"noted as no copy for it",
         [](Calculadora& b) {
             b.clipboard.conteudo = QStringLiteral("2\t3\n4\t5\n");
             b.calc.lembrarClipboard();
         },
         "2\t3\n4\t5\n"},
        {"time mode", [](Calculadora& b) { b.calc.mnuTempo_Click(); }, "5"},
        {"edit mode", [](Calculadora& b) { b.calc.mnuEditar_Click(); }, "5"},
        {"second calculator", [](Calculadora& b) { b.calc.TagHost = QStringLiteral("2"); }, "5"},
        {"monitor off", [](Calculadora& b) { b.calc.mnuMonit.setChecked(false); }, "5"},
        {"empty", [](Calculadora&) {}, ""},
        {"no number", [](Calculadora&) {}, "abc"},
    };
    for (const Caso& caso : casos) {
        Calculadora b;
        b.calc.mnuMonit.setChecked(true);
        caso.preparar(b);
        const QString fita = b.calc.txtFita.Text();
        b.clipboard.conteudo = QString::fromUtf8(caso.texto);
        b.calc.Timer1_Timer();
        EXPECT_EQ(visivel(b.calc.txtFita.Text()), visivel(fita)) << caso.nome;
        EXPECT_EQ(b.calc.lblTotal.Caption(), QStringLiteral("0")) << caso.nome;
    }
}

TEST(Monitor, TextCopiedFromTheTapeMovesTheFocusToTheEntry)
{
    Calculadora b;
    b.teclas(QStringLiteral("5+"));
    const qsizetype cinco = b.calc.txtFita.Text().lastIndexOf(QLatin1Char('5'));
    b.calc.SetFocus(b.calc.txtFita);
    b.calc.txtFita.setSelStart(cinco);
    b.calc.txtFita.setSelLength(1);
    const QString fita = b.calc.txtFita.Text();
    copiar(b, QStringLiteral("5"));
    EXPECT_EQ(b.calc.txtFita.Text(), fita);
    EXPECT_EQ(b.calc.foco(), &b.calc.txtEntrada);
}

TEST(Monitor, ALaterLineThatIsNoNumberAddsThePreviousOneAgain)
{
    Calculadora b;
    copiar(b, QStringLiteral("4\r\n1-2\r\nx:\r\n"));
    EXPECT_EQ(visivel(b.linhas()), visivel(linhas({"                       4 +", "                       4 =",
                                                   " 002                      ", "                       8 T",
                                                   " ========================="})));
}

TEST(Monitor, TheMinimisedCaptionShowsTheDisplayAndThePendingOperator)
{
    Calculadora b;
    b.calc.WindowState = 1;
    b.teclas(QStringLiteral("5+"));
    b.calc.Timer1_Timer();
    EXPECT_EQ(b.calc.Caption(), QStringLiteral(" = 5    +"));
    b.teclas(QStringLiteral("3"));
    b.calc.Timer1_Timer();
    EXPECT_EQ(b.calc.Caption(), QStringLiteral(" 3"));
    b.teclas(QStringLiteral("="));
    b.calc.Timer1_Timer();
    EXPECT_EQ(b.calc.Caption(), QStringLiteral(" = 8 T"));

    Calculadora normal;
    normal.teclas(QStringLiteral("5+"));
    normal.calc.Timer1_Timer();
    EXPECT_EQ(normal.calc.Caption(), QStringLiteral(" Tarvelo"));
}

TEST(Monitor, TheOptionClearsTheClipboardExplainsItselfAndIsSaved)
{
    Calculadora b;
    b.clipboard.conteudo = QStringLiteral("5");
    b.calc.mnuMonit_Click();
    EXPECT_TRUE(b.calc.mnuMonit.Checked());
    EXPECT_EQ(b.clipboard.conteudo, QString());
    ASSERT_EQ(b.mensagens.vistas.size(), 1u);
    EXPECT_EQ(b.mensagens.vistas[0].texto, fTexto(222));
    EXPECT_EQ(b.mensagens.vistas[0].flags, mb::Information);
    EXPECT_EQ(b.configuracoes.GetSetting(QStringLiteral("Conf"), QStringLiteral("Monitor")), QStringLiteral("True"));

    b.calc.mnuMonit_Click();
    EXPECT_FALSE(b.calc.mnuMonit.Checked());
    EXPECT_EQ(b.mensagens.vistas.size(), 1u);
    EXPECT_EQ(b.configuracoes.GetSetting(QStringLiteral("Conf"), QStringLiteral("Monitor")), QStringLiteral("False"));
}

}  // namespace

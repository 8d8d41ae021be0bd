// The interest command of the calculator window: the open calculation closed, then the
// window that the language and the date format call for, its record on the tape and the
// promissory notes of its plan on the printer.

#include "bancada.h"

#include "controls/xpbutton.h"
#include "documents/ui/frmpromissoria.h"
#include "interest/ui/frmjuro2.h"
#include "interest/ui/janelajuro.h"
#include "tools/ui/campotexto.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

class Juro : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(pasta.isValid()); }

    static void teclar(JanelaCalcula& janela, const QString& teclas)
    {
        for (const QChar c : teclas)
            janela.entrada([&] { janela.form().teclar(c.unicode()); });
    }

    // Once a modal window is up, runs `passos` on it, while the command that opened it waits;
    // records which kind of window it was.
    void naJanela(const std::function<void(JanelaJuro&)>& passos)
    {
        QTimer::singleShot(0, [this, passos] {
            JanelaJuro* aberta = nullptr;
            esperarAte([&] {
                aberta = qobject_cast<JanelaJuro*>(QApplication::activeModalWidget());
                return aberta && aberta->isVisible();
            });
            if (!aberta) {
                ADD_FAILURE() << "no interest window";
                return;
            }
            nome = aberta->nome();
            passos(*aberta);
        });
    }

    QTemporaryDir pasta;
    QString nome;
};

TEST_F(Juro, CtrlJClosesTheCalculationAndOpensTheSimpleWindowOutsidePortugueseDayFirst)
{
    struct Caso {
        int idioma;
        bool americano;
        const char* janela;
    };
    for (const Caso c : {Caso{2, false, "frmJuro"}, Caso{1, true, "frmJuro"}, Caso{1, false, "frmJuro2"}}) {
        Usuario usuario(pasta.path());
        Bancada b(usuario, {QString(), c.idioma, c.americano});
        JanelaCalcula& janela = b.abrir();
        teclar(janela, QStringLiteral("5+3+"));
        nome.clear();
        naJanela([](JanelaJuro& j) { QTest::keyClick(j.txtValVista, Qt::Key_Escape); });
        QTest::keyClick(janela.centralWidget(), Qt::Key_J, Qt::ControlModifier);
        EXPECT_EQ(nome, QString::fromLatin1(c.janela)) << c.idioma << c.americano;
        EXPECT_TRUE(b.form().txtFita.Text().endsWith(QStringLiteral("                       8 T\r\n"
                                                                    " =========================\r\n")));
        EXPECT_EQ(b.form().lblTotal.Caption(), QStringLiteral("0"));
    }
}

TEST_F(Juro, ALoanSolvedAndClosedLeavesItsPlanOnTheTapeAndItsFinalValueInTheEntry)
{
    Usuario usuario(pasta.path());
    Bancada b(usuario, {QString(), 2, false});
    b.abrir();
    naJanela([](JanelaJuro& j) {
        j.txtValVista->setText(QStringLiteral("1000"));
        j.txtValPrest->setText(QStringLiteral("100"));
        j.txtParcelas->setText(QStringLiteral("12"));
        j.cmdCalcular_Click();
        QTest::keyClick(j.cmdCalcular, Qt::Key_Escape);
    });
    b.comando(QStringLiteral("mnuJuro"));
    const QString fita = b.form().txtFita.Text();
    EXPECT_TRUE(fita.contains(QStringLiteral("            INITIAL VALUE \r\n                 1.000,00 \r\n")));
    EXPECT_TRUE(fita.contains(QStringLiteral("               2,922855 % \r\n =========== CALCULATION =\r\n")));
    EXPECT_TRUE(fita.endsWith(QStringLiteral("             FINAL AMOUNT \r\n                 1.200,00 \r\n"
                                             " =========================\r\n")));
    EXPECT_EQ(b.form().txtEntrada.Text(), QStringLiteral("1.200,00"));
}

TEST_F(Juro, EnterAfterTheCountTakesTheDaysSoTheTypedPeriodReachesThePlan)
{
    Usuario usuario(pasta.path());
    Bancada b(usuario, {QString(), 2, true});
    JanelaCalcula& janela = b.abrir();
    naJanela([](JanelaJuro& j) {
        ASSERT_TRUE(QTest::qWaitForWindowActive(&j));
        for (const char* entrada : {"1000", "100", "12", "45", ""}) {
            QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(entrada));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
        QTest::mouseClick(j.cmdCalcular, Qt::LeftButton);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    });
    QTest::keyClick(janela.centralWidget(), Qt::Key_J, Qt::ControlModifier);
    EXPECT_EQ(nome, QStringLiteral("frmJuro"));
    const QString fita = b.form().txtFita.Text();
    const qsizetype periodo = fita.indexOf(QStringLiteral(" days ("));
    ASSERT_GE(periodo, 0) << fita.toStdString();
    EXPECT_EQ(fita.mid(periodo - 3, 10), QStringLiteral(" 45 days (")) << fita.toStdString();
}

TEST_F(Juro, EachInstalmentsNoteIsPrintedWithItsAmountWordsAndDueDate)
{
    Usuario usuario(pasta.path());
    Bancada b(usuario, {QString(), 1, false});
    b.relogio.agora = QDateTime(QDate(2024, 1, 10), QTime(10, 0));
    b.abrir();
    // Prints every note the plan opens, once the note is active and shows its amount in words.
    QTimer impressor;
    QObject::connect(&impressor, &QTimer::timeout, [] {
        auto* nota = qobject_cast<frmPromissoria*>(QApplication::activeModalWidget());
        if (nota && nota->isVisible() && QApplication::activeWindow() == nota)
            QTest::mouseClick(nota->cmdImprimir, Qt::LeftButton);
    });
    naJanela([&impressor](JanelaJuro& j) {
        auto& avancada = static_cast<frmJuro2&>(j);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&j));
        const std::pair<QLineEdit*, const char*> campos[] = {{j.txtValVista, "500"},
                                                             {j.txtParcelas, "3"},
                                                             {j.txtValPrest, "150,50"},
                                                             {avancada.txt1Parcela, "250"},
                                                             {avancada.txtDiaVct, "20"}};
        for (const auto& [campo, texto] : campos) {
            campo->setFocus(Qt::TabFocusReason);
            QTest::keyClicks(campo, QString::fromLatin1(texto));
        }
        j.cmdCalcular_Click();
        impressor.start(5);
        QTest::mouseClick(avancada.Command1, Qt::LeftButton);
        impressor.stop();
        // The last note gives the focus back to the plan, not to the calculator behind it.
        EXPECT_TRUE(esperarAte([&j] { return QApplication::activeWindow() == &j; }));
        QTest::keyClick(j.focusWidget(), Qt::Key_Escape);
    });
    b.comando(QStringLiteral("mnuJuro"));

    // Fields as the page draws them, each between bars.
    struct Nota {
        const char* valor;
        const char* extenso;
        const char* vencimento;  // day, month and year
        const char* vencimentoExtenso;
    };
    const Nota notas[] = {
        {"|***250,00|", "|(DUZENTOS E CINQUENTA REAIS)*", "|09|fevereiro|2024|",
         "|NOVE DIAS DO MÊS DE FEVEREIRO DO ANO DE DOIS MIL E VINTE E QUATRO *"},
        {"|***150,50|", "|(CENTO E CINQUENTA REAIS E CINQUENTA CENTAVOS)*", "|20|março|2024|",
         "|VINTE DIAS DO MÊS DE MARÇO DO ANO DE DOIS MIL E VINTE E QUATRO *"},
        {"|***150,50|", "|(CENTO E CINQUENTA REAIS E CINQUENTA CENTAVOS)*", "|20|abril|2024|",
         "|VINTE DIAS DO MÊS DE ABRIL DO ANO DE DOIS MIL E VINTE E QUATRO *"},
    };
    ASSERT_EQ(b.impressoras.trabalhos.size(), std::size(notas));
    for (std::size_t i = 0; i < std::size(notas); ++i) {
        const QString pagina = QLatin1Char('|') + b.impressoras.trabalhos[i].textos.join(QLatin1Char('|'));
        SCOPED_TRACE(pagina.toStdString());
        for (const char* campo : {notas[i].valor, notas[i].extenso, notas[i].vencimento, notas[i].vencimentoExtenso})
            EXPECT_TRUE(pagina.contains(QString::fromUtf8(campo))) << campo;
    }
    EXPECT_TRUE(b.form().txtFita.Text().contains(QStringLiteral(" 09/02/24         525,13 -\r\n 001ª.............250,00 =")));
}

}  // namespace

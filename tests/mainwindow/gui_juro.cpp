// The interest command of the calculator window: the open calculation closed, then the
// window that the language and the date format call for, and its record on the tape.

#include "bancada.h"

#include "controls/xpbutton.h"
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
    JanelaCalcula& janela = b.abrir();
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

}  // namespace

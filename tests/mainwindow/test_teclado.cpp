// The keys the window previews before the characters reach the engine.

#include "mainwindow/teclado.h"

#include "calc/linhafita.h"
#include "support/calculadora.h"

#include <gtest/gtest.h>

#include <vector>

using namespace tarvelo;

namespace {

constexpr int kShift = 1, kCtrl = 2;
constexpr int kTeclaA = 65, kTeclaP = 80, kDelete = 46, kNumLock = 144;

class Teclado : public ::testing::Test {
protected:
    void digitar(const QString& texto) { c.teclas(texto); }

    teste::Calculadora c;
    frmCalcula& f = c.calc;
    teste::MidiFalso& midi = c.midi;
    teste::NumLockFalso numLock;
    TecladoCalcula teclado{f, midi, numLock};
    const QString& cabecalho = c.cabecalho;
};

TEST_F(Teclado, ShiftLettersAreTheMemoryAndSignKeysAndShowThemPressedUntilReleased)
{
    digitar(QStringLiteral("12,5"));
    teclado.Form_KeyDown(kTeclaA, kShift);
    EXPECT_EQ(f.fraTeclado.Caption(), QStringLiteral("12,5"));
    EXPECT_TRUE(f.Mmais.Value());
    teclado.Form_KeyUp(kTeclaA, kShift);
    EXPECT_FALSE(f.Mmais.Value());

    // Any other shift state is no shortcut; plain letters leave the focus alone.
    for (const int shift : {0, kShift | kCtrl, kShift | 4}) {
        teclado.Form_KeyDown(kTeclaA, shift);
        EXPECT_EQ(f.fraTeclado.Caption(), QStringLiteral("12,5")) << "shift " << shift;
    }
    f.SetFocus(f.txtFita);
    teclado.Form_KeyDown(kTeclaA, 0);
    EXPECT_EQ(f.foco(), &f.txtFita);

    digitar(QStringLiteral("5"));  // the tape had the focus: a digit goes back to the entry
    teclado.Form_KeyDown(kTeclaP, kShift);
    EXPECT_EQ(f.txtEntrada.Text(), QStringLiteral("-5"));
    EXPECT_EQ(f.foco(), &f.txtEntrada);
}

TEST_F(Teclado, DeleteIsCeAndASecondDeleteClearsTheTape)
{
    digitar(QStringLiteral("7+8"));
    teclado.Form_KeyDown(kDelete, 0);
    EXPECT_EQ(f.txtEntrada.Text(), QStringLiteral("0"));
    EXPECT_TRUE(f.chkCE.Value());
    teclado.Form_KeyUp(kDelete, 0);
    EXPECT_FALSE(f.chkCE.Value());
    EXPECT_NE(f.txtFita.Text(), cabecalho);

    digitar(QStringLiteral("=0"));
    teclado.Form_KeyDown(kDelete, 0);
    EXPECT_EQ(f.txtFita.Text(), cabecalho);
}

TEST_F(Teclado, DeleteInTimeModeZeroesTheTimeDisplayFirst)
{
    f.mnuTempo_Click();
    digitar(QStringLiteral("130"));
    ASSERT_EQ(f.lblVisor[2].Caption(), QStringLiteral("00:01:30"));
    teclado.Form_KeyDown(kDelete, 0);
    EXPECT_EQ(f.lblVisor[2].Caption(), QStringLiteral("00:00:00"));
    EXPECT_EQ(f.txtEntrada.Text(), QStringLiteral("0"));
    digitar(QStringLiteral("45"));
    EXPECT_EQ(f.lblVisor[2].Caption(), QStringLiteral("00:00:45"));
    digitar(QStringLiteral("+"));
    ASSERT_NE(f.txtFita.Text(), cabecalho);
    f.lblVisor[2].setCaption(QStringLiteral("00:00:00"));
    teclado.Form_KeyDown(kDelete, 0);
    EXPECT_EQ(f.txtFita.Text().left(cabecalho.size()), cabecalho);
    EXPECT_EQ(f.txtFita.length(), cabecalho.size());
}

TEST_F(Teclado, NumLockTotalsWhileEnterAddsButNotTheKeepersOwnPress)
{
    f.mnuEnter.setChecked(true);
    f.mnuIgual.setChecked(false);
    digitar(QStringLiteral("4+"));
    globais().gNumLockAuto = true;
    teclado.Form_KeyDown(kNumLock, 0);
    EXPECT_FALSE(globais().gNumLockAuto);
    EXPECT_FALSE(fitaFechada(f.txtFita.Text()));
    teclado.Form_KeyDown(kNumLock, 0);
    EXPECT_TRUE(fitaFechada(f.txtFita.Text()));
}

TEST_F(Teclado, KeyUpKeepsNumLockOnAndReleasesEveryKeyButTheDecimalKey)
{
    f.mnuNumLock.setChecked(true);
    numLock.ligado = false;
    f.chkNum[3].setValue(true);
    f.chkVirgula.setValue(true);
    teclado.Form_KeyUp(kTeclaA, 0);
    EXPECT_TRUE(numLock.ligado);
    EXPECT_TRUE(globais().gNumLockAuto);
    EXPECT_FALSE(f.chkNum[3].Value());
    EXPECT_TRUE(f.chkVirgula.Value());
}

TEST_F(Teclado, AMinimisedWindowOrAClosingProgramTakesNoKey)
{
    digitar(QStringLiteral("9"));
    f.chkNum[9].setValue(true);
    for (const bool minimizada : {true, false}) {
        f.WindowState = minimizada ? 1 : 0;
        globais().gFechando = !minimizada;
        teclado.Form_KeyDown(kTeclaA, kShift);
        teclado.Form_KeyUp(kTeclaA, kShift);
        EXPECT_TRUE(f.fraTeclado.Caption().isEmpty());
        EXPECT_TRUE(f.chkNum[9].Value());
    }
}

TEST_F(Teclado, KeySoundsGoToTheWindowsMidiOutput)
{
    f.mnuSemSom.setChecked(false);
    f.mnuBeep.setChecked(true);
    teclado.Form_KeyDown(0x10, kShift);
    teclado.Form_KeyUp(0x10, kShift);
    EXPECT_EQ(midi.mensagens, (std::vector<std::uint32_t>{midi::noteOn(99), midi::noteOff(99)}));
}

}  // namespace

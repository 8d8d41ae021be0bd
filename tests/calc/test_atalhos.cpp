// The keys the window previews before the characters reach the engine.

#include "calc/linhafita.h"
#include "support/calculadora.h"

#include <gtest/gtest.h>

#include <vector>

using namespace tarvelo;

namespace {

constexpr int kShift = 1, kCtrl = 2;
constexpr int kTeclaA = 65, kTeclaP = 80, kDelete = 46, kNumLock = 144;

class Atalhos : public ::testing::Test {
protected:
    void digitar(const QString& texto) { c.teclas(texto); }

    teste::Calculadora c;
    frmCalcula& f = c.calc;
    teste::MidiFalso& midi = c.midi;
    teste::NumLockFalso& numLock = c.numLock;
    const QString& cabecalho = c.cabecalho;
};

TEST_F(Atalhos, ShiftLettersAreTheMemoryAndSignKeysAndShowThemPressedUntilReleased)
{
    digitar(QStringLiteral("12,5"));
    f.Form_KeyDown(kTeclaA, kShift);
    EXPECT_EQ(f.fraTeclado.Caption(), QStringLiteral("12,5"));
    EXPECT_TRUE(f.Mmais.Value());
    f.Form_KeyUp(kTeclaA, kShift);
    EXPECT_FALSE(f.Mmais.Value());

    // Any other shift state is no shortcut; plain letters leave the focus alone.
    for (const int shift : {0, kShift | kCtrl, kShift | 4}) {
        f.Form_KeyDown(kTeclaA, shift);
        EXPECT_EQ(f.fraTeclado.Caption(), QStringLiteral("12,5")) << "shift " << shift;
    }
    f.SetFocus(f.txtFita);
    f.Form_KeyDown(kTeclaA, 0);
    EXPECT_EQ(f.foco(), &f.txtFita);

    digitar(QStringLiteral("5"));  // the tape had the focus: a digit goes back to the entry
    f.Form_KeyDown(kTeclaP, kShift);
    EXPECT_EQ(f.txtEntrada.Text(), QStringLiteral("-5"));
    EXPECT_EQ(f.foco(), &f.txtEntrada);
}

TEST_F(Atalhos, DeleteIsCeAndASecondDeleteClearsTheTape)
{
    digitar(QStringLiteral("7+8"));
    f.Form_KeyDown(kDelete, 0);
    EXPECT_EQ(f.txtEntrada.Text(), QStringLiteral("0"));
    EXPECT_TRUE(f.chkCE.Value());
    f.Form_KeyUp(kDelete, 0);
    EXPECT_FALSE(f.chkCE.Value());
    EXPECT_NE(f.txtFita.Text(), cabecalho);

    digitar(QStringLiteral("=0"));
    f.Form_KeyDown(kDelete, 0);
    EXPECT_EQ(f.txtFita.Text(), cabecalho);
}

TEST_F(Atalhos, DeleteInTimeModeZeroesTheTimeDisplayFirst)
{
    f.mnuTempo_Click();
    digitar(QStringLiteral("130"));
    ASSERT_EQ(f.lblVisor[2].Caption(), QStringLiteral("00:01:30"));
    f.Form_KeyDown(kDelete, 0);
    EXPECT_EQ(f.lblVisor[2].Caption(), QStringLiteral("00:00:00"));
    EXPECT_EQ(f.txtEntrada.Text(), QStringLiteral("0"));
    digitar(QStringLiteral("45"));
    EXPECT_EQ(f.lblVisor[2].Caption(), QStringLiteral("00:00:45"));
    digitar(QStringLiteral("+"));
    ASSERT_NE(f.txtFita.Text(), cabecalho);
    f.lblVisor[2].setCaption(QStringLiteral("00:00:00"));
    f.Form_KeyDown(kDelete, 0);
    EXPECT_EQ(f.txtFita.Text().left(cabecalho.size()), cabecalho);
    EXPECT_EQ(f.txtFita.length(), cabecalho.size());
}

TEST_F(Atalhos, NumLockTotalsWhileEnterAddsButNotTheKeepersOwnPress)
{
    f.mnuEnter.setChecked(true);
    f.mnuIgual.setChecked(false);
    digitar(QStringLiteral("4+"));
    globais().gNumLockAuto = true;
    f.Form_KeyDown(kNumLock, 0);
    EXPECT_FALSE(globais().gNumLockAuto);
    EXPECT_FALSE(fitaFechada(f.txtFita.Text()));
    f.Form_KeyDown(kNumLock, 0);
    EXPECT_TRUE(fitaFechada(f.txtFita.Text()));
}

TEST_F(Atalhos, KeyUpKeepsNumLockOnAndReleasesEveryKeyButTheDecimalKey)
{
    f.mnuNumLock.setChecked(true);
    numLock.ligado = false;
    f.chkNum[3].setValue(true);
    f.chkVirgula.setValue(true);
    f.Form_KeyUp(kTeclaA, 0);
    EXPECT_TRUE(numLock.ligado);
    EXPECT_TRUE(globais().gNumLockAuto);
    EXPECT_FALSE(f.chkNum[3].Value());
    EXPECT_TRUE(f.chkVirgula.Value());
}

TEST_F(Atalhos, AMinimisedWindowOrAClosingProgramTakesNoKey)
{
    digitar(QStringLiteral("9"));
    f.chkNum[9].setValue(true);
    for (const bool minimizada : {true, false}) {
        f.WindowState = minimizada ? 1 : 0;
        globais().gFechando = !minimizada;
        f.Form_KeyDown(kTeclaA, kShift);
        f.Form_KeyUp(kTeclaA, kShift);
        EXPECT_TRUE(f.fraTeclado.Caption().isEmpty());
        EXPECT_TRUE(f.chkNum[9].Value());
    }
}

TEST_F(Atalhos, KeySoundsGoToTheWindowsMidiOutput)
{
    f.mnuSemSom.setChecked(false);
    f.mnuBeep.setChecked(true);
    f.Form_KeyDown(0x10, kShift);
    f.Form_KeyUp(0x10, kShift);
    EXPECT_EQ(midi.mensagens, (std::vector<std::uint32_t>{midi::noteOn(99), midi::noteOff(99)}));
}

}  // namespace

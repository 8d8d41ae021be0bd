#include "tools/ui/frmregra.h"

#include "support/ferramentasfalsas.h"
#include "controls/xpbutton.h"
#include "support/esperar.h"
#include "support/impressorafalsa.h"
#include "tools/ui/campotexto.h"

#include <QApplication>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace tarvelo {
namespace {

struct Janela : teste::ServicosFalsos {
    teste::ImpressoraFalsa impressora;
    frmRegra janela{servicos(), &impressora};
    Janela()
    {
        impressora.padrao = QStringLiteral("PDF");
        janela.show();
        QApplication::setActiveWindow(&janela);
        EXPECT_TRUE(teste::esperarAte([this] { return janela.isActiveWindow(); }));
    }
};

TEST(frmRegra, TheTwoGuidedExamples)
{
    Janela j;
    j.janela.cmdExemplo_Click();
    EXPECT_EQ(j.mensagens.vistas.size(), 9u);
    EXPECT_EQ(j.mensagens.vistas[0].texto, QStringLiteral("Se 8 marceneiros..."));
    EXPECT_EQ(j.mensagens.vistas[0].titulo, QStringLiteral(" Cálculo de Regra de Três"));
    EXPECT_EQ(j.janela.x(), 0) << "the window moves to the left edge to leave the messages room";
    EXPECT_TRUE(j.janela.optInc[3]->isChecked());
    EXPECT_FALSE(j.janela.txtValor[0]->isEnabled()) << "the base data is locked once the sought row is marked";
    EXPECT_EQ(j.janela.txtCond2[3]->text(), QStringLiteral("armários"));

    j.mensagens.vistas.clear();
    j.mensagens.respostas = {mb::Yes, mb::Yes, mb::Yes};
    j.janela.cmdCalcular_Click();
    EXPECT_EQ(j.janela.txtValor2[3]->text(), QStringLiteral("20"));
    ASSERT_EQ(j.mensagens.vistas.size(), 3u);
    EXPECT_EQ(j.mensagens.vistas[0].flags, mb::YesNoCancel | mb::Question);
    EXPECT_FALSE(j.janela.cmdCalcular->Enabled());
    EXPECT_TRUE(j.janela.cmdImprimir->Enabled());
    EXPECT_FALSE(j.janela.imgVal[0]->pixmap().isNull()) << "the answer shows as an arrow";
    EXPECT_TRUE(j.janela.imgVal[3]->pixmap().isNull()) << "the sought row has no mark";

    j.janela.cmdExemplo2_Click();
    EXPECT_TRUE(j.janela.optInc[2]->isChecked());
    j.mensagens.vistas.clear();
    j.mensagens.respostas = {mb::No, mb::No, mb::Yes};
    j.janela.cmdCalcular_Click();
    EXPECT_EQ(j.janela.txtValor2[2]->text(), QStringLiteral("10"));
    EXPECT_EQ(j.mensagens.vistas.size(), 3u);

    // An edited new value calculates again with the same answers.
    j.janela.txtValor2[3]->setText(QStringLiteral("36"));
    j.mensagens.vistas.clear();
    j.janela.cmdCalcular_Click();
    EXPECT_TRUE(j.mensagens.vistas.empty());
    EXPECT_EQ(j.janela.txtValor2[2]->text(), QStringLiteral("20"));
}

TEST(frmRegra, RowsOpenAsTheyAreDescribedAndTabbingIntoAnEmptyNewValueMarksIt)
{
    Janela j;
    EXPECT_FALSE(j.janela.txtValor[1]->isEnabled());
    j.janela.txtValor[0]->setFocus();
    QTest::keyClicks(j.janela.txtValor[0], QStringLiteral("2,5,x-"));
    EXPECT_EQ(j.janela.txtValor[0]->text(), QStringLiteral("2,5"));
    QTest::keyClick(j.janela.txtValor[0], Qt::Key_Return);
    QTest::keyClicks(j.janela.txtCond[0], QStringLiteral("litros"));
    EXPECT_TRUE(j.janela.txtValor[1]->isEnabled());
    EXPECT_TRUE(j.janela.txtValor2[0]->isEnabled());
    EXPECT_EQ(j.janela.txtCond2[0]->text(), QStringLiteral("litros"));

    j.janela.txtValor2[0]->setFocus(Qt::TabFocusReason);
    QTest::keyRelease(j.janela.txtValor2[0], Qt::Key_Tab);
    EXPECT_TRUE(j.janela.optInc[0]->isChecked());
    EXPECT_FALSE(j.janela.txtValor[1]->isEnabled());
    QTest::keyClick(j.janela.txtValor2[0], Qt::Key_7);
    EXPECT_FALSE(j.janela.optInc[0]->isChecked()) << "a digit in the sought row's field unmarks it";
}

TEST(frmRegra, PrintingShowsTheWindowOrClosesOnAFailure)
{
    Janela j;
    j.janela.cmdImprimir_Click();
    ASSERT_EQ(j.impressora.trabalhos.size(), 1u);
    EXPECT_GE(j.impressora.trabalhos[0].pagina.width(), j.janela.width() - 1);
    EXPECT_EQ(j.mensagens.textos(), QStringList{QStringLiteral("Enviado para impressora")});

    j.impressora.recusar = true;
    j.janela.cmdImprimir_Click();
    EXPECT_EQ(j.mensagens.vistas.back().texto, QStringLiteral("A impressora não está respondendo ou não está instalada"));
    EXPECT_EQ(j.mensagens.vistas.back().flags, mb::Critical);
    EXPECT_FALSE(j.janela.isVisible());
}

}  // namespace
}  // namespace tarvelo

// The simple interest window, typed into as a user types.

#include "support/colagem.h"
#include "support/ferramentasfalsas.h"
#include "support/teclasedicao.h"

#include "controls/xpbutton.h"
#include "host/texto.h"
#include "interest/ui/janelajuro.h"
#include "tools/ui/campotexto.h"

#include <QCheckBox>
#include <QTest>
#include <gtest/gtest.h>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

class Juro : public ::testing::Test {
protected:
    void SetUp() override
    {
        janela = std::make_unique<frmJuro>(falsos.servicos());
        janela->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(janela.get()));
        ASSERT_TRUE(esperarAte([this] { return QApplication::focusWidget() == janela->txtValVista; }));
    }

    void digitar(CampoTexto* campo, const QString& texto)
    {
        campo->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(campo, texto);
    }

    // A loan of 1.000,00 in 12 instalments of 100,00, solved for its rate.
    void resolver()
    {
        digitar(janela->txtValVista, QStringLiteral("1000"));
        digitar(janela->txtValPrest, QStringLiteral("100"));
        digitar(janela->txtParcelas, QStringLiteral("12"));
        janela->cmdCalcular_Click();
        ASSERT_EQ(janela->tagCalcular(), QStringLiteral("ok"));
    }

    ServicosFalsos falsos;
    std::unique_ptr<frmJuro> janela;
};

TEST_F(Juro, SelectCopyCutAndPasteThroughTheFieldsRules)
{
    const CampoEditavel casos[] = {
        {"txtValVista", janela->txtValVista, QStringLiteral("2,5"), QStringLiteral("2,5a")},
        {"txtJuroAp", janela->txtJuroAp, QStringLiteral("1,5"), QStringLiteral("1,5,")},
        {"txtParcelas", janela->txtParcelas, QStringLiteral("12"), QStringLiteral("1,5")},
    };
    for (const CampoEditavel& caso : casos)
        verificarTeclasDeEdicao(caso);
}

TEST_F(Juro, AFieldTakesAPastedNumberInTheUsersFormatAndNothingElse)
{
    verificarColagensNosDoisFormatos({{"txtValVista", janela->txtValVista, true, false},
                                      {"txtValPrest", janela->txtValPrest, true, false},
                                      {"txtJuroAp", janela->txtJuroAp, true, false},
                                      {"txtParcelas", janela->txtParcelas, false, false},
                                      {"txtDias", janela->txtDias, false, false}},
                                     falsos.bipes);
}

TEST_F(Juro, TheCalculatorsTotalPastedIntoTheLoanKeepsItsValue)
{
    // "1234 + =" leaves the total on the clipboard as the tape shows it.
    QApplication::clipboard()->setText(QStringLiteral("1.234"));
    QTest::keyClick(janela->txtValVista, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(janela->txtValVista, Qt::Key_Tab);
    EXPECT_EQ(janela->txtValVista->text(), QStringLiteral("1.234,00"));
}

TEST_F(Juro, ALoanIsSolvedForItsRate)
{
    resolver();
    EXPECT_EQ(janela->txtJuroAp->text(), QStringLiteral("2,922855"));
    EXPECT_EQ(janela->txtValVista->text(), QStringLiteral("1.000,00"));
    EXPECT_EQ(janela->txtValPrest->text(), QStringLiteral("100,00"));
    EXPECT_EQ(janela->txtValFinal->text(), QStringLiteral("1.200,00"));
    EXPECT_EQ(janela->txtJuroTot->text(), QStringLiteral("200,00"));
    EXPECT_EQ(QApplication::focusWidget(), janela->cmdCalcular);
    EXPECT_TRUE(falsos.mensagens.vistas.empty());
}

TEST_F(Juro, ARejectedLoanShowsErroAndTopic28UnderTheWindowsCaption)
{
    digitar(janela->txtValVista, QStringLiteral("1000"));
    digitar(janela->txtParcelas, QStringLiteral("250"));
    digitar(janela->txtJuroAp, QStringLiteral("10"));
    janela->cmdCalcular_Click();
    EXPECT_EQ(janela->txtJuroAp->text(), QStringLiteral("Erro"));
    EXPECT_EQ(janela->txtValPrest->text(), QStringLiteral("Erro"));
    ASSERT_EQ(falsos.mensagens.vistas.size(), 1u);
    EXPECT_EQ(falsos.mensagens.vistas[0].texto, fTexto(28));
    EXPECT_EQ(falsos.mensagens.vistas[0].titulo, fTexto(140));
    EXPECT_TRUE(janela->tagCalcular().isEmpty());
}

TEST_F(Juro, RateAndInstalmentClearEachOther)
{
    digitar(janela->txtJuroAp, QStringLiteral("2"));
    digitar(janela->txtValPrest, QStringLiteral("5"));
    EXPECT_TRUE(janela->txtJuroAp->text().isEmpty());
    digitar(janela->txtJuroAp, QStringLiteral("2"));
    EXPECT_TRUE(janela->txtValPrest->text().isEmpty());
    // A rate that reads 0 as money clears nothing.
    digitar(janela->txtValPrest, QStringLiteral("5"));
    digitar(janela->txtJuroAp, QStringLiteral("0,001"));
    EXPECT_EQ(janela->txtValPrest->text(), QStringLiteral("5,00"));
    // One decimal symbol per field.
    EXPECT_EQ(janela->txtJuroAp->text(), QStringLiteral("0,001"));
    QTest::keyClicks(janela->txtJuroAp, QStringLiteral(",."));
    EXPECT_EQ(janela->txtJuroAp->text(), QStringLiteral("0,001"));
}

TEST_F(Juro, DaysAndPaidAtOnceFollowEachOther)
{
    EXPECT_EQ(janela->txtDias->text(), QStringLiteral("30"));
    EXPECT_FALSE(janela->chkVista->isChecked());
    digitar(janela->txtDias, QStringLiteral("0"));
    EXPECT_TRUE(janela->chkVista->isChecked());
    digitar(janela->txtDias, QStringLiteral("30"));
    EXPECT_FALSE(janela->chkVista->isChecked());
    QTest::mouseClick(janela->chkVista, Qt::LeftButton, {}, QPoint(5, janela->chkVista->height() / 2));
    EXPECT_TRUE(janela->chkVista->isChecked());
    EXPECT_EQ(janela->txtDias->text(), QStringLiteral("0"));
    janela->chkVista->setChecked(false);
    EXPECT_EQ(janela->txtDias->text(), QStringLiteral("0"));
    EXPECT_EQ(janela->chkVista->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(Juro, ACountAbove250IsRefusedWhileTyped)
{
    digitar(janela->txtParcelas, QStringLiteral("251"));
    EXPECT_TRUE(janela->txtParcelas->text().isEmpty());
    ASSERT_EQ(falsos.mensagens.vistas.size(), 1u);
    EXPECT_EQ(falsos.mensagens.vistas[0].texto, QStringLiteral("Digite a quantidade de parcelas entre 01 e 250"));
    EXPECT_EQ(falsos.mensagens.vistas[0].flags, mb::Critical);
    digitar(janela->txtParcelas, QStringLiteral("250"));
    EXPECT_EQ(janela->txtParcelas->text(), QStringLiteral("250"));
    QTest::keyClicks(janela->txtParcelas, QStringLiteral("1"));
    EXPECT_EQ(janela->txtParcelas->text(), QStringLiteral("250"));
}

TEST_F(Juro, LeavingMoneyFieldsFormatsThem)
{
    QTest::keyClick(janela->txtValVista, Qt::Key_Tab);
    EXPECT_EQ(janela->txtValVista->text(), QStringLiteral("0,00"));
    QTest::keyClick(janela->txtValPrest, Qt::Key_Tab);
    EXPECT_TRUE(janela->txtValPrest->text().isEmpty());
    digitar(janela->txtValPrest, QStringLiteral("1234.5"));
    QTest::keyClick(janela->txtValPrest, Qt::Key_Return);
    EXPECT_EQ(janela->txtValPrest->text(), QStringLiteral("1.234,50"));
    EXPECT_EQ(QApplication::focusWidget(), janela->txtParcelas);
}

TEST_F(Juro, ClosingWithASolvedPlanWritesTheRecordOnceWhicheverWayItCloses)
{
    const std::vector<std::pair<const char*, std::function<void(frmJuro&)>>> maneiras = {
        {"Esc", [](frmJuro& j) { QTest::keyClick(j.cmdCalcular, Qt::Key_Escape); }},
        {"close box", [](frmJuro& j) { j.close(); }},
        {"deactivation",
         [](frmJuro& j) {
             OutraJanela outra;
             outra.show();
             ASSERT_TRUE(QTest::qWaitForWindowActive(&outra));
             ASSERT_TRUE(esperarAte([&] { return !j.isVisible(); }));
         }},
    };
    for (const auto& [nome, fechar] : maneiras) {
        falsos.porta = PortaFalsa();
        janela = std::make_unique<frmJuro>(falsos.servicos());
        janela->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(janela.get()));
        resolver();
        fechar(*janela);
        janela->close();
        EXPECT_FALSE(janela->isVisible()) << nome;
        ASSERT_EQ(falsos.porta.registros.size(), 1u) << nome;
        EXPECT_TRUE(falsos.porta.registros[0].startsWith(QStringLiteral("            VALOR INICIAL \r\n")));
        EXPECT_TRUE(falsos.porta.registros[0].endsWith(QStringLiteral("VALOR FINAL \r\n                 1.200,00 ")));
        EXPECT_EQ(falsos.porta.entradas, QStringList{QStringLiteral("1.200,00")}) << nome;
    }
}

TEST_F(Juro, AnEditAfterTheResultWritesNoRecord)
{
    resolver();
    digitar(janela->txtDias, QStringLiteral("5"));
    janela->close();
    EXPECT_TRUE(falsos.porta.registros.isEmpty());
    EXPECT_TRUE(falsos.porta.entradas.isEmpty());
}

TEST_F(Juro, SavingsWriteTheirRecordCloseTheWindowAndLeaveTheResultInTheEntry)
{
    resolver();
    for (const char* r : {"1000", "2", "10/01/2024", "45"})
        falsos.entrada.respostas.push_back(QString::fromUtf8(r));
    janela->cmdCapitalizar_Click();
    EXPECT_FALSE(janela->isVisible());
    ASSERT_EQ(falsos.porta.registros.size(), 2u);
    EXPECT_TRUE(falsos.porta.registros[0].contains(QStringLiteral(" 24/02/24       1.030,20 T")));
    EXPECT_TRUE(falsos.porta.registros[1].contains(QStringLiteral("QTD.PARCELAS")));
    EXPECT_EQ(falsos.porta.entradas, (QStringList{"1.200,00", "1.030,20"}));
    ASSERT_EQ(falsos.mensagens.vistas.size(), 1u);
    EXPECT_EQ(falsos.mensagens.vistas[0].flags, mb::Information);
}

TEST_F(Juro, ARefusedSavingsInputShowsTopic30AndKeepsTheWindow)
{
    janela->cmdDescontar_Click();
    EXPECT_TRUE(janela->isVisible());
    ASSERT_EQ(falsos.mensagens.vistas.size(), 1u);
    EXPECT_EQ(falsos.mensagens.vistas[0].texto, fTexto(30));
    EXPECT_EQ(falsos.mensagens.vistas[0].flags, mb::Critical);
    EXPECT_TRUE(falsos.porta.registros.isEmpty());
}

}  // namespace

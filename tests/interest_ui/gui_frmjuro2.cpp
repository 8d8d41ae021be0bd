// The advanced interest window on a fixed clock (10/01/2024), typed into as a user types.

#include "support/ferramentasfalsas.h"

#include "interest/ui/frmjuro2.h"
#include "tools/ui/campotexto.h"
#include "tools/ui/maskeddateedit.h"

#include <QCheckBox>
#include <QTest>
#include <gtest/gtest.h>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

class Juro2 : public ::testing::Test {
protected:
    void SetUp() override
    {
        falsos.relogio.agora = QDateTime(QDate(2024, 1, 10), QTime(10, 0));
        janela = std::make_unique<frmJuro2>(falsos.servicos(), [this](const Entrega& e) { notas.push_back(e); });
        janela->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(janela.get()));
        ASSERT_TRUE(esperarAte([this] { return QApplication::focusWidget() == janela->txtValVista; }));
    }

    void digitar(QLineEdit* campo, const QString& texto)
    {
        campo->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(campo, texto);
    }

    void resolver(const char* inicial, const char* parcelas, const char* prestacao, const char* juro, const char* primeira,
                  const char* dia)
    {
        digitar(janela->txtValVista, QString::fromUtf8(inicial));
        digitar(janela->txtParcelas, QString::fromUtf8(parcelas));
        digitar(janela->txtValPrest, QString::fromUtf8(prestacao));
        digitar(janela->txtJuroAp, QString::fromUtf8(juro));
        digitar(janela->txt1Parcela, QString::fromUtf8(primeira));
        digitar(janela->txtDiaVct, QString::fromUtf8(dia));
        janela->cmdCalcular_Click();
    }

    ServicosFalsos falsos;
    std::vector<Entrega> notas;
    std::unique_ptr<frmJuro2> janela;
};

TEST_F(Juro2, TheDaysTheBoxAndTheDateOfTheFirstInstalmentMoveTogether)
{
    EXPECT_EQ(janela->txtDias->text(), QStringLiteral("30"));
    EXPECT_FALSE(janela->chkVista->isChecked());
    EXPECT_EQ(janela->txtData1Parcela->text(), QStringLiteral("09/02/2024"));
    EXPECT_TRUE(janela->txt1Parcela->text().isEmpty());

    janela->chkVista->setChecked(true);
    EXPECT_EQ(janela->txtDias->text(), QStringLiteral("0"));
    EXPECT_EQ(janela->txtData1Parcela->text(), QStringLiteral("10/01/2024"));
    janela->chkVista->setChecked(false);
    EXPECT_EQ(janela->txtDias->text(), QStringLiteral("0"));

    digitar(janela->txtDias, QStringLiteral("45"));
    EXPECT_FALSE(janela->chkVista->isChecked());
    EXPECT_EQ(janela->txtData1Parcela->text(), QStringLiteral("24/02/2024"));
    janela->txtDias->setText({});
    EXPECT_TRUE(janela->chkVista->isChecked());
    EXPECT_EQ(janela->txtDias->text(), QStringLiteral("0"));
}

TEST_F(Juro2, LeavingTheDateSetsTheDaysOrRefusesADateOutOfReach)
{
    digitar(janela->txtData1Parcela, QStringLiteral("20012024"));
    QTest::keyClick(janela->txtData1Parcela, Qt::Key_Tab);
    EXPECT_EQ(janela->txtDias->text(), QStringLiteral("10"));
    EXPECT_TRUE(falsos.mensagens.vistas.empty());

    digitar(janela->txtData1Parcela, QStringLiteral("09012024"));
    QTest::keyClick(janela->txtData1Parcela, Qt::Key_Tab);
    ASSERT_EQ(falsos.mensagens.vistas.size(), 1u);
    EXPECT_EQ(falsos.mensagens.vistas[0].texto,
              QStringLiteral("Data Informada Incorreta!\r\n\r\nInforme a data entre:\r\n\r\n10/01/2024 - 18/04/2024"));
    EXPECT_EQ(falsos.mensagens.vistas[0].flags, mb::Exclamation);
    EXPECT_EQ(falsos.mensagens.vistas[0].titulo, kTituloPrograma);
    EXPECT_EQ(janela->txtData1Parcela->text(), QStringLiteral("20/01/2024"));
    EXPECT_EQ(QApplication::focusWidget(), janela->txtData1Parcela);
}

TEST_F(Juro2, ADueDayAbove28IsRefusedWhileTyped)
{
    digitar(janela->txtDiaVct, QStringLiteral("29"));
    EXPECT_TRUE(janela->txtDiaVct->text().isEmpty());
    ASSERT_EQ(falsos.mensagens.vistas.size(), 1u);
    EXPECT_EQ(falsos.mensagens.vistas[0].texto, QStringLiteral("Digite o dia do vencimento entre 01 e 28"));
    digitar(janela->txtDiaVct, QStringLiteral("28"));
    EXPECT_EQ(janela->txtDiaVct->text(), QStringLiteral("28"));
}

TEST_F(Juro2, APlanWithADueDayIsSolvedAndItsDatesKept)
{
    resolver("1000", "12", "", "2", "", "20");
    EXPECT_EQ(janela->txtValPrest->text(), QStringLiteral("95,28"));
    EXPECT_EQ(janela->txt1Parcela->text(), QStringLiteral("95,28"));
    EXPECT_EQ(janela->txtValFinal->text(), QStringLiteral("1.143,36"));
    EXPECT_EQ(janela->txtJuroTot->text(), QStringLiteral("143,36"));
    ASSERT_EQ(janela->Vencimentos().size(), 14u);
    EXPECT_EQ(janela->Vencimentos()[2], QDate(2024, 3, 20));
    // Touching the instalment while the first one equals it lets the first follow again.
    janela->txtValPrest->setFocus(Qt::TabFocusReason);
    QTest::keyClick(janela->txtValPrest, Qt::Key_Left);
    EXPECT_TRUE(janela->txt1Parcela->text().isEmpty());
}

TEST_F(Juro2, NotesFollowOnePerInstalmentOnlyAfterACalculation)
{
    janela->Command1_Click();
    ASSERT_EQ(falsos.mensagens.vistas.size(), 1u);
    EXPECT_EQ(falsos.mensagens.vistas[0].texto,
              QStringLiteral("Primeiro termine o cálculo para depois solicitar impressão das promissórias."));
    EXPECT_TRUE(notas.empty());

    resolver("300", "3", "100", "", "200", "20");
    ASSERT_EQ(janela->tagCalcular(), QStringLiteral("ok"));
    janela->Command1_Click();
    ASSERT_EQ(notas.size(), 3u);
    EXPECT_EQ(notas[0].valor, QStringLiteral("***200,00"));
    EXPECT_EQ(notas[0].extenso, QStringLiteral("(DUZENTOS REAIS)"));
    EXPECT_EQ(notas[0].vencimento, QStringLiteral("09/02/2024"));
    EXPECT_EQ(notas[1].valor, QStringLiteral("***100,00"));
    EXPECT_EQ(notas[1].extenso, QStringLiteral("(CEM REAIS)"));
    EXPECT_EQ(notas[1].vencimento, QStringLiteral("20/03/2024"));
    EXPECT_EQ(notas[2].vencimento, QStringLiteral("20/04/2024"));
    EXPECT_TRUE(janela->isVisible());
}

TEST_F(Juro2, ClosingWritesTheDatedRecordWithTheCalculationsDueDates)
{
    resolver("300", "3", "100", "", "200", "20");
    // The record is written on a later day; its due dates stay those of the calculation.
    falsos.relogio.agora = QDateTime(QDate(2024, 1, 11), QTime(0, 5));
    janela->Command2_Click();
    EXPECT_FALSE(janela->isVisible());
    EXPECT_TRUE(janela->pediuModoSimples());
    ASSERT_EQ(falsos.porta.registros.size(), 1u);
    const QStringList linhas = falsos.porta.registros[0].split(QStringLiteral("\r\n"));
    EXPECT_EQ(linhas[9], QStringLiteral(" 11/01/24         300,00 T"));
    EXPECT_TRUE(linhas[12].startsWith(QStringLiteral(" 09/02/24 ")));
    EXPECT_EQ(linhas[13], QStringLiteral(" 001ª.............200,00 ="));
    EXPECT_TRUE(linhas[16].startsWith(QStringLiteral(" 20/03/24 ")));
    EXPECT_EQ(falsos.porta.entradas, QStringList{janela->txtValFinal->text()});
}

}  // namespace

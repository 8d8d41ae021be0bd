#include "tools/ui/frmconverte.h"

#include "support/ferramentasfalsas.h"
#include "support/esperar.h"
#include "tools/ui/campotexto.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace tarvelo {
namespace {

struct Janela : teste::ServicosFalsos {
    teste::ClipboardFalso clipboard;
    frmConverte janela{servicos(), clipboard};
    Janela()
    {
        janela.show();
        QApplication::setActiveWindow(&janela);
        EXPECT_TRUE(teste::esperarAte([this] { return janela.txtValor1->hasFocus(); }));
    }
    QStringList visiveis() const
    {
        QStringList r;
        for (int k = 0; k < 4; ++k)
            if (janela.txtResult[k]->isVisibleTo(&janela))
                r << janela.lblResult[k]->text() + QStringLiteral(": ") + janela.txtResult[k]->text();
        return r;
    }
};

TEST(frmConverte, ValueUnitResultsAndTheCopiedSentence)
{
    Janela j;
    QTest::keyClicks(j.janela.txtValor1, QStringLiteral("2,.,5x"));
    EXPECT_EQ(j.janela.txtValor1->text(), QStringLiteral("2,5"));
    QTest::keyClick(j.janela.txtValor1, Qt::Key_Tab);
    EXPECT_EQ(j.janela.lstTipo->currentRow(), 0) << "entering the list chooses Bar";
    j.janela.lstTipo->setCurrentRow(23);  // Metros (M)
    EXPECT_EQ(j.visiveis(), QStringList{QStringLiteral("Pés (feet): 8,2020997375")});

    j.janela.txtResult[0]->setFocus(Qt::TabFocusReason);
    QTest::keyClick(j.janela.txtResult[0], Qt::Key_Return);
    EXPECT_EQ(j.clipboard.conteudo, QStringLiteral("2,5 Metros (M) = 8,2020997375 Pés (feet)"));
    ASSERT_EQ(j.mensagens.vistas.size(), 1u);
    EXPECT_EQ(j.mensagens.vistas[0].texto, QStringLiteral("2,5 Metros (M) = 8,2020997375 Pés (feet)\r\rCopiado para "
                                                          "a Área de Transferência (use Colar: Ctrl+V)"));
    EXPECT_EQ(j.mensagens.vistas[0].titulo, QStringLiteral(" Converter Pesos e Medidas"));
}

TEST(frmConverte, SlotsFollowTheRowAndLeavingFormatsTheValue)
{
    Janela j;
    j.janela.txtValor1->setText(QStringLiteral("1"));
    j.janela.lstTipo->setCurrentRow(32);  // Polegadas
    EXPECT_EQ(j.visiveis(), (QStringList{QStringLiteral("Metros (M): 0,0254"), QStringLiteral("Centímetros (cm): 2,54"),
                                         QStringLiteral("Milímetros (mm): 25,4"),
                                         QStringLiteral("Pés (feet): 0,0833333333")}));
    j.janela.lstTipo->setCurrentRow(27);  // Milhas
    EXPECT_EQ(j.visiveis(), QStringList{QStringLiteral("Quilômetros: 1,609")});
    EXPECT_TRUE(j.janela.lblResult[1]->text().isEmpty());

    j.janela.txtValor1->setText(QStringLiteral("1000"));
    j.janela.txtValor1->setFocus(Qt::TabFocusReason);
    j.janela.lstTipo->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(j.janela.txtValor1->text(), QStringLiteral("1.000,"));
    EXPECT_EQ(j.visiveis(), QStringList{QStringLiteral("Quilômetros: 1.609,")});

    j.janela.txtValor1->setText(QStringLiteral("-"));
    EXPECT_TRUE(j.visiveis().isEmpty()) << "a lone minus has no results";
}

}  // namespace
}  // namespace tarvelo

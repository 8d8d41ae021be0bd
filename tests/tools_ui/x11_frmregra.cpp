// The rule of three on a real display: the guided example answered by the user and the
// window printed as an image into a PDF file.

#include "tools/ui/frmregra.h"

#include "support/ferramentasfalsas.h"
#include "platform/ui/qtprinterservice.h"
#include "tools/ui/campotexto.h"

#include <QApplication>
#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

namespace tarvelo {
namespace {

TEST(frmRegraX11, TheExampleSolvedAndPrintedToAPdf)
{
    teste::ServicosFalsos falsos;
    const QString arquivo = falsos.pasta.filePath(QStringLiteral("regra.pdf"));
    QtPrinterService pdf = QtPrinterService::pdf(arquivo);
    frmRegra janela(falsos.servicos(), &pdf);
    janela.show();
    janela.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&janela, teste::kPrazo));
    EXPECT_TRUE(teste::esperarAte([&] { return janela.txtValor[0]->hasFocus(); }));

    janela.cmdExemplo_Click();
    falsos.mensagens.respostas = {mb::Yes, mb::Yes, mb::Yes};
    janela.cmdCalcular_Click();
    ASSERT_EQ(janela.txtValor2[3]->text(), QStringLiteral("20"));

    janela.cmdImprimir_Click();
    EXPECT_EQ(falsos.mensagens.textos().last(), QStringLiteral("Enviado para impressora"));
    QFile impresso(arquivo);
    ASSERT_TRUE(impresso.open(QIODevice::ReadOnly));
    const QByteArray conteudo = impresso.readAll();
    EXPECT_TRUE(conteudo.startsWith("%PDF"));
    // A page that carries the window's drawing, not an empty sheet.
    EXPECT_GT(conteudo.size(), 5000);
}

}  // namespace
}  // namespace tarvelo

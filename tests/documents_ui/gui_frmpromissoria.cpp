#include "bancada.h"

#include "controls/xpbutton.h"
#include "documents/quebraextenso.h"
#include "documents/ui/frmpromissoria.h"

#include <QImage>
#include <QLineEdit>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

class Promissoria : public BancadaDocumentos {};

TEST_F(Promissoria, TheNumberCountsOnFromTheLastPrintedNote)
{
    const std::pair<const char*, const char*> casos[] = {{nullptr, "00001"}, {"00041", "00042"}, {"99999", "100000"},
                                                         {"A12", "A12"}};
    for (const auto& [guardado, mostrado] : casos) {
        if (guardado)
            configuracoes.SaveSetting("Promissoria", "Numero", QString::fromLatin1(guardado));
        frmPromissoria janela(servicos, nota);
        EXPECT_EQ(janela.texto("txtNumero"), QString::fromLatin1(mostrado));
    }
}

TEST_F(Promissoria, TheDueDateInTheStoredMonthStyleAndInWords)
{
    frmPromissoria janela(servicos, nota);
    EXPECT_EQ(janela.texto("txtDia"), QStringLiteral("15"));
    EXPECT_EQ(janela.texto(QStringLiteral("txtMês")), QStringLiteral("março"));
    EXPECT_EQ(janela.texto("txtAno"), QStringLiteral("2025"));
    EXPECT_EQ(janela.texto("txtAosDias"),
              QStringLiteral("QUINZE DIAS DO MÊS DE MARÇO DO ANO DE DOIS MIL E VINTE E CINCO * * * * * * * * * * * "
                             "* * * * * * * * * * * *"));
    EXPECT_EQ(janela.texto("txtPagarei"), QStringLiteral("pagarei"));
    EXPECT_EQ(janela.texto("txtValor"), QStringLiteral("***10,00"));

    Entrega primeiro = nota;
    primeiro.vencimento = QStringLiteral("1/1/27");
    frmPromissoria outra(servicos, primeiro);
    EXPECT_TRUE(outra.texto("txtAosDias").startsWith(QStringLiteral("PRIMEIRO DIA DO MÊS DE JANEIRO DO ANO DE ")));
    EXPECT_EQ(outra.vencimento(), QDate(2027, 1, 1));
}

TEST_F(Promissoria, TheMonthStyleToggleAndTipoMes)
{
    configuracoes.SaveSetting("Promissoria", QStringLiteral("TipoMês"), "2");
    Entrega entrega = nota;
    entrega.vencimento = QStringLiteral("05/03/2025");
    {
        frmPromissoria janela(servicos, entrega);
        EXPECT_EQ(QStringList({janela.texto("txtDia"), janela.texto(QStringLiteral("txtMês")), janela.texto("txtAno")}),
                  QStringList({"05", "03", "25"}));
        janela.txtMes_DblClick();
        EXPECT_EQ(janela.texto(QStringLiteral("txtMês")), QStringLiteral("março"));
        EXPECT_EQ(janela.texto("txtAno"), QStringLiteral("2025"));
        EXPECT_EQ(janela.campo(QStringLiteral("txtMês"))->width(), 105);
        EXPECT_EQ(janela.campo("txtAno")->width(), 53);
        EXPECT_TRUE(janela.alterado());
        janela.txtMes_DblClick();
        EXPECT_EQ(janela.texto(QStringLiteral("txtMês")), QStringLiteral("03"));
        EXPECT_EQ(janela.campo("txtAno")->width(), janela.campo("txtDia")->width());
        mensagens.depois = mb::No;
        janela.Unload();
    }
    EXPECT_EQ(setting("Promissoria", QStringLiteral("TipoMês")), QStringLiteral("2"));
    {
        frmPromissoria janela(servicos, entrega);
        janela.txtMes_DblClick();
        janela.Unload();
    }
    EXPECT_EQ(setting("Promissoria", QStringLiteral("TipoMês")), QStringLiteral("5"));  // "março"
}

TEST_F(Promissoria, TheHelpEndsWithTheProgramFolderAndTheBackgroundIsFoundInAnyCase)
{
    QImage imagem(20, 10, QImage::Format_RGB32);
    imagem.fill(Qt::red);
    ASSERT_TRUE(imagem.save(arquivo("Imagem.Bmp"), "BMP"));
    EXPECT_EQ(ImagemDeFundo(pasta.path() + QLatin1Char('/')).size(), QSize(20, 10));
    gravar("imagem.bmp", "not a picture");
    EXPECT_EQ(ImagemDeFundo(pasta.path()).size(), QSize(20, 10));  // the bad one is skipped

    frmPromissoria janela(servicos, nota);
    janela.cmdHelp_Click();
    ASSERT_EQ(mensagens.vistas.size(), 1u);
    EXPECT_TRUE(mensagens.vistas[0].texto.endsWith(globais().gPastaApp));
    EXPECT_TRUE(globais().gPastaApp.endsWith(QLatin1Char('/')));
}

}  // namespace

#include "designpages/editorlistaimagens.h"
#include "designpages/ppgcontrol.h"
#include "host/preferencias.h"
#include "paginasapoio.h"

#include <QComboBox>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

struct Editor : PaginasFixture, ::testing::Test {
    // The depth entry the editor shows for a file just opened.
    QString profundidadeMostrada(const QString& arquivo)
    {
        KeyedImageList aberta;
        EXPECT_TRUE(EditorListaImagens::abrir(arquivo, aberta, servicos));
        EditorListaImagens editor(arquivo, aberta, servicos);
        return editor.paginaTamanho()->cboColourDepth()->currentText();
    }
};

// The image-list file has no field for the colour depth: the editor keeps the one chosen
// for each file and shows it when that file is opened again.
TEST_F(Editor, TheChosenColourDepthComesBackWithItsFile)
{
    const QString arquivo = caminho(QStringLiteral("menus.til"));
    ASSERT_TRUE(EditorListaImagens::abrir(arquivo, lista, servicos));
    adicionar(2);
    {
        EditorListaImagens editor(arquivo, lista, servicos);
        QComboBox* profundidade = editor.paginaTamanho()->cboColourDepth();
        ASSERT_EQ(profundidade->currentText(), QStringLiteral("(Default)"));
        profundidade->setCurrentIndex(profundidade->findText(QStringLiteral("True Colour (24 bit)")));
        editor.botaoAplicar()->click();
        ASSERT_TRUE(mensagens.vistas.empty()) << mensagens.textos().join(u'|').toStdString();
        EXPECT_FALSE(editor.botaoAplicar()->isEnabled());
    }
    EXPECT_EQ(profundidadeMostrada(arquivo), QStringLiteral("True Colour (24 bit)"));
    EXPECT_EQ(profundidadeMostrada(caminho(QStringLiteral("other.til"))), QStringLiteral("(Default)"));

    // A stored text that is no depth on offer counts as none.
    const QString estranho = caminho(QStringLiteral("odd.til"));
    for (const char* guardado : {"1e12", "-8", "abc", "7.5", "7", "1"}) {
        ASSERT_TRUE(configuracoes.SaveSetting(pref::ProfundidadeCor.secao.toString(), estranho,
                                              QString::fromLatin1(guardado)));
        KeyedImageList aberta;
        ASSERT_TRUE(EditorListaImagens::abrir(estranho, aberta, servicos));
        EXPECT_EQ(aberta.ColourDepth(), 0) << guardado;
    }
}

}  // namespace

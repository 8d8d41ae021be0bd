#include "designpages/editorlistaimagens.h"
#include "designpages/ppgimages.h"
#include "paginasapoio.h"
#include "support/esperar.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

// The program's own menu icons opened in the editor on a real X server: an icon and an
// animated cursor's four frames added, an image moved and keyed, the file saved, and the
// saved file read back image for image and key for key.
TEST(EditorListaImagensX11, EditsAndSavesTheMenuIconFile)
{
    PaginasFixture f;
    const QString arquivo = f.caminho(QStringLiteral("menuicons.til"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(TARVELO_MENU_ICONS), arquivo));
    KeyedImageList lista;
    ASSERT_TRUE(EditorListaImagens::abrir(arquivo, lista, f.servicos));
    ASSERT_EQ(lista.ImageCount(), 47);

    EditorListaImagens editor(arquivo, lista, f.servicos);
    editor.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor, kPrazo));
    editor.abas()->setCurrentIndex(1);
    PpgImages* pagina = editor.paginaImagens();

    const QString icone = f.caminho(QStringLiteral("Arrow.ico"));
    const QString animado = f.caminho(QStringLiteral("Busy.ani"));
    writeFile(icone, icoBytes(squareImage(32, 32, Qt::magenta)));
    std::vector<QByteArray> quadros;
    for (const QColor c : {Qt::red, Qt::green, Qt::blue, Qt::yellow})
        quadros.push_back(icoBytes(squareImage(32, 32, c)));
    writeFile(animado, aniBytes(quadros, 4));

    // Both files after image 1, with keys from their names; every frame of the cursor.
    pagina->chkSetKeys()->click();
    f.escolher({icone, animado});
    f.mensagens.depois = mb::Yes;
    QTest::mouseClick(pagina->cmdAdd(), Qt::LeftButton);
    ASSERT_EQ(lista.ImageCount(), 52);
    EXPECT_EQ(lista.ItemIndex(QStringLiteral("ARROW")), 6);
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(lista.ItemIndex(QStringLiteral("BUSY:%1").arg(i)), 1 + i);
    EXPECT_TRUE(editor.botaoAplicar()->isEnabled());

    // Select image 3 in the strip, move it forward, and key it.
    const Rect faixa = pagina->StripRect();
    QTest::mouseClick(pagina, Qt::LeftButton, {}, QPoint(faixa.left + 2 * 18 + 5, faixa.top + 10));
    EXPECT_EQ(pagina->SelectedImage(), 2);
    const QImage movida = ImageList_GetImage(lista.hIml(), 2);
    QTest::mouseClick(pagina->cmdMoveUp(), Qt::LeftButton);
    EXPECT_EQ(ImageList_GetImage(lista.hIml(), 3), movida);
    pagina->txtKey()->selectAll();
    QTest::keyClicks(pagina->txtKey(), QStringLiteral("moved"));
    QTest::mouseClick(editor.botaoAplicar(), Qt::LeftButton);
    EXPECT_EQ(lista.ItemIndex(QStringLiteral("moved")), 4);
    EXPECT_FALSE(editor.botaoAplicar()->isEnabled());
    EXPECT_TRUE(f.mensagens.vistas.size() == 1) << "only the animated-cursor question";

    if (const QByteArray pasta = qgetenv("TARVELO_SCREENSHOTS"); !pasta.isEmpty())
        editor.grab().save(QString::fromLocal8Bit(pasta) + QStringLiteral("/imagelist-editor.png"));

    KeyedImageList relida;
    ASSERT_TRUE(EditorListaImagens::abrir(arquivo, relida, f.servicos));
    ASSERT_EQ(relida.ImageCount(), lista.ImageCount());
    for (int i = 1; i <= lista.ImageCount(); ++i) {
        EXPECT_EQ(relida.ItemKey(i), lista.ItemKey(i)) << i;
        EXPECT_EQ(ImageList_GetImage(relida.hIml(), i - 1), ImageList_GetImage(lista.hIml(), i - 1)) << i;
    }
    // Saving what was read gives the same bytes again.
    const QString copia = f.caminho(QStringLiteral("again.til"));
    relida.SaveToFile(copia);
    EXPECT_EQ(readFile(copia), readFile(arquivo));
}

}  // namespace

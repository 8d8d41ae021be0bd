#include "designpages/ppgimages.h"
#include "paginasapoio.h"
#include "platform/syscolors.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

struct PaginaImagens : PaginasFixture, ::testing::Test {
    std::unique_ptr<PpgImages> pagina;
    void abrir()
    {
        pagina = std::make_unique<PpgImages>(lista, servicos);
        pagina->SelectionChanged();
    }
    void clicarNaFaixa(int imagem)
    {
        const Rect faixa = pagina->StripRect();
        QTest::mouseClick(pagina.get(), Qt::LeftButton, {}, QPoint(faixa.left + imagem * 18 + 5, faixa.top + 10));
    }
};

TEST_F(PaginaImagens, AnEmptyListDisablesEverythingThatNeedsAnImage)
{
    abrir();
    EXPECT_EQ(pagina->SelectedImage(), -1);
    for (QWidget* w : std::initializer_list<QWidget*>{pagina->cmdNext(), pagina->cmdBack(), pagina->cmdMoveUp(),
                                                      pagina->cmdMoveDown(), pagina->cmdRemove(), pagina->txtIndex(),
                                                      pagina->txtKey()})
        EXPECT_FALSE(w->isEnabled()) << w->metaObject()->className();
    EXPECT_TRUE(pagina->txtKey()->text().isEmpty());
    EXPECT_TRUE(pagina->hscScroll()->isHidden());
}

TEST_F(PaginaImagens, NavigationFollowsTheSelectionAndRemovingTheLastMovesItBack)
{
    adicionar(3);
    abrir();
    EXPECT_EQ(pagina->txtIndex()->text(), QStringLiteral("1 of 3"));
    EXPECT_FALSE(pagina->cmdBack()->isEnabled());
    EXPECT_FALSE(pagina->cmdMoveDown()->isEnabled());
    pagina->cmdNext()->click();
    pagina->cmdNext()->click();
    EXPECT_EQ(pagina->SelectedImage(), 2);
    EXPECT_FALSE(pagina->cmdNext()->isEnabled());
    EXPECT_FALSE(pagina->cmdMoveUp()->isEnabled());
    EXPECT_FALSE(pagina->Changed());

    pagina->cmdRemove()->click();
    EXPECT_EQ(lista.ImageCount(), 2);
    EXPECT_EQ(pagina->SelectedImage(), 1);
    EXPECT_EQ(pagina->txtIndex()->text(), QStringLiteral("2 of 2"));

    clicarNaFaixa(0);
    EXPECT_EQ(pagina->SelectedImage(), 0);
    clicarNaFaixa(5);  // beyond the last image
    EXPECT_EQ(pagina->SelectedImage(), 0);
}

TEST_F(PaginaImagens, AKeyWaitsForTheNextMoveAndARefusedKeyIsToldAndPutBack)
{
    adicionar(2);
    lista.setItemKey(1, QStringLiteral("one"));
    abrir();
    pagina->cmdNext()->click();
    EXPECT_FALSE(pagina->Changed());  // the page's own writes do not count
    pagina->txtKey()->setText(QStringLiteral("one"));
    EXPECT_TRUE(pagina->Changed());
    EXPECT_EQ(lista.ItemKey(2).toString(), QString());
    pagina->cmdBack()->click();
    ASSERT_EQ(mensagens.vistas.size(), 1u);
    EXPECT_EQ(mensagens.vistas[0].flags, mb::Information);
    EXPECT_EQ(lista.ItemKey(2).toString(), QString());

    pagina->txtKey()->setText(QStringLiteral("first"));
    pagina->ApplyChanges();
    EXPECT_EQ(lista.ItemKey(1).toString(), QStringLiteral("first"));

    // A key typed and then Remove: the typed text is lost with the image.
    pagina->txtKey()->setText(QStringLiteral("lost"));
    pagina->cmdRemove()->click();
    EXPECT_FALSE(lista.KeyExists(QStringLiteral("lost")));
}

TEST_F(PaginaImagens, MovingCarriesImageAndKeyAndClearAsksFirst)
{
    adicionar(3);
    lista.setItemKey(1, QStringLiteral("a1"));
    abrir();
    const QImage primeira = ImageList_GetImage(lista.hIml(), 0);
    pagina->cmdMoveUp()->click();
    EXPECT_EQ(ImageList_GetImage(lista.hIml(), 1), primeira);
    EXPECT_EQ(lista.ItemIndex(QStringLiteral("a1")), 2);
    EXPECT_EQ(pagina->SelectedImage(), 1);
    EXPECT_TRUE(pagina->Changed());

    mensagens.depois = mb::No;
    pagina->cmdClear()->click();
    EXPECT_EQ(lista.ImageCount(), 3);
    mensagens.depois = mb::Yes;
    pagina->cmdClear()->click();
    EXPECT_EQ(lista.ImageCount(), 0);
    EXPECT_EQ(pagina->SelectedImage(), -1);
}

TEST_F(PaginaImagens, TheColourFramesTitleTakesItsAccessKeyToTheChoice)
{
    abrir();
    pagina->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(pagina.get()));
    QLabel* titulo = nullptr;
    for (QLabel* l : pagina->findChildren<QLabel*>())
        if (l->text().startsWith(QLatin1String("Bitmap &Transparent Colour")))
            titulo = l;
    ASSERT_TRUE(titulo);
    EXPECT_EQ(titulo->buddy(), pagina->optTransparentColour(0)) << "without one the label shows the \"&\"";
    pagina->cmdAdd()->setFocus();
    QTest::keyClick(pagina.get(), Qt::Key_T, Qt::AltModifier);
    EXPECT_TRUE(pagina->optTransparentColour(0)->hasFocus());
}

// The page in a host wider than it, as the editor's tabs are: every control inside its frame,
// the frames and the strip across the page, the page across the host, at any width.
TEST_F(PaginaImagens, EveryControlSitsInsideItsFrameAndTheFramesAndTheStripTakeThePagesWidth)
{
    adicionar(40);
    QTabWidget abas;
    auto* pagina = new PpgImages(lista, servicos);
    abas.addTab(pagina, pagina->windowTitle());
    pagina->SelectionChanged();
    abas.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&abas));
    for (const int largura : {abas.minimumSizeHint().width(), 700}) {
        SCOPED_TRACE(largura);
        abas.resize(largura, abas.minimumSizeHint().height());
        QCoreApplication::processEvents();
        EXPECT_EQ(pagina->width(), pagina->parentWidget()->width()) << "the page across its host";
        const int direita = pagina->width() - 6;
        for (const QGroupBox* quadro : pagina->findChildren<QGroupBox*>()) {
            EXPECT_GE(quadro->geometry().right(), direita) << "a frame short of the page";
            for (const QWidget* controle : quadro->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                EXPECT_TRUE(quadro->rect().adjusted(2, 2, -2, -2).contains(controle->geometry()))
                    << controle->metaObject()->className() << ' '
                    << controle->property("text").toString().toStdString() << " outside its frame";
            }
        }
        const Rect faixa = pagina->StripRect();
        EXPECT_GE(faixa.right, direita) << "the strip short of the page";
        ASSERT_TRUE(pagina->hscScroll()->isVisible());
        EXPECT_TRUE(QRect(QPoint(faixa.left, faixa.top), QPoint(faixa.right, faixa.bottom))
                        .contains(pagina->hscScroll()->geometry()));
        EXPECT_GE(pagina->hscScroll()->geometry().right(), direita - 4) << "the scroll bar short of its strip";
        for (const QPushButton* botao : pagina->findChildren<QPushButton*>())
            EXPECT_TRUE(pagina->rect().contains(botao->geometry())) << botao->text().toStdString();
    }
}

TEST_F(PaginaImagens, TransparentColourFieldsAndThePicker)
{
    const struct {
        const char* texto;
        int valor;
    } componentes[] = {{"300", 255}, {"-4", 0}, {"abc", 0}, {" 12.6x", 13}, {"", 0}, {"99999999999", 0}};
    for (const auto& c : componentes)
        EXPECT_EQ(PpgImages::ColourComponent(QString::fromLatin1(c.texto)), c.valor) << c.texto;

    abrir();
    EXPECT_FALSE(pagina->cmdPickColour()->isEnabled());
    pagina->optTransparentColour(1)->click();
    EXPECT_TRUE(pagina->cmdPickColour()->isEnabled());
    EXPECT_EQ(pagina->lblColor()->palette().color(QPalette::Window), QColor(0, 255, 255));

    cores.resposta = [](ColourDialogRequest& r) {
        r.colour = rgbColour(10, 20, 30);
        return true;
    };
    pagina->cmdPickColour()->click();
    EXPECT_EQ(cores.visto.colour, rgbColour(0, 255, 255));
    EXPECT_EQ(pagina->txtRGB()[0]->text(), QStringLiteral("10"));
    EXPECT_EQ(pagina->txtRGB()[2]->text(), QStringLiteral("30"));
    EXPECT_EQ(pagina->lblColor()->palette().color(QPalette::Window), QColor(10, 20, 30));
    EXPECT_FALSE(pagina->Changed());
}

TEST_F(PaginaImagens, AddingFilesKeysThemFromTheirNamesAfterTheSelection)
{
    adicionar(2);
    abrir();
    const QString seta = caminho(QStringLiteral("Arrow.ico"));
    const QString outra = caminho(QStringLiteral("arrow.cur"));
    const QString ruim = caminho(QStringLiteral("bad.gif"));
    const QString faixa = caminho(QStringLiteral("Strip.bmp"));
    writeFile(seta, icoBytes(squareImage(16, 16, Qt::red)));
    writeFile(outra, curBytes(squareImage(16, 16, Qt::blue), QPoint(1, 1)));
    writeFile(ruim, QByteArray("GIF89a nonsense"));
    QImage tira(64, 16, QImage::Format_RGB32);
    tira.fill(Qt::white);
    tira.save(faixa, "BMP");

    pagina->cmdAdd()->click();  // cancelled
    EXPECT_FALSE(pagina->Changed());
    ASSERT_EQ(arquivos.pedidos.size(), 1u);
    EXPECT_EQ(arquivos.pedidos[0].title, QStringLiteral("Choose Icon to add"));
    // Each entry shows the files its description names.
    const QStringList filtro = arquivos.pedidos[0].filter.split(QLatin1Char('|'));
    ASSERT_EQ(filtro.size(), 12);
    for (qsizetype i = 0; i < filtro.size(); i += 2) {
        const QString& descricao = filtro[i];
        const QString nomeados = descricao.mid(descricao.indexOf(QLatin1Char('(')) + 1).chopped(1);
        QString padroes = filtro[i + 1];
        if (padroes.endsWith(QLatin1Char(';')))
            padroes.chop(1);
        EXPECT_EQ(padroes, nomeados) << descricao.toStdString();
    }

    pagina->chkSetKeys()->click();
    escolher({seta, outra, ruim, faixa});
    pagina->cmdAdd()->click();
    // Each file right after image 1, so they stand in reverse order.
    EXPECT_EQ(lista.ImageCount(), 2 + 1 + 1 + 4);
    EXPECT_EQ(lista.ItemIndex(QStringLiteral("ARROW")), 7);
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(lista.ItemIndex(QStringLiteral("STRIP:%1").arg(i)), 1 + i);
    EXPECT_EQ(lista.ItemKey(6).toString(), QString());  // arrow.cur: ARROW was taken
    ASSERT_EQ(mensagens.vistas.size(), 1u);
    EXPECT_TRUE(mensagens.vistas[0].texto.contains(QStringLiteral("bad.gif")));
    EXPECT_EQ(pagina->SelectedImage(), 0);
    EXPECT_TRUE(pagina->Changed());
}

// The key field is white while it can be edited, grey while it cannot: the colour follows
// every change of the list, not only the page being shown.
TEST_F(PaginaImagens, TheKeyFieldIsWhiteExactlyWhileThereIsAnImageToKey)
{
    const auto fundoDaChave = [this] { return pagina->txtKey()->palette().color(QPalette::Base); };
    const QColor editavel = toQColor(GetSysColor(COLOR_WINDOW));
    const QColor inativo = toQColor(GetSysColor(COLOR_BTNFACE));
    ASSERT_NE(editavel, inativo);
    abrir();
    EXPECT_EQ(fundoDaChave(), inativo);

    const QString icone = caminho(QStringLiteral("a.ico"));
    writeFile(icone, icoBytes(squareImage(16, 16, Qt::red)));
    escolher({icone});
    pagina->cmdAdd()->click();
    ASSERT_TRUE(pagina->txtKey()->isEnabled());
    EXPECT_EQ(fundoDaChave(), editavel);

    pagina->cmdRemove()->click();
    ASSERT_FALSE(pagina->txtKey()->isEnabled());
    EXPECT_EQ(fundoDaChave(), inativo);
}

TEST_F(PaginaImagens, FilesAddedToAnEmptyListComeInTheDialogsOrder)
{
    abrir();
    const QString a = caminho(QStringLiteral("a.ico"));
    const QString b = caminho(QStringLiteral("b.ico"));
    writeFile(a, icoBytes(squareImage(16, 16, Qt::red)));
    writeFile(b, icoBytes(squareImage(16, 16, Qt::blue)));
    escolher({a, b});
    pagina->cmdAdd()->click();
    ASSERT_EQ(lista.ImageCount(), 2);
    EXPECT_EQ(QColor(ImageList_GetImage(lista.hIml(), 0).pixel(8, 8)), QColor(Qt::red));
    EXPECT_EQ(pagina->SelectedImage(), 0);
}

}  // namespace

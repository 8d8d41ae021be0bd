#include "designpages/ppgcontrol.h"
#include "paginasapoio.h"
#include "support/ambiente.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

struct PaginaTamanho : PaginasFixture, ::testing::Test {
    // A temporary folder of the test's own, so that tests running beside it cannot add or
    // take files there while it counts them.
    QTemporaryDir temporaria;
    VariavelTrocada tmp{"TMPDIR", temporaria.path()};
    std::unique_ptr<PpgControl> pagina;
    void abrir()
    {
        pagina = std::make_unique<PpgControl>(lista, servicos);
        pagina->SelectionChanged();
    }
    void tamanho(const QString& x, const QString& y)
    {
        pagina->txtIconSize(0)->setText(x);
        pagina->txtIconSize(1)->setText(y);
    }
    QStringList temporarios() const
    {
        return QDir(QDir::tempPath()).entryList({QStringLiteral("ILS*")}, QDir::Files);
    }
};

TEST_F(PaginaTamanho, WithoutImagesNothingIsAskedAndTheListIsMadeAnew)
{
    abrir();
    EXPECT_FALSE(pagina->Changed());
    pagina->cmdSize(2)->click();
    EXPECT_TRUE(pagina->Changed());
    pagina->ApplyChanges();
    EXPECT_TRUE(mensagens.vistas.empty());
    EXPECT_EQ(lista.IconSizeX(), 32);
    int cx = 0;
    int cy = 0;
    ASSERT_TRUE(ImageList_GetIconSize(lista.hIml(), cx, cy));
    EXPECT_EQ(cx, 32);
}

TEST_F(PaginaTamanho, ANewSizeCarriesTheImagesAndKeysThroughATemporaryFile)
{
    adicionar(3);
    lista.setItemKey(2, QStringLiteral("k2"));
    abrir();
    const QStringList antes = temporarios();
    tamanho(QStringLiteral("24"), QStringLiteral("16"));
    mensagens.depois = mb::Yes;
    pagina->ApplyChanges();
    ASSERT_EQ(mensagens.vistas.size(), 1u);
    EXPECT_TRUE(mensagens.vistas[0].texto.endsWith(QStringLiteral("Are you sure?")));
    EXPECT_EQ(lista.ImageCount(), 3);
    EXPECT_EQ(lista.ItemIndex(QStringLiteral("k2")), 2);
    EXPECT_EQ(ImageList_GetImage(lista.hIml(), 0).width(), 24);
    EXPECT_EQ(temporarios(), antes);
}

TEST_F(PaginaTamanho, AnsweringNoPutsTheSizesBackAndAppliesNoDepth)
{
    adicionar(1);
    abrir();
    tamanho(QStringLiteral("48"), QStringLiteral("48"));
    pagina->cboColourDepth()->setCurrentIndex(5);
    mensagens.depois = mb::No;
    pagina->ApplyChanges();
    EXPECT_EQ(pagina->txtIconSize(0)->text(), QStringLiteral("16"));
    EXPECT_EQ(lista.ColourDepth(), 0);
    EXPECT_EQ(lista.IconSizeX(), 16);
}

TEST_F(PaginaTamanho, ASizeTheListCannotTakeKeepsTheImagesAtTheFormerSize)
{
    adicionar(2);
    abrir();
    tamanho(QStringLiteral("300"), QStringLiteral("300"));
    mensagens.depois = mb::Yes;
    pagina->ApplyChanges();
    EXPECT_EQ(lista.ImageCount(), 2);
    EXPECT_EQ(lista.IconSizeX(), 16);
    EXPECT_EQ(pagina->txtIconSize(0)->text(), QStringLiteral("16"));
    ASSERT_EQ(mensagens.vistas.size(), 2u);
    EXPECT_EQ(mensagens.vistas[1].flags, mb::Exclamation);
}

TEST_F(PaginaTamanho, LoweringTheDepthAsksOnlyWithImagesAndNoUndoesTheChoice)
{
    adicionar(1);
    lista.setColourDepth(24);
    abrir();
    EXPECT_EQ(pagina->cboColourDepth()->currentIndex(), 4);
    EXPECT_FALSE(pagina->Changed());
    pagina->cboColourDepth()->setCurrentIndex(5);
    EXPECT_TRUE(mensagens.vistas.empty());
    pagina->setChanged(false);
    mensagens.depois = mb::No;
    pagina->cboColourDepth()->setCurrentIndex(1);
    EXPECT_EQ(mensagens.vistas.size(), 1u);
    EXPECT_EQ(pagina->cboColourDepth()->currentIndex(), 5);
    EXPECT_FALSE(pagina->Changed());

    pagina->ApplyChanges();  // same size: the depth is stored, the list kept
    EXPECT_EQ(lista.ColourDepth(), 32);
    EXPECT_EQ(lista.ImageCount(), 1);
}

TEST_F(PaginaTamanho, ASizeThatIsNoNumberAppliesNothing)
{
    abrir();
    tamanho(QString(), QStringLiteral("20"));
    pagina->ApplyChanges();
    ASSERT_EQ(mensagens.vistas.size(), 1u);
    EXPECT_EQ(mensagens.vistas[0].texto, QStringLiteral("Please enter a valid icon size."));
    EXPECT_EQ(lista.IconSizeY(), 16);
}

}  // namespace

#include "bancada.h"

#include "documents/ui/frmimp.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>

#include <algorithm>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

class Impressoras : public BancadaDocumentos {
protected:
    void SetUp() override
    {
        impressoras.instaladas = {{"Laser", "Sala 2"}, {"Cheques", "Caixa"}};
        impressoras.padrao = QStringLiteral("Laser");
    }
    frmImp* abrir()
    {
        janela = std::make_unique<frmImp>(configuracoes, impressoras, mensagens, nullptr);
        return janela.get();
    }
    std::unique_ptr<frmImp> janela;
};

TEST_F(Impressoras, NoPrintersGiveTheDefaultPrinter)
{
    impressoras.instaladas.clear();
    frmImp* j = abrir();
    EXPECT_EQ(j->cbImpressora->count(), 0);
    EXPECT_TRUE(j->optPadrao->isChecked());
    j->cmdOK_Click();
    EXPECT_EQ(setting("Conf", "ImpDispo"), QString());
}

TEST_F(Impressoras, AStoredPrinterThatIsGoneShowsTheDefaultAndEscKeepsIt)
{
    configuracoes.SaveSetting("Conf", "ImpDispo", "Antiga");
    frmImp* j = abrir();
    EXPECT_EQ(j->cbImpressora->currentIndex(), -1);
    EXPECT_TRUE(j->optPadrao->isChecked());
    j->cbImpressora->setCurrentIndex(1);
    j->cbImpressora_Click();
    j->reject();
    EXPECT_EQ(setting("Conf", "ImpDispo"), QStringLiteral("Antiga"));
}

TEST_F(Impressoras, AChosenPrinterShowsItsPlaceAndTheOptionClearsIt)
{
    configuracoes.SaveSetting("Conf", "ImpDispo", "Cheques");
    frmImp* j = abrir();
    EXPECT_EQ(j->cbImpressora->currentText(), QStringLiteral("Cheques"));
    EXPECT_EQ(j->txtEndereco->text(), QStringLiteral("Caixa"));
    EXPECT_FALSE(j->optPadrao->isChecked());

    j->optPadrao->click();
    EXPECT_TRUE(j->optPadrao->isChecked());
    EXPECT_EQ(j->cbImpressora->currentIndex(), -1);
    EXPECT_EQ(j->txtEndereco->text(), QString());
    j->optPadrao->click();  // a second click does not switch it off
    EXPECT_TRUE(j->optPadrao->isChecked());

    j->cbImpressora->setCurrentIndex(0);
    j->cbImpressora_Click();
    EXPECT_EQ(j->txtEndereco->text(), QStringLiteral("Sala 2"));
    EXPECT_FALSE(j->optPadrao->isChecked());
    j->cmdOK_Click();
    EXPECT_EQ(setting("Conf", "ImpDispo"), QStringLiteral("Laser"));
}

TEST_F(Impressoras, NoChoiceAtAllIsRefused)
{
    frmImp* j = abrir();
    j->cbImpressora->setCurrentIndex(0);
    j->cbImpressora_Click();
    j->cbImpressora->setCurrentIndex(-1);  // nothing selected, the option off
    j->cmdOK_Click();
    ASSERT_EQ(mensagens.vistas.size(), 1u);
    EXPECT_TRUE(mensagens.vistas[0].texto.startsWith(QStringLiteral("Selecione o dispositivo")));
    EXPECT_EQ(setting("Conf", "ImpDispo"), QStringLiteral("(missing)"));
}

// The window is read on a Linux desktop: the tip, the option and the refusal speak of the
// system's printer settings and default printer, in the interface language.
TEST_F(Impressoras, SpeaksOfThisSystemInEveryLanguage)
{
    QSet<QString> opcoes, recusas;
    for (int idioma = 1; idioma <= 4; ++idioma) {
        globais().gIdioma = idioma;
        mensagens.vistas.clear();
        frmImp* j = abrir();
        j->optPadrao->setChecked(false);
        j->cmdOK_Click();
        ASSERT_EQ(mensagens.vistas.size(), 1u);
        QStringList textos{mensagens.vistas[0].texto, j->optPadrao->text()};
        for (const QLabel* rotulo : j->findChildren<QLabel*>())
            textos << rotulo->text();
        for (const QString& texto : textos)
            EXPECT_FALSE(texto.contains(QStringLiteral("Windows")) || texto.contains(QStringLiteral("PAINEL")))
                << "language " << idioma << ": " << qPrintable(texto);
        opcoes << j->optPadrao->text();
        recusas << mensagens.vistas[0].texto;
    }
    EXPECT_EQ(opcoes.size(), 4);
    EXPECT_EQ(recusas.size(), 4);
}

// Every control of the window, top to bottom.
QList<QWidget*> controles(const frmImp& janela)
{
    QList<QWidget*> lista;
    for (QWidget* w : janela.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        lista << w;
    std::sort(lista.begin(), lista.end(), [](const QWidget* a, const QWidget* b) { return a->y() < b->y(); });
    return lista;
}

// At its smallest, in every language, the window shows each text whole (a wrapped text
// on as many lines as it needs), one control below the other, and fits a screen of
// 800 x 600; made larger, no control moves away from where it stood.
TEST_F(Impressoras, AtItsSmallestEveryTextShowsWholeAndEnlargedTheControlsStay)
{
    for (int idioma = 1; idioma <= 4; ++idioma) {
        SCOPED_TRACE(idioma);
        globais().gIdioma = idioma;
        frmImp* j = abrir();
        j->show();
        j->resize(j->minimumSize());
        QApplication::processEvents();
        ASSERT_EQ(j->size(), j->minimumSize());
        EXPECT_LE(j->frameGeometry().width(), 800);
        EXPECT_LE(j->frameGeometry().height(), 600);
        const QList<QWidget*> pequena = controles(*j);
        QList<QPoint> lugares;
        for (qsizetype i = 0; i < pequena.size(); ++i) {
            const QWidget* w = pequena[i];
            const std::string nome = w->metaObject()->className() + std::string(" ") +
                                     w->property("text").toString().left(20).toStdString();
            lugares << w->pos();
            EXPECT_TRUE(j->rect().contains(w->geometry())) << nome;
            if (const auto* rotulo = qobject_cast<const QLabel*>(w)) {
                EXPECT_GE(rotulo->height(), rotulo->heightForWidth(rotulo->width())) << nome;
            } else {
                EXPECT_GE(w->width(), w->minimumSizeHint().width()) << nome;
            }
            if (qobject_cast<const QRadioButton*>(w)) {
                EXPECT_GE(w->width(), w->sizeHint().width()) << nome;
            }
            if (i > 0) {
                EXPECT_GE(w->y(), pequena[i - 1]->geometry().bottom()) << nome;
            }
        }

        j->resize(j->size() + QSize(300, 300));
        QApplication::processEvents();
        const QList<QWidget*> grande = controles(*j);
        ASSERT_EQ(grande, pequena);
        for (qsizetype i = 0; i < grande.size(); ++i) {
            EXPECT_EQ(grande[i]->x(), lugares[i].x()) << i;
            EXPECT_LE(grande[i]->y(), lugares[i].y()) << i;
        }
    }
}

}  // namespace

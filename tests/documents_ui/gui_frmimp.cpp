#include "bancada.h"

#include "documents/ui/frmimp.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>

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

}  // namespace

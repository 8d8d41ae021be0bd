#include "tools/ui/frmpeso.h"

#include "support/ferramentasfalsas.h"
#include "controls/xpbutton.h"
#include "support/esperar.h"
#include "support/rotulos.h"
#include "platform/ui/titlebar.h"
#include "tools/ui/campotexto.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace tarvelo {
namespace {

struct Janela : teste::ServicosFalsos {
    std::unique_ptr<frmPeso> janela;
    explicit Janela(int idioma = 1)
    {
        globais().gIdioma = idioma;
        janela = std::make_unique<frmPeso>(servicos());
        janela->show();
        QApplication::setActiveWindow(janela.get());
        EXPECT_TRUE(teste::esperarAte([this] { return janela->isActiveWindow(); }));
    }
    void preencher(const char* altura, const char* peso)
    {
        janela->txtAltura->setText(QString::fromLatin1(altura));
        janela->txtPeso->setText(QString::fromLatin1(peso));
    }
};

TEST(frmPeso, AManInCentimetresAndTheRecordOnClose)
{
    Janela j;
    j.janela->Option1->setChecked(true);
    EXPECT_FALSE(j.janela->Image2->isVisibleTo(j.janela.get()));
    j.preencher("200", "100");
    j.janela->cmdHomem_Click();
    EXPECT_EQ(j.janela->txtAltura->text(), QStringLiteral("2"));
    EXPECT_EQ(j.janela->txtLimite[4]->text(), QStringLiteral("124,40"));
    EXPECT_EQ(j.janela->Frame1->title(), QStringLiteral("Resultado = NORMAL"));
    EXPECT_EQ(j.janela->imgSeta->x() - j.janela->lblMedidor->x(), 112) << "1744,7 twips, the ruler at 60";

    j.janela->lblResultado_Click();
    EXPECT_EQ(j.mensagens.textos().last(), QStringLiteral("Para ficar no peso médio ideal:\r\n\r\nPerca 5,80 Kg"));

    QTest::keyClick(j.janela.get(), Qt::Key_Escape);
    EXPECT_TRUE(j.porta.fita.startsWith(QStringLiteral(" -------------------------\r\n CÁLCULO PESO - (Homem)\r\n")));
    EXPECT_TRUE(j.porta.fita.contains(QStringLiteral(" Opcional = Perder 5,80Kg\r\n")));
}

TEST(frmPeso, RefusalsAndAChangedWeightDropTheResult)
{
    Janela j;
    j.janela->txtAltura->setFocus();
    QTest::keyClicks(j.janela->txtAltura, QStringLiteral("1.6a,0"));
    EXPECT_EQ(j.janela->txtAltura->text(), QStringLiteral("1,60"));
    j.preencher("450", "70");
    j.janela->cmdHomem_Click();
    EXPECT_EQ(j.janela->txtAltura->text(), QStringLiteral("4,5"));
    EXPECT_EQ(j.mensagens.textos().last(), QStringLiteral("Digite sua altura em metros, Ex.: 1,70 (um metro e setenta)"));
    EXPECT_TRUE(teste::esperarAte([&] { return j.janela->txtAltura->hasFocus(); }));

    j.preencher("1,60", "90");
    j.janela->cmdHomem_Click();
    EXPECT_EQ(j.janela->Frame1->title(), QStringLiteral("Resultado = OBESO"));
    EXPECT_EQ(j.janela->lblResultado->text(), QStringLiteral("\nPerder\n26,00 Kg\npara ficar no peso normal"));
    j.janela->txtPeso->setText(QStringLiteral("91"));
    EXPECT_TRUE(j.janela->lblResultado->text().isEmpty());
    j.janela->reject();
    EXPECT_EQ(j.porta.fita, QString()) << "no result, no record";
}

TEST(frmPeso, ChangingSexRecalculates)
{
    Janela j;
    j.preencher("1,60", "60");
    j.janela->Option1->setChecked(true);
    EXPECT_EQ(j.janela->txtLimite[0]->text(), QStringLiteral("52,99"));
    EXPECT_EQ(j.janela->lblMin->width(), 87) << "1300 twips";
    j.janela->Option2->setChecked(true);
    EXPECT_EQ(j.janela->txtLimite[0]->text(), QStringLiteral("47,36"));
    EXPECT_TRUE(j.janela->Image2->isVisibleTo(j.janela.get()));
}

TEST(frmPeso, EnglishForOtherLanguagesWithSilentLabels)
{
    Janela j(3);
    EXPECT_EQ(j.janela->windowTitle(), QStringLiteral(" Ideal Weight"));
    EXPECT_EQ(j.janela->Option1->text(), QStringLiteral("&Man"));
    j.janela->lbl8_Click();
    j.janela->lblResultado_Click();
    EXPECT_TRUE(j.mensagens.vistas.empty());
    EXPECT_EQ(j.janela->lbl8->cursor().shape(), Qt::ArrowCursor);
}

// In each language, with either sex and the arrow at either end of its run: the whole title,
// every caption and picture inside the window, and the ruler's words whole on their zones.
TEST(frmPeso, TheTitleCaptionsPicturesAndTheRulersWordsStandWholeInEveryLanguage)
{
    const struct {
        int idioma;
        const char *magro, *obeso;
    } casos[] = {{1, "| Magro", "Obeso |"}, {2, "| Thin", "Obese |"}, {3, "| Thin", "Obese |"}, {4, "| Thin", "Obese |"}};
    const struct {
        const char *altura, *peso;
    } pontas[] = {{"3", "20"}, {"1", "300"}};
    for (const auto& caso : casos) {
        Janela j(caso.idioma);
        frmPeso& janela = *j.janela;
        EXPECT_GE(janela.width(), titleBarWidth(janela.windowTitle())) << caso.idioma;
        for (QRadioButton* sexo : {janela.Option1, janela.Option2}) {
            sexo->setChecked(true);
            for (const auto& ponta : pontas) {
                SCOPED_TRACE(::testing::Message() << "language " << caso.idioma << ' ' << sexo->text().toStdString()
                                                  << ' ' << ponta.peso << " Kg");
                j.preencher(ponta.altura, ponta.peso);
                janela.cmdHomem_Click();
                ASSERT_FALSE(janela.lblResultado->text().isEmpty());
                for (const QWidget* controle : janela.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                    EXPECT_TRUE(janela.rect().contains(controle->geometry()))
                        << controle->metaObject()->className() << ' ' << controle->property("text").toString().toStdString();
                }
                for (const QLabel* imagem : {janela.imgSeta, janela.Image1, janela.Image2})
                    EXPECT_TRUE(janela.rect().contains(teste::ondeImagem(*imagem)));
                const QList<const QLabel*> zonas = {janela.lblMedidor, janela.lblMin, janela.lblTol1, janela.lblTol2,
                                                    janela.lblMax};
                for (const QLabel* rotulo : janela.findChildren<QLabel*>()) {
                    if (rotulo->pixmap().isNull() && !zonas.contains(rotulo)) {
                        EXPECT_TRUE(teste::cabe(*rotulo));
                    }
                }
                EXPECT_TRUE(teste::cabe(*janela.lblMin, QString::fromUtf8(caso.magro)));
                EXPECT_TRUE(teste::cabe(*janela.lblMax, QString::fromUtf8(caso.obeso)));
                EXPECT_TRUE(teste::cabe(*janela.lblMedidor, QStringLiteral("x")));
            }
        }
    }
}

}  // namespace
}  // namespace tarvelo

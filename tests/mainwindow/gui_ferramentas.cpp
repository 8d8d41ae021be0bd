// The companion calculators as the calculator's menus open them: which close the open
// calculation first, and what reaches the tape when they close.

#include "bancada.h"

#include "host/texto.h"

#include "tools/ui/frmconverte.h"
#include "tools/ui/frmdata.h"
#include "tools/ui/frmpeso.h"
#include "tools/ui/frmregra.h"
#include "tools/ui/campotexto.h"
#include "tools/ui/maskeddateedit.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

class Ferramentas : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(pasta.isValid()); }

    // Opens the window as `abrir` does and, once the modal window is up, runs `uso` on it and
    // closes it.
    template <typename Janela>
    void usar(const std::function<void()>& abrir, const std::function<void(Janela&)>& uso)
    {
        bool visto = false;
        QTimer relogio;
        relogio.setInterval(10);
        QObject::connect(&relogio, &QTimer::timeout, [&] {
            auto* janela = qobject_cast<Janela*>(QApplication::activeModalWidget());
            if (!janela || visto)
                return;
            visto = true;
            uso(*janela);
            janela->reject();
        });
        relogio.start();
        abrir();
        EXPECT_TRUE(visto) << "no window opened";
    }

    QTemporaryDir pasta;
};

TEST_F(Ferramentas, TheDateWindowClosesTheCalculationFirstAndLeavesItsRecord)
{
    Usuario usuario(pasta.path());
    Bancada b(usuario);
    b.abrir();
    b.form().teclar('5');
    b.form().teclar('+');
    QString fitaAoAbrir;
    usar<frmData>([&] { QTest::keyClick(b.janela(), Qt::Key_F5); }, [&](frmData& janela) {
        fitaAoAbrir = b.form().txtFita.Text();
        janela.txtData[0]->setDateText(QStringLiteral("01/01/2000"));
        janela.txtData[1]->setDateText(QStringLiteral("01/01/2010"));
        janela.cmdCalcula_Click(0);
    });
    EXPECT_TRUE(fitaAoAbrir.endsWith(QStringLiteral(" =========================\r\n")))
        << "the open calculation was closed before the window opened";
    EXPECT_TRUE(b.form().txtFita.Text().endsWith(QStringLiteral("         [01/01/2010] - \r\n"
                                                                "         [01/01/2000] = \r\n"
                                                                "               anos: 10 \r\n"
                                                                " =========================\r\n")));
}

TEST_F(Ferramentas, TheRuleOfThreeLeavesTheCalculationOpen)
{
    Usuario usuario(pasta.path());
    Bancada b(usuario);
    b.abrir();
    b.form().teclar('5');
    b.form().teclar('+');
    const QString antes = b.form().txtFita.Text();
    usar<frmRegra>([&] { b.comando(QStringLiteral("mnuRegra")); }, [](frmRegra&) {});
    usar<frmConverte>([&] { b.comando(QStringLiteral("mnuConverte")); }, [](frmConverte&) {});
    EXPECT_EQ(b.form().txtFita.Text(), antes);
}

TEST_F(Ferramentas, TheWeightWindowLeavesItsBlock)
{
    Usuario usuario(pasta.path());
    Bancada b(usuario);
    b.abrir();
    usar<frmPeso>([&] { b.comando(QStringLiteral("mnuPeso")); }, [](frmPeso& janela) {
        janela.txtAltura->setText(QStringLiteral("1,60"));
        janela.txtPeso->setText(QStringLiteral("90"));
        janela.cmdHomem_Click();
    });
    EXPECT_TRUE(b.form().txtFita.Text().contains(QStringLiteral(" Result. = Perder 26,00Kg\r\n")));
}

TEST_F(Ferramentas, F6StartsASecondCalculatorWhoseTotalsComeThroughTheClipboard)
{
    Usuario usuario(pasta.path());
    Bancada b(usuario);
    b.abrir();
    b.clipboard.setText(QStringLiteral("42"));
    QTest::keyClick(b.janela(), Qt::Key_F6);
    EXPECT_TRUE(b.form().mnuMonit.Checked()) << "the monitor picks up the second calculator's totals";
    EXPECT_FALSE(b.clipboard.hasText()) << "an old clipboard text is no total of the second calculator";
}

// A registry script named at the first start (a file manager's "open with") is offered for
// restore at the calculator's first activation, once the splash, kept on top, is down.
TEST_F(Ferramentas, AScriptNamedAtTheFirstStartIsOfferedOnceTheSplashIsDown)
{
    struct Abertura final : Janela {
        bool carregada = true;
        bool Carregada() const override { return carregada; }
        void Unload() override { carregada = false; }
    } splash;
    Usuario usuario(pasta.path());
    const QString arquivo = pasta.filePath(QStringLiteral("BackupCheques.reg"));
    Bancada b(usuario, {arquivo});
    b.janelas.registrar(QStringLiteral("frmStart"), &splash);
    bool splashNaPergunta = true;
    b.mensagens.enquantoAberta = [&] { splashNaPergunta = splash.carregada; };
    b.abrir();
    b.janelas.remover(QStringLiteral("frmStart"), &splash);
    EXPECT_EQ(b.mensagens.textos(), QStringList{fTexto(1121, arquivo)});
    EXPECT_FALSE(splashNaPergunta);
}

}  // namespace

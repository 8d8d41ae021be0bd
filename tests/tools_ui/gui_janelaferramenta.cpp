// The behaviour every tool window shares, on a small window of two fields and a check box.

#include "support/ferramentasfalsas.h"

#include "host/preferencias.h"
#include "tools/ui/campotexto.h"
#include "tools/ui/janelaferramenta.h"

#include <QCheckBox>
#include <QMessageBox>
#include <QTest>
#include <QVBoxLayout>
#include <QWindow>
#include <gtest/gtest.h>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

class JanelaTeste final : public JanelaFerramenta {
public:
    explicit JanelaTeste(const ServicosFerramenta& servicos) : JanelaFerramenta(QStringLiteral("frmTeste"), servicos)
    {
        auto* layout = new QVBoxLayout(this);
        for (CampoTexto* campo : {a, b}) {
            campo->setNumero({});
            layout->addWidget(campo);
        }
        layout->addWidget(caixa);
        a->setSelecaoAoFocar(3);
        comportamento.primeiroCampo = a;
        comportamento.fechaAoDesativar = true;
        comportamento.enter = ComportamentoFerramenta::Enter::TabImediato;
        comportamento.manterNumLock = true;
        comportamento.ajuda = [this] { ++ajudas; };
        comportamento.focoNaCalculadora = true;
        comportamento.maos = {caixa};
        definirComportamento(comportamento);
    }

    void abrir()
    {
        show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(this));
        ASSERT_TRUE(esperarAte([this] { return ativacoes > 0; }));
    }

    CampoTexto* a = new CampoTexto(this);
    CampoTexto* b = new CampoTexto(this);
    QCheckBox* caixa = new QCheckBox(QStringLiteral("caixa"), this);
    ComportamentoFerramenta comportamento;
    int ativacoes = 0;
    int fechamentos = 0;
    int ajudas = 0;

protected:
    void Form_Activate() override { ++ativacoes; }
    void Form_QueryUnload() override { ++fechamentos; }
};

// Shows a message box until it is active, closes it and makes `janela` active again: what
// a window sees when one of its messages comes and goes.
inline bool mensagemVeioEFoi(QWidget& janela)
{
    QMessageBox caixa(QMessageBox::Information, QStringLiteral(" Tarvelo"), QStringLiteral("x"));
    caixa.show();
    if (!QTest::qWaitForWindowActive(&caixa))
        return false;
    caixa.close();
    janela.activateWindow();
    return QTest::qWaitForWindowActive(&janela);
}

class Ferramenta : public ::testing::Test {
protected:
    ServicosFalsos falsos;
};

TEST_F(Ferramenta, TopmostOnActivationUnlessVisivelReadsFalse)
{
    struct Caso {
        const char* valor;
        bool topo;
    };
    for (const Caso caso : {Caso{nullptr, true}, Caso{"True", true}, Caso{"False", false}, Caso{"talvez", true}}) {
        if (caso.valor)
            falsos.configuracoes.SaveSetting(pref::Visivel.secao.toString(), pref::Visivel.chave.toString(),
                                             QString::fromUtf8(caso.valor));
        JanelaTeste janela(falsos.servicos());
        janela.abrir();
        EXPECT_EQ(janela.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint), caso.topo)
            << (caso.valor ? caso.valor : "missing");
        EXPECT_EQ(QApplication::focusWidget(), janela.a);
    }
}

TEST_F(Ferramenta, NumberFieldsTakeDigitsAndOneDecimalSymbolAndEnterMovesOn)
{
    JanelaTeste janela(falsos.servicos());
    janela.abrir();
    QTest::keyClicks(janela.a, QStringLiteral("1.5a -x"));
    EXPECT_EQ(janela.a->text(), QStringLiteral("1,5"));
    QTest::keyClick(janela.a, Qt::Key_Backspace);
    EXPECT_EQ(janela.a->text(), QStringLiteral("1,"));
    QTest::keyClick(janela.a, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), janela.b);
    globais().gDecimal = QStringLiteral(".");
    QTest::keyClicks(janela.b, QStringLiteral("2,5"));
    EXPECT_EQ(janela.b->text(), QStringLiteral("2.5"));
    EXPECT_EQ(janela.fechamentos, 0);
    EXPECT_EQ(janela.caixa->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(Ferramenta, FieldsSelectTheirFirstCharactersWhenTheFocusArrives)
{
    JanelaTeste janela(falsos.servicos());
    janela.abrir();
    janela.a->setText(QStringLiteral("123456"));
    janela.b->setFocus(Qt::TabFocusReason);
    janela.a->setFocus(Qt::BacktabFocusReason);
    EXPECT_EQ(janela.a->selectedText(), QStringLiteral("123"));
}

TEST_F(Ferramenta, EveryWayOfClosingRunsTheCloseHandlingOnceAndGivesTheCalculatorTheFocus)
{
    const std::vector<std::pair<const char*, std::function<void(JanelaTeste&)>>> maneiras = {
        {"Esc", [](JanelaTeste& j) { QTest::keyClick(j.a, Qt::Key_Escape); }},
        {"close box", [](JanelaTeste& j) { j.close(); }},
        {"host unload", [](JanelaTeste& j) { j.Unload(); }},
    };
    for (const auto& [nome, fechar] : maneiras) {
        const int antes = falsos.calculadora.ativacoes;
        JanelaTeste janela(falsos.servicos());
        janela.abrir();
        EXPECT_EQ(falsos.janelas.janela(QStringLiteral("frmTeste")), &janela) << nome;
        fechar(janela);
        janela.close();
        janela.done(QDialog::Accepted);
        EXPECT_EQ(janela.fechamentos, 1) << nome;
        EXPECT_FALSE(janela.isVisible()) << nome;
        EXPECT_EQ(falsos.calculadora.ativacoes, antes + 1) << nome;
    }
    globais().gFechando = true;
    JanelaTeste janela(falsos.servicos());
    janela.abrir();
    janela.Unload();
    EXPECT_EQ(janela.fechamentos, 1);
    EXPECT_EQ(falsos.calculadora.ativacoes, 3);
}

TEST_F(Ferramenta, ClosesWhenAnotherWindowOfTheProgramBecomesActiveButNotForAMessageBox)
{
    JanelaTeste janela(falsos.servicos());
    janela.abrir();

    ASSERT_TRUE(mensagemVeioEFoi(janela));
    QCoreApplication::processEvents();
    EXPECT_TRUE(janela.isVisible());
    EXPECT_EQ(janela.ativacoes, 1);

    {
        // A window the tool window opened itself: it stays, and is activated anew afterwards.
        JanelaFerramenta::JanelaAberta aberta(janela);
        OutraJanela nota;
        nota.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&nota));
        QCoreApplication::processEvents();
        EXPECT_TRUE(janela.isVisible());
        nota.close();
        janela.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&janela));
        EXPECT_TRUE(esperarAte([&] { return janela.ativacoes == 2; }));
    }

    OutraJanela outra;
    outra.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&outra));
    EXPECT_TRUE(esperarAte([&] { return !janela.isVisible(); }));
    EXPECT_EQ(janela.fechamentos, 1);
}

TEST_F(Ferramenta, ACloseWaitsForTheLongCommandThatLetEventsRun)
{
    JanelaTeste janela(falsos.servicos());
    janela.abrir();
    {
        JanelaFerramenta::Ocupada ocupada(janela);
        janela.reject();
        EXPECT_TRUE(janela.isVisible());
        EXPECT_EQ(janela.fechamentos, 0);
    }
    EXPECT_TRUE(esperarAte([&] { return !janela.isVisible(); }));
    EXPECT_EQ(janela.fechamentos, 1);
}

TEST_F(Ferramenta, KeyReleasesKeepNumLockOnAndF1AsksForHelp)
{
    JanelaTeste janela(falsos.servicos());
    janela.abrir();
    QTest::keyClick(janela.a, Qt::Key_1);
    EXPECT_EQ(falsos.numLock.ligacoes, 0);
    falsos.porta.numLock = true;
    QTest::keyClick(janela.a, Qt::Key_1);
    EXPECT_EQ(falsos.numLock.ligacoes, 1);
    QTest::keyClick(janela.a, Qt::Key_F1);
    EXPECT_EQ(janela.ajudas, 1);
}

TEST(CampoTexto, TheLimitBindsWhatIsTypedNotWhatCodeWrites)
{
    CampoTexto campo;
    campo.setLimite(3);
    campo.show();
    QTest::keyClicks(&campo, QStringLiteral("12345"));
    EXPECT_EQ(campo.text(), QStringLiteral("123"));
    campo.setText(QStringLiteral("1.234,00"));
    EXPECT_EQ(campo.text(), QStringLiteral("1.234,00"));
    campo.end(false);
    QTest::keyClick(&campo, Qt::Key_Backspace);
    EXPECT_EQ(campo.text(), QStringLiteral("1.234,0"));
    QTest::keyClick(&campo, Qt::Key_5);
    EXPECT_EQ(campo.text(), QStringLiteral("1.234,0"));
}

TEST_F(Ferramenta, LeavingAFieldForAMessageBoxIsNoLeaving)
{
    JanelaTeste janela(falsos.servicos());
    janela.abrir();
    int saidas = 0;
    QObject::connect(janela.a, &CampoTexto::LostFocus, [&] { ++saidas; });
    ASSERT_TRUE(mensagemVeioEFoi(janela));
    EXPECT_EQ(saidas, 0);
    QTest::keyClick(janela.a, Qt::Key_Tab);
    EXPECT_EQ(saidas, 1);
}

}  // namespace

#include "bancada.h"
#include "support/esperar.h"

#include "documents/ui/abrirdocumentos.h"
#include "documents/ui/frmcheque.h"
#include "documents/ui/frmpromissoria.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

// A window standing in for the calculator: a real top-level window of the program that
// takes the focus back when a document closes.
class CalculadoraDeTeste final : public QWidget, public JanelaCalculadora {
public:
    bool Carregada() const override { return true; }
    void Unload() override {}
    void Show() override { show(); }
    void Ativar() override
    {
        ++ativacoes;
        raise();
        activateWindow();
    }
    bool Visivel() const override { return isVisible(); }
    void mnuTempo_Click() override {}
    void mnuJuro_Click() override {}
    void mnuPeso_Click() override {}
    void mnuData_Click() override {}
    void AbrirArquivo(const QString&) override {}
    int ativacoes = 0;
};

class DocumentosNoX11 : public BancadaDocumentos {
protected:
    void SetUp() override
    {
        calculadora.resize(200, 100);
        calculadora.show();
        calculadora.activateWindow();  // no window manager does it on the test's server
        ASSERT_TRUE(QTest::qWaitForWindowActive(&calculadora));
        janelas.registrar(QStringLiteral("frmCalcula"), &calculadora);
    }
    void TearDown() override { janelas.remover(QStringLiteral("frmCalcula"), &calculadora); }

    // Opens a document and, inside its modal loop, waits for it to be the active window
    // with the focus in `primeiro`, then types Esc.
    void abrirEFecharComEsc(const std::function<void()>& abrir, const QString& primeiro)
    {
        bool viu = false;
        QTimer::singleShot(0, [&] {
            auto* janela = qobject_cast<JanelaDocumento*>(QApplication::activeModalWidget());
            if (!janela)
                return;
            EXPECT_TRUE(QTest::qWaitForWindowActive(janela));
            viu = esperarAte([&] { return QApplication::focusWidget() == janela->campo(primeiro); });
            QWidget* foco = QApplication::focusWidget();
            QTest::keyClick(foco ? foco : janela, Qt::Key_Escape);
        });
        abrir();
        EXPECT_TRUE(viu);
        EXPECT_EQ(calculadora.ativacoes, 1);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&calculadora));
    }

    CalculadoraDeTeste calculadora;
    RegistroJanelas janelas;
};

TEST_F(DocumentosNoX11, TheChequeTakesTheFocusAndEscGivesItBack)
{
    abrirEFecharComEsc([&] { MostrarCheque(cheque, servicos, &janelas); }, QStringLiteral("txtFavorecido"));
    EXPECT_EQ(setting("Cheque", "Width"), QStringLiteral("9990"));
}

TEST_F(DocumentosNoX11, TheNoteTakesTheFocusAndEscGivesItBack)
{
    abrirEFecharComEsc([&] { MostrarPromissoria(nota, servicos, &janelas); }, QStringLiteral("txtNumero"));
}

}  // namespace

#include "bancada.h"
#include "support/esperar.h"

#include "documents/ui/abrirdocumentos.h"
#include "documents/ui/frmcheque.h"
#include "documents/ui/frmpromissoria.h"
#include "platform/ui/x11keystrokes.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <utility>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

// A window standing in for the calculator: a real top-level window of the program that
// opens a document on a key, as the calculator's menu shortcut does, and takes the focus
// back when the document closes.
class CalculadoraDeTeste final : public QWidget, public JanelaCalculadora {
public:
    std::function<void()> aoTeclar;

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

protected:
    void keyPressEvent(QKeyEvent*) override
    {
        if (aoTeclar)
            std::exchange(aoTeclar, {})();
    }
};

class DocumentosNoX11 : public BancadaDocumentos {
protected:
    void SetUp() override
    {
        calculadora.resize(200, 100);
        calculadora.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&calculadora, kPrazo));
        janelas.registrar(QStringLiteral("frmCalcula"), &calculadora);
    }
    void TearDown() override { janelas.remover(QStringLiteral("frmCalcula"), &calculadora); }

    // Opens a document from a key typed on the server's keyboard, as a user does (the window
    // manager hands the focus to a new window the user asked for), and, inside its modal
    // loop, waits for it to be the active window with the focus in `primeiro`, then types Esc.
    void abrirEFecharComEsc(const std::function<void()>& abrir, const QString& primeiro)
    {
        bool viu = false, fechou = false;
        calculadora.aoTeclar = [&] {
            QTimer::singleShot(0, [&] {
                auto* janela = qobject_cast<JanelaDocumento*>(QApplication::activeModalWidget());
                if (!janela)
                    return;
                EXPECT_TRUE(QTest::qWaitForWindowActive(janela, kPrazo));
                viu = esperarAte([&] { return QApplication::focusWidget() == janela->campo(primeiro); });
                QWidget* foco = QApplication::focusWidget();
                QTest::keyClick(foco ? foco : janela, Qt::Key_Escape);
            });
            abrir();
            fechou = true;
        };
        X11Keystrokes teclado;
        ASSERT_TRUE(teclado.available());
        teclado.sendKeys(QStringLiteral("{F2}"));
        ASSERT_TRUE(esperarAte([&] { return fechou; })) << "no key reached the calculator";
        EXPECT_TRUE(viu);
        EXPECT_EQ(calculadora.ativacoes, 1);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&calculadora, kPrazo));
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

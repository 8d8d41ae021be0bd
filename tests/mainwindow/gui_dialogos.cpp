// Message boxes, prompts and file dialogs open above the calculator that asked for them,
// also while it stays on top of every other window, and give it the keyboard back.

#include "bancada.h"

#include "platform/messagecore.h"
#include "platform/ui/qtcolourdialog.h"
#include "platform/ui/qtfiledialog.h"
#include "platform/ui/qtservices.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTest>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>

#include <functional>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

struct Vista {
    bool aberta = false;
    QWidget* pai = nullptr;
    QWindow* transitoriaDe = nullptr;
    bool porCima = false;
    bool ativa = false;
};

// Opens a box through the real service and looks at it while it waits for the user.
Vista olharCaixa(const std::function<void()>& abrir)
{
    Vista vista;
    QTimer::singleShot(0, [&vista] {
        esperarAte([] { return QApplication::activeModalWidget() != nullptr; });
        QWidget* caixa = QApplication::activeModalWidget();
        if (!caixa)
            return;
        vista.aberta = caixa->isVisible();
        vista.pai = caixa->parentWidget();
        vista.transitoriaDe = caixa->windowHandle() ? caixa->windowHandle()->transientParent() : nullptr;
        vista.porCima = caixa->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        esperarAte([caixa] { return caixa->isActiveWindow(); });
        vista.ativa = caixa->isActiveWindow();
        static_cast<QDialog*>(caixa)->reject();
    });
    abrir();
    return vista;
}

TEST(Dialogos, OpenAboveTheCalculatorThatAskedAndGiveItTheKeyboardBack)
{
    QTemporaryDir pasta;
    ASSERT_TRUE(pasta.isValid());
    Usuario usuario(pasta.path());
    Bancada b(usuario);
    JanelaCalcula& janela = b.abrir();
    // "Sempre Visível" is on at a first start.
    ASSERT_TRUE(janela.windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    QtMessageService caixaMensagem;
    QtInputService caixaEntrada;
    QtFileDialogService arquivos;
    MessageService& mensagens = caixaMensagem;
    InputService& entrada = caixaEntrada;
    const std::pair<const char*, std::function<void()>> caixas[] = {
        {"message", [&] { mensagens.show(QStringLiteral("Nota"), mb::YesNo); }},
        {"input", [&] { entrada.ask(QStringLiteral("Porta:")); }},
        {"file", [&] {
             FileDialogRequest pedido;
             pedido.initDir = pasta.path();
             arquivos.ShowFileDialog(pedido);
         }},
    };
    for (const auto& [nome, abrir] : caixas) {
        ASSERT_TRUE(esperarAte([&janela] { return janela.isActiveWindow(); })) << nome;
        const Vista vista = olharCaixa(abrir);
        EXPECT_TRUE(vista.aberta) << nome;
        EXPECT_EQ(vista.pai, &janela) << nome;
        EXPECT_EQ(vista.transitoriaDe, janela.windowHandle()) << nome;
        EXPECT_TRUE(vista.porCima) << nome;
        EXPECT_TRUE(vista.ativa) << nome;
        EXPECT_TRUE(esperarAte([&janela] { return janela.isActiveWindow(); })) << nome;
    }
}

// A tool window is put on top through its platform window while it runs modal; the box
// it asks for, and a colour dialog that names a widget inside it, still open above it.
TEST(Dialogos, ABoxStaysAboveAModalWindowPutOnTopThroughItsPlatformWindow)
{
    QDialog ferramenta;
    ferramenta.setModal(true);
    ferramenta.show();
    ASSERT_TRUE(esperarAte([&ferramenta] { return ferramenta.isActiveWindow(); }));
    ferramenta.windowHandle()->setFlags(ferramenta.windowHandle()->flags() | Qt::WindowStaysOnTopHint);
    QWidget campo(&ferramenta);
    const WindowHandle handle = CreateWindowHandle(nullptr, &campo);

    QtMessageService caixaMensagem;
    QtColourDialogService cores;
    MessageService& mensagens = caixaMensagem;
    const std::pair<const char*, std::function<void()>> caixas[] = {
        {"message", [&] { mensagens.show(QStringLiteral("Nota"), mb::OkOnly); }},
        {"colour", [&] {
             ColourDialogRequest pedido;
             pedido.owner = handle;
             cores.ShowColourDialog(pedido);
         }},
    };
    for (const auto& [nome, abrir] : caixas) {
        const Vista vista = olharCaixa(abrir);
        EXPECT_EQ(vista.pai, &ferramenta) << nome;
        EXPECT_TRUE(vista.porCima) << nome;
    }
    DestroyWindowHandle(handle);
}

// The window may go while its box is open (an alarm, the timed power-off, another start
// asking the program to close): the box goes with it and the call gives its escape answer.
TEST(Dialogos, ABoxWhoseWindowIsDeletedWhileOpenEndsWithTheEscapeAnswer)
{
    QtMessageService caixaMensagem;
    QtInputService caixaEntrada;
    QtFileDialogService arquivos;
    QtColourDialogService cores;
    MessageService& mensagens = caixaMensagem;
    InputService& entrada = caixaEntrada;
    const std::pair<const char*, std::function<bool()>> caixas[] = {
        {"message", [&] { return mensagens.show(QStringLiteral("Nota"), mb::YesNo) == mb::No; }},
        {"input", [&] { return entrada.ask(QStringLiteral("Porta:"), {}, QStringLiteral("1")).isEmpty(); }},
        {"file", [&] {
             FileDialogRequest pedido;
             return !arquivos.ShowFileDialog(pedido);
         }},
        {"colour", [&] {
             ColourDialogRequest pedido;
             return !cores.ShowColourDialog(pedido);
         }},
    };
    for (const auto& [nome, abrir] : caixas) {
        auto* janela = new QWidget;
        janela->show();
        ASSERT_TRUE(esperarAte([janela] { return janela->isActiveWindow(); })) << nome;
        QTimer::singleShot(0, [janela] {
            esperarAte([] { return QApplication::activeModalWidget() != nullptr; });
            delete janela;
        });
        EXPECT_TRUE(abrir()) << nome;
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << nome;
    }
}

// A box that comes up by itself (a save failed in the background) while the user types: an
// Enter typed on for the calculator, as the box comes up or a moment later, does not answer
// it; one after a pause does.
TEST(Dialogos, ABoxThatCameUpByItselfTakesAKeyOnlyAfterAPause)
{
    QtMessageService caixaMensagem;
    MessageService& mensagens = caixaMensagem;
    const auto pausar = [] {
        QElapsedTimer pausa;
        pausa.start();
        esperarAte([&pausa] { return pausa.elapsed() > 1500; }, 20000);
    };
    for (const int estilo : {0, int(mb::KeysAfterPause)}) {
        auto* janela = new QWidget;
        janela->show();
        ASSERT_TRUE(esperarAte([janela] { return janela->isActiveWindow(); }));
        int tentativas = 0;
        int respondidaNa = 0;  // which of the three tries answered the box
        QTimer::singleShot(0, [&] {
            esperarAte([] { return QApplication::activeModalWidget() != nullptr; }, 20000);
            const QPointer<QWidget> caixa = QApplication::activeModalWidget();
            esperarAte([&caixa] { return caixa && caixa->isActiveWindow(); }, 20000);
            const auto teclar = [&](const QString& teclas) {
                ++tentativas;
                if (!caixa || !caixa->isVisible())
                    return;
                QTest::keyClicks(QApplication::focusWidget(), teclas);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                if (!caixa || !caixa->isVisible())
                    respondidaNa = tentativas;
            };
            teclar(QStringLiteral("5+"));  // typed on as the box comes up
            pausar();
            teclar(QStringLiteral("7+"));  // a new stream: its first key may count, not its Enter
            pausar();
            teclar({});  // Enter alone after a pause
        });
        EXPECT_EQ(mensagens.show(QStringLiteral("Falha"), mb::Critical | estilo), mb::Ok);
        EXPECT_EQ(respondidaNa, estilo == 0 ? 1 : 3) << estilo;
        delete janela;
    }
}

}  // namespace

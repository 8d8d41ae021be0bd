// Closing a window of the program when another one becomes active, as the tool and
// document windows share it.

#include "support/esperar.h"

#include "host/ui/ativacao.h"
#include "host/ui/janelas.h"

#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QWindow>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

bool ficaAtiva(QWidget* janela)
{
    return esperarAte([janela] { return QApplication::activeWindow() == janela; });
}

class JanelaDoPrograma final : public QWidget, public Janela {
public:
    explicit JanelaDoPrograma(QWidget* parent = nullptr) : QWidget(parent, Qt::Window) {}
    bool Carregada() const override { return isVisible(); }
    void Unload() override { close(); }
};

// A window that follows its activation: it counts its activations, and closes when it is
// left, noting whether that was inside the program's handling of the activation.
struct Seguida {
    Seguida()
    {
        janela.resize(200, 100);
        // Slots run in the order they were connected: the activation's own runs between.
        QObject::connect(qApp, &QGuiApplication::focusWindowChanged, &janela, [this] { naAtivacao = true; });
        ativacao = new AtivacaoJanela(
            janela, [this] { ++ativacoes; },
            [this] {
                ++saidas;
                saiuNaAtivacao = naAtivacao;
                janela.close();
            });
        QObject::connect(qApp, &QGuiApplication::focusWindowChanged, &janela, [this] { naAtivacao = false; });
    }

    JanelaDoPrograma janela;
    AtivacaoJanela* ativacao = nullptr;
    int ativacoes = 0;
    int saidas = 0;
    bool naAtivacao = false;
    bool saiuNaAtivacao = false;
};

// The window is left only for another window of the program that it did not open and
// that does not wait for it; then it closes once, after the activation has run, and
// otherwise its next activation runs anew.
TEST(AtivacaoJanela, AWindowClosesWhenAnotherWindowOfTheProgramIsActivatedAfterIt)
{
    const struct {
        const char* nome;
        std::function<std::unique_ptr<QWidget>(Seguida&)> abrir;
        bool fecha;
        int ativacoesDepois;  // after it is active again
    } casos[] = {
        {"a message box",
         [](Seguida&) { return std::make_unique<QMessageBox>(QMessageBox::Information, "T", "x"); }, false, 1},
        {"a window it opened as its child",
         [](Seguida& s) { return std::make_unique<JanelaDoPrograma>(&s.janela); }, false, 2},
        {"a window it opened while it says so",
         [](Seguida& s) {
             auto outra = std::make_unique<JanelaDoPrograma>();
             AtivacaoJanela::JanelaAberta aberta(*s.ativacao);
             outra->show();
             EXPECT_TRUE(ficaAtiva(outra.get()));
             return outra;
         },
         false, 2},
        {"the window that waits for it",
         [](Seguida& s) {
             auto abridor = std::make_unique<JanelaDoPrograma>();
             s.ativacao->definirAbridor(abridor.get());
             return abridor;
         },
         false, 1},
        {"the calculator window", [](Seguida&) { return std::make_unique<QMainWindow>(); }, true, 1},
        {"another window of the program", [](Seguida&) { return std::make_unique<JanelaDoPrograma>(); }, true, 1},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nome);
        Seguida s;
        s.janela.show();
        ASSERT_TRUE(ficaAtiva(&s.janela));
        ASSERT_TRUE(esperarAte([&] { return s.ativacoes == 1; }));

        const std::unique_ptr<QWidget> outra = caso.abrir(s);
        outra->show();
        ASSERT_TRUE(ficaAtiva(outra.get()));
        if (caso.fecha) {
            ASSERT_TRUE(esperarAte([&] { return !s.janela.isVisible(); }));
            EXPECT_EQ(s.saidas, 1);
            EXPECT_FALSE(s.saiuNaAtivacao);
            continue;
        }
        QCoreApplication::processEvents();
        EXPECT_TRUE(s.janela.isVisible());
        outra->close();
        s.janela.activateWindow();
        ASSERT_TRUE(ficaAtiva(&s.janela));
        QCoreApplication::processEvents();
        EXPECT_EQ(s.ativacoes, caso.ativacoesDepois);
        EXPECT_EQ(s.saidas, 0);
    }
}

}  // namespace

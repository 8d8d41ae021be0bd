// The global hotkeys as the engine sees them: pressed through a fake hotkey service, on key
// windows of the message core, with the window minimised.

#include "calc/hotkeys.h"
#include "support/calculadora.h"
#include "host/texto.h"

#include <QTimer>

#include <functional>

#include <gtest/gtest.h>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

constexpr HotKeyCombination ctrl(int vk) { return {hk::Ctrl, vk}; }
constexpr int kKp0 = 96;
constexpr HotKeyCombination kMais = ctrl(107), kMenos = ctrl(109), kEnter = ctrl(13), kColar = ctrl(45),
                            kEspaco = ctrl(32), kCtrlAltEnter{hk::Ctrl | hk::Alt, 13};

// The keypad's own window procedure: counts what reaches it through the hotkeys' one.
int mensagensDaTecla = 0;
MessageParam ProcTecla(WindowHandle, quint32, MessageParam, MessageParam)
{
    ++mensagensDaTecla;
    return 7;
}

// The program with the focus: Ctrl+C copies its selection, `atrasoMs` later when it is busy.
struct OutroPrograma : KeystrokeService {
    explicit OutroPrograma(ClipboardFalso& c) : clipboard(c) {}
    ClipboardFalso& clipboard;
    QString selecao;
    int atrasoMs = 0;
    QObject vida;  // a copy still due goes with the program
    // Runs when Ctrl+C arrives.
    std::function<void()> aoPedirCopia;
    void sendKeys(const QString& teclas) override
    {
        if (teclas != QLatin1String("^C"))
            return;
        QTimer::singleShot(atrasoMs, &vida, [this] { clipboard.setText(selecao); });
        if (aoPedirCopia)
            aoPedirCopia();
    }
    void closeActiveWindow() override {}
};

class HotKeys : public ::testing::Test {
protected:
    HotKeys()
    {
        for (const auto& a : atalhos.atalhos())
            a.tecla->hWnd = CreateWindowHandle(&ProcTecla);
        c.calc.WindowState = 1;
        mensagensDaTecla = 0;
    }
    ~HotKeys() override
    {
        for (const auto& a : atalhos.atalhos())
            DestroyWindowHandle(a.tecla->hWnd);
    }
    void pressionar(std::initializer_list<HotKeyCombination> teclas)
    {
        for (const HotKeyCombination& t : teclas)
            ASSERT_TRUE(servico.pressionar(t)) << t.virtualKey;
    }

    Calculadora c;
    HotKeysFalsas servico;
    OutroPrograma outro{c.clipboard};
    HotKeysCalcula atalhos{c.calc, ServicosHotKeys{servico, outro, c.clipboard}};
};

TEST_F(HotKeys, KeypadWhileMinimisedAddsAndTotals)
{
    atalhos.RegistrarHotKeys();
    ASSERT_EQ(servico.registros.size(), 21u);
    pressionar({ctrl(kKp0 + 1), ctrl(kKp0 + 2), kMais});
    EXPECT_EQ(c.calc.Caption(), QStringLiteral(" = 12    +"));
    pressionar({ctrl(kKp0 + 3)});
    EXPECT_EQ(c.calc.Caption(), QStringLiteral(" 3"));
    pressionar({kEnter});
    EXPECT_EQ(visivel(c.linhas()), visivel(QStringLiteral("                      12 +\r\n                       3 =\r\n"
                                                          " 002                      \r\n                      15 T\r\n"
                                                          " =========================\r\n")));
    EXPECT_EQ(c.calc.Caption(), QStringLiteral(" = 15 T"));
    EXPECT_FALSE(c.calc.chkMais.Value()) << "an operator key is shown released";
    EXPECT_FALSE(c.calc.chkIgual.Value());
    EXPECT_EQ(mensagensDaTecla, 5) << "every hotkey goes on to the key's own procedure";
}

TEST_F(HotKeys, AdvancedModeSignsWithPlusAndMinusAndTotalsWithCtrlAlt)
{
    c.calc.mnuEnter.setChecked(true);
    atalhos.RegistrarHotKeys();
    pressionar({ctrl(kKp0 + 5), kMenos});
    EXPECT_EQ(c.digitado(), QStringLiteral("-5"));
    pressionar({kMenos});
    EXPECT_EQ(c.digitado(), QStringLiteral("-5")) << "minus on a negative number does nothing";
    pressionar({kMais});
    EXPECT_EQ(c.digitado(), QStringLiteral("5"));
    pressionar({kMais});
    EXPECT_EQ(c.digitado(), QStringLiteral("5")) << "plus on a positive number does nothing";
    pressionar({kMenos, kEnter, ctrl(kKp0 + 8), kEnter, kCtrlAltEnter});
    EXPECT_EQ(visivel(c.linhas()), visivel(QStringLiteral("                      -5 +\r\n                       8 =\r\n"
                                                          " 002                      \r\n                       3 T\r\n"
                                                          " =========================\r\n")));
}

TEST_F(HotKeys, PasteCopiesTheSelectionOfTheFocusedProgramAndAddsIt)
{
    struct Caso {
        const char* selecao;
        int atrasoMs;
        bool mensagem;
    };
    // A busy program copies later than the pause after Ctrl+C: its copy is still taken.
    for (const Caso& caso : {Caso{"1.234,56", 0, false}, Caso{"palavra", 0, true}, Caso{"1.234,56", 600, false}}) {
        SCOPED_TRACE(caso.selecao);
        SCOPED_TRACE(caso.atrasoMs);
        c.mensagens.vistas.clear();
        c.calc.txtFita.setText(c.cabecalho);
        c.calc.LimpaTudo();
        atalhos.RegistrarHotKeys();
        outro.selecao = QString::fromUtf8(caso.selecao);
        outro.atrasoMs = caso.atrasoMs;
        pressionar({kColar});
        EXPECT_EQ(c.digitado(), QStringLiteral("0"));
        EXPECT_TRUE(c.clipboard.conteudo.isEmpty()) << "the clipboard is emptied either way";
        if (caso.mensagem) {
            ASSERT_EQ(c.mensagens.vistas.size(), 1u);
            EXPECT_EQ(c.mensagens.vistas[0].texto, fTexto(224));
            EXPECT_EQ(c.mensagens.vistas[0].flags, mb::Exclamation);
            EXPECT_EQ(c.linhas(), QString());
        } else {
            EXPECT_TRUE(c.mensagens.vistas.empty());
            EXPECT_EQ(visivel(c.linhas()), visivel(QStringLiteral("                1.234,56 +\r\n")));
        }
    }
}

// Nothing to paste: the box says so, and the clipboard is emptied when it is closed unless
// another program copied meanwhile, even the same text; with the monitor on, a number so
// copied is added.
TEST_F(HotKeys, PasteRefusalKeepsACopyMadeWhileItsBoxIsOpen)
{
    struct Caso {
        const char* copiaDurante;  // nullptr: no copy
        bool monitor;
        const char* clipboard;
        const char* linhas;
    };
    for (const Caso& caso :
         {Caso{nullptr, false, "", ""}, Caso{"7", false, "7", ""}, Caso{"palavra", false, "palavra", ""},
          Caso{nullptr, true, "", ""}, Caso{"7", true, "", "7"}}) {
        SCOPED_TRACE(caso.copiaDurante ? caso.copiaDurante : "none");
        SCOPED_TRACE(caso.monitor);
        c.calc.txtFita.setText(c.cabecalho);
        c.calc.LimpaTudo();
        c.calc.mnuMonit.setChecked(caso.monitor);
        c.mensagens.vistas.clear();
        c.mensagens.enquantoAberta = [&] {
            if (caso.copiaDurante)
                c.clipboard.setText(QString::fromUtf8(caso.copiaDurante));
            c.calc.Timer1_Timer();
        };
        atalhos.RegistrarHotKeys();
        outro.selecao = QStringLiteral("palavra");
        pressionar({kColar});
        ASSERT_EQ(c.mensagens.vistas.size(), 1u);
        EXPECT_EQ(c.mensagens.vistas[0].texto, fTexto(224));
        EXPECT_EQ(c.clipboard.conteudo, QString::fromUtf8(caso.clipboard));
        c.calc.Timer1_Timer();
        EXPECT_EQ(visivel(c.linhas()),
                  visivel(*caso.linhas ? linhaFita(QString::fromUtf8(caso.linhas), '+') : QString()));
    }
}

// With the clipboard monitor on, its timer ticks while Ctrl+Insert waits for the copy: the
// copy is Ctrl+Insert's alone, added once and without a message.
TEST_F(HotKeys, PasteTakesItsCopyAloneWhileTheMonitorIsOn)
{
    c.calc.mnuMonit.setChecked(true);
    QTimer tique;
    QObject::connect(&tique, &QTimer::timeout, [this] { c.calc.Timer1_Timer(); });
    tique.start(5);
    atalhos.RegistrarHotKeys();
    for (const char* selecao : {"1.234,56", "25"}) {
        SCOPED_TRACE(selecao);
        c.calc.txtFita.setText(c.cabecalho);
        c.calc.LimpaTudo();
        outro.selecao = QString::fromUtf8(selecao);
        outro.atrasoMs = 50;
        pressionar({kColar});
        for (int i = 0; i < 5; ++i)
            c.calc.Timer1_Timer();
        EXPECT_TRUE(c.mensagens.vistas.empty());
        EXPECT_EQ(visivel(c.linhas()), visivel(linhaFita(QString::fromUtf8(selecao), '+')));
        EXPECT_EQ(c.clipboard.conteudo, QString());
    }
}

// The window unloads (the program is asked to end) while Ctrl+Insert waits for a late copy:
// the unloaded calculation is left alone and no message comes up.
TEST_F(HotKeys, PasteStopsWhenTheHotkeysAreTakenAwayDuringItsWait)
{
    atalhos.RegistrarHotKeys();
    outro.selecao = QStringLiteral("1.234,56");
    outro.atrasoMs = 600;
    bool removidas = false;
    outro.aoPedirCopia = [this, &removidas] {
        QTimer::singleShot(150, [this, &removidas] {
            atalhos.RemoverHotKeys();
            removidas = true;
        });
    };
    pressionar({kColar});
    ASSERT_TRUE(removidas) << "taken away once the paste had asked for the copy";
    EXPECT_EQ(c.linhas(), QString());
    EXPECT_TRUE(c.mensagens.vistas.empty());
}

TEST_F(HotKeys, CtrlSpaceMinimisesAndRestores)
{
    int vezes = 0;
    QObject::connect(&c.calc, &frmCalcula::janelaMudou, [&vezes] { ++vezes; });
    atalhos.RegistrarHotKeys();
    pressionar({kEspaco});
    EXPECT_EQ(c.calc.WindowState, 0);
    pressionar({kEspaco});
    EXPECT_EQ(c.calc.WindowState, 1);
    EXPECT_GE(vezes, 2) << "the view follows each change";
}

TEST_F(HotKeys, RemovingOrDestroyingReleasesEveryHotkeyAndRestoresTheProcedures)
{
    atalhos.RemoverHotKeys();
    EXPECT_EQ(GetWindowProcedure(c.calc.MC.hWnd), &ProcTecla) << "never registered: left alone";

    atalhos.RegistrarHotKeys();
    atalhos.RegistrarHotKeys();
    EXPECT_EQ(GetWindowProcedure(c.calc.MC.hWnd), &WndProcTecla);
    atalhos.RemoverHotKeys();
    EXPECT_TRUE(servico.registros.empty());
    for (const auto& a : atalhos.atalhos())
        EXPECT_EQ(GetWindowProcedure(a.tecla->hWnd), &ProcTecla) << "a second registration keeps the first procedure";

    atalhos.RegistrarHotKeys();
    const WindowHandle mais = c.calc.chkMais.hWnd;
    DestroyWindowHandle(mais);
    EXPECT_EQ(servico.registros.size(), 20u);
    EXPECT_FALSE(servico.pressionar(kMais)) << "the destroyed key's hotkey went with it";
    EXPECT_TRUE(servico.pressionar(ctrl(kKp0 + 4)));
}

TEST_F(HotKeys, ACombinationAnotherProgramHoldsIsMissingAlone)
{
    servico.ocupadas.push_back(ctrl(kKp0 + 7));
    atalhos.RegistrarHotKeys();
    EXPECT_EQ(servico.registros.size(), 20u);
    pressionar({ctrl(kKp0 + 9)});
    EXPECT_EQ(c.digitado(), QStringLiteral("9"));
}

}  // namespace

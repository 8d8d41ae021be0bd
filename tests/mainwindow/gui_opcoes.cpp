// The settings menu's options on the real window: each tick, the setting it writes and what
// it does at once; the key sounds down to the MIDI messages.

#include "bancada.h"

#include "controls/xpbutton.h"
#include "host/registro.h"
#include "host/texto.h"
#include "host/ui/frmsystray.h"
#include "platform/autostart.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

const QString kNada = QStringLiteral("<none>");

class Opcoes : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(pasta.isValid()); }

    static QWidget* foco(JanelaCalcula& janela)
    {
        QWidget* alvo = QApplication::focusWidget();
        return alvo && alvo->window() == &janela ? alvo : janela.centralWidget();
    }

    QTemporaryDir pasta;
};

TEST_F(Opcoes, EnterAddsReshapesThePlusKeyAndItsNoteComesOncePerLoad)
{
    Usuario usuario(pasta.path());
    const QString nota = fTexto(14) + QStringLiteral("\r\n\r\nNOTA: Se as HotKeys estiverem ligadas, agora "
                                                     "CTLR+ALT+ENTER também irá dar o resultado!");
    {
        Bancada b(usuario);
        JanelaCalcula& janela = b.abrir();
        frmCalcula& f = b.form();
        XPButton* mais = janela.botao(f.chkMais);
        const float topo = f.chkMais.Top, altura = f.chkMais.Height;

        b.comando(QStringLiteral("mnuEnter"));
        EXPECT_TRUE(f.mnuEnter.Checked());
        EXPECT_FALSE(f.mnuIgual.Checked());
        EXPECT_EQ(mais->Caption(), QStringLiteral("EN TER"));
        EXPECT_EQ(f.chkMais.Top, f.chkMenos.Top);
        EXPECT_EQ(f.chkMais.Height, 1095);
        EXPECT_EQ(mais->ToolTipText(), QStringLiteral(" Enter "));
        EXPECT_EQ(janela.botao(f.chkIgual)->ToolTipText(), QStringLiteral(" NumLock "));
        EXPECT_EQ(b.conf(QStringLiteral("CalcEnter")), QStringLiteral("True"));
        ASSERT_EQ(b.mensagens.vistas.size(), 1u);
        EXPECT_EQ(b.mensagens.vistas[0].texto, nota);
        EXPECT_EQ(b.mensagens.vistas[0].flags, mb::Information);

        b.comando(QStringLiteral("mnuIgual"));
        EXPECT_EQ(mais->Caption(), QStringLiteral("+"));
        EXPECT_EQ(f.chkMais.Top, topo);
        EXPECT_EQ(f.chkMais.Height, altura);
        EXPECT_EQ(mais->ToolTipText(), QStringLiteral(" + "));
        EXPECT_EQ(b.conf(QStringLiteral("CalcEnter")), QStringLiteral("False"));

        // With small digits the Enter key is shorter; the note does not come again.
        b.comando(QStringLiteral("mnuGrande"));
        b.comando(QStringLiteral("mnuEnter"));
        EXPECT_EQ(f.chkMais.Height, 675);
        EXPECT_EQ(b.mensagens.vistas.size(), 1u);
    }
    // Restored at load: the shape, never the note.
    Bancada seguinte(usuario);
    JanelaCalcula& janela = seguinte.abrir();
    EXPECT_TRUE(seguinte.form().mnuEnter.Checked());
    EXPECT_EQ(janela.botao(seguinte.form().chkMais)->Caption(), QStringLiteral("EN TER"));
    EXPECT_TRUE(seguinte.mensagens.vistas.empty());
}

TEST_F(Opcoes, EachTickWritesItsSettingAndTakesEffectAtOnce)
{
    struct Caso {
        const char* item;
        const char* chave;  // nullptr: the tick is saved at close only
        std::function<void(Bancada&, bool ticado)> efeito;
    };
    const std::vector<Caso> casos = {
        {"mnuInserir", "InserirTexto", [](Bancada& b, bool t) { EXPECT_EQ(b.form().mnuInserir.Checked(), t); }},
        {"mnuNumLock", "NumLock",
         [](Bancada& b, bool t) {
             EXPECT_EQ(b.form().mnuNumLock.Checked(), t);
             // Ticking switches NumLock on there and then; unticking leaves it.
             EXPECT_EQ(b.numLock.ligado, t);
         }},
        {"mnuXP", "MenuXP",
         [](Bancada& b, bool) {
             ASSERT_FALSE(b.mensagens.vistas.empty());
             EXPECT_EQ(b.mensagens.vistas.back().texto, fTexto(218));
             EXPECT_EQ(b.mensagens.vistas.back().flags, mb::Information);
         }},
        {"mnuVisivel", "Visivel",
         [](Bancada& b, bool t) { EXPECT_EQ(b.janela()->windowFlags().testFlag(Qt::WindowStaysOnTopHint), t); }},
        {"mnuSystray", "mnuSystray", [](Bancada& b, bool t) { EXPECT_EQ(b.host->IconePresente(), t); }},
        {"mnuHotKey", nullptr,
         [](Bancada& b, bool t) {
             // Ticking registers the keypad's hotkeys and shows their help.
             EXPECT_EQ(b.hotkeys.registros.size(), t ? 22u : 1u) << "the activation hotkey stays";
             EXPECT_EQ(!b.mensagens.vistas.empty(), t);
             if (t) {
                 EXPECT_TRUE(b.mensagens.vistas.back().texto.contains(QStringLiteral("HOTKEYS")));
             }
         }},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.item);
        QTemporaryDir casa;
        Usuario usuario(casa.path());
        Bancada b(usuario);
        JanelaCalcula& janela = b.abrir();
        // The window's tray icon is the host's, which this test never loaded.
        if (janela.mnuSystray.Checked())
            b.host->SysTray(3);
        const QString item = QString::fromLatin1(caso.item);
        MenuItem* estado = janela.itemMenu(item);
        ASSERT_NE(estado, nullptr);
        for (int vez = 0; vez < 2; ++vez) {
            b.mensagens.vistas.clear();
            b.numLock.ligado = false;
            const bool ticado = !estado->Checked();
            b.comando(item);
            EXPECT_EQ(estado->Checked(), ticado);
            EXPECT_EQ(janela.acao(item)->isChecked(), ticado);
            EXPECT_EQ(b.conf(caso.chave ? QString::fromLatin1(caso.chave) : QStringLiteral("HotKey")),
                      caso.chave ? settingText(ticado) : kNada);
            caso.efeito(b, ticado);
        }
    }
}

TEST_F(Opcoes, WithoutGlobalHotkeysTickingThemSaysTheyAreNotAvailable)
{
    Usuario usuario(pasta.path());
    Bancada b(usuario);
    b.hotkeys.disponivel = false;
    JanelaCalcula& janela = b.abrir();
    b.comando(QStringLiteral("mnuHotKey"));
    b.comando(QStringLiteral("mnuHotKey"));
    EXPECT_TRUE(janela.mnuHotKey.Checked()) << "the choice is kept for a session that has them";
    ASSERT_EQ(b.mensagens.vistas.size(), 1u);
    EXPECT_EQ(b.mensagens.vistas[0].texto, fTexto(1401));
    EXPECT_EQ(b.mensagens.vistas[0].flags, mb::Exclamation);
}

TEST_F(Opcoes, StartWithTheSessionWritesTheAutostartEntryAndTheRunValueAndUntickingRemovesBoth)
{
    Usuario usuario(pasta.path());
    const QString chave = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Run");
    {
        Bancada b(usuario);
        JanelaCalcula& janela = b.abrir();
        const AutostartEntry autostart;
        ASSERT_TRUE(autostart.path().startsWith(pasta.path()));

        b.comando(QStringLiteral("mnuFicar"));
        EXPECT_TRUE(janela.mnuFicar.Checked());
        EXPECT_EQ(LerRegistro(chave, QStringLiteral("Tarvelo"), 7), QStringLiteral("\"/opt/Tarvelo 9/tarvelo\" systray"));
        QFile entrada(autostart.path());
        ASSERT_TRUE(entrada.open(QIODevice::ReadOnly));
        EXPECT_TRUE(entrada.readAll().contains("\nExec=\"/opt/Tarvelo 9/tarvelo\" systray\n"));
    }
    {
        // The next start finds the Run value and shows the tick.
        Bancada b(usuario);
        JanelaCalcula& janela = b.abrir();
        EXPECT_TRUE(janela.mnuFicar.Checked());
        b.comando(QStringLiteral("mnuFicar"));
        EXPECT_FALSE(janela.mnuFicar.Checked());
        EXPECT_TRUE(LerRegistro(chave, QStringLiteral("Tarvelo"), 7).isEmpty());
        EXPECT_FALSE(AutostartEntry().exists());
    }
}

TEST_F(Opcoes, TheInstrumentIsAskedAgainUntilItIsOneAndCancelLeavesNoSound)
{
    Usuario usuario(pasta.path());
    Bancada b(usuario);
    b.abrir();
    frmCalcula& f = b.form();

    // Cancel from None: still None, the output closed, nothing stored.
    b.comando(QStringLiteral("mnuSom"));
    ASSERT_EQ(b.entrada.perguntas.size(), 1u);
    EXPECT_EQ(b.entrada.perguntas[0].prompt, fTexto(57));
    EXPECT_EQ(b.entrada.perguntas[0].titulo, fTexto(58));
    EXPECT_EQ(b.entrada.perguntas[0].proposta, QStringLiteral("0"));
    EXPECT_TRUE(f.mnuSemSom.Checked());
    EXPECT_FALSE(b.midi.isOpen());
    EXPECT_EQ(b.conf(QStringLiteral("Sons")), kNada);
    EXPECT_EQ(b.conf(QStringLiteral("Instrumento")), kNada);

    // Beep works right after.
    b.comando(QStringLiteral("mnuBeep"));
    EXPECT_TRUE(f.mnuBeep.Checked());
    EXPECT_TRUE(b.midi.isOpen());
    EXPECT_EQ(b.midi.mensagens, std::vector<std::uint32_t>{0xC3});
    EXPECT_EQ(b.conf(QStringLiteral("Sons")), QStringLiteral("2"));

    // Out of range and no number are asked again, with the stored proposal each time.
    b.midi.mensagens.clear();
    b.entrada.respostas = {QStringLiteral("128"), QStringLiteral("-1"), QStringLiteral("abc"), QStringLiteral("127")};
    b.comando(QStringLiteral("mnuSom"));
    EXPECT_EQ(b.entrada.propostas().mid(1), QStringList(4, QStringLiteral("0")));
    EXPECT_TRUE(f.mnuSom.Checked());
    // The note of the beep is silenced before the instrument changes.
    EXPECT_EQ(b.midi.mensagens, (std::vector<std::uint32_t>{midi::noteOff(f.NotaAtual + 36), 0x7FC3}));
    EXPECT_EQ(b.conf(QStringLiteral("Instrumento")), QStringLiteral("127"));
    EXPECT_EQ(b.conf(QStringLiteral("Sons")), QStringLiteral("3"));

    b.entrada.respostas = {QStringLiteral("0")};
    b.comando(QStringLiteral("mnuSom"));
    EXPECT_EQ(b.entrada.propostas().last(), QStringLiteral("127"));
    EXPECT_EQ(b.midi.mensagens.back(), 0xC3u);
    EXPECT_EQ(b.conf(QStringLiteral("Instrumento")), QStringLiteral("0"));

    b.comando(QStringLiteral("mnuSemSom"));
    EXPECT_FALSE(b.midi.isOpen());
    EXPECT_EQ(b.conf(QStringLiteral("Sons")), QStringLiteral("1"));
}

TEST_F(Opcoes, KeysSoundTheirNotesOnChannel4)
{
    Usuario usuario(pasta.path());
    Bancada b(usuario);
    JanelaCalcula& janela = b.abrir();
    auto tecla = [&](Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyPress(foco(janela), k, m);
        QTest::keyRelease(foco(janela), k, m);
    };

    // None: no message at all.
    tecla(Qt::Key_5);
    EXPECT_TRUE(b.midi.mensagens.empty());

    // Beep: note 99 at velocity 120 for any key, and its note off.
    b.comando(QStringLiteral("mnuBeep"));
    b.midi.mensagens.clear();
    tecla(Qt::Key_Shift);
    EXPECT_EQ(b.midi.mensagens, (std::vector<std::uint32_t>{0x786393, 0x006393}));

    // Musical: the A key is note 48, the keypad's 1 note 72; the release silences the note
    // started last and its own.
    b.entrada.respostas = {QStringLiteral("40")};
    b.comando(QStringLiteral("mnuSom"));
    b.midi.mensagens.clear();
    tecla(Qt::Key_A);
    tecla(Qt::Key_1, Qt::KeypadModifier);
    EXPECT_EQ(b.midi.mensagens, (std::vector<std::uint32_t>{0x783093, 0x3093, 0x3093, 0x784893, 0x4893, 0x4893}));
}

TEST_F(Opcoes, TheLoadRestoresTheSoundSilently)
{
    struct Caso {
        const char* sons;
        bool sintetizador;
        int ticado;  // 1 none, 2 beep, 3 musical
        std::vector<std::uint32_t> mensagens;
    };
    const Caso casos[] = {
        {"3", true, 3, {0x28C3}},  // instrument 40
        {"2", true, 2, {0xC3}},
        {"2", false, 1, {}},  // no synthesiser: no sound, and nobody is told
        {"3", false, 1, {}},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(std::string(caso.sons) + (caso.sintetizador ? " with a synth" : " without"));
        QTemporaryDir casa;
        Usuario usuario(casa.path());
        usuario.configuracoes.SaveSetting(QStringLiteral("Conf"), QStringLiteral("Sons"), QString::fromLatin1(caso.sons));
        usuario.configuracoes.SaveSetting(QStringLiteral("Conf"), QStringLiteral("Instrumento"), QStringLiteral("40"));
        Bancada b(usuario);
        b.midi.sintetizador = caso.sintetizador;
        b.abrir();
        const frmCalcula& f = b.form();
        EXPECT_EQ(f.mnuSemSom.Checked() * 1 + f.mnuBeep.Checked() * 2 + f.mnuSom.Checked() * 3, caso.ticado);
        EXPECT_EQ(b.midi.isOpen(), caso.ticado != 1);
        EXPECT_EQ(b.midi.mensagens, caso.mensagens);
        EXPECT_TRUE(b.mensagens.vistas.empty());
    }
}

}  // namespace

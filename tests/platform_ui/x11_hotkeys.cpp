// Global hotkeys, synthesised keys and NumLock on a real X server, against another program
// that has the keyboard focus.

#include "support/outroprograma.h"

#include "host/globais.h"
#include "host/sistema.h"
#include "platform/ui/x11connection.h"
#include "platform/ui/x11hotkeys.h"
#include "platform/ui/x11keys.h"
#include "platform/ui/x11keystrokes.h"
#include "platform/ui/x11numlock.h"

#include <QClipboard>
#include <QAbstractNativeEventFilter>
#include <QGuiApplication>

#include <gtest/gtest.h>

#include <algorithm>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

constexpr std::uint32_t kXkKp1 = 0xffb1, kXkKp5 = 0xffb5, kXkKp6 = 0xffb6, kXkKp7 = 0xffb7;
constexpr std::uint32_t kXkCapsLock = 0xffe5, kXkNumLock = 0xff7f, kXkX = 'x';
constexpr int kVkKp0 = 96;
constexpr int kQtKeyControl = Qt::Key_Control;

// The hotkeys each window received, by window.
std::vector<std::pair<WindowHandle, MessageParam>> recebidos;
MessageParam ProcJanela(WindowHandle hWnd, quint32 msg, MessageParam wParam, MessageParam)
{
    if (msg == WM_HOTKEY)
        recebidos.emplace_back(hWnd, wParam);
    return 0;
}

class X11HotKeysNoServidor : public ::testing::Test {
protected:
    void SetUp() override
    {
        recebidos.clear();
        ASSERT_TRUE(servico.available());
        ASSERT_TRUE(outro.pronto());
    }
    void TearDown() override
    {
        DestroyWindowHandle(janela);
        DestroyWindowHandle(segunda);
    }
    X11HotKeys servico;
    OutroPrograma outro{QStringLiteral("abc")};
    WindowHandle janela = CreateWindowHandle(&ProcJanela);
    WindowHandle segunda = CreateWindowHandle(&ProcJanela);
};

TEST_F(X11HotKeysNoServidor, APressReachesItsWindowInEveryLockStateAndNeverTheFocusedProgram)
{
    ASSERT_TRUE(servico.registerHotKey(janela, 1, {hk::Ctrl, kVkKp0 + 1}));
    outro.teclar({kXkControl}, kXkKp1);
    ASSERT_TRUE(esperarAte([] { return recebidos.size() == 1; }));
    EXPECT_EQ(recebidos[0], (std::pair<WindowHandle, MessageParam>(janela, 1)));

    for (const std::uint32_t trava : {kXkCapsLock, kXkNumLock}) {
        outro.teclar({}, trava);
        outro.teclar({kXkControl}, kXkKp1);
        outro.teclar({}, trava);
    }
    EXPECT_TRUE(esperarAte([] { return recebidos.size() == 3; })) << "CapsLock and NumLock hide no hotkey";

    // A key that is no hotkey reaches the program; by then every earlier key has, too.
    outro.teclar({}, kXkX);
    ASSERT_TRUE(esperarAte([&] { return outro.teclas.contains(QStringLiteral("%1 0").arg(int(Qt::Key_X))); }));
    for (const QString& tecla : outro.teclas) {
        const int codigo = tecla.section(QLatin1Char(' '), 0, 0).toInt();
        EXPECT_TRUE(codigo == kQtKeyControl || codigo == Qt::Key_X || codigo == Qt::Key_CapsLock
                    || codigo == Qt::Key_NumLock)
            << "the program received " << tecla.toStdString();
    }
    EXPECT_TRUE(outro.temFoco());
}

TEST_F(X11HotKeysNoServidor, ACombinationAnotherProgramHoldsIsNotAvailableAlone)
{
    ASSERT_TRUE(outro.agarrar(XCB_MOD_MASK_CONTROL, kXkKp5));
    EXPECT_FALSE(servico.registerHotKey(janela, 1, {hk::Ctrl, kVkKp0 + 5}));
    EXPECT_TRUE(servico.registerHotKey(segunda, 1, {hk::Ctrl, kVkKp0 + 6}));
    outro.soltar(XCB_MOD_MASK_CONTROL, kXkKp5);
    outro.teclar({kXkControl}, kXkKp6);
    EXPECT_TRUE(esperarAte([&] { return recebidos.size() == 1 && recebidos[0].first == segunda; }));
    EXPECT_FALSE(servico.registerHotKey(janela, 2, {hk::Ctrl, kVkKp0 + 6})) << "one combination, one window";
}

TEST_F(X11HotKeysNoServidor, AClaimOfSeveralAtOnceAnswersEachAsAloneWould)
{
    ASSERT_TRUE(outro.agarrar(XCB_MOD_MASK_CONTROL, kXkKp5));
    const std::vector<bool> concedidos = servico.registerHotKeys(
        {{janela, 1, {hk::Ctrl, kVkKp0 + 5}}, {janela, 2, {hk::Ctrl, kVkKp0 + 6}}, {segunda, 1, {hk::Ctrl, kVkKp0 + 6}}});
    EXPECT_EQ(concedidos, (std::vector<bool>{false, true, false})) << "held elsewhere; granted; one combination, one window";
    outro.soltar(XCB_MOD_MASK_CONTROL, kXkKp5);
    EXPECT_TRUE(outro.agarrar(XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_LOCK, kXkKp5)) << "the refused claim keeps no grab";
    outro.soltar(XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_LOCK, kXkKp5);
    outro.teclar({kXkControl}, kXkKp6);
    EXPECT_TRUE(esperarAte([&] { return recebidos.size() == 1 && recebidos[0] == std::pair<WindowHandle, MessageParam>(janela, 2); }));
}

TEST_F(X11HotKeysNoServidor, UnregisteringLeavesNoGrabBehind)
{
    const std::uint16_t numLock = XCB_MOD_MASK_2;
    ASSERT_TRUE(servico.registerHotKey(janela, 1, {hk::Ctrl, kVkKp0 + 7}));
    EXPECT_FALSE(outro.agarrar(XCB_MOD_MASK_CONTROL | numLock, kXkKp7));
    servico.unregisterHotKey(janela, 1);
    for (const std::uint16_t trava : {std::uint16_t(0), std::uint16_t(XCB_MOD_MASK_LOCK), numLock}) {
        const auto mascara = static_cast<std::uint16_t>(XCB_MOD_MASK_CONTROL | trava);
        EXPECT_TRUE(outro.agarrar(mascara, kXkKp7)) << trava;
        outro.soltar(mascara, kXkKp7);
    }
}

TEST_F(X11HotKeysNoServidor, SynthesisedKeysReachTheFocusedProgram)
{
    X11Keystrokes teclas;
    ASSERT_TRUE(teclas.available());
    QGuiApplication::clipboard()->setText(QStringLiteral("42"));
    teclas.sendKeys(QStringLiteral("{END}"));
    teclas.sendKeys(QStringLiteral("+{HOME}"));
    teclas.sendKeys(QStringLiteral("^V"));
    EXPECT_TRUE(esperarAte([&] { return outro.texto == QLatin1String("42"); })) << outro.texto.toStdString();
}

// The user's Ctrl, held from a hotkey, goes up before a copy keystroke, between any two of
// its requests, or after it: the focused program copies every time, and no plain "c" ever
// replaces its selected text.
TEST_F(X11HotKeysNoServidor, ACopyKeystrokeTypesNoLetterWhereverTheUsersCtrlGoesUp)
{
    xcb_connection_t* conexao = x11Connection();
    const xcb_window_t raiz = x11Root(conexao);
    const auto aoServidor = [conexao] {
        std::free(xcb_get_input_focus_reply(conexao, xcb_get_input_focus(conexao), nullptr));
    };
    const QString copiaDoOutro =
        QString::number(Qt::Key_C) + QLatin1Char(' ') + QString::number(int(Qt::ControlModifier));
    QClipboard* clipboard = QGuiApplication::clipboard();
    constexpr std::size_t kEventos = 4;  // Ctrl and C, down and up
    for (std::size_t solta = 0; solta <= kEventos; ++solta) {
        SCOPED_TRACE(solta);
        clipboard->clear();
        ASSERT_TRUE(esperarAte([&] { return clipboard->text().isEmpty(); }));
        outro.segurar(kXkControl, true);
        const std::vector<X11KeyEvent> eventos = x11KeyEvents(conexao, QStringLiteral("^C"));
        ASSERT_EQ(eventos.size(), kEventos);
        for (std::size_t i = 0; i <= eventos.size(); ++i) {
            if (i == solta) {
                aoServidor();
                outro.segurar(kXkControl, false);
            }
            if (i < eventos.size())
                sendX11KeyEvent(conexao, raiz, eventos[i]);
        }
        aoServidor();
        EXPECT_TRUE(esperarAte([&] { return clipboard->text() == QLatin1String("abc"); }))
            << clipboard->text().toStdString();
        EXPECT_TRUE(esperarAte([&] { return outro.teclas.count(copiaDoOutro) == qsizetype(solta + 1); }));
    }
    for (const QString& tecla : outro.teclas)
        EXPECT_TRUE(tecla == copiaDoOutro || !tecla.startsWith(QString::number(Qt::Key_C) + QLatin1Char(' ')))
            << "a plain " << tecla.toStdString();
    EXPECT_EQ(outro.texto, QLatin1String("abc"));
}

TEST_F(X11HotKeysNoServidor, NumLockIsSwitchedBackOn)
{
    X11NumLock numLock;
    if (numLock.isOn())
        outro.teclar({}, kXkNumLock);
    ASSERT_TRUE(esperarAte([&] { return !numLock.isOn(); }));
    ScopedGlobais escopo;
    ManterNumLock(false, numLock);
    EXPECT_FALSE(numLock.isOn()) << "the option is off";
    ManterNumLock(true, numLock);
    EXPECT_TRUE(numLock.isOn());
    EXPECT_TRUE(globais().gNumLockAuto);
}

}  // namespace

// A spare key code of the server that carries the keypad's 8 for as long as it lives, as a
// layout switch would give it; the code is spare again afterwards.
class TeclaAcrescentada {
public:
    explicit TeclaAcrescentada(xcb_connection_t* conexao) : conexao_(conexao)
    {
        const xcb_setup_t* setup = xcb_get_setup(conexao_);
        const int quantas = setup->max_keycode - setup->min_keycode + 1;
        std::unique_ptr<xcb_get_keyboard_mapping_reply_t, void (*)(void*)> mapa(
            xcb_get_keyboard_mapping_reply(
                conexao_, xcb_get_keyboard_mapping(conexao_, setup->min_keycode, static_cast<std::uint8_t>(quantas)),
                nullptr),
            std::free);
        porCodigo_ = mapa->keysyms_per_keycode;
        const xcb_keysym_t* simbolos = xcb_get_keyboard_mapping_keysyms(mapa.get());
        for (int i = quantas - 1; i >= 0 && codigo == 0; --i)
            if (std::all_of(simbolos + i * porCodigo_, simbolos + (i + 1) * porCodigo_, [](xcb_keysym_t s) { return s == 0; }))
                codigo = static_cast<xcb_keycode_t>(setup->min_keycode + i);
        if (codigo != 0)
            mapear(0xffb8);
    }
    ~TeclaAcrescentada()
    {
        if (codigo != 0)
            mapear(0);
    }
    xcb_keycode_t codigo = 0;

private:
    void mapear(xcb_keysym_t simbolo)
    {
        std::vector<xcb_keysym_t> simbolos(porCodigo_, 0);
        simbolos[0] = simbolo;
        xcb_change_keyboard_mapping(conexao_, 1, codigo, static_cast<std::uint8_t>(porCodigo_), simbolos.data());
        xcb_flush(conexao_);
    }
    xcb_connection_t* conexao_;
    int porCodigo_ = 0;
};

// Notes whether the program has read a keyboard map change: filters run newest first, so
// by the time this one has seen it the hotkeys' own filter has, too.
class AvisoDeMapa : public QAbstractNativeEventFilter {
public:
    bool visto = false;
    bool nativeEventFilter(const QByteArray&, void* mensagem, qintptr*) override
    {
        const auto* evento = static_cast<const xcb_generic_event_t*>(mensagem);
        visto = visto || (evento->response_type & ~0x80) == XCB_MAPPING_NOTIFY;
        return false;
    }
};

TEST_F(X11HotKeysNoServidor, AKeyTheKeyboardMapGainsAfterTheFirstHotkeyIsGrabbedToo)
{
    ASSERT_TRUE(servico.registerHotKey(janela, 1, {hk::Ctrl, kVkKp0 + 1}));
    AvisoDeMapa aviso;
    QCoreApplication::instance()->installNativeEventFilter(&aviso);
    TeclaAcrescentada acrescentada(x11Connection());
    ASSERT_NE(acrescentada.codigo, 0) << "the server has no spare key code";
    ASSERT_TRUE(esperarAte([&] { return aviso.visto; }));
    QCoreApplication::instance()->removeNativeEventFilter(&aviso);

    ASSERT_TRUE(servico.registerHotKey(segunda, 1, {hk::Ctrl, kVkKp0 + 8}));
    xcb_connection_t* conexao = x11Connection();
    const xcb_keycode_t control = X11Keyboard(conexao).keycode(0x11);
    for (const auto& [tipo, codigo] : {std::pair{XCB_KEY_PRESS, control}, {XCB_KEY_PRESS, acrescentada.codigo},
                                       {XCB_KEY_RELEASE, acrescentada.codigo}, {XCB_KEY_RELEASE, control}})
        xcb_test_fake_input(conexao, tipo, codigo, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_flush(conexao);
    EXPECT_TRUE(esperarAte([&] { return recebidos.size() == 1 && recebidos[0].first == segunda; }));
}

// The calculator's global hotkeys on a real X server: the window minimised, another
// program with the keyboard focus, the keys typed on the server's keyboard.

#include "bancada.h"
#include "support/outroprograma.h"

#include "host/texto.h"
#include "platform/ui/x11hotkeys.h"
#include "platform/ui/x11keystrokes.h"

#include <QApplication>
#include <QClipboard>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

constexpr std::uint32_t kKp0 = 0xffb0, kKpMais = 0xffab, kKpMenos = 0xffad, kEnter = 0xff0d, kInsert = 0xff63,
                        kEspaco = 0x20, kC = 'c';

Bancada::Inicio inicioX11(HotKeyService& hotkeys, KeystrokeService& teclas)
{
    Bancada::Inicio inicio;
    inicio.hotkeys = &hotkeys;
    inicio.teclas = &teclas;
    return inicio;
}

class HotKeysNoServidor : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(hotkeys.available());
        janela = &b.abrir();
    }
    // The window minimised while the other program has the focus. The window manager's
    // answer comes later than the window's own state: a key typed before it lands could
    // see the restore it asked for undone by that late minimise.
    void minimizar(OutroPrograma& outro)
    {
        ASSERT_TRUE(outro.pronto());
        janela->showMinimized();
        ASSERT_TRUE(esperarAte([&] { return b.form().WindowState == 1 && minimizadaNoServidor(outro); }));
    }
    bool minimizadaNoServidor(OutroPrograma& outro) const
    {
        return outro.minimizadaNoServidor(static_cast<xcb_window_t>(janela->winId()));
    }
    QString fita() const { return b.form().txtFita.Text(); }
    // Every key the other program received was a modifier.
    static void recebeuSoModificadores(const OutroPrograma& outro)
    {
        for (const QString& tecla : outro.teclas) {
            const int codigo = tecla.section(QLatin1Char(' '), 0, 0).toInt();
            EXPECT_TRUE(codigo == Qt::Key_Control || codigo == Qt::Key_Alt) << tecla.toStdString();
        }
    }

    QTemporaryDir pasta;
    X11HotKeys hotkeys;
    X11Keystrokes teclas;
    Usuario usuario{pasta.path()};
    Bancada b{usuario, inicioX11(hotkeys, teclas)};
    JanelaCalcula* janela = nullptr;
};

TEST_F(HotKeysNoServidor, TheKeypadCalculatesWhileMinimisedAndTheOtherProgramKeepsTheFocus)
{
    OutroPrograma outro(QStringLiteral("abc"));
    minimizar(outro);
    for (const std::uint32_t tecla : {kKp0 + 1, kKp0 + 2, kKpMais, kKp0 + 3, kEnter})
        outro.teclar({kXkControl}, tecla);
    ASSERT_TRUE(esperarAte([&] { return janela->windowTitle() == QLatin1String(" = 15 T"); }))
        << janela->windowTitle().toStdString();
    EXPECT_TRUE(fita().endsWith(QStringLiteral("                      12 +\r\n                       3 =\r\n"
                                               " 002                      \r\n                      15 T\r\n"
                                               " =========================\r\n")))
        << visivel(fita());
    EXPECT_TRUE(outro.temFoco());
    recebeuSoModificadores(outro);
}

TEST_F(HotKeysNoServidor, AdvancedModeSignsWithMinusAddsWithEnterAndTotalsWithCtrlAltEnter)
{
    b.comando(QStringLiteral("mnuEnter"));
    OutroPrograma outro(QStringLiteral("abc"));
    minimizar(outro);
    for (const std::uint32_t tecla : {kKp0 + 5, kKpMenos, kEnter, kKp0 + 8, kKpMais, kEnter})
        outro.teclar({kXkControl}, tecla);
    outro.teclar({kXkControl, kXkAlt}, kEnter);
    ASSERT_TRUE(esperarAte([&] { return janela->windowTitle() == QLatin1String(" = 3 T"); }))
        << janela->windowTitle().toStdString();
    EXPECT_TRUE(fita().endsWith(QStringLiteral("                      -5 +\r\n                       8 =\r\n"
                                               " 002                      \r\n                       3 T\r\n"
                                               " =========================\r\n")))
        << visivel(fita());
    recebeuSoModificadores(outro);
}

TEST_F(HotKeysNoServidor, CtrlInsertCopiesTheOtherProgramsSelectionAndEmptiesTheClipboard)
{
    {
        OutroPrograma outro(QStringLiteral("1.234,56"));
        minimizar(outro);
        outro.teclar({kXkControl}, kInsert);
        EXPECT_TRUE(esperarAte([&] { return fita().endsWith(QStringLiteral("1.234,56 +\r\n")); })) << visivel(fita());
        EXPECT_TRUE(esperarAte([] { return QApplication::clipboard()->text().isEmpty(); }));
    }
    OutroPrograma outro(QStringLiteral("palavra"));
    ASSERT_TRUE(outro.pronto());
    const QString antes = fita();
    outro.teclar({kXkControl}, kInsert);
    ASSERT_TRUE(esperarAte([&] { return !b.mensagens.vistas.empty(); }));
    EXPECT_EQ(b.mensagens.vistas.back().texto, fTexto(224));
    EXPECT_EQ(fita(), antes);
    EXPECT_TRUE(esperarAte([] { return QApplication::clipboard()->text().isEmpty(); }));
}

// The user lets go of Ctrl at once, or only once the copy is in: either way the other
// program copies its selection, and no plain "c" replaces it.
TEST_F(HotKeysNoServidor, CtrlInsertTypesNoLetterWhetherCtrlIsReleasedOrHeld)
{
    const QString copia = QString::number(Qt::Key_C) + QLatin1Char(' ') + QString::number(int(Qt::ControlModifier));
    for (const bool segura : {false, true}) {
        SCOPED_TRACE(segura);
        OutroPrograma outro(QStringLiteral("25"));
        minimizar(outro);
        const QString antes = fita();
        if (segura) {
            outro.segurar(kXkControl, true);
            outro.teclar({}, kInsert);
        } else {
            outro.teclar({kXkControl}, kInsert);
        }
        EXPECT_TRUE(esperarAte([&] { return fita() == antes + linhaFita(QStringLiteral("25"), '+'); }))
            << visivel(fita());
        EXPECT_TRUE(esperarAte([] { return QApplication::clipboard()->text().isEmpty(); }));
        if (segura)
            outro.segurar(kXkControl, false);
        EXPECT_TRUE(esperarAte([&] { return outro.teclas.contains(copia); }));
        for (const QString& tecla : outro.teclas)
            EXPECT_TRUE(tecla == copia || !tecla.startsWith(QString::number(Qt::Key_C) + QLatin1Char(' ')))
                << "a plain " << tecla.toStdString();
        EXPECT_EQ(outro.texto, QLatin1String("25"));
    }
}

TEST_F(HotKeysNoServidor, CtrlShiftCBringsTheWindowBackAndCtrlSpaceMinimisesIt)
{
    OutroPrograma outro(QStringLiteral("abc"));
    minimizar(outro);
    outro.teclar({kXkControl, kXkShift}, kC);
    ASSERT_TRUE(esperarAte([&] {
        return !janela->isMinimized() && QApplication::activeWindow() == janela && !minimizadaNoServidor(outro);
    }));
    outro.teclar({kXkControl}, kEspaco);
    ASSERT_TRUE(esperarAte([&] { return janela->isMinimized() && minimizadaNoServidor(outro); }));
    outro.teclar({kXkControl}, kEspaco);
    EXPECT_TRUE(esperarAte([&] { return !janela->isMinimized() && !minimizadaNoServidor(outro); }));
}

TEST_F(HotKeysNoServidor, SwitchingThemOffOrUnloadingTheWindowLeavesNoGrab)
{
    OutroPrograma outro(QStringLiteral("abc"));
    ASSERT_TRUE(outro.pronto());
    const std::uint16_t ctrl = XCB_MOD_MASK_CONTROL, ctrlAlt = XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1,
                        ctrlShift = XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_SHIFT;
    const std::vector<std::pair<std::uint16_t, std::uint32_t>> teclado{
        {ctrl, kKp0 + 1}, {ctrl, kKpMais}, {ctrl, kEnter}, {ctrlAlt, kEnter}, {ctrl, kInsert}, {ctrl, kEspaco}};
    const auto livre = [&outro](std::uint16_t mods, std::uint32_t tecla) {
        const bool pego = outro.agarrar(mods, tecla);
        if (pego)
            outro.soltar(mods, tecla);
        return pego;
    };

    EXPECT_FALSE(livre(ctrl, kKp0 + 1)) << "on at load";
    b.comando(QStringLiteral("mnuHotKey"));
    for (const auto& [mods, tecla] : teclado)
        EXPECT_TRUE(livre(mods, tecla)) << std::hex << tecla;
    EXPECT_FALSE(livre(ctrlShift, kC)) << "the activation hotkey stays with the window";

    b.comando(QStringLiteral("mnuHotKey"));
    janela->close();
    ASSERT_TRUE(esperarAte([&] { return b.janela() == nullptr; }));
    for (const auto& [mods, tecla] : teclado)
        EXPECT_TRUE(livre(mods, tecla)) << std::hex << tecla;
    EXPECT_TRUE(livre(ctrlShift, kC));
}

}  // namespace

#pragma once

// Another program on the same X server, for the X11 tests: the text field of campo_texto
// (built next to the tests), and an X connection of the test's own that types keys and
// clicks through XTest, asks who has the focus and grabs keys as a third program would.

#include "support/esperar.h"

#include <QCoreApplication>
#include <QPoint>
#include <QProcess>
#include <QStringList>

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>
#include <xcb/xtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <vector>

namespace tarvelo::teste {

inline constexpr std::uint32_t kXkControl = 0xffe3, kXkAlt = 0xffe9, kXkShift = 0xffe1;

class OutroPrograma {
public:
    explicit OutroPrograma(const QString& textoInicial, QPoint onde = {500, 400})
        : texto(textoInicial), conexao_(xcb_connect(nullptr, nullptr)), simbolos_(xcb_key_symbols_alloc(conexao_))
    {
        raiz_ = xcb_setup_roots_iterator(xcb_get_setup(conexao_)).data->root;
        QObject::connect(&processo_, &QProcess::readyReadStandardOutput, [this] { ler(); });
        processo_.start(QCoreApplication::applicationDirPath() + QStringLiteral("/campo_texto"),
                        {QString::number(onde.x()), QString::number(onde.y()), textoInicial});
        onde_ = onde;
    }
    ~OutroPrograma()
    {
        processo_.kill();
        processo_.waitForFinished(5000);
        xcb_key_symbols_free(simbolos_);
        xcb_disconnect(conexao_);
    }
    OutroPrograma(const OutroPrograma&) = delete;
    OutroPrograma& operator=(const OutroPrograma&) = delete;

    // Shown, with the keyboard focus.
    bool pronto() { return esperarAte([this] { return janela != 0; }); }
    bool temFoco()
    {
        std::unique_ptr<xcb_get_input_focus_reply_t, void (*)(void*)> foco(
            xcb_get_input_focus_reply(conexao_, xcb_get_input_focus(conexao_), nullptr), std::free);
        return foco && foco->focus == janela;
    }
    // The centre of its text field on the screen.
    QPoint centro() const { return onde_ + QPoint(150, 20); }

    // One key with modifiers held around it, typed on the keyboard.
    void teclar(std::initializer_list<std::uint32_t> modificadores, std::uint32_t simbolo)
    {
        for (const std::uint32_t m : modificadores)
            tecla(m, true);
        tecla(simbolo, true);
        tecla(simbolo, false);
        for (auto it = std::rbegin(modificadores); it != std::rend(modificadores); ++it)
            tecla(*it, false);
        xcb_flush(conexao_);
    }
    // One key going down or up alone, as a key held by the user; the server has taken it
    // when this returns.
    void segurar(std::uint32_t simbolo, bool pressionada)
    {
        tecla(simbolo, pressionada);
        std::free(xcb_get_input_focus_reply(conexao_, xcb_get_input_focus(conexao_), nullptr));
    }
    // The pointer moves there; with `clique` the left button goes down and up.
    void mouse(QPoint onde, bool clique)
    {
        xcb_test_fake_input(conexao_, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, raiz_, static_cast<int16_t>(onde.x()),
                            static_cast<int16_t>(onde.y()), 0);
        if (clique) {
            xcb_test_fake_input(conexao_, XCB_BUTTON_PRESS, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
            xcb_test_fake_input(conexao_, XCB_BUTTON_RELEASE, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        }
        xcb_flush(conexao_);
    }
    // Grabs the key on the root window as a third program; true when the server allowed it.
    // The grab stays until soltar.
    bool agarrar(std::uint16_t modificadores, std::uint32_t simbolo)
    {
        const xcb_keycode_t codigo = codigoDe(simbolo);
        std::unique_ptr<xcb_generic_error_t, void (*)(void*)> erro(
            xcb_request_check(conexao_, xcb_grab_key_checked(conexao_, 0, raiz_, modificadores, codigo,
                                                              XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC)),
            std::free);
        return !erro;
    }
    void soltar(std::uint16_t modificadores, std::uint32_t simbolo)
    {
        xcb_ungrab_key(conexao_, codigoDe(simbolo), raiz_, modificadores);
        xcb_flush(conexao_);
    }

    // Whether the window manager holds `outra` minimised: what it wrote in the window's
    // WM_STATE, which lags the program's own idea of its window while the manager is busy.
    bool minimizadaNoServidor(xcb_window_t outra)
    {
        constexpr std::uint32_t kIconicState = 3;
        const xcb_atom_t wmState = atomo("WM_STATE");
        std::unique_ptr<xcb_get_property_reply_t, void (*)(void*)> estado(
            xcb_get_property_reply(conexao_, xcb_get_property(conexao_, 0, outra, wmState, wmState, 0, 1), nullptr),
            std::free);
        return estado && xcb_get_property_value_length(estado.get()) >= 4 &&
               *static_cast<const std::uint32_t*>(xcb_get_property_value(estado.get())) == kIconicState;
    }

    xcb_window_t janela = 0;
    QString texto;
    QStringList teclas;  // "<Qt key> <modifiers>" of every key press it received

private:
    xcb_keycode_t codigoDe(std::uint32_t simbolo)
    {
        std::unique_ptr<xcb_keycode_t, void (*)(void*)> codigos(xcb_key_symbols_get_keycode(simbolos_, simbolo),
                                                                std::free);
        return codigos ? codigos.get()[0] : 0;
    }
    xcb_atom_t atomo(const char* nome)
    {
        std::unique_ptr<xcb_intern_atom_reply_t, void (*)(void*)> resposta(
            xcb_intern_atom_reply(conexao_, xcb_intern_atom(conexao_, 0, std::strlen(nome), nome), nullptr), std::free);
        return resposta ? resposta->atom : xcb_atom_t{XCB_ATOM_NONE};
    }
    void tecla(std::uint32_t simbolo, bool pressionada)
    {
        xcb_test_fake_input(conexao_, pressionada ? XCB_KEY_PRESS : XCB_KEY_RELEASE, codigoDe(simbolo),
                            XCB_CURRENT_TIME, raiz_, 0, 0, 0);
    }
    void ler()
    {
        while (processo_.canReadLine()) {
            const QString linha = QString::fromUtf8(processo_.readLine()).chopped(1);
            if (linha.startsWith(QLatin1String("janela ")))
                janela = linha.mid(7).toUInt();
            else if (linha.startsWith(QLatin1String("tecla ")))
                teclas << linha.mid(6);
            else if (linha.startsWith(QLatin1String("texto ")))
                texto = linha.mid(6);
        }
    }

    xcb_connection_t* conexao_;
    xcb_key_symbols_t* simbolos_;
    xcb_window_t raiz_ = XCB_NONE;
    QProcess processo_;
    QPoint onde_;
};

}  // namespace tarvelo::teste

#pragma once

// A calculator window model wired to recording fakes, in the Brazilian locale, loaded
// and shown as the window's load leaves it, with a tape holding only its dated header.

#include "calc/frmcalcula.h"
#include "host/globais.h"
#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/keystrokes.h"
#include "platform/localeinfo.h"
#include "platform/messagebox.h"
#include "platform/midi.h"
#include "platform/registry.h"
#include "platform/settings.h"

#include <QDateTime>
#include <QStringList>
#include <QTemporaryDir>

#include <ostream>
#include <string>
#include <vector>

// QString in failure messages as text, not as a list of 2-byte objects.
inline void PrintTo(const QString& texto, std::ostream* os)
{
    *os << '"' << texto.toStdString() << '"';
}

namespace tarvelo::teste {

struct ClipboardFalso : ClipboardService {
    QString conteudo;
    QString text() const override { return conteudo; }
    bool hasText() const override { return !conteudo.isEmpty(); }
    void setText(const QString& text) override { conteudo = text; }
    void clear() override { conteudo.clear(); }
};

struct MensagensFalsas : MessageService {
    struct Vista {
        QString texto;
        int flags;
    };
    std::vector<Vista> vistas;
    int resposta = mb::No;
    int show(const QString& text, int flags, const QString&) override
    {
        vistas.push_back({text, flags});
        return resposta;
    }
};

struct MidiFalso : MidiOut {
    bool aberto = false;
    std::vector<std::uint32_t> mensagens;
    bool open() override { return aberto = true; }
    void close() override { aberto = false; }
    bool isOpen() const override { return aberto; }
    void shortMessage(std::uint32_t message) override { mensagens.push_back(message); }
};

struct TeclasFalsas : KeystrokeService {
    QStringList enviadas;
    int fechamentos = 0;
    void sendKeys(const QString& keys) override { enviadas << keys; }
    void sendKeyEvent(int, int, bool) override {}
    void closeActiveWindow() override { ++fechamentos; }
};

struct RelogioFalso : ClockService {
    QDateTime agora{QDate(2025, 3, 5), QTime(9, 5, 7)};
    QDateTime now() const override { return agora; }
};

// The text with CR and LF spelled out, one tape line per output line, so that a failed
// comparison shows where a line break went wrong.
std::string visivel(const QString& texto);

class Calculadora {
public:
    // `formato`: the number-format index the window's load restores.
    explicit Calculadora(int formato = 2);

    // Types the keys as the user would: "\r" is Enter, "\b" Backspace, "\x1b" Esc.
    void teclas(const QString& sequencia);
    // The tape after its header.
    QString linhas() const;
    QString visor() const { return calc.lblVisor[0].Caption(); }
    QString entrada() const { return calc.txtEntrada.Text(); }
    QString total() const { return calc.lblTotal.Caption(); }

    ScopedLocale locale{LocaleInfo::brazil()};
    ScopedGlobais globais_;
    QTemporaryDir pasta;
    Registry registro{pasta.path()};
    SettingsStore configuracoes{registro};
    ClipboardFalso clipboard;
    MensagensFalsas mensagens;
    MidiFalso midi;
    TeclasFalsas teclado;
    RelogioFalso relogio;
    frmCalcula calc{ServicosCalcula{clipboard, mensagens, midi, teclado, relogio, configuracoes}};
    QString cabecalho;
};

}  // namespace tarvelo::teste

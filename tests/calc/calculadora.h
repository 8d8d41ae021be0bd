#pragma once

// A calculator window model wired to recording fakes, in the Brazilian locale, loaded
// and shown as the window's load leaves it, with a tape holding only its dated header.

#include "calc/frmcalcula.h"
#include "falsos.h"
#include "host/globais.h"
#include "platform/localeinfo.h"
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

#pragma once

// The calculator's form model over the recording fakes, in the Brazilian locale (or the one
// given, whose decimal symbol is then the program's), on 5 March 2025 at 09:05:07, with a
// program folder of its own: loaded and shown as the window's load leaves it, with a tape
// holding only its dated header.

#include "calc/frmcalcula.h"
#include "host/globais.h"
#include "platform/localeinfo.h"
#include "platform/registry.h"
#include "platform/settings.h"
#include "support/falsos.h"
#include "support/texto.h"

#include <QByteArray>
#include <QTemporaryDir>

namespace tarvelo::teste {

class Calculadora {
public:
    // `formato`: the number-format index the window's load restores.
    explicit Calculadora(int formato = 2, const LocaleInfo& regiao = LocaleInfo::brazil());

    // Types the keys as the user would: "\r" is Enter, "\b" Backspace, "\x1b" Esc.
    void teclas(const QString& sequencia);
    // The tape after its header.
    QString linhas() const;
    QString visor() const { return calc.lblVisor[0].Caption(); }
    QString digitado() const { return calc.txtEntrada.Text(); }
    QString total() const { return calc.lblTotal.Caption(); }
    // The program folder, with its trailing "/".
    QString pasta() const { return globais().gPastaApp; }
    // The backup file "calcula.txt"; empty when missing.
    QByteArray backup() const;

    ScopedLocale locale;
    ScopedGlobais globais_;
    QTemporaryDir dados;
    Registry registro{dados.path() + QStringLiteral("/registry")};
    SettingsStore configuracoes{registro};
    ClipboardFalso clipboard;
    MensagensFalsas mensagens;
    MidiFalso midi;
    TeclasFalsas teclado;
    RelogioFalso relogio;
    EntradaFalsa entrada;
    DialogoFalso dialogo;
    ShellFalso shell;
    NumLockFalso numLock;
    frmCalcula calc{
        ServicosCalcula{clipboard, mensagens, midi, teclado, relogio, configuracoes, entrada, dialogo, shell, numLock}};
    QString cabecalho;
};

}  // namespace tarvelo::teste

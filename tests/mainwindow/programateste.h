#pragma once

// One start of the program inside the test process, as far as the calculator window needs
// it: its data folder, globals, registry and settings, a host that is never loaded (so
// no tray and no instance channel), the calculator's default instance and the real window
// over fakes for everything that would open a dialog or a device.

#include "calc/frmcalcula.h"
#include "support/esperar.h"
#include "host/globais.h"
#include "host/ui/frmsystray.h"
#include "host/ui/janelas.h"
#include "mainwindow/calculadorapadrao.h"
#include "mainwindow/janelacalcula.h"
#include "platform/localeinfo.h"
#include "platform/registry.h"
#include "platform/settings.h"
#include "platform/ui/qtservices.h"
#include "support/falsos.h"
#include "support/texto.h"

#include <functional>
#include <memory>

namespace tarvelo::teste {

// The files and settings one user keeps between starts.
struct Usuario {
    explicit Usuario(const QString& pasta);
    QString pasta;  // with a trailing "/"
    Registry registro;
    SettingsStore configuracoes{registro};
};

// 10:00 on 5 March 2025.
RelogioFalso relogioDoPrograma();

// The host's services for this user: its settings, its own instance channel, a fixed clock
// and a desktop without a tray.
ServicosHost servicosHost(Usuario& usuario);

class Programa {
public:
    // `comando` is the command line the start was given ("mini", ...).
    explicit Programa(Usuario& usuario, const QString& comando = {});
    ~Programa();

    // Shows the calculator as the host does at start and waits for its first activation.
    JanelaCalcula& abrir();
    JanelaCalcula* janela() const { return calculadora->janela(); }
    frmCalcula& form() const { return janela()->form(); }
    bool terminou() const { return descarregamentos > 0; }

    Usuario& usuario;
    ScopedRegistry escopoRegistro;
    ScopedGlobais globais_;
    ScopedLocale locale{LocaleInfo::brazil()};
    QtClipboardService clipboard;
    MensagensFalsas mensagens;
    EntradaFalsa entrada;
    DialogoFalso arquivos;
    ShellFalso shell;
    NullMidiOut midi;
    TeclasFalsas teclas;
    RelogioFalso relogio = relogioDoPrograma();
    NumLockFalso numLock;
    RegistroJanelas janelas;
    std::unique_ptr<frmSysTray> host;
    std::unique_ptr<CalculadoraPadrao> calculadora;
    int descarregamentos = 0;
};

}  // namespace tarvelo::teste

#pragma once

// One start of the program inside the test process, as far as the calculator window needs
// it: its data folder, globals, registry and settings, a host that is never loaded (so
// no tray and no instance channel), the calculator's default instance and the real window
// over fakes for everything that would open a dialog or a device.

#include "calc/frmcalcula.h"
#include "esperar.h"
#include "host/globais.h"
#include "host/ui/frmsystray.h"
#include "host/ui/janelas.h"
#include "mainwindow/calculadorapadrao.h"
#include "mainwindow/janelacalcula.h"
#include "platform/clock.h"
#include "platform/filedialog.h"
#include "platform/inputbox.h"
#include "platform/localeinfo.h"
#include "platform/messagebox.h"
#include "platform/midi.h"
#include "platform/numlock.h"
#include "platform/registry.h"
#include "platform/settings.h"
#include "platform/shell.h"
#include "platform/ui/qtservices.h"

#include <QDateTime>
#include <QStringList>

#include <functional>
#include <memory>
#include <ostream>
#include <string>

inline void PrintTo(const QString& texto, std::ostream* os)
{
    *os << '"' << texto.toStdString() << '"';
}

namespace tarvelo::teste {

// The text with CR and LF spelled out, so a failed comparison shows the line breaks.
std::string visivel(const QString& texto);

struct MensagensVistas : MessageService {
    QStringList textos;
    int show(const QString& text, int, const QString&) override
    {
        textos << text;
        return mb::No;
    }
};

struct SemEntrada : InputService {
    QString ask(const QString&, const QString&, const QString&) override { return {}; }
};

struct SemArquivos : FileDialogService {
    bool ShowFileDialog(FileDialogRequest& request) override
    {
        request.fileName.clear();
        request.fileTitle.clear();
        return false;
    }
};

struct SemShell : ShellService {
    int open(const QString&) override { return 0; }
};

struct SemTeclas : KeystrokeService {
    bool available() const override { return false; }
    void sendKeys(const QString&) override {}
    void sendKeyEvent(int, int, bool) override {}
    void closeActiveWindow() override {}
};

struct NumLockLigado : NumLockService {
    bool isOn() override { return true; }
    bool switchOn() override { return true; }
};

struct RelogioParado : ClockService {
    QDateTime agora{QDate(2025, 3, 5), QTime(10, 0, 0)};
    QDateTime now() const override { return agora; }
};

// The files and settings one user keeps between starts.
struct Usuario {
    explicit Usuario(const QString& pasta);
    QString pasta;  // with a trailing "/"
    Registry registro;
    SettingsStore configuracoes{registro};
};

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
    MensagensVistas mensagens;
    SemEntrada entrada;
    SemArquivos arquivos;
    SemShell shell;
    NullMidiOut midi;
    SemTeclas teclas;
    RelogioParado relogio;
    NumLockLigado numLock;
    RegistroJanelas janelas;
    std::unique_ptr<frmSysTray> host;
    std::unique_ptr<CalculadoraPadrao> calculadora;
    int descarregamentos = 0;
};

}  // namespace tarvelo::teste

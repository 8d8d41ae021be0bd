#include "mainwindow/servicosjanela.h"

#include "host/avisogravacao.h"
#include "host/texto.h"
#include "platform/clock.h"
#include "platform/desktopshell.h"
#include "platform/rawport.h"
#include "platform/settings.h"
#include "platform/ui/alsamidi.h"
#include "platform/ui/fluidmidi.h"
#include "platform/ui/qtfiledialog.h"
#include "platform/ui/qtprinterservice.h"
#include "platform/ui/qtservices.h"
#include "platform/ui/textprinter.h"
#include "platform/ui/x11hotkeys.h"
#include "platform/ui/x11keystrokes.h"
#include "platform/ui/x11numlock.h"

#include <QCoreApplication>
#include <QDir>
#include <QTimer>

namespace tarvelo {

struct ServicosDoSistema::Dados {
    QtClipboardService clipboard;
    QtMessageService mensagens;
    AvisoGravacao avisoConfiguracoes{mensagens};
    // The messages that wait for the event loop go with it.
    QObject vida;
    QtInputService entrada;
    QtFileDialogService arquivos;
    DesktopShell shell;
    AlsaMidiOut sintetizador;
    FluidSynthMidiOut sintetizadorEmbutido;
    FallbackMidiOut midi{sintetizador, sintetizadorEmbutido};
    X11Keystrokes teclas;
    X11HotKeys hotkeys;
    SystemClock relogio;
    X11NumLock numLock;
    QtTextPrinter impressora;
    DeviceRawPort porta;
    QtPrinterService impressoras;
};

ServicosDoSistema::ServicosDoSistema() : d_(std::make_unique<Dados>())
{
    // Every settings write of the program, wherever it comes from, is told when it fails.
    registry().onWriteFailed = [aviso = &d_->avisoConfiguracoes](const QString& arquivo, const QString& motivo) {
        aviso->falhou(arquivo, motivo);
    };
    // Found while the registry holds its lock, and at start before any window shows: the
    // message follows from the event loop, above the window shown by then.
    registry().onDamagedFileKept = [d = d_.get()](const QString& arquivo, const QString& copia) {
        QTimer::singleShot(0, &d->vida, [aviso = &d->avisoConfiguracoes, arquivo, copia] {
            aviso->falhou(arquivo, {},
                          fTexto(1130, QDir::toNativeSeparators(arquivo), QDir::toNativeSeparators(copia)));
        });
    };
}

ServicosDoSistema::~ServicosDoSistema()
{
    registry().onWriteFailed = nullptr;
    registry().onDamagedFileKept = nullptr;
}

ServicosJanela ServicosDoSistema::servicos()
{
    ServicosJanela s{d_->clipboard,  d_->mensagens, d_->entrada, d_->arquivos, d_->shell,
                     d_->midi,       d_->teclas,    d_->relogio, settings(),   d_->numLock,
                     QCoreApplication::applicationFilePath(), &d_->impressora, &d_->porta};
    s.impressoras = &d_->impressoras;
    s.hotkeys = &d_->hotkeys;
    return s;
}

}  // namespace tarvelo

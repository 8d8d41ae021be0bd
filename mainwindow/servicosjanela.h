#pragma once

#include "platform/keystrokes.h"

#include <QString>

#include <functional>
#include <memory>

namespace tarvelo {

class ClipboardService;
class ClockService;
class FileDialogService;
class HotKeyService;
class InputService;
class MessageService;
class MidiOut;
class NumLockService;
class PrinterService;
class RawPort;
class SettingsStore;
class ShellService;
class TextPrinter;

// What the calculator window reaches outside itself. The program passes the real services
// (ServicosDoSistema); tests pass fakes where a real one would open a dialog or a device.
struct ServicosJanela {
    ClipboardService& clipboard;
    MessageService& mensagens;
    InputService& entrada;
    FileDialogService& arquivos;
    ShellService& shell;
    MidiOut& midi;
    // Keystrokes into other programs; closing the window itself the window does on its own.
    KeystrokeService& teclas;
    ClockService& relogio;
    SettingsStore& configuracoes;
    NumLockService& numLock;
    // The program file, started again for a second calculator.
    QString programa;
    // The system printer and the roll printer's ports; a window given neither has no printer.
    TextPrinter* impressora = nullptr;
    RawPort* porta = nullptr;
    // The system's beep; none given is the desktop's own.
    std::function<void()> bip = nullptr;
    // The printers that window images go to (documents, the rule of three); none given, the
    // documents do not open and such a print fails.
    PrinterService* impressoras = nullptr;
    // Global hotkeys; a window given none has none.
    HotKeyService* hotkeys = nullptr;
};

// The real services of the running program, owned in one place.
class ServicosDoSistema {
public:
    ServicosDoSistema();
    ~ServicosDoSistema();
    ServicosDoSistema(const ServicosDoSistema&) = delete;
    ServicosDoSistema& operator=(const ServicosDoSistema&) = delete;

    ServicosJanela servicos();

private:
    struct Dados;
    std::unique_ptr<Dados> d_;
};

}  // namespace tarvelo

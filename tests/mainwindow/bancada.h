#pragma once

// The calculator window over fakes that script and record what the option menus reach: the
// MIDI output, input and message boxes, NumLock, the printers, the beep. One start of the
// program for one user, like Programa, with the user's autostart folder in their data folder.

#include "programateste.h"
#include "support/impressorafalsa.h"

#include "platform/printer.h"
#include "platform/rawport.h"

#include <QByteArray>

#include <optional>
#include <vector>

namespace tarvelo::teste {

// Records print jobs; with `pdf` set it also prints them into that file.
struct ImpressoraGravada : TextPrinter {
    struct Trabalho {
        QString texto, familia;
        int pontos;
    };
    bool instalada = true;
    std::optional<QString> pdf;
    std::vector<Trabalho> trabalhos;
    bool available() override { return instalada; }
    bool printText(const QString& texto, const QString& familia, int pontos) override;
};

class Bancada {
public:
    struct Inicio {
        QString comando;
        int idioma = 1;
        bool americano = false;  // the United States' number format instead of Brazil's
        // The real services in place of the fakes: X11 (x11 tests), the desktop's opener.
        HotKeyService* hotkeys = nullptr;
        KeystrokeService* teclas = nullptr;
        ShellService* shell = nullptr;
    };
    explicit Bancada(Usuario& usuario, const Inicio& inicio);
    explicit Bancada(Usuario& usuario) : Bancada(usuario, Inicio{}) {}
    ~Bancada();

    JanelaCalcula& abrir();
    JanelaCalcula* janela() const { return calculadora->janela(); }
    frmCalcula& form() const { return janela()->form(); }
    // Chooses a menu item as the user does.
    void comando(const QString& item) const;
    // A setting of section "Conf"; "<none>" when it was never written.
    QString conf(const QString& chave) const;
    // What a roll printer on that port's file received.
    QByteArray porta(const QString& nome) const;

    Usuario& usuario;
    QByteArray homeAnterior;
    ScopedRegistry escopoRegistro;
    ScopedGlobais globais_;
    ScopedLocale locale;
    QtClipboardService clipboard;
    MensagensFalsas mensagens;
    EntradaFalsa entrada;
    DialogoFalso arquivos;
    ShellFalso shell;
    MidiFalso midi;
    TeclasFalsas teclas;
    RelogioFalso relogio = relogioDoPrograma();
    NumLockFalso numLock;
    HotKeysFalsas hotkeys;
    ImpressoraGravada impressora;
    ImpressoraFalsa impressoras;  // for documents and window images: one, the default
    DeviceRawPort portas;
    int bipes = 0;
    RegistroJanelas janelas;
    std::unique_ptr<frmSysTray> host;
    std::unique_ptr<CalculadoraPadrao> calculadora;
};

}  // namespace tarvelo::teste

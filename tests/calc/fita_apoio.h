#pragma once

// A calculator model for the tape services: the engine's recording fakes, plus a scripted
// message box, input box, save dialog and shell, and a program folder of its own.

#include "calculadora.h"

#include "platform/filedialog.h"
#include "platform/inputbox.h"
#include "platform/shell.h"

#include <QByteArray>
#include <QFileInfo>

#include <functional>

namespace tarvelo::teste_fita {

using teste::DialogoRoteiro;
using teste::EntradaRoteiro;
using teste::visivel;

struct MensagensRoteiro : MessageService {
    struct Vista {
        QString texto;
        int flags;
    };
    std::vector<Vista> vistas;
    int resposta = mb::No;
    // Runs while the box is "open", as a modal loop lets timers run.
    std::function<void()> enquantoAberta;
    int show(const QString& text, int flags, const QString&) override
    {
        vistas.push_back({text, flags});
        if (enquantoAberta)
            enquantoAberta();
        return resposta;
    }
};

struct ShellRoteiro : ShellService {
    int resultado = 42;
    QStringList abertos;
    int open(const QString& target) override
    {
        abertos << target;
        return resultado;
    }
};

// The window as its load leaves it, shown, in the Brazilian locale, on 5 March 2025 at
// 09:05:07, with a tape holding only its header.
class Bancada {
public:
    Bancada();

    void teclas(const QString& sequencia);
    QString linhas() const;  // the tape after its header
    QString pasta() const { return globais().gPastaApp; }
    QByteArray backup() const;  // "calcula.txt", empty when missing

    ScopedLocale locale{LocaleInfo::brazil()};
    ScopedGlobais globais_;
    QTemporaryDir dados;
    Registry registro{dados.path() + QStringLiteral("/registry")};
    SettingsStore configuracoes{registro};
    teste::ClipboardFalso clipboard;
    MensagensRoteiro mensagens;
    teste::MidiFalso midi;
    teste::TeclasFalsas teclado;
    teste::RelogioFalso relogio;
    EntradaRoteiro entrada;
    DialogoRoteiro dialogo;
    ShellRoteiro shell;
    frmCalcula calc{ServicosCalcula{clipboard, mensagens, midi, teclado, relogio, configuracoes}};
    QString cabecalho;
};

// CR LF ended lines.
QString linhas(std::initializer_list<const char*> textos);

}  // namespace tarvelo::teste_fita

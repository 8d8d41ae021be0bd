#pragma once

// Scripted, recording stand-ins for the services the windows reach outside themselves: the
// one set every test program uses.

#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/colourdialog.h"
#include "platform/filedialog.h"
#include "platform/hotkeys.h"
#include "platform/inputbox.h"
#include "platform/keystrokes.h"
#include "platform/messagebox.h"
#include "platform/midi.h"
#include "platform/numlock.h"
#include "platform/power.h"
#include "platform/shell.h"

#include <QDateTime>
#include <QFileInfo>
#include <QPointer>
#include <QStringList>

#include <algorithm>
#include <cstdint>
#include <deque>
#include <functional>
#include <utility>
#include <vector>

namespace tarvelo::teste {

// The next answer of a script, or `fim` once it has run out.
template <typename T>
T proxima(std::deque<T>& roteiro, T fim)
{
    if (roteiro.empty())
        return fim;
    T resposta = std::move(roteiro.front());
    roteiro.pop_front();
    return resposta;
}

// One text field of every record, in order.
template <typename R>
QStringList campos(const std::vector<R>& registros, QString R::*campo)
{
    QStringList textos;
    for (const R& r : registros)
        textos << r.*campo;
    return textos;
}

// `limpezasRecusadas` clears leave the text in place, as X does with a clear stamped before
// the copy it would undo. `leituras` counts the texts fetched, each a transfer from the
// copying program on a desktop.
struct ClipboardFalso : ClipboardService {
    QString conteudo;
    int limpezasRecusadas = 0;
    mutable int leituras = 0;
    QString text() const override
    {
        ++leituras;
        return conteudo;
    }
    bool hasText() const override { return !conteudo.isEmpty(); }
    void setText(const QString& text) override
    {
        conteudo = text;
        ++mudancas;
    }
    void clear() override
    {
        if (limpezasRecusadas > 0) {
            --limpezasRecusadas;
        } else {
            conteudo.clear();
            ++mudancas;
        }
    }
    quint64 changes() const override { return mudancas; }
    quint64 mudancas = 0;
};

// Records every box with its title; answers from the script, then with `depois`.
struct MensagensFalsas : MessageService {
    struct Vista {
        QString texto;
        int flags;
        QString titulo;
    };
    std::vector<Vista> vistas;
    std::deque<int> respostas;
    int depois = mb::No;
    // Runs while the box is "open", as a modal loop lets timers run.
    std::function<void()> enquantoAberta;
    int show(const QString& text, int flags, const QString& title) override
    {
        vistas.push_back({text, flags, title});
        if (enquantoAberta)
            enquantoAberta();
        return proxima(respostas, depois);
    }
    QStringList textos() const { return campos(vistas, &Vista::texto); }
};

// Records every question; answers from the script, whose end is Cancel ("").
struct EntradaFalsa : InputService {
    struct Pergunta {
        QString prompt, titulo, proposta;
    };
    std::deque<QString> respostas;
    std::vector<Pergunta> perguntas;
    QString ask(const QString& prompt, const QString& title, const QString& defaultText) override
    {
        perguntas.push_back({prompt, title, defaultText});
        return proxima(respostas, QString());
    }
    QStringList propostas() const { return campos(perguntas, &Pergunta::proposta); }
    // Each question as "prompt|title|default", for comparing whole questions.
    QStringList textos() const
    {
        QStringList t;
        for (const Pergunta& p : perguntas)
            t << p.prompt + QLatin1Char('|') + p.titulo + QLatin1Char('|') + p.proposta;
        return t;
    }
};

// The file dialog: the user picks `escolhido`, or cancels while it is empty.
struct DialogoFalso : FileDialogService {
    QString escolhido;
    std::vector<FileDialogRequest> pedidos;
    bool ShowFileDialog(FileDialogRequest& request) override
    {
        pedidos.push_back(request);
        request.fileName = escolhido;
        request.fileTitle = escolhido.isEmpty() ? QString() : QFileInfo(escolhido).fileName();
        return !escolhido.isEmpty();
    }
};

// The desktop's opener: it starts, unless `comeca` is false, and then says that it opened
// nothing unless `abre`. The answers come at once or, held, one by one when the test says;
// never to an asker that has gone.
struct ShellFalso : ShellService {
    bool comeca = true;
    bool abre = true;
    bool retido = false;
    QStringList abertos;
    std::deque<std::function<void()>> pendentes;
    void open(const QString& target, QObject* context, Answers answers) override
    {
        abertos << target;
        const QPointer<QObject> quem(context);
        const auto responder = [this, quem](std::function<void()> resposta) {
            auto dada = [quem, resposta = std::move(resposta)] {
                if (quem)
                    resposta();
            };
            if (retido)
                pendentes.push_back(std::move(dada));
            else
                dada();
        };
        if (comeca)
            responder(std::move(answers.started));
        if (!comeca || !abre)
            responder(std::move(answers.failed));
    }
    // The held answers, the next `quantas` of them, as the desktop gives them later.
    void responder(std::size_t quantas = SIZE_MAX)
    {
        for (; quantas > 0 && !pendentes.empty(); --quantas) {
            const std::function<void()> resposta = std::move(pendentes.front());
            pendentes.pop_front();
            resposta();
        }
    }
};

// A MIDI output that records what it is sent while open; without a synthesiser it opens not.
struct MidiFalso : MidiOut {
    bool sintetizador = true;
    bool aberto = false;
    std::vector<std::uint32_t> mensagens;
    bool open() override { return aberto = sintetizador; }
    void close() override { aberto = false; }
    bool isOpen() const override { return aberto; }
    void shortMessage(std::uint32_t message) override
    {
        if (aberto)
            mensagens.push_back(message);
    }
};

struct TeclasFalsas : KeystrokeService {
    bool disponivel = true;
    QStringList enviadas;
    int fechamentos = 0;
    bool available() const override { return disponivel; }
    void sendKeys(const QString& keys) override { enviadas << keys; }
    void closeActiveWindow() override { ++fechamentos; }
};

// NumLock, on unless told otherwise; `consegue` false: the key cannot be switched.
struct NumLockFalso : NumLockService {
    bool ligado = true;
    bool consegue = true;
    int ligacoes = 0;
    bool isOn() override { return ligado; }
    bool switchOn() override
    {
        ++ligacoes;
        ligado = consegue;
        return consegue;
    }
};

struct RelogioFalso : ClockService {
    QDateTime agora{QDate(2025, 3, 5), QTime(9, 5, 7)};
    QDateTime now() const override { return agora; }
};

// The colour dialog answered by the test: the request seen last, and the answer.
struct CoresFalsas : ColourDialogService {
    ColourDialogRequest visto;
    std::function<bool(ColourDialogRequest&)> resposta = [](ColourDialogRequest&) { return false; };
    bool ShowColourDialog(ColourDialogRequest& request) override
    {
        visto = request;
        return resposta(request);
    }
};

struct EnergiaFalsa : PowerService {
    int pedidos = 0;
    bool powerOff() override
    {
        ++pedidos;
        return true;
    }
};

// Global hotkeys held in a list; the test presses them. Combinations in `ocupadas` belong
// to another program.
struct HotKeysFalsas : HotKeyService {
    struct Registro {
        WindowHandle hWnd;
        int id;
        HotKeyCombination teclas;
    };
    std::vector<Registro> registros;
    std::vector<HotKeyCombination> ocupadas;
    bool disponivel = true;
    bool available() const override { return disponivel; }
    bool registerHotKey(WindowHandle hWnd, int id, const HotKeyCombination& teclas) override
    {
        unregisterHotKey(hWnd, id);
        if (!disponivel || std::find(ocupadas.begin(), ocupadas.end(), teclas) != ocupadas.end())
            return false;
        registros.push_back({hWnd, id, teclas});
        return true;
    }
    void unregisterHotKey(WindowHandle hWnd, int id) override
    {
        std::erase_if(registros, [&](const Registro& r) { return r.hWnd == hWnd && r.id == id; });
    }
    // The user presses the combination: false when nobody holds it.
    bool pressionar(const HotKeyCombination& teclas)
    {
        for (const Registro& r : registros) {
            if (r.teclas == teclas) {
                SendMessage(r.hWnd, WM_HOTKEY, r.id, teclas.modifiers | (teclas.virtualKey << 16));
                return true;
            }
        }
        return false;
    }
};

}  // namespace tarvelo::teste

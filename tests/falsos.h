#pragma once

// Recording stand-ins for the services the calculator reaches outside itself.

#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/colourdialog.h"
#include "platform/filedialog.h"
#include "platform/inputbox.h"
#include "platform/keystrokes.h"
#include "platform/messagebox.h"
#include "platform/midi.h"
#include "platform/power.h"

#include <QDateTime>
#include <QFileInfo>
#include <QStringList>

#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

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
    // Runs while a box is open, as timers do inside a real one.
    std::function<void()> enquantoAberta;
    int show(const QString& text, int flags, const QString&) override
    {
        vistas.push_back({text, flags});
        if (enquantoAberta)
            enquantoAberta();
        return resposta;
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

// Answers input boxes from a script; once it runs out, Cancel.
struct EntradaRoteiro : InputService {
    QStringList respostas;  // taken in order; "" once they run out
    QStringList perguntas;
    QString ask(const QString& prompt, const QString& title, const QString& defaultText) override
    {
        perguntas << prompt + QLatin1Char('|') + title + QLatin1Char('|') + defaultText;
        return respostas.isEmpty() ? QString() : respostas.takeFirst();
    }
};

struct DialogoRoteiro : FileDialogService {
    QString escolhido;  // empty: the user cancels
    std::vector<FileDialogRequest> pedidos;
    bool ShowFileDialog(FileDialogRequest& request) override
    {
        pedidos.push_back(request);
        request.fileName = escolhido;
        request.fileTitle = escolhido.isEmpty() ? QString() : QFileInfo(escolhido).fileName();
        return !escolhido.isEmpty();
    }
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

// Records message boxes with their titles; answers from a script, then OK. `aoMostrar`
// runs while a box is on screen.
struct MensagensRoteiro : MessageService {
    struct Vista {
        QString texto;
        int flags;
        QString titulo;
    };
    std::vector<Vista> vistas;
    std::deque<int> respostas;
    std::function<void()> aoMostrar;
    int show(const QString& texto, int flags, const QString& titulo) override
    {
        vistas.push_back({texto, flags, titulo});
        if (aoMostrar)
            aoMostrar();
        if (respostas.empty())
            return mb::Ok;
        const int r = respostas.front();
        respostas.pop_front();
        return r;
    }
    QStringList textos() const
    {
        QStringList t;
        for (const Vista& v : vistas)
            t << v.texto;
        return t;
    }
};

}  // namespace tarvelo::teste

#include "platform/hotkeys.h"

#include <algorithm>

namespace tarvelo::teste {

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

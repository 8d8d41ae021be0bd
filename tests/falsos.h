#pragma once

// Recording stand-ins for the services the calculator reaches outside itself.

#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/keystrokes.h"
#include "platform/messagebox.h"
#include "platform/midi.h"

#include <QDateTime>
#include <QStringList>

#include <cstdint>
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
    int show(const QString& text, int flags, const QString&) override
    {
        vistas.push_back({text, flags});
        return resposta;
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

}  // namespace tarvelo::teste

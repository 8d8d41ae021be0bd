// The engine's cost per key on a full tape: the figure that says whether typing stays
// instant however long the day's tape has grown.

#include "calc/frmcalcula.h"
#include "calc/linhafita.h"
#include "host/globais.h"
#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/keystrokes.h"
#include "platform/localeinfo.h"
#include "platform/messagebox.h"
#include "platform/midi.h"
#include "platform/registry.h"
#include "platform/settings.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace tarvelo;

struct Clipboard : ClipboardService {
    QString t;
    QString text() const override { return t; }
    bool hasText() const override { return !t.isEmpty(); }
    void setText(const QString& text) override { t = text; }
    void clear() override { t.clear(); }
};
struct Mensagens : MessageService {
    int show(const QString&, int, const QString&) override { return mb::No; }
};
struct Midi : MidiOut {
    bool open() override { return false; }
    void close() override {}
    bool isOpen() const override { return false; }
    void shortMessage(std::uint32_t) override {}
};
struct Teclas : KeystrokeService {
    void sendKeys(const QString&) override {}
    void sendKeyEvent(int, int, bool) override {}
    void closeActiveWindow() override {}
};
struct Relogio : ClockService {
    QDateTime now() const override { return QDateTime(QDate(2025, 3, 5), QTime(9, 0)); }
};

// A shown calculator whose tape holds 21 000 characters and an open calculation.
struct Bancada {
    ScopedLocale locale{LocaleInfo::brazil()};
    ScopedGlobais globais_;
    QTemporaryDir pasta;
    Registry registro{pasta.path()};
    SettingsStore configuracoes{registro};
    Clipboard clipboard;
    Mensagens mensagens;
    Midi midi;
    Teclas teclas;
    Relogio relogio;
    frmCalcula calc{ServicosCalcula{clipboard, mensagens, midi, teclas, relogio, configuracoes}};

    Bancada()
    {
        calc.mnuNumeral_Click(0);
        calc.Visible = true;
        calc.SetFocus(calc.txtEntrada);
        QString fita = CabecalhoFita(QDate(2025, 3, 5), u"dd/mm/yyyy");
        while (fita.size() + kLinhaComQuebra <= kLimiteFita)
            fita += LinhaFita(u"1.234,56", QLatin1Char('+'));
        calc.txtFita.setText(fita);
        calc.LimpaTudo();
    }
};

void OperatorKeyOnAFullTape(benchmark::State& state)
{
    Bancada b;
    for (auto _ : state) {
        state.PauseTiming();
        b.calc.teclar('7');
        state.ResumeTiming();
        b.calc.teclar('+');
        state.PauseTiming();
        b.calc.txtFita.removeLast(kLinhaComQuebra);  // back to 21 000 characters
        state.ResumeTiming();
    }
    state.counters["tape"] = static_cast<double>(b.calc.txtFita.length());
}
BENCHMARK(OperatorKeyOnAFullTape);

void DigitAndOperatorOnAFullTape(benchmark::State& state)
{
    Bancada b;
    for (auto _ : state) {
        b.calc.teclar('7');
        b.calc.teclar('+');
        state.PauseTiming();
        b.calc.txtFita.removeLast(kLinhaComQuebra);
        state.ResumeTiming();
    }
}
BENCHMARK(DigitAndOperatorOnAFullTape);

void DigitKey(benchmark::State& state)
{
    Bancada b;
    for (auto _ : state) {
        b.calc.teclar('7');
        b.calc.teclar('\b');
    }
}
BENCHMARK(DigitKey);

}  // namespace

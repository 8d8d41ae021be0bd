// The engine's cost per key on a full tape: the figure that says whether typing stays
// instant however long the day's tape has grown.

#include "tests/support/falsos.h"
#include "calc/frmcalcula.h"
#include "calc/linhafita.h"
#include "host/globais.h"
#include "platform/localeinfo.h"
#include "platform/registry.h"
#include "platform/settings.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace tarvelo;

// A shown calculator whose tape holds 21 000 characters and an open calculation.
struct Bancada {
    ScopedLocale locale{LocaleInfo::brazil()};
    ScopedGlobais globais_;
    QTemporaryDir pasta;
    Registry registro{pasta.path()};
    SettingsStore configuracoes{registro};
    teste::ClipboardFalso clipboard;
    teste::MensagensFalsas mensagens;
    teste::MidiFalso midi;
    teste::TeclasFalsas teclas;
    teste::RelogioFalso relogio;
    teste::EntradaFalsa entrada;
    teste::DialogoFalso arquivos;
    teste::ShellFalso shell;
    teste::NumLockFalso numLock;
    frmCalcula calc{
        ServicosCalcula{clipboard, mensagens, midi, teclas, relogio, configuracoes, entrada, arquivos, shell, numLock}};

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

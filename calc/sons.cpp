#include "calc/sons.h"

#include "calc/frmcalcula.h"
#include "host/preferencias.h"
#include "host/texto.h"
#include "platform/inputbox.h"
#include "platform/messagebox.h"
#include "platform/midi.h"
#include "platform/numbertext.h"
#include "platform/settings.h"

#include <array>
#include <cmath>
#include <utility>

namespace tarvelo {
namespace {

// Key code -> note index, in the table's order of notes.
constexpr std::array<std::pair<int, int>, 56> kTabelaNotas = {{
    {90, 0},   {88, 2},   {67, 4},   {86, 5},   {66, 7},   {78, 9},   {77, 11},  {65, 12},
    {83, 14},  {68, 16},  {13, 16},  {70, 17},  {71, 19},  {111, 19}, {72, 21},  {74, 23},
    {106, 23}, {75, 24},  {76, 26},  {109, 26}, {199, 28}, {186, 28}, {81, 29},  {107, 29},
    {87, 31},  {69, 33},  {110, 33}, {82, 35},  {96, 35},  {84, 36},  {97, 36},  {89, 38},
    {98, 38},  {85, 40},  {99, 40},  {73, 41},  {100, 41}, {79, 43},  {101, 43}, {80, 45},
    {102, 45}, {49, 47},  {103, 47}, {50, 48},  {104, 48}, {51, 50},  {105, 50}, {52, 52},
    {53, 53},  {54, 55},  {55, 57},  {56, 59},  {57, 60},  {48, 62},  {45, 64},  {189, 64},
}};

void tocar(MidiOut& midi, int nota)
{
    midi.shortMessage(midi::noteOn(nota + 36));
}

void calar(MidiOut& midi, int nota)
{
    midi.shortMessage(midi::noteOff(nota + 36));
}

void falhaSom(frmCalcula& janela, ServicosSom& servicos, bool abriuSaida)
{
    if (janela.Visible)
        servicos.mensagens.show(fTexto(9), mb::Exclamation);
    mnuSemSom_Click(janela, servicos);
    if (abriuSaida)
        servicos.midi.close();
}

}  // namespace

std::optional<int> TabelaNotas(int KeyCode)
{
    for (const auto& [tecla, nota] : kTabelaNotas) {
        if (tecla == KeyCode)
            return nota;
    }
    return std::nullopt;
}

void SomTeclaAbaixo(frmCalcula& janela, MidiOut& midi, int KeyCode)
{
    if (janela.mnuBeep.Checked()) {
        janela.NotaAtual = kNotaBeep;
    } else {
        // In musical mode a held key's auto-repeat carries the key code of the note it
        // already started, and must not restart it.
        if (!janela.mnuSom.Checked() || KeyCode == janela.UltimaTecla)
            return;
        const std::optional<int> nota = TabelaNotas(KeyCode);
        if (!nota)
            return;
        janela.NotaAtual = *nota;
    }
    tocar(midi, janela.NotaAtual);
    if (KeyCode >= 0 && KeyCode <= 255)
        janela.UltimaTecla = KeyCode;
}

void SomTeclaAcima(frmCalcula& janela, MidiOut& midi, int KeyCode)
{
    if (janela.mnuBeep.Checked()) {
        janela.NotaAtual = kNotaBeep;
        calar(midi, kNotaBeep);
        janela.UltimaTecla = 0;
        return;
    }
    if (!janela.mnuSom.Checked())
        return;
    calar(midi, janela.NotaAtual);
    const std::optional<int> nota = TabelaNotas(KeyCode);
    if (!nota)
        return;
    janela.NotaAtual = *nota;
    calar(midi, *nota);
    janela.UltimaTecla = 0;
}

void SilenciarNota(const frmCalcula& janela, MidiOut& midi)
{
    if (!janela.mnuSemSom.Checked())
        calar(midi, janela.NotaAtual);
}

std::optional<int> InstrumentoValido(const QString& resposta)
{
    const std::optional<double> valor = numberValue(resposta);
    if (!valor || *valor < 0.0 || *valor > 127.0 || std::floor(*valor) != *valor)
        return std::nullopt;
    return static_cast<int>(*valor);
}

std::optional<QString> PerguntarInstrumento(InputService& entrada, const QString& proposta)
{
    for (;;) {
        const QString resposta = entrada.ask(fTexto(57), fTexto(58), proposta);
        if (resposta.isEmpty())
            return std::nullopt;
        if (InstrumentoValido(resposta))
            return resposta;
    }
}

void mnuSemSom_Click(frmCalcula& janela, ServicosSom& servicos)
{
    if (!janela.mnuSemSom.Checked()) {
        servicos.midi.close();
        salvarPreferencia(servicos.configuracoes, pref::Sons, QStringLiteral("1"));
    }
    janela.mnuSemSom.setChecked(true);
    janela.mnuSom.setChecked(false);
    janela.mnuBeep.setChecked(false);
}

void mnuBeep_Click(frmCalcula& janela, ServicosSom& servicos)
{
    const bool somLigado = !janela.mnuSemSom.Checked();
    if (!somLigado && !servicos.midi.open()) {
        falhaSom(janela, servicos, false);
        return;
    }
    if (somLigado && janela.Visible)
        calar(servicos.midi, janela.NotaAtual);
    servicos.midi.shortMessage(midi::programChange(0));
    janela.mnuSemSom.setChecked(false);
    janela.mnuSom.setChecked(false);
    janela.mnuBeep.setChecked(true);
    if (janela.Visible)
        salvarPreferencia(servicos.configuracoes, pref::Sons, QStringLiteral("2"));
}

void mnuSom_Click(frmCalcula& janela, ServicosSom& servicos)
{
    const bool somLigado = !janela.mnuSemSom.Checked();
    if (somLigado && janela.Visible)
        calar(servicos.midi, janela.NotaAtual);
    const bool abriuSaida = !somLigado;
    if (abriuSaida && !servicos.midi.open()) {
        falhaSom(janela, servicos, false);
        return;
    }

    const QString guardado = lerPreferencia(servicos.configuracoes, pref::Instrumento);
    QString resposta = guardado;
    if (janela.Visible) {
        const std::optional<QString> escolha = PerguntarInstrumento(servicos.entrada, guardado);
        if (!escolha) {
            mnuSemSom_Click(janela, servicos);
            if (abriuSaida)
                servicos.midi.close();
            return;
        }
        resposta = *escolha;
    }
    const std::optional<int> instrumento = InstrumentoValido(resposta);
    if (!instrumento) {
        falhaSom(janela, servicos, abriuSaida);
        return;
    }

    servicos.midi.shortMessage(midi::programChange(*instrumento));
    if (janela.Visible)
        salvarPreferencia(servicos.configuracoes, pref::Instrumento, resposta);
    janela.mnuSemSom.setChecked(false);
    janela.mnuBeep.setChecked(false);
    janela.mnuSom.setChecked(true);
    if (janela.Visible)
        salvarPreferencia(servicos.configuracoes, pref::Sons, QStringLiteral("3"));
}

void RestaurarSomMusical(frmCalcula& janela, ServicosSom& servicos)
{
    if (!servicos.midi.open())
        return;
    const QString guardado = lerPreferencia(servicos.configuracoes, pref::Instrumento);
    if (const std::optional<int> instrumento = InstrumentoValido(guardado))
        servicos.midi.shortMessage(midi::programChange(*instrumento));
    janela.mnuSom.setChecked(true);
    janela.mnuSemSom.setChecked(false);
}

}  // namespace tarvelo

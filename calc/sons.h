#pragma once

#include <QString>

#include <optional>

namespace tarvelo {

class frmCalcula;
class InputService;
class MessageService;
class MidiOut;
class SettingsStore;

// ---- the notes of the keys ------------------------------------------------------------

// The beep's note index (note 99).
inline constexpr int kNotaBeep = 63;

// The note index (0 to 64; the MIDI note is the index + 36) of a key code in
// `TabelaNotas`: the white keys of a piano laid over the letter and digit rows from the
// bottom up, with the numeric keypad repeating some of them. Matched on the key codes
// themselves, so the keys above 127 (Ç, º and ½ in code page 1252) keep their notes under
// any locale. nullopt for a key without a note.
std::optional<int> TabelaNotas(int KeyCode);

// The key-sound steps of Form_KeyDown and Form_KeyUp, for a key that reached them (the
// window in its normal state, the program not closing): beep, musical or nothing as the
// window's sound menu is ticked, on the window's UltimaTecla and NotaAtual.
void SomTeclaAbaixo(frmCalcula& janela, MidiOut& midi, int KeyCode);
void SomTeclaAcima(frmCalcula& janela, MidiOut& midi, int KeyCode);

// The note now sounding is switched off, unless key sounds are off: the first step of
// every handler that shows a message or a dialog, or prints.
void SilenciarNota(const frmCalcula& janela, MidiOut& midi);

// ---- the sound options -----------------------------------------------------------------

struct ServicosSom {
    MidiOut& midi;
    MessageService& mensagens;
    InputService& entrada;
    SettingsStore& configuracoes;
};

// The instrument of an answer to the instrument prompt: a number from 0 to 127 in the
// user's number format. A fraction is no instrument: a program change carries a whole
// number, and "1,5" would otherwise have produced a garbled MIDI message.
std::optional<int> InstrumentoValido(const QString& resposta);

// The instrument prompt (topic 57, title topic 58, the stored `proposta` offered each
// time), asked again until the answer is an instrument. The answer exactly as typed, or
// nullopt for an empty answer or Cancel.
std::optional<QString> PerguntarInstrumento(InputService& entrada, const QString& proposta);

// The three items of the "Som ao Digitar" menu. They keep the window's MIDI output open
// exactly while Beep or Musical is ticked, and write "Sons" and "Instrumento" only while
// the window is visible (at load they restore silently). A failing output ends in None,
// with topic 9 when the window is visible.
void mnuSemSom_Click(frmCalcula& janela, ServicosSom& servicos);
void mnuBeep_Click(frmCalcula& janela, ServicosSom& servicos);
void mnuSom_Click(frmCalcula& janela, ServicosSom& servicos);

// The load's restore of "Sons" = "3": opens the output and gives it the stored
// "Instrumento"; a failed open leaves None ticked and says nothing. A stored instrument
// that is no instrument (edited by hand) sends no program change.
void RestaurarSomMusical(frmCalcula& janela, ServicosSom& servicos);

}  // namespace tarvelo

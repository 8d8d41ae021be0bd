#pragma once

#include <QString>

#include <functional>
#include <utility>

namespace tarvelo {

class InputService;
class MessageService;
class RawPort;
class SettingsStore;
class TextPrinter;

// How a print of the tape ended; the user has already been told.
enum class ResultadoImpressao {
    Enviado,        // topic 16
    SemResposta,    // topic 17: no printer, or a port that could not be opened or written
    PortaInvalida,  // topic 30: nothing printed, nothing stored
    Cancelado,      // Cancel at a pause of a serial port
    Ocupado,        // a roll-printer job was still running; this one was not started
};

// The printer font the tape is set in, and its size for each of the three print items.
inline const QString kFonteImpressao = QStringLiteral("Courier New");
int TamanhoFonteImpressao(int Index);

// mnuImprimir_Click after the key sound is silenced: the whole tape after two empty lines
// on the system printer, in Courier New at 8, 10 or 12 points (Index 0, 1, 2). Without a
// printer topic 17 comes at once and no job is made.
ResultadoImpressao ImprimirFita(const QString& fita, int Index, TextPrinter& impressora,
                                MessageService& mensagens);

// The text a roll printer receives: an empty line, the tape, two line ends, with "×" and
// "÷" as "*" and "/" (a roll printer's character set has neither).
QString TextoBobina(const QString& fita);

// Lines a serial roll printer takes before the user is asked to wait for it.
inline constexpr int kLinhasPorPausa = 25;

struct ServicosBobina {
    InputService& entrada;
    MessageService& mensagens;
    SettingsStore& configuracoes;
    RawPort& porta;
    // Lets pending window events run after each line (the window stays responsive).
    std::function<void()> processarEventos;
};

// mnuMatricial_Click after the key sound is silenced: asks for the port (stored in
// Conf/"Porta"), then sends the job line by line in Windows-1252 with CR LF line ends;
// on a COM port the user is asked to wait after the 26th line and every 25 lines after
// it, with the port closed meanwhile. A port that cannot be opened or that fails a
// write ends the job with topic 17, never with "sent".
class ImpressoraBobina {
public:
    explicit ImpressoraBobina(ServicosBobina servicos) : servicos_(std::move(servicos)) {}

    // `legendaJanela`: the calculator window's caption, which titles the port prompt.
    ResultadoImpressao imprimir(const QString& fita, const QString& legendaJanela);

private:
    ResultadoImpressao enviar(const QString& porta, const QString& texto);

    ServicosBobina servicos_;
    // Window events run between lines; a second job started from them would interleave
    // its lines with the first one's on the same port.
    bool imprimindo_ = false;
};

}  // namespace tarvelo

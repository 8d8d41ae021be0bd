#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QTime>

#include <optional>

namespace tarvelo {

// Command-line words. Every comparison is exact and case-sensitive: "Systray" is no word.

// "systray" starts in the tray; with "fechar" the splash is loaded but never shown.
bool eSystray(const QString& comando);
bool splashOculto(const QString& comando);

// "fechar", "atualiza" and "mini" close a running copy first.
bool ePalavraDeFechar(const QString& comando);
bool eFechar(const QString& comando);

// A command line beginning with "outra" asks for a second calculator when a copy is
// running; one ending in "tempo" then starts it in time mode ("outratempo"). A file
// named "outra..." (see arquivoDoComando) is a file, not the word.
bool eSegundaCalculadora(const QString& comando);
bool pedeModoTempo(const QString& comando);

enum class Ferramenta { Nenhuma, Tempo, Juro, Peso, Data };

// The tool a whole command line names at start: exactly "tempo", "juro", "peso", "data".
Ferramenta ferramentaDoComando(const QString& comando);

// A command line that names a registry script ("*.reg", in any case) opens it, as a file
// manager does with the desktop's "open with": the file named, or empty for any other
// command line.
QString arquivoDoComando(const QString& comando);

// The tool a text forwarded by a later start names: its first four characters are
// "temp", "juro", "peso" or "data". The time that follows every forwarded command line
// never matches, so an empty command line only brings the calculator to the front.
Ferramenta ferramentaEncaminhada(const QString& texto);

// What a later start hands over: its command line followed directly by the time, so
// "juro" at 14:03:27 gives "juro14:03:27". Only the first characters ever matter, so an
// absurdly long command line is cut before the time is added.
inline constexpr qsizetype kMaxComandoEncaminhado = 4096;
QString textoEncaminhado(const QString& comando, const QTime& hora);

// Messages on the instance channel. Each is one frame: a kind byte ('C' a forwarded
// command, 'A' a file to open, 'F' a request to close), a 32-bit big-endian length and
// that many bytes of UTF-8 text. The receiver trusts nothing: an unknown kind, a length past the limit or
// too much unread input marks the connection bad and it is dropped.
struct MensagemCanal {
    enum class Tipo : char { Comando = 'C', Arquivo = 'A', Fechar = 'F' };
    Tipo tipo = Tipo::Comando;
    QString texto;
    friend bool operator==(const MensagemCanal&, const MensagemCanal&) = default;
};

inline constexpr qsizetype kMaxTextoCanal = 64 * 1024;
inline constexpr qsizetype kMaxPendenteCanal = 256 * 1024;

// An empty result when the text is past the limit.
QByteArray codificarMensagem(const MensagemCanal& mensagem);

class LeitorCanal {
public:
    void acrescentar(QByteArrayView bytes);
    // The next complete message, or nullopt when more bytes are needed or the input is bad.
    std::optional<MensagemCanal> proxima();
    bool invalido() const { return invalido_; }

private:
    QByteArray pendente_;
    bool invalido_ = false;
};

}  // namespace tarvelo

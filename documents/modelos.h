#pragma once

#include "documents/documento.h"
#include "host/preferencias.h"

#include <QList>
#include <QMap>
#include <QSize>
#include <QString>
#include <QStringView>

#include <optional>
#include <utility>

namespace tarvelo {

class SettingsStore;

// The nine layout models of a document: where each printable field stands and how wide it
// is, kept in the sections "Cheque".."Cheque8" and "Promissoria".."Promissoria8".

inline constexpr int kModelos = 9;

// One field of a model: its stored keys (an empty Top key for a row follower, which takes
// the Top of `lider`) and the design values used where a key is missing.
struct CampoModelo {
    QString campo;
    QString chaveTop;
    QString chaveLeft;
    QString chaveWidth;
    int top = 0;
    int left = 0;
    int width = 0;
    QString lider;
};

// The fields of a document in load and save order.
const QList<CampoModelo>& CamposModelo(Documento documento);

QString SecaoModelo(Documento documento, int indice);  // "Cheque", "Cheque1" .. "Cheque8"
QString ChaveNome(Documento documento);                // "Banco" or "Modelo"
QString NomePadrao(int indice);                        // "Modelo 1" .. "Modelo 9"
// A model's name is one line: what a pasted text brings along of line breaks, tabs and
// other control characters is left out.
QString NomeEmUmaLinha(QStringView nome);
QStringList NomesModelos(const SettingsStore& configuracoes, Documento documento);

// Where a field stands, in pixels of the window's client area.
struct PosicaoCampo {
    int left = 0;
    int top = 0;
    int width = 0;
};
using Leiaute = QMap<QString, PosicaoCampo>;

// The design layout: every field at its default place.
Leiaute LeiautePadrao(Documento documento);

// Loads model `indice` over `leiaute`: a stored value that is no number leaves that one
// value as it was. The cheque's "chkAno" (0 or 1) comes back in `ano` when it reads.
void CarregarModelo(const SettingsStore& configuracoes, Documento documento, int indice, Leiaute& leiaute,
                    std::optional<bool>* ano = nullptr);

// The values a save writes into the model's section, in the stored order: the name, every
// field's Top and Left, the cheque's "chkAno", then every Width. Numbers as plain integers.
QList<std::pair<QString, QString>> ValoresModelo(Documento documento, const QString& nome, const Leiaute& leiaute,
                                                 bool ano);

// The cheque model's year: "1" four digits, "0" two.
inline const QString kChaveAno = QStringLiteral("chkAno");

// A stored number with either decimal symbol ("454", "12,5" or "12.5"), rounded to pixels.
std::optional<int> LerPixels(const QString& texto);

// What a stored value may be for a document window to use it: a whole number from
// `minimo` to `maximo`, a flag (0 or 1), or a model's name of 1 to `maximo` characters
// that is not blanks only and holds no control character.
struct LimiteValor {
    enum class Tipo { Numero, Marca, Nome };
    Tipo tipo = Tipo::Numero;
    int minimo = 0;
    int maximo = 0;
};

// The longest side of a document window, frame included: wider than any desktop of
// several screens. In pixels, and in twips (15 a pixel) as the settings keep sizes.
inline constexpr int kLadoMaximo = 16384;
inline constexpr int kLadoMaximoTwips = kLadoMaximo * 15;

// Top and Left of a field: it may be dragged partly past the window's left or top edge,
// and never stands further than a whole window away.
inline constexpr LimiteValor kLimitePosicao{LimiteValor::Tipo::Numero, -kLadoMaximo, kLadoMaximo};
// The window's client area as designed: the form that every size of the window shows
// whole, on any screen, and that printing puts on paper.
QSize AreaDesenho(Documento documento);
// The height of a field of one line: every field a backup holds.
inline constexpr int kAlturaCampo = 17;
// Left and Top of a field in a backup, whatever screen it was made on: at least a pixel
// of the field inside the design area, for a field `largura` wide and one line tall.
LimiteValor LimiteLeftBackup(Documento documento, int largura);
LimiteValor LimiteTopBackup(Documento documento);
// Width of a field: the layout editor never makes one narrower than a pixel.
inline constexpr LimiteValor kLimiteLargura{LimiteValor::Tipo::Numero, 1, kLadoMaximo};
inline constexpr LimiteValor kLimiteAno{LimiteValor::Tipo::Marca, 0, 1};
// A model's name: the input box takes any length, but no bank's name comes near this.
inline constexpr LimiteValor kLimiteNome{LimiteValor::Tipo::Nome, 1, 255};
// A document window's stored height or width (twips, frame included): from its design
// size, which is what its tool bar needs and what the printed form takes, to kLadoMaximo.
LimiteValor LimiteTamanho(const PreferenciaNumero& desenho);

// Whether a number read from the store is one the window can use.
bool Cabe(const LimiteValor& limite, int valor);
// Whether a value's text is as a backup writes it and within the limit: a number or a flag
// in plain digits (a minus sign first at most), or a name.
bool TextoCabe(const LimiteValor& limite, QStringView texto);

}  // namespace tarvelo

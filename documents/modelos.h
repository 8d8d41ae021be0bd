#pragma once

#include "documents/documento.h"

#include <QList>
#include <QMap>
#include <QString>

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

}  // namespace tarvelo

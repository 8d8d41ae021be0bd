#pragma once

#include <QString>

namespace tarvelo::chaves {

// The settings the documents keep outside their layout models. Section "Conf":
inline const QString kConf = QStringLiteral("Conf");
inline const QString kVisivel = QStringLiteral("Visivel");    // "True": document windows stay on top
inline const QString kImpDispo = QStringLiteral("ImpDispo");  // the printer for documents, "" the default

// The document's base section ("Cheque", "Promissoria"):
inline const QString kAltura = QStringLiteral("Height");  // window size in twips
inline const QString kLargura = QStringLiteral("Width");
inline const QString kNegrito = QStringLiteral("Negrito");        // "0" or "1"
inline const QString kCidade = QStringLiteral("Cidade");          // last texts used
inline const QString kFavorecido = QStringLiteral("Favorecido");  // cheque
inline const QString kNumero = QStringLiteral("Numero");          // note: the last number printed
inline const QString kTipoMes = QStringLiteral("TipoMês");        // note: 2 numeric month, else its name

// Every cheque model's section:
inline const QString kChkAno = QStringLiteral("chkAno");  // "1": four-digit year

}  // namespace tarvelo::chaves

#pragma once

// Every setting the program keeps in the settings store, each named once with its section,
// its type and the value that counts while none is stored. A new setting is one line in the
// table below; readers and writers go through the typed functions after it, never through
// section and key texts of their own.

#include "platform/settings.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

namespace tarvelo {

template <typename T>
struct Preferencia {
    QStringView secao;
    QStringView chave;
    T padrao;
};

// Stored as "True"/"False"; read leniently (any case, or a number).
using PreferenciaSimNao = Preferencia<bool>;
// Stored as a whole number; read as any number text.
using PreferenciaNumero = Preferencia<qint64>;
// Stored as it stands.
using PreferenciaTexto = Preferencia<QStringView>;

namespace pref {

inline constexpr QStringView kConf = u"Conf";

// ---- the calculator window ----------------------------------------------------------------
inline constexpr PreferenciaNumero Formato{kConf, u"Formato", 2};  // index of the number format
inline constexpr PreferenciaTexto Cor{kConf, u"Cor", u"1"};        // colour scheme "1".."4"
inline constexpr PreferenciaSimNao CalcEnter{kConf, u"CalcEnter", false};
inline constexpr PreferenciaSimNao CalcTime{kConf, u"CalcTime", false};
inline constexpr PreferenciaNumero CalcHeight{kConf, u"CalcHeight", 7350};  // twips
inline constexpr PreferenciaNumero MiniHeight{kConf, u"MiniHeight", 1365};  // twips
inline constexpr PreferenciaNumero CalcTop{kConf, u"CalcTop", 0};           // twips
// Twips; while unset the window stands at the right edge of the screen, worked out at load.
inline constexpr PreferenciaNumero CalcLeft{kConf, u"CalcLeft", 0};
inline constexpr PreferenciaSimNao Letrona{kConf, u"Letrona", true};
inline constexpr PreferenciaSimNao InserirTexto{kConf, u"InserirTexto", false};
inline constexpr PreferenciaSimNao Systray{kConf, u"mnuSystray", true};
inline constexpr PreferenciaSimNao Monitor{kConf, u"Monitor", false};
inline constexpr PreferenciaSimNao Oculte{kConf, u"Oculte", false};
inline constexpr PreferenciaSimNao HotKey{kConf, u"HotKey", true};
inline constexpr PreferenciaSimNao MenuXP{kConf, u"MenuXP", true};
inline constexpr PreferenciaTexto Sons{kConf, u"Sons", u"1"};  // "1" none, "2" beep, "3" musical
inline constexpr PreferenciaTexto Instrumento{kConf, u"Instrumento", u"0"};  // as the user typed it
inline constexpr PreferenciaSimNao Visivel{kConf, u"Visivel", true};
inline constexpr PreferenciaSimNao Backup{kConf, u"Backup", true};
inline constexpr PreferenciaSimNao NumLock{kConf, u"NumLock", false};
inline constexpr PreferenciaTexto Porta{kConf, u"Porta", u"LPT1"};  // the roll printer's port
inline constexpr PreferenciaTexto UltimoArq{kConf, u"UltimoArq", u"Tarvelo.txt"};
// While unset the tape's own folder, worked out where it is read.
inline constexpr PreferenciaTexto UltimoPath{kConf, u"UltimoPath", u""};

// ---- the cheque and the promissory note ---------------------------------------------------
// (Their nine layout models per document are a stored format of their own: documents/modelos.cpp.)
inline constexpr QStringView kCheque = u"Cheque";
inline constexpr QStringView kPromissoria = u"Promissoria";
inline constexpr PreferenciaTexto ImpDispo{kConf, u"ImpDispo", u""};  // the documents' printer; "" the default
inline constexpr PreferenciaNumero ChequeHeight{kCheque, u"Height", 4605};  // twips, frame included
inline constexpr PreferenciaNumero ChequeWidth{kCheque, u"Width", 9990};
inline constexpr PreferenciaTexto ChequeNegrito{kCheque, u"Negrito", u"0"};  // "1": bold fields
inline constexpr PreferenciaTexto ChequeCidade{kCheque, u"Cidade", u"CIDADE - UF"};
inline constexpr PreferenciaTexto ChequeFavorecido{kCheque, u"Favorecido", u""};
inline constexpr PreferenciaNumero NotaHeight{kPromissoria, u"Height", 5310};
inline constexpr PreferenciaNumero NotaWidth{kPromissoria, u"Width", 12060};
inline constexpr PreferenciaTexto NotaNegrito{kPromissoria, u"Negrito", u"0"};
inline constexpr PreferenciaTexto NotaNumero{kPromissoria, u"Numero", u"0"};  // the last number printed
inline constexpr PreferenciaTexto NotaPagarei{kPromissoria, u"Pagarei", u"pagarei"};
inline constexpr PreferenciaTexto NotaCredor{kPromissoria, u"Credor", u"NOME DA EMPRESA/PESSOA CREDORA"};
inline constexpr PreferenciaTexto NotaCredor2{kPromissoria, u"Credor2", u"CPF/CGC DO CREDOR"};
inline constexpr PreferenciaTexto NotaCidade{kPromissoria, u"Cidade", u"CIDADE - UF"};
inline constexpr PreferenciaTexto NotaEmitente{kPromissoria, u"Emitente", u"NOME DO EMITENTE"};
inline constexpr PreferenciaTexto NotaEmitente2{kPromissoria, u"Emitente2", u"CPF/CGC DO EMITENTE"};
inline constexpr PreferenciaTexto NotaEndereco{kPromissoria, u"Endereço", u"ENDEREÇO DO EMITENTE"};
// The month style shown at the last close: 2 the numeric style, anything else the month's name.
inline constexpr PreferenciaTexto NotaTipoMes{kPromissoria, u"TipoMês", u"3"};

// ---- the image-list editor ----------------------------------------------------------------
// The colour depth chosen for an image-list file, which has no field for it: one value per
// file, its key the file's absolute path (see porNome). 0 is the device's default.
inline constexpr PreferenciaNumero ProfundidadeCor{u"ListaImagens", u"", 0};

// ---- the host -----------------------------------------------------------------------------
inline constexpr PreferenciaNumero Idioma{kConf, u"Idioma", 0};  // 0: from the system's language

}  // namespace pref

// A setting kept once per thing, such as a file: the table's entry with the thing's name as
// its key. `nome` must outlive the result.
template <typename T>
constexpr Preferencia<T> porNome(const Preferencia<T>& p, QStringView nome)
{
    return {p.secao, nome, p.padrao};
}

// The stored text, or the default as it would be stored. `padraoAgora` stands in for a
// default that is worked out at the time of reading.
QString textoPreferencia(const SettingsStore& store, const PreferenciaSimNao& p);
QString textoPreferencia(const SettingsStore& store, const PreferenciaNumero& p);
QString textoPreferencia(const SettingsStore& store, const PreferenciaTexto& p);
template <typename T>
QString textoPreferencia(const SettingsStore& store, const Preferencia<T>& p, const QString& padraoAgora)
{
    return store.GetSetting(p.secao.toString(), p.chave.toString(), padraoAgora);
}
bool preferenciaGuardada(const SettingsStore& store, QStringView secao, QStringView chave);
template <typename T>
bool preferenciaGuardada(const SettingsStore& store, const Preferencia<T>& p)
{
    return preferenciaGuardada(store, p.secao, p.chave);
}

// The value, or the default when none is stored; nullopt when the stored text is no value of
// the type, so that the caller skips that step instead of guessing.
std::optional<bool> lerPreferencia(const SettingsStore& store, const PreferenciaSimNao& p);
std::optional<double> lerPreferencia(const SettingsStore& store, const PreferenciaNumero& p);
QString lerPreferencia(const SettingsStore& store, const PreferenciaTexto& p);

// Conf/"MenuXP", the one reading that decides whether the menus are drawn by the program
// (with icons) or by the style; a stored text that is no flag reads False.
bool lerMenuXP(const SettingsStore& store);

// One value ready to be stored.
struct ValorPreferencia {
    QStringView secao;
    QStringView chave;
    QString texto;
};
ValorPreferencia valorPreferencia(const PreferenciaSimNao& p, bool valor);
ValorPreferencia valorPreferencia(const PreferenciaNumero& p, qint64 valor);
ValorPreferencia valorPreferencia(const PreferenciaTexto& p, const QString& valor);

// False when the store could not be written.
template <typename T, typename V>
bool salvarPreferencia(SettingsStore& store, const Preferencia<T>& p, const V& valor)
{
    const ValorPreferencia v = valorPreferencia(p, valor);
    return store.SaveSetting(v.secao.toString(), v.chave.toString(), v.texto);
}
// Values of one section in one write: all are stored or none.
bool salvarPreferencias(SettingsStore& store, const QList<ValorPreferencia>& valores);

}  // namespace tarvelo

#include "documents/backupcheques.h"

#include "documents/modelos.h"
#include "host/preferencias.h"
#include "platform/ansi.h"
#include "platform/fileio.h"
#include "platform/regedit.h"
#include "platform/settings.h"

#include <QHash>
#include <QSet>

#include <cerrno>
#include <utility>

namespace tarvelo {
namespace {

using Resultado = RestauracaoModelos::Resultado;

// A value of a model as a backup holds it: its name, what stands for it where it is
// missing or the window cannot use it, and what it may be.
struct ValorBackup {
    QString nome;
    QString padrao;
    LimiteValor limite;
};

// The values of model `indice` in a backup: the name and the fields' Top and Left, each
// field kept at least partly inside the design area at the width `leiaute` gives it; the
// cheque's also its window size and its year. The cheque's leaves its reserve field out,
// as every backup leaves the widths out.
QList<ValorBackup> valoresBackup(Documento documento, int indice, QSize janelaTwips, const Leiaute& leiaute)
{
    const bool cheque = documento == Documento::Cheque;
    QList<ValorBackup> valores;
    if (cheque) {
        for (const auto& [preferencia, twips] : {std::pair{&pref::ChequeHeight, janelaTwips.height()},
                                                 std::pair{&pref::ChequeWidth, janelaTwips.width()}}) {
            const LimiteValor limite = LimiteTamanho(*preferencia);
            const QString padrao = QString::number(qBound(limite.minimo, twips, limite.maximo));
            valores.append({preferencia->chave.toString(), padrao, limite});
        }
    }
    valores.append({ChaveNome(documento), NomePadrao(indice), kLimiteNome});
    for (const CampoModelo& c : CamposModelo(documento)) {
        if (cheque && c.campo == QStringLiteral("txtReserva"))
            continue;
        if (!c.chaveTop.isEmpty())
            valores.append({c.chaveTop, QString::number(c.top), LimiteTopBackup(documento)});
        valores.append({c.chaveLeft, QString::number(c.left),
                        LimiteLeftBackup(documento, leiaute.value(c.campo, {c.left, c.top, c.width}).width)});
    }
    if (cheque)
        valores.append({kChaveAno, QStringLiteral("0"), kLimiteAno});
    return valores;
}

// A stored value as the window uses it, written the way a restore takes it back.
QString valorUtilizavel(const QString& guardado, const ValorBackup& v)
{
    switch (v.limite.tipo) {
    case LimiteValor::Tipo::Nome: {
        const QString nome = heldInAnsi(NomeEmUmaLinha(guardado)).left(v.limite.maximo);
        // A name whose bytes a reader would take for UTF-8 would come back as another.
        return TextoCabe(v.limite, nome) && !readsAsUtf8BeyondAscii(toAnsi(nome)) ? nome : v.padrao;
    }
    case LimiteValor::Tipo::Marca: {
        const auto numero = LerPixels(guardado);
        return numero ? QString::number(*numero != 0 ? 1 : 0) : v.padrao;
    }
    case LimiteValor::Tipo::Numero: {
        const auto numero = LerPixels(guardado);
        return numero && Cabe(v.limite, *numero) ? QString::number(*numero) : v.padrao;
    }
    }
    return v.padrao;
}

struct SecaoBackup {
    Documento documento;
    int indice;
};

std::optional<SecaoBackup> secaoDeModelo(const RegScriptKey& chave)
{
    const QString raiz = kSettingsRootKey + QLatin1Char('\\');
    if (chave.hive != Hive::CurrentUser || !chave.path.startsWith(raiz, Qt::CaseInsensitive))
        return std::nullopt;
    const QStringView secao = QStringView(chave.path).sliced(raiz.size());
    for (const Documento documento : {Documento::Cheque, Documento::Promissoria})
        for (int i = 0; i < kModelos; ++i)
            if (secao.compare(SecaoModelo(documento, i), Qt::CaseInsensitive) == 0)
                return SecaoBackup{documento, i};
    return std::nullopt;
}

// Whether `nome` is a value of the document's models that no backup holds: a field's
// width, the cheque's reserve field.
bool valorForaDoBackup(Documento documento, QStringView nome)
{
    for (const CampoModelo& c : CamposModelo(documento))
        for (const QString& chave : {c.chaveTop, c.chaveLeft, c.chaveWidth})
            if (!chave.isEmpty() && nome.compare(chave, Qt::CaseInsensitive) == 0)
                return true;
    return false;
}

const ValorBackup* valorAceito(const QList<ValorBackup>& aceitos, QStringView nome)
{
    for (const ValorBackup& v : aceitos)
        if (nome.compare(v.nome, Qt::CaseInsensitive) == 0)
            return &v;
    return nullptr;
}

RestauracaoModelos resultado(Resultado r, int linha = 0)
{
    RestauracaoModelos resultado;
    resultado.resultado = r;
    resultado.linha = linha;
    return resultado;
}

RestauracaoModelos recusa(Resultado r, int linha, const QString& chave, const QString& valor)
{
    RestauracaoModelos recusa = resultado(r, linha);
    recusa.chave = chave;
    recusa.valor = valor;
    return recusa;
}

// The model as the window loads it from the store: its widths stay through a restore.
Leiaute leiauteGuardado(const SettingsStore& configuracoes, Documento documento, int indice)
{
    Leiaute leiaute = LeiautePadrao(documento);
    CarregarModelo(configuracoes, documento, indice, leiaute);
    return leiaute;
}

// Every key a model's section, every value one of its model's and usable, line by line;
// then every section whole. A section may stand in the file more than once.
RestauracaoModelos conferir(const RegScript& script, const SettingsStore& configuracoes)
{
    if (script.isEmpty())
        return resultado(Resultado::SemModelo);
    QHash<QString, QSet<QString>> achados;  // section, folded -> the values it holds
    for (const RegScriptKey& chave : script) {
        const auto secao = secaoDeModelo(chave);
        if (!secao)
            return recusa(Resultado::ChaveAlheia, chave.line, regScriptKeyName(chave), {});
        const QList<ValorBackup> aceitos = valoresBackup(
            secao->documento, secao->indice, {}, leiauteGuardado(configuracoes, secao->documento, secao->indice));
        QSet<QString>& nomes = achados[chave.path.toCaseFolded()];
        for (qsizetype i = 0; i < chave.values.size(); ++i) {
            const NamedRegistryValue& v = chave.values[i];
            const int linha = chave.valueLines.value(i, chave.line);
            const QString nome = v.name.isEmpty() ? QStringLiteral("@") : v.name;
            const ValorBackup* aceito = valorAceito(aceitos, v.name);
            if (!aceito)
                return recusa(valorForaDoBackup(secao->documento, nome) ? Resultado::ValorForaDoBackup
                                                                        : Resultado::ValorAlheio,
                              linha, {}, nome);
            if (!TextoCabe(aceito->limite, v.value.toText())) {
                RestauracaoModelos impossivel = recusa(Resultado::ValorImpossivel, linha, {}, nome);
                impossivel.limite = aceito->limite;
                return impossivel;
            }
            nomes.insert(aceito->nome);
        }
    }
    for (const RegScriptKey& chave : script) {
        const auto secao = secaoDeModelo(chave);
        const QSet<QString>& nomes = achados[chave.path.toCaseFolded()];
        for (const ValorBackup& v : valoresBackup(secao->documento, secao->indice, {}, {}))
            if (!nomes.contains(v.nome))
                return recusa(Resultado::ModeloIncompleto, 0, regScriptKeyName(chave), v.nome);
    }
    return resultado(Resultado::Restaurado);
}

// The restore could not read the file, or the store could not take it, for `motivo`.
RestauracaoModelos falha(Resultado r, const QString& motivo)
{
    RestauracaoModelos falha = resultado(r);
    falha.motivo = motivo;
    return falha;
}

}  // namespace

std::optional<QByteArray> TextoBackupCheques(const SettingsStore& configuracoes, QSize janelaTwips)
{
    RegScript script;
    for (int i = 0; i < kModelos; ++i) {
        const QString secao = SecaoModelo(Documento::Cheque, i);
        RegScriptKey chave;
        chave.path = kSettingsRootKey + QLatin1Char('\\') + secao;
        for (const ValorBackup& v :
             valoresBackup(Documento::Cheque, i, janelaTwips, leiauteGuardado(configuracoes, Documento::Cheque, i))) {
            const QString valor = valorUtilizavel(configuracoes.GetSetting(secao, v.nome, v.padrao), v);
            chave.values.append({v.nome, RegistryValue::string(valor)});
        }
        script.append(chave);
    }
    QString erro;
    return writeRegedit4(script, &erro);
}

RestauracaoModelos RestaurarBackupModelos(Registry& registro, const QString& arquivo)
{
    const FileRead lido = readRegularFile(arquivo, kMaxRegistryFileBytes);
    switch (lido.status) {
    case FileRead::Status::Missing:
        return falha(Resultado::Ilegivel, systemErrorText(ENOENT));
    case FileRead::Status::Unreadable:
        return falha(Resultado::Ilegivel, lido.error);
    case FileRead::Status::TooLarge:
        return resultado(Resultado::Grande);
    case FileRead::Status::Ok:
        break;
    }
    // Windows writes its newer scripts in UTF-16, which no line of a REGEDIT4 script can be.
    if (utf16Encoding(lido.bytes))
        return resultado(Resultado::Unicode);
    if (const int linha = lineInOtherEncoding(lido.bytes))
        return resultado(Resultado::CodificacaoMista, linha);
    QString erro;
    int linha = 0;
    const auto script = readRegedit4(lido.bytes, &erro, &linha);
    if (!script)
        return resultado(Resultado::Danificado, linha);
    if (RestauracaoModelos conferido = conferir(*script, SettingsStore(registro));
        conferido.resultado != Resultado::Restaurado) {
        if (conferido.resultado == Resultado::ValorImpossivel)
            conferido.texto = regScriptLine(lido.bytes, conferido.linha);
        return conferido;
    }
    if (!importRegScript(registro, *script, &erro))
        return falha(Resultado::NaoGravado, erro);
    return resultado(Resultado::Restaurado);
}

}  // namespace tarvelo

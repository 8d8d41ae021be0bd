#include "documents/backupcheques.h"

#include "documents/modelos.h"
#include "host/preferencias.h"
#include "platform/ansi.h"
#include "platform/fileio.h"
#include "platform/regedit.h"
#include "platform/settings.h"

#include <cerrno>

namespace tarvelo {
namespace {

// The keys of one model in the script, with their defaults; the widths, the reserve
// field and the window's other settings are not part of the backup.
QList<std::pair<QString, QString>> chavesBackup(int indice, QSize janelaTwips)
{
    QList<std::pair<QString, QString>> chaves{
        {pref::ChequeHeight.chave.toString(), QString::number(janelaTwips.height())},
        {pref::ChequeWidth.chave.toString(), QString::number(janelaTwips.width())},
        {ChaveNome(Documento::Cheque), NomePadrao(indice)},
    };
    for (const CampoModelo& c : CamposModelo(Documento::Cheque)) {
        if (c.campo == QStringLiteral("txtReserva"))
            continue;
        if (!c.chaveTop.isEmpty())
            chaves.append({c.chaveTop, QString::number(c.top)});
        chaves.append({c.chaveLeft, QString::number(c.left)});
    }
    chaves.append({kChaveAno, QStringLiteral("0")});
    return chaves;
}

// What Windows-1252 cannot hold, as "?", so that the script always writes.
QString naPaginaDeCodigo(const QString& texto)
{
    return fromAnsi(toAnsi(texto));
}

// Windows writes its newer scripts in UTF-16, which no line of a REGEDIT4 script can be.
bool emUtf16(const QByteArray& bytes)
{
    return bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
}

bool secaoDeModelo(const RegScriptKey& chave)
{
    const QString raiz = kSettingsRootKey + QLatin1Char('\\');
    if (chave.hive != Hive::CurrentUser || !chave.path.startsWith(raiz, Qt::CaseInsensitive))
        return false;
    const QStringView secao = QStringView(chave.path).sliced(raiz.size());
    for (const Documento documento : {Documento::Cheque, Documento::Promissoria})
        for (int i = 0; i < kModelos; ++i)
            if (secao.compare(SecaoModelo(documento, i), Qt::CaseInsensitive) == 0)
                return true;
    return false;
}

}  // namespace

std::optional<QByteArray> TextoBackupCheques(const SettingsStore& configuracoes, QSize janelaTwips)
{
    RegScript script;
    for (int i = 0; i < kModelos; ++i) {
        const QString secao = SecaoModelo(Documento::Cheque, i);
        RegScriptKey chave;
        chave.path = kSettingsRootKey + QLatin1Char('\\') + secao;
        for (const auto& [nome, padrao] : chavesBackup(i, janelaTwips)) {
            const QString valor = naPaginaDeCodigo(configuracoes.GetSetting(secao, nome, padrao));
            chave.values.append({nome, RegistryValue::string(valor)});
        }
        script.append(chave);
    }
    return writeRegedit4(script, nullptr);
}

RestauracaoModelos RestaurarBackupModelos(Registry& registro, const QString& arquivo)
{
    using R = RestauracaoModelos::Resultado;
    const FileRead lido = readRegularFile(arquivo, kMaxRegistryFileBytes);
    switch (lido.status) {
    case FileRead::Status::Missing:
        return {R::Ilegivel, 0, {}, systemErrorText(ENOENT)};
    case FileRead::Status::Unreadable:
        return {R::Ilegivel, 0, {}, lido.error};
    case FileRead::Status::TooLarge:
        return {R::Grande};
    case FileRead::Status::Ok:
        break;
    }
    if (emUtf16(lido.bytes))
        return {R::Unicode};
    QString erro;
    int linha = 0;
    const auto script = readRegedit4(lido.bytes, &erro, &linha);
    if (!script)
        return {R::Danificado, linha};
    for (const RegScriptKey& chave : *script)
        if (!secaoDeModelo(chave))
            return {R::ChaveAlheia, chave.line, regScriptKeyName(chave)};
    if (!importRegScript(registro, *script, &erro))
        return {R::NaoGravado};
    return {R::Restaurado};
}

}  // namespace tarvelo

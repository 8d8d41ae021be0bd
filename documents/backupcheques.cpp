#include "documents/backupcheques.h"

#include "documents/modelos.h"
#include "host/preferencias.h"
#include "platform/ansi.h"
#include "platform/regedit.h"
#include "platform/settings.h"

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

}  // namespace tarvelo

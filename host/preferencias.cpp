#include "host/preferencias.h"

#include "platform/numbertext.h"

namespace tarvelo {

QString textoPreferencia(const SettingsStore& store, const PreferenciaSimNao& p)
{
    return textoPreferencia(store, p, settingText(p.padrao));
}

QString textoPreferencia(const SettingsStore& store, const PreferenciaNumero& p)
{
    return textoPreferencia(store, p, QString::number(p.padrao));
}

QString textoPreferencia(const SettingsStore& store, const PreferenciaTexto& p)
{
    return textoPreferencia(store, p, p.padrao.toString());
}

bool preferenciaGuardada(const SettingsStore& store, QStringView secao, QStringView chave)
{
    return !secao.isEmpty()
           && store.store().value(Hive::CurrentUser, SettingsStore::sectionKey(secao), chave).has_value();
}

std::optional<bool> lerPreferencia(const SettingsStore& store, const PreferenciaSimNao& p)
{
    return settingBool(textoPreferencia(store, p));
}

std::optional<double> lerPreferencia(const SettingsStore& store, const PreferenciaNumero& p)
{
    return numberValue(textoPreferencia(store, p));
}

QString lerPreferencia(const SettingsStore& store, const PreferenciaTexto& p)
{
    return textoPreferencia(store, p);
}

bool lerMenuXP(const SettingsStore& store)
{
    return lerPreferencia(store, pref::MenuXP).value_or(false);
}

ValorPreferencia valorPreferencia(const PreferenciaSimNao& p, bool valor)
{
    return {p.secao, p.chave, settingText(valor)};
}

ValorPreferencia valorPreferencia(const PreferenciaNumero& p, qint64 valor)
{
    return {p.secao, p.chave, QString::number(valor)};
}

ValorPreferencia valorPreferencia(const PreferenciaTexto& p, const QString& valor)
{
    return {p.secao, p.chave, valor};
}

bool salvarPreferencias(SettingsStore& store, const QList<ValorPreferencia>& valores)
{
    if (valores.isEmpty())
        return true;
    const QStringView secao = valores.first().secao;
    QList<std::pair<QString, QString>> pares;
    for (const ValorPreferencia& v : valores) {
        // One write holds one section; a mixed list is a mistake of the caller.
        if (v.secao.compare(secao, Qt::CaseInsensitive) != 0)
            return false;
        pares.append({v.chave.toString(), v.texto});
    }
    return store.SaveSettings(secao.toString(), pares);
}

}  // namespace tarvelo

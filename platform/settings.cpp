#include "platform/settings.h"

#include <QLocale>

#include <cmath>

namespace tarvelo {

QString SettingsStore::sectionKey(QStringView section) { return kSettingsRootKey + u'\\' + section.toString(); }

QString SettingsStore::GetSetting(const QString& section, const QString& key, const QString& defaultValue) const
{
    if (section.isEmpty())
        return defaultValue;
    const auto value = store().value(Hive::CurrentUser, sectionKey(section), key);
    return value ? value->toText() : defaultValue;
}

std::optional<bool> SettingsStore::GetBoolSetting(const QString& section, const QString& key, bool defaultValue) const
{
    return settingBool(GetSetting(section, key, settingText(defaultValue)));
}

bool SettingsStore::SaveSetting(const QString& section, const QString& key, const QString& value)
{
    return !section.isEmpty() &&
           store().setValue(Hive::CurrentUser, sectionKey(section), key, RegistryValue::string(value));
}

bool SettingsStore::SaveSettings(const QString& section, const QList<std::pair<QString, QString>>& values)
{
    if (section.isEmpty())
        return false;
    for (const auto& [key, value] : values)
        if (!isValidValueName(key) || value.size() > kMaxValueDataLength)
            return false;
    const QString path = sectionKey(section);
    return store().update(Hive::CurrentUser, [&](HiveData& data) {
        RegistryKey* target = data.create(path);
        if (!target)
            return false;
        for (const auto& [key, value] : values)
            target->set(key, RegistryValue::string(value));
        return true;
    });
}

bool SettingsStore::DeleteSetting(const QString& section, const QString& key)
{
    return !section.isEmpty() && store().deleteValue(Hive::CurrentUser, sectionKey(section), key);
}

bool SettingsStore::DeleteSetting(const QString& section)
{
    return !section.isEmpty() && store().deleteKey(Hive::CurrentUser, sectionKey(section));
}

QList<std::pair<QString, QString>> SettingsStore::GetAllSettings(const QString& section) const
{
    QList<std::pair<QString, QString>> out;
    if (section.isEmpty())
        return out;
    for (const NamedRegistryValue& v : store().values(Hive::CurrentUser, sectionKey(section)))
        out.append({v.name, v.value.toText()});
    return out;
}

SettingsStore& settings()
{
    static SettingsStore instance;
    return instance;
}

QString settingText(bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); }

std::optional<bool> settingBool(QStringView text)
{
    const QStringView t = text.trimmed();
    if (t.compare(u"True", Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(u"False", Qt::CaseInsensitive) == 0)
        return false;
    bool ok = false;
    const double number = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(number))
        return std::nullopt;
    return number != 0.0;
}

}  // namespace tarvelo

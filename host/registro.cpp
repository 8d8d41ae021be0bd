#include "host/registro.h"

namespace tarvelo {

std::optional<Hive> hiveFromCode(int hiveCode)
{
    // The code is the last digit of the hive handle -2147483640 - d; only 2..8 name hives.
    switch (hiveCode) {
    case 8: return Hive::ClassesRoot;
    case 7: return Hive::CurrentUser;
    case 6: return Hive::LocalMachine;
    case 5: return Hive::Users;
    case 4: return Hive::PerformanceData;
    case 3: return Hive::CurrentConfig;
    case 2: return Hive::DynData;
    default: return std::nullopt;
    }
}

bool GravarRegistro(const QString& subKey, const QString& valueName, const QString& data, int hiveCode,
                    int valueType)
{
    const auto hive = hiveFromCode(hiveCode);
    // Keeps a start-with-the-session value from pointing at a copy run from a floppy.
    if (!hive || data.contains(QLatin1StringView("A:\\"), Qt::CaseSensitive))
        return false;
    std::optional<RegistryValue> value;
    if (valueType == kRegSz) {
        if (data.size() <= kMaxValueDataLength)
            value = RegistryValue::string(data);
    } else {
        bool ok = false;
        const int number = data.trimmed().toInt(&ok);
        if (ok)
            value = RegistryValue::number(static_cast<std::uint32_t>(number));
    }
    // The key is opened (and created) before the value is set, so a DWORD that does not
    // read still leaves the key behind.
    const bool saved = registry().update(*hive, [&](HiveData& hiveData) {
        RegistryKey* key = hiveData.create(subKey);
        if (!key || !isValidValueName(valueName))
            return false;
        if (value)
            key->set(valueName, *value);
        return true;
    });
    return saved && value.has_value();
}

QString LerRegistro(const QString& subKey, const QString& valueName, int hiveCode)
{
    const auto hive = hiveFromCode(hiveCode);
    const auto value = hive ? registry().value(*hive, subKey, valueName) : std::nullopt;
    if (!value)
        return {};
    const QString text = value->toText();
    const qsizetype nul = text.indexOf(QChar(0));
    return nul < 0 ? text : text.left(nul);
}

bool ApagarRegistro(const QString& subKey, const QString& valueName, int hiveCode)
{
    const auto hive = hiveFromCode(hiveCode);
    return hive && registry().deleteValue(*hive, subKey, valueName);
}

}  // namespace tarvelo

#pragma once

#include "platform/registry.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>
#include <utility>

namespace tarvelo {

// Where the settings of application "TQ" live, one key per section below it.
inline const QString kSettingsRootKey = QStringLiteral("Software\\VB and VBA Program Settings\\TQ");

// The settings store of application "TQ": text values by section and key, a view of
// HKEY_CURRENT_USER\Software\VB and VBA Program Settings\TQ\<section>.
class SettingsStore {
public:
    // Bound to the program's registry as registry() gives it at each call, so that a
    // ScopedRegistry in a test redirects it too.
    SettingsStore() = default;
    explicit SettingsStore(Registry& registry) : bound_(&registry) {}

    Registry& store() const { return bound_ ? *bound_ : registry(); }
    static QString sectionKey(QStringView section);

    // The stored text, or `defaultValue` when the section or key is missing (or the
    // section name is empty). Reading never writes anything.
    QString GetSetting(const QString& section, const QString& key, const QString& defaultValue = {}) const;
    // A stored truth value, or `defaultValue` when missing; nullopt when the stored text
    // is no truth value, so that the caller skips that step instead of guessing.
    std::optional<bool> GetBoolSetting(const QString& section, const QString& key, bool defaultValue) const;
    // False when the value could not be stored.
    bool SaveSetting(const QString& section, const QString& key, const QString& value);
    // Several keys of one section in one write (a window's close saves a dozen): all are
    // stored or none.
    bool SaveSettings(const QString& section, const QList<std::pair<QString, QString>>& values);
    // One key, or the whole section with everything below it. Deleting what is missing
    // succeeds; false only when the store could not be written.
    bool DeleteSetting(const QString& section, const QString& key);
    bool DeleteSetting(const QString& section);
    // Key and text of every value of the section, in the order they were first saved;
    // empty when the section is missing.
    QList<std::pair<QString, QString>> GetAllSettings(const QString& section) const;

private:
    Registry* bound_ = nullptr;
};

// The program's settings store (over registry()).
SettingsStore& settings();

// Truth values as the store holds them: "True" and "False".
QString settingText(bool value);
// "True"/"False" in any case and with blanks around, or a number with "." as the point
// whatever the user's locale (zero is False); nullopt for any other text.
std::optional<bool> settingBool(QStringView text);

}  // namespace tarvelo

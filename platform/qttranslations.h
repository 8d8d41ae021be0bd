#pragma once

#include <QString>

namespace tarvelo {

// Qt's own texts (the stock buttons, the file dialog's labels) in the language of
// `localeName` ("pt_BR", "es"), in place of the ones installed before. English, or a
// language Qt has no translation for, leaves Qt's built-in English. False when no
// translation was loaded.
bool useQtTranslations(const QString& localeName);

}  // namespace tarvelo

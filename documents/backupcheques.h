#pragma once

#include <QByteArray>
#include <QSize>

#include <optional>

namespace tarvelo {

class SettingsStore;

// The cheque models as a REGEDIT4 registry script in Windows-1252: "REGEDIT4", then per
// model an empty line, its section header and 17 values (window size, name, positions,
// "chkAno"), every line ended by CR LF. Missing keys carry their defaults; the window size
// missing from a section is `janelaTwips`. Characters the code page cannot hold become
// "?"; quotes and backslashes in names are escaped. Nothing when the script cannot be made.
std::optional<QByteArray> TextoBackupCheques(const SettingsStore& configuracoes, QSize janelaTwips);

}  // namespace tarvelo

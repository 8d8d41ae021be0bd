#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

#include <optional>

namespace tarvelo {

class Registry;
class SettingsStore;

// The cheque models as a REGEDIT4 registry script in Windows-1252: "REGEDIT4", then per
// model an empty line, its section header and 17 values (window size, name, positions,
// "chkAno"), every line ended by CR LF. Missing keys carry their defaults; the window size
// missing from a section is `janelaTwips`. Characters the code page cannot hold become
// "?"; quotes and backslashes in names are escaped. Nothing when the script cannot be made.
std::optional<QByteArray> TextoBackupCheques(const SettingsStore& configuracoes, QSize janelaTwips);

// What opening a backup of the models came to.
struct RestauracaoModelos {
    enum class Resultado { Restaurado, Ilegivel, Grande, Unicode, Danificado, ChaveAlheia, NaoGravado };
    Resultado resultado = Resultado::Restaurado;
    int linha = 0;   // Danificado, ChaveAlheia: the line at fault
    QString chave;   // ChaveAlheia: the first key outside the models' sections, as the file names it
    QString motivo;  // Ilegivel: the system's reason
};

// Restores a backup of the models: its values reach the settings only when every key of
// the file is one of the models' sections ("Cheque".."Cheque8", "Promissoria"..
// "Promissoria8"), all in one write. Anything else (another key, a line that does not
// read, a file over 1 MB or in UTF-16) refuses the whole file and nothing changes.
RestauracaoModelos RestaurarBackupModelos(Registry& registro, const QString& arquivo);

}  // namespace tarvelo

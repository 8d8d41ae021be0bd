#pragma once

#include <QString>

namespace tarvelo {

class ClockService;
class FileDialogService;
class InputService;
class MessageService;
class PrinterService;
class SettingsStore;

// The two printed documents; each has its own window, settings sections and models.
enum class Documento { Cheque, Promissoria };

// What a document window is handed by its opener before it loads: the amount as money
// text, the amount in words in parentheses (split over the two word lines at each
// activation) and, for the note, the due date as the user typed it.
struct Entrega {
    QString valor;
    QString extenso;
    QString vencimento;
};

// What the document windows reach outside themselves. The program passes the real
// services; tests pass fakes.
struct ServicosDocumento {
    MessageService& mensagens;
    InputService& entrada;
    ClockService& relogio;
    SettingsStore& configuracoes;
    PrinterService& impressoras;
    FileDialogService& arquivos;
};

// The fields both documents have, by the names their settings and models use.
namespace campo {
inline const QString Cidade = QStringLiteral("txtCidade");
inline const QString Dia = QStringLiteral("txtDia");
inline const QString Mes = QStringLiteral("txtMês");
inline const QString Ano = QStringLiteral("txtAno");
}  // namespace campo

// The section of the settings that holds a document's window settings and its first model.
QString secaoBase(Documento documento);

}  // namespace tarvelo

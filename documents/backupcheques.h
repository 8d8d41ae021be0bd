#pragma once

#include "documents/modelos.h"

#include <QByteArray>
#include <QSize>
#include <QString>

#include <optional>

namespace tarvelo {

class Registry;
class SettingsStore;

// The cheque models as a REGEDIT4 registry script in Windows-1252: "REGEDIT4", then per
// model an empty line, its section header and 17 values (window size, name, positions,
// "chkAno"), every line ended by CR LF. Each value is written as the window uses it, so
// that a restore takes it back: a missing key, a stored value the window cannot use, or
// a field's place wholly off the form as designed, carries its default (the window size
// missing from a section is `janelaTwips`), a number is written in plain digits, a name
// keeps to one line (without the control characters it may hold), to the code page ("?"
// for what it cannot hold) and to its longest length, and its quotes and backslashes are
// escaped. Nothing when the script cannot be made.
std::optional<QByteArray> TextoBackupCheques(const SettingsStore& configuracoes, QSize janelaTwips);

// What opening a backup of the models came to.
struct RestauracaoModelos {
    enum class Resultado {
        Restaurado,
        Ilegivel,
        Grande,
        Unicode,
        Danificado,
        CodificacaoMista,
        SemModelo,
        ChaveAlheia,
        ValorAlheio,
        ValorForaDoBackup,
        ValorImpossivel,
        ModeloIncompleto,
        NaoGravado,
    };
    Resultado resultado = Resultado::Restaurado;
    int linha = 0;       // Danificado, CodificacaoMista, ChaveAlheia, ValorAlheio, ValorForaDoBackup,
                         // ValorImpossivel: the line at fault
    QString chave;       // ChaveAlheia, ModeloIncompleto: the key, as the file names it
    QString valor;       // ValorAlheio, ValorForaDoBackup, ValorImpossivel: the value's name;
                         // ModeloIncompleto: the one missing
    QString texto;       // ValorImpossivel: the line as the file writes it
    LimiteValor limite;  // ValorImpossivel: what the value may be
    QString motivo;      // Ilegivel, NaoGravado: the system's reason
};

// Restores a backup of the models, replacing the models it holds whole. A file is taken
// only when every key is a model's section ("Cheque".."Cheque8", "Promissoria"..
// "Promissoria8"), every value one of its model's that a backup holds and usable by the
// window (a field keeps at least a pixel inside the form as designed, at the width the
// model keeps, whatever screen the backup was made on), and every section holds all of
// them: a cheque section what the backup writes, a note section its name "Modelo" and the
// Top and Left keys of its fields. The file is read as the user's text files are (UTF-8
// when it all is, else Windows-1252). Anything else (a file with no model, over 1 MB, in
// UTF-16, mixing lines of the two encodings, or with a line that does not read) refuses
// the whole file;
// then, and when the store cannot take the values, nothing changes. The values a model
// keeps beside these (the fields' widths, the cheque's reserve field) stay as they are.
RestauracaoModelos RestaurarBackupModelos(Registry& registro, const QString& arquivo);

}  // namespace tarvelo

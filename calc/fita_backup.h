#pragma once

#include "platform/localeinfo.h"
#include "platform/shell.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <QTime>

#include <optional>

namespace tarvelo {

// From this size on the backup file is too large to be comfortable to read.
inline constexpr qint64 kBackupGrande = 3'200'001;
// A tape this long or shorter holds at most one line: not worth a backup.
inline constexpr qsizetype kMenorFitaComBackup = 28;

// What a clear appends to the backup file: the whole tape, the separator, a blank line,
// the time stamp "        BKP = hh:mm:ss hs.", a blank line and the separator again.
QString BlocoBackup(QStringView fita, QTime hora, const LocaleInfo& locale = currentLocale());

// The backup file "calcula.txt" in the program folder.
QString ArquivoBackup();

// Appends the bytes to the file, creating it when missing. False when they could not all
// be written; the file is then cut back to its old size, so it never ends in half a block.
bool anexarArquivo(const QString& caminho, QByteArrayView bytes);

// Replaces the file as a whole: a new file is written and then renamed over the old one,
// so a failure at any point leaves the old file as it was.
bool gravarArquivo(const QString& caminho, QByteArrayView bytes);

// The file's bytes; nullopt when it cannot be read or holds more than `limite` bytes.
std::optional<QByteArray> lerArquivo(const QString& caminho, qint64 limite);

// The desktop's handler through the program's `AbrirExterno`.
class ShellDoSistema final : public ShellService {
public:
    int open(const QString& target) override;
};

}  // namespace tarvelo

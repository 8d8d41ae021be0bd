#pragma once

#include "platform/localeinfo.h"

#include <QString>
#include <QStringView>
#include <QTime>

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

}  // namespace tarvelo

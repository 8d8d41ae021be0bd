#pragma once

#include "platform/fileio.h"

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>

namespace tarvelo {

// The desktop's name for the program: the desktop entry's file name, the icon's name in
// the icon theme and the AppStream id.
inline const QString kDesktopId = QStringLiteral("br.com.tarvelo.Tarvelo");

// A program path as one quoted argument of a desktop entry's Exec line.
QString desktopExecQuote(const QString& program);
// False for an empty path or one with a control character, which no Exec line can hold.
bool fitsExecLine(const QString& program);

// $TARVELO_HOME when set (tests and portable use never touch the user's session), else the
// XDG folder named by `variable` when it is absolute, else $HOME/`fallback`.
QString xdgFolder(const QProcessEnvironment& env, const char* variable, const char* fallback);
// Writes a whole file, creating its folder; on failure the file is as it was and the result
// holds the reason.
FileResult writeDesktopFile(const QString& path, const QByteArray& bytes);

// The program's entry in the desktop's application menu, for a copy that was not
// installed (an installed copy has its own from `cmake --install`; this one has the same
// name, so the menu never lists the program twice). Under $TARVELO_HOME/applications when
// TARVELO_HOME is set, otherwise $XDG_DATA_HOME/applications (by default
// ~/.local/share/applications); its icon file sits beside it under icons/.
class MenuEntry {
public:
    explicit MenuEntry(const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment());

    const QString& path() const { return path_; }
    const QString& iconPath() const { return iconPath_; }
    bool exists() const;
    // Writes the icon and the entry that starts `program`; on failure the result holds the
    // reason (a path no Exec line can hold is refused before anything is written).
    FileResult create(const QString& program, const QByteArray& iconPng) const;
    // True when the entry and its icon are gone afterwards.
    bool remove() const;

private:
    QString path_;
    QString iconPath_;
};

}  // namespace tarvelo

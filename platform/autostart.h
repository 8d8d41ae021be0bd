#pragma once

#include <QProcessEnvironment>
#include <QString>

namespace tarvelo {

// The session's autostart entry for the program, the Linux side of the "start with
// Windows" Run value: $TARVELO_HOME/autostart/tarvelo.desktop when TARVELO_HOME is set
// (tests and portable use never touch the user's session), otherwise
// $XDG_CONFIG_HOME/autostart/tarvelo.desktop (by default ~/.config/autostart/).
class AutostartEntry {
public:
    explicit AutostartEntry(const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment());

    const QString& path() const { return path_; }
    bool exists() const;
    // Writes the entry, atomically, to start `program` with the word "systray"; false
    // when it could not be written or the path cannot be put on an Exec line (a control
    // character in it).
    bool create(const QString& program) const;
    // True when the entry is gone afterwards.
    bool remove() const;

    // The Exec value: the program path quoted with the desktop-entry escapes, then
    // " systray".
    static QString execLine(const QString& program);

private:
    QString path_;
};

}  // namespace tarvelo

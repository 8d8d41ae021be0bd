#include "platform/autostart.h"

#include "platform/desktopentry.h"

#include <QFile>
#include <QFileInfo>

namespace tarvelo {

AutostartEntry::AutostartEntry(const QProcessEnvironment& env)
    : path_(xdgFolder(env, "XDG_CONFIG_HOME", ".config") + QStringLiteral("/autostart/tarvelo.desktop"))
{
}

bool AutostartEntry::exists() const
{
    return QFileInfo::exists(path_);
}

QString AutostartEntry::execLine(const QString& program)
{
    return desktopExecQuote(program) + QLatin1String(" systray");
}

bool AutostartEntry::create(const QString& program) const
{
    if (!fitsExecLine(program))
        return false;
    return writeDesktopFile(path_, QStringLiteral("[Desktop Entry]\n"
                                                  "Type=Application\n"
                                                  "Name=Tarvelo\n"
                                                  "Comment=Adding-machine calculator, started in the tray\n"
                                                  "Exec=%1\n"
                                                  "Terminal=false\n"
                                                  "X-GNOME-Autostart-enabled=true\n")
                                       .arg(execLine(program))
                                       .toUtf8())
        .ok();
}

bool AutostartEntry::remove() const
{
    return !exists() || QFile::remove(path_);
}

}  // namespace tarvelo

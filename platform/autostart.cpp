#include "platform/autostart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace tarvelo {
namespace {

QString configFolder(const QProcessEnvironment& env)
{
    const QString home = env.value(QStringLiteral("TARVELO_HOME"));
    if (!home.isEmpty())
        return home;
    // A relative XDG_CONFIG_HOME is invalid and ignored, as the base-directory rules say.
    const QString xdg = env.value(QStringLiteral("XDG_CONFIG_HOME"));
    if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg))
        return xdg;
    const QString user = env.value(QStringLiteral("HOME"), QDir::homePath());
    return user + QStringLiteral("/.config");
}

bool hasControlCharacter(const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return true;
    }
    return false;
}

}  // namespace

AutostartEntry::AutostartEntry(const QProcessEnvironment& env)
    : path_(configFolder(env) + QStringLiteral("/autostart/tarvelo.desktop"))
{
}

bool AutostartEntry::exists() const
{
    return QFileInfo::exists(path_);
}

QString AutostartEntry::execLine(const QString& program)
{
    // Inside the quotes of an Exec argument ", `, $ and \ take a backslash; the value is
    // itself an escaped string, which doubles every backslash once more; "%" would start
    // a field code.
    QString quoted;
    for (const QChar c : program) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$'))
            quoted += QLatin1String("\\\\") + c;
        else if (c == QLatin1Char('\\'))
            quoted += QLatin1String("\\\\\\\\");
        else if (c == QLatin1Char('%'))
            quoted += QLatin1String("%%");
        else
            quoted += c;
    }
    return QLatin1Char('"') + quoted + QLatin1String("\" systray");
}

bool AutostartEntry::create(const QString& program) const
{
    if (program.isEmpty() || hasControlCharacter(program))
        return false;
    if (!QDir().mkpath(QFileInfo(path_).absolutePath()))
        return false;
    const QString entry = QStringLiteral("[Desktop Entry]\n"
                                         "Type=Application\n"
                                         "Name=Tarvelo\n"
                                         "Comment=Adding-machine calculator, started in the tray\n"
                                         "Exec=%1\n"
                                         "Terminal=false\n"
                                         "X-GNOME-Autostart-enabled=true\n")
                              .arg(execLine(program));
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = entry.toUtf8();
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool AutostartEntry::remove() const
{
    return !exists() || QFile::remove(path_);
}

}  // namespace tarvelo

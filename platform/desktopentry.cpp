#include "platform/desktopentry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tarvelo {

QString desktopExecQuote(const QString& program)
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
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

bool fitsExecLine(const QString& program)
{
    if (program.isEmpty())
        return false;
    for (const QChar c : program) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return false;
    }
    return true;
}

QString xdgFolder(const QProcessEnvironment& env, const char* variable, const char* fallback)
{
    const QString home = env.value(QStringLiteral("TARVELO_HOME"));
    if (!home.isEmpty())
        return home;
    // A relative XDG folder is invalid and ignored, as the base-directory rules say.
    const QString xdg = env.value(QLatin1String(variable));
    if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg))
        return xdg;
    return env.value(QStringLiteral("HOME"), QDir::homePath()) + QLatin1Char('/') + QLatin1String(fallback);
}

FileResult writeDesktopFile(const QString& path, const QByteArray& bytes)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return {QStringLiteral("Cannot create the folder")};
    return writeFileAtomically(path, bytes, FileAccess::User);
}

MenuEntry::MenuEntry(const QProcessEnvironment& env)
{
    const QString data = xdgFolder(env, "XDG_DATA_HOME", ".local/share");
    path_ = data + QStringLiteral("/applications/") + kDesktopId + QStringLiteral(".desktop");
    iconPath_ = data + QStringLiteral("/icons/hicolor/256x256/apps/") + kDesktopId + QStringLiteral(".png");
}

bool MenuEntry::exists() const
{
    return QFileInfo::exists(path_);
}

FileResult MenuEntry::create(const QString& program, const QByteArray& iconPng) const
{
    if (!fitsExecLine(program) || !fitsExecLine(iconPath_))
        return {QStringLiteral("Invalid program path")};
    if (FileResult icone = writeDesktopFile(iconPath_, iconPng); !icone.ok())
        return icone;
    // The icon by its path: a copy that was not installed has no icon in the theme, and a
    // data folder under TARVELO_HOME is not one the desktop searches. It opens the files the
    // installed entry opens, which it hides.
    const QString entry = QStringLiteral("[Desktop Entry]\n"
                                         "Type=Application\n"
                                         "Name=Tarvelo\n"
                                         "GenericName=Tape Calculator\n"
                                         "Comment=Adding-machine calculator with a paper tape\n"
                                         "Exec=%1 %f\n"
                                         "Path=%2\n"
                                         "Icon=%3\n"
                                         "Terminal=false\n"
                                         "Categories=Utility;Calculator;\n"
                                         "MimeType=text/x-ms-regedit;\n")
                              .arg(desktopExecQuote(program), QFileInfo(program).absolutePath(), iconPath_);
    return writeDesktopFile(path_, entry.toUtf8());
}

bool MenuEntry::remove() const
{
    const bool entryGone = !exists() || QFile::remove(path_);
    const bool iconGone = !QFileInfo::exists(iconPath_) || QFile::remove(iconPath_);
    return entryGone && iconGone;
}

}  // namespace tarvelo

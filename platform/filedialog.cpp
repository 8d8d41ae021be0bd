#include "platform/filedialog.h"

#include <QFileInfo>

namespace tarvelo {

QStringList nameFilters(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts.at(i).trimmed();
        const QString patterns =
            parts.at(i + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts).join(QLatin1Char(' ')).trimmed();
        if (description.isEmpty() && patterns.isEmpty())
            continue;
        // Qt reads the patterns from the last parentheses and splits them at blanks only,
        // so those parentheses get the pair's own patterns.
        QString shown = description;
        if (shown.endsWith(QLatin1Char(')')) && shown.contains(QLatin1Char('(')))
            shown = shown.left(shown.lastIndexOf(QLatin1Char('('))).trimmed();
        filters << QStringLiteral("%1 (%2)").arg(shown, patterns);
    }
    return filters;
}

QString defaultSuffix(const QString& defaultExt)
{
    QString suffix = defaultExt.trimmed();
    while (suffix.startsWith(QLatin1Char('*')) || suffix.startsWith(QLatin1Char('.')))
        suffix.remove(0, 1);
    return suffix;
}

int effectiveFlags(const FileDialogRequest& request)
{
    int flags = request.flags & ~(fd::EnableHook | fd::EnableTemplate);
    if (request.fileMustExist)
        flags |= fd::FileMustExist;
    if (request.multiSelect)
        flags |= fd::AllowMultiSelect;
    if (request.readOnly)
        flags |= fd::ReadOnly;
    if (request.hideReadOnly)
        flags |= fd::HideReadOnly;
    return flags;
}

QString joinSelection(const QStringList& files)
{
    if (files.size() == 1)
        return files.constFirst();
    QString text = files.isEmpty() ? QString() : QFileInfo(files.constFirst()).absolutePath();
    for (const QString& file : files)
        text += QChar(0) + QFileInfo(file).fileName();
    return text;
}

}  // namespace tarvelo

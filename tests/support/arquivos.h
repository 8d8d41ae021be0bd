#pragma once

// Reading back what a test's files and folders hold.

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

#include <sys/stat.h>

namespace tarvelo::teste {

inline QByteArray lerTudo(const QString& caminho)
{
    QFile arquivo(caminho);
    return arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray("<unreadable>");
}

// Every name in the folder, hidden ones and leftovers included, sorted.
inline QStringList conteudoDaPasta(const QString& pasta)
{
    return QDir(pasta).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// The permission bits of a file or folder; 0 when it cannot be looked at.
inline mode_t modoDe(const QString& caminho)
{
    struct stat st {};
    return ::stat(QFile::encodeName(caminho).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
}

}  // namespace tarvelo::teste

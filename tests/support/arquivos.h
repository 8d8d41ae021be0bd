#pragma once

// Reading back what a test's files and folders hold.

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

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

}  // namespace tarvelo::teste

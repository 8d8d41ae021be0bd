#pragma once

#include "platform/registry.h"

#include <QString>
#include <QStringView>

#include <optional>

// The line grammar shared by the hive files and REGEDIT4 scripts.
namespace tarvelo::regsyntax {

// REGEDIT4 knows only \" and \\ inside quotes; the hive files also write CR and LF as
// \r and \n, which a script line cannot hold.
enum class Escapes { Regedit4, HiveFile };

QStringView trimmed(QStringView line);  // blanks and tabs at both ends
bool isBlankOrComment(QStringView trimmedLine);
bool looksLikeHeader(QStringView trimmedLine);

struct Header {
    Hive hive;
    QString path;
};
// "[HKEY_CURRENT_USER\Software\...]"; on failure `why` says what is wrong.
std::optional<Header> parseHeader(QStringView trimmedLine, QString* why);
QString formatHeader(Hive hive, QStringView path);

// "name"="text", "name"=dword:0000000a, or @ in place of the quoted name.
std::optional<NamedRegistryValue> parseValueLine(QStringView trimmedLine, Escapes escapes, QString* why);
QString formatValueLine(const NamedRegistryValue& value, Escapes escapes);

}  // namespace tarvelo::regsyntax

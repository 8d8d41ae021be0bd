#pragma once

#include "platform/registry.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <optional>

namespace tarvelo {

// REGEDIT4 registry scripts as Windows exchanges them: Windows-1252 bytes, CR LF lines,
// "REGEDIT4" first, then "[HKEY_...\key]" headers each followed by its
// "name"="text" (with \" and \\ escapes), "name"=dword:0000000a and @="default" lines.
// Only text and dword values exist here; a script that deletes keys or values or holds
// other value types is refused, never half understood. A script a Linux editor saved is
// read as any text file the user also opens elsewhere: in UTF-8 when the whole file is
// (a byte order mark before it is no text), else in Windows-1252.

struct RegScriptKey {
    Hive hive = Hive::CurrentUser;
    QString path;
    QList<NamedRegistryValue> values;
    int line = 0;            // of the header, for messages
    QList<int> valueLines;   // of each of `values`, when the script was read from a file
};
using RegScript = QList<RegScriptKey>;

// Reads a whole script; on any unreadable line the result is empty and `error` names the
// line and what is wrong with it, `errorLine` (when given) its number. LF-only lines and
// ";" comment lines are accepted. A file that mixes lines of the two encodings (see
// lineInOtherEncoding), and a file in UTF-8 with a line that a script in Windows-1252
// could not say again, are unreadable at that line.
std::optional<RegScript> readRegedit4(QByteArrayView bytes, QString* error, int* errorLine = nullptr);
// Line `number` (from 1) of a script as it reads, without the blanks around it: for a
// message that quotes it.
QString regScriptLine(QByteArrayView bytes, int number);

// Writes the keys in order: "REGEDIT4", then for each key an empty line, its header and
// its values, every line ended by CR LF. Fails (with `error`) when a name or text holds a
// line break or a character that Windows-1252 cannot hold, or when a line's bytes would
// be taken for UTF-8, rather than write a script that would restore something else.
std::optional<QByteArray> writeRegedit4(const RegScript& keys, QString* error);

// Imports a script into the program's settings: every key must lie in
// HKEY_CURRENT_USER\Software\VB and VBA Program Settings\TQ or below. Anything else, or a
// line that does not read, refuses the whole script and nothing is written. Values merge
// into what is there, as the registry editor does.
bool importRegedit4(Registry& registry, QByteArrayView bytes, QString* error);
bool importRegedit4File(Registry& registry, const QString& fileName, QString* error);
// Writes the values of a script already read into HKEY_CURRENT_USER, all in one write or
// none, for a caller that has checked its keys by rules of its own. A store that cannot
// take them (full, read-only, over its size) gives its reason in `error` and is not told
// to `registry.onWriteFailed`: the caller tells the user once, with the script's name.
bool importRegScript(Registry& registry, const RegScript& script, QString* error);

// The key as a script names it: "HKEY_CURRENT_USER\Software\...".
QString regScriptKeyName(const RegScriptKey& key);

// The key and everything below it as a script. Keys without values that only lead to
// other keys are left out, so a script imported into an empty registry exports to the
// same bytes.
std::optional<QByteArray> exportRegedit4(Registry& registry, Hive hive, QStringView path, QString* error);
bool exportRegedit4File(Registry& registry, Hive hive, QStringView path, const QString& fileName,
                        QString* error);

}  // namespace tarvelo

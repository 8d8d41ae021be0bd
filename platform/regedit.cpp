#include "platform/regedit.h"

#include "platform/ansi.h"
#include "platform/bytelines.h"
#include "platform/fileio.h"
#include "platform/regsyntax.h"
#include "platform/settings.h"

#include <QScopeGuard>
#include <QSet>

#include <cerrno>
#include <utility>

namespace tarvelo {
namespace {

const QLatin1StringView kFirstLine("REGEDIT4");

QString fold(QStringView s) { return s.toString().toCaseFolded(); }

QString keyText(Hive hive, QStringView path)
{
    return path.isEmpty() ? hiveName(hive) : hiveName(hive) + u'\\' + path.toString();
}

bool inSettingsTree(const RegScriptKey& key)
{
    if (key.hive != Hive::CurrentUser)
        return false;
    const QString path = fold(key.path);
    const QString root = fold(kSettingsRootKey);
    return path == root || path.startsWith(root + u'\\');
}

bool holdsLineBreak(QStringView text) { return text.contains(u'\r') || text.contains(u'\n'); }

// Whether a line of a script reads back as written: Windows-1252 holds it, and its bytes
// are not taken for UTF-8.
bool writable(QStringView line)
{
    return heldInAnsi(line) == line && !readsAsUtf8BeyondAscii(toAnsi(line));
}

}  // namespace

std::optional<RegScript> readRegedit4(QByteArrayView bytes, QString* error, int* errorLine)
{
    int lineNumber = 0;
    const auto fail = [&](const QString& why) {
        *error = lineNumber > 1 ? QStringLiteral("line %1: %2").arg(lineNumber).arg(why) : why;
        if (errorLine)
            *errorLine = lineNumber;
        return std::nullopt;
    };
    if (bytes.size() > kMaxRegistryFileBytes)
        return fail(QStringLiteral("the file is larger than %1 bytes").arg(kMaxRegistryFileBytes));
    if (const int mixed = lineInOtherEncoding(bytes)) {
        lineNumber = mixed;
        return fail(QStringLiteral("the file mixes lines in UTF-8 and in Windows-1252"));
    }
    const TextEncoding encoding = textEncoding(bytes);
    RegScript script;
    QString why;
    ByteLines lines(bytes);
    while (!lines.atEnd() || lineNumber == 0) {
        const QString text = decodeText(lines.next(), encoding);
        ++lineNumber;
        const QStringView line = regsyntax::trimmed(text);

        if (lineNumber == 1) {
            if (line != kFirstLine)
                return fail(QStringLiteral("not a REGEDIT4 file: the first line must be \"REGEDIT4\""));
            continue;
        }
        if (regsyntax::isBlankOrComment(line))
            continue;
        // What a file in UTF-8 says, a script in Windows-1252 must be able to say again.
        if (encoding == TextEncoding::Utf8 && !writable(line))
            return fail(QStringLiteral("characters that a Windows-1252 script cannot hold"));
        if (regsyntax::looksLikeHeader(line)) {
            const auto header = regsyntax::parseHeader(line, &why);
            if (!header)
                return fail(why);
            script.append({header->hive, header->path, {}, lineNumber, {}});
            continue;
        }
        if (script.isEmpty())
            return fail(QStringLiteral("a value before the first key header"));
        const auto value = regsyntax::parseValueLine(line, regsyntax::Escapes::Regedit4, &why);
        if (!value)
            return fail(why);
        script.last().values.append(*value);
        script.last().valueLines.append(lineNumber);
    }
    return script;
}

QString regScriptLine(QByteArrayView bytes, int number)
{
    ByteLines lines(bytes);
    for (int i = 1; i < number && !lines.atEnd(); ++i)
        lines.next();
    return regsyntax::trimmed(decodeText(lines.next(), textEncoding(bytes))).toString();
}

std::optional<QByteArray> writeRegedit4(const RegScript& keys, QString* error)
{
    QByteArray out;
    // Each line goes through the code page on its own, so that a character it cannot
    // hold is reported with the key and value that hold it.
    const auto append = [&](const QString& line, const RegScriptKey& key, const QString* name) {
        if (!writable(line)) {
            *error = name ? QStringLiteral("the value \"%1\" of [%2] holds characters that a Windows-1252 script "
                                           "cannot hold, or that would read back as others")
                                .arg(*name, keyText(key.hive, key.path))
                          : QStringLiteral("the key [%1] holds characters that a Windows-1252 script cannot hold, or "
                                           "that would read back as others")
                                .arg(keyText(key.hive, key.path));
            return false;
        }
        out += toAnsi(line);
        out += "\r\n";
        return true;
    };

    out += kFirstLine.latin1();
    out += "\r\n";
    for (const RegScriptKey& key : keys) {
        if (!isValidKeyPath(key.path)) {
            *error = QStringLiteral("invalid key name [%1]").arg(keyText(key.hive, key.path));
            return std::nullopt;
        }
        out += "\r\n";
        if (!append(regsyntax::formatHeader(key.hive, key.path), key, nullptr))
            return std::nullopt;
        for (const NamedRegistryValue& v : key.values) {
            if (holdsLineBreak(v.name) ||
                (v.value.type == RegistryValue::Type::String && holdsLineBreak(v.value.text))) {
                *error = QStringLiteral("the value \"%1\" of [%2] holds a line break, which a REGEDIT4 file cannot hold")
                             .arg(v.name, keyText(key.hive, key.path));
                return std::nullopt;
            }
            if (!append(regsyntax::formatValueLine(v, regsyntax::Escapes::Regedit4), key, &v.name))
                return std::nullopt;
        }
    }
    return out;
}

bool importRegedit4(Registry& registry, QByteArrayView bytes, QString* error)
{
    const auto script = readRegedit4(bytes, error);
    if (!script)
        return false;
    for (const RegScriptKey& key : *script) {
        if (!inSettingsTree(key)) {
            *error = QStringLiteral("line %1: [%2] is outside [%3]; only the program's settings can be imported")
                         .arg(key.line)
                         .arg(regScriptKeyName(key), keyText(Hive::CurrentUser, kSettingsRootKey));
            return false;
        }
    }
    return importRegScript(registry, *script, error);
}

bool importRegScript(Registry& registry, const RegScript& script, QString* error)
{
    for (const RegScriptKey& key : script) {
        if (key.hive != Hive::CurrentUser) {
            *error = QStringLiteral("line %1: [%2] is not a key of %3")
                         .arg(key.line)
                         .arg(regScriptKeyName(key), hiveName(Hive::CurrentUser));
            return false;
        }
    }
    bool full = false;
    QString storeReason;
    auto told = std::exchange(registry.onWriteFailed,
                              [&storeReason](const QString&, const QString& reason) { storeReason = reason; });
    const auto restore = qScopeGuard([&] { registry.onWriteFailed = std::move(told); });
    const bool written = registry.update(Hive::CurrentUser, [&](HiveData& data) {
        for (const RegScriptKey& key : script) {
            RegistryKey* target = data.create(key.path);
            if (!target) {
                full = true;
                return false;
            }
            for (const NamedRegistryValue& v : key.values)
                target->set(v.name, v.value);
        }
        return true;
    });
    if (!written)
        *error = full ? systemErrorText(EFBIG) : storeReason;
    return written;
}

QString regScriptKeyName(const RegScriptKey& key)
{
    return keyText(key.hive, key.path);
}

bool importRegedit4File(Registry& registry, const QString& fileName, QString* error)
{
    // A script over the limit is passed on as far as it goes: the parser refuses it.
    const FileRead read = readRegularFile(fileName, kMaxRegistryFileBytes, Oversize::KeepHead);
    if (read.status == FileRead::Status::Missing || read.status == FileRead::Status::Unreadable) {
        *error = QStringLiteral("cannot open %1: %2").arg(fileName, read.error.isEmpty() ? systemErrorText(ENOENT) : read.error);
        return false;
    }
    return importRegedit4(registry, read.bytes, error);
}

std::optional<QByteArray> exportRegedit4(Registry& registry, Hive hive, QStringView path, QString* error)
{
    const HiveData data = registry.snapshot(hive);
    const std::vector<const RegistryKey*> tree = data.tree(path);
    QSet<QString> parents;
    for (const RegistryKey* k : tree) {
        const qsizetype slash = k->path.lastIndexOf(u'\\');
        if (!k->path.isEmpty())
            parents.insert(fold(slash < 0 ? QStringView() : QStringView(k->path).first(slash)));
    }
    RegScript script;
    for (const RegistryKey* k : tree)
        if (!k->values().isEmpty() || (!k->path.isEmpty() && !parents.contains(fold(k->path))))
            script.append({hive, k->path, k->values(), 0, {}});
    return writeRegedit4(script, error);
}

bool exportRegedit4File(Registry& registry, Hive hive, QStringView path, const QString& fileName, QString* error)
{
    const auto bytes = exportRegedit4(registry, hive, path, error);
    if (!bytes)
        return false;
    if (const FileResult written = writeFileAtomically(fileName, *bytes, FileAccess::User); !written) {
        *error = QStringLiteral("cannot write %1: %2").arg(fileName, written.error);
        return false;
    }
    return true;
}

}  // namespace tarvelo

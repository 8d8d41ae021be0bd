#include "platform/regsyntax.h"

namespace tarvelo::regsyntax {
namespace {

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

void skipBlanks(QStringView line, qsizetype& i)
{
    while (i < line.size() && isBlank(line[i]))
        ++i;
}

// Reads a quoted text starting at line[i] == '"'; leaves i after the closing quote.
std::optional<QString> readQuoted(QStringView line, qsizetype& i, Escapes escapes, qsizetype maxLength,
                                  QString* why)
{
    QString out;
    ++i;
    while (i < line.size()) {
        const QChar c = line[i++];
        if (c == u'"')
            return out;
        if (c == u'\r' && escapes == Escapes::Regedit4) {
            // A script line cannot hold a line break, so a stray CR is damage, not data.
            *why = QStringLiteral("a line break inside a quoted text");
            return std::nullopt;
        }
        if (c == u'\\') {
            if (i == line.size())
                break;
            const QChar e = line[i++];
            if (e == u'"' || e == u'\\')
                out += e;
            else if (escapes == Escapes::HiveFile && e == u'r')
                out += u'\r';
            else if (escapes == Escapes::HiveFile && e == u'n')
                out += u'\n';
            else {
                *why = QStringLiteral("unknown escape \"\\%1\" in a quoted text").arg(e);
                return std::nullopt;
            }
        } else {
            out += c;
        }
        if (out.size() > maxLength) {
            *why = QStringLiteral("a quoted text longer than %1 characters").arg(maxLength);
            return std::nullopt;
        }
    }
    *why = QStringLiteral("a quoted text without its closing quote");
    return std::nullopt;
}

QString quoted(QStringView text, Escapes escapes)
{
    QString out;
    out.reserve(text.size() + 2);
    out += u'"';
    for (const QChar c : text) {
        if (c == u'"' || c == u'\\') {
            out += u'\\';
            out += c;
        } else if (escapes == Escapes::HiveFile && c == u'\r') {
            out += QLatin1StringView("\\r");
        } else if (escapes == Escapes::HiveFile && c == u'\n') {
            out += QLatin1StringView("\\n");
        } else {
            out += c;
        }
    }
    out += u'"';
    return out;
}

}  // namespace

QStringView trimmed(QStringView line)
{
    qsizetype from = 0, to = line.size();
    while (from < to && isBlank(line[from]))
        ++from;
    while (to > from && isBlank(line[to - 1]))
        --to;
    return line.sliced(from, to - from);
}

bool isBlankOrComment(QStringView trimmedLine)
{
    return trimmedLine.isEmpty() || trimmedLine.startsWith(u';');
}

bool looksLikeHeader(QStringView trimmedLine) { return trimmedLine.startsWith(u'['); }

std::optional<Header> parseHeader(QStringView line, QString* why)
{
    if (!line.startsWith(u'[') || !line.endsWith(u']') || line.size() < 2) {
        *why = QStringLiteral("a key header must be enclosed in [ ]");
        return std::nullopt;
    }
    const QStringView inner = line.sliced(1, line.size() - 2);
    if (inner.startsWith(u'-')) {
        *why = QStringLiteral("deleting keys is not supported");
        return std::nullopt;
    }
    const qsizetype slash = inner.indexOf(u'\\');
    const QStringView root = slash < 0 ? inner : inner.first(slash);
    const auto hive = hiveFromName(root);
    if (!hive) {
        *why = QStringLiteral("unknown root key \"%1\"").arg(root.left(64));
        return std::nullopt;
    }
    const QStringView path = slash < 0 ? QStringView() : inner.sliced(slash + 1);
    if (slash >= 0 && !isValidKeyPath(path)) {
        *why = QStringLiteral("invalid key name (empty part, control character or too long)");
        return std::nullopt;
    }
    return Header{*hive, path.toString()};
}

QString formatHeader(Hive hive, QStringView path)
{
    QString out = u'[' + hiveName(hive);
    if (!path.isEmpty())
        out += u'\\' + path.toString();
    out += u']';
    return out;
}

std::optional<NamedRegistryValue> parseValueLine(QStringView line, Escapes escapes, QString* why)
{
    NamedRegistryValue result;
    qsizetype i = 0;
    if (line.startsWith(u'@')) {
        i = 1;
    } else if (line.startsWith(u'"')) {
        auto name = readQuoted(line, i, escapes, kMaxValueNameLength, why);
        if (!name)
            return std::nullopt;
        result.name = *name;
    } else {
        *why = QStringLiteral("expected a key header, a quoted value name or @");
        return std::nullopt;
    }
    skipBlanks(line, i);
    if (i == line.size() || line[i] != u'=') {
        *why = QStringLiteral("expected \"=\" after the value name");
        return std::nullopt;
    }
    ++i;
    skipBlanks(line, i);
    const QStringView data = line.sliced(i);
    if (data.startsWith(u'"')) {
        auto text = readQuoted(line, i, escapes, kMaxValueDataLength, why);
        if (!text)
            return std::nullopt;
        skipBlanks(line, i);
        if (i != line.size()) {
            *why = QStringLiteral("unexpected text after the closing quote");
            return std::nullopt;
        }
        result.value = RegistryValue::string(*text);
        return result;
    }
    if (data.startsWith(QLatin1StringView("dword:"), Qt::CaseInsensitive)) {
        const QStringView digits = data.sliced(6);
        bool ok = digits.size() >= 1 && digits.size() <= 8;
        for (const QChar c : digits)
            ok = ok && ((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F'));
        if (!ok) {
            *why = QStringLiteral("a dword value takes 1 to 8 hexadecimal digits");
            return std::nullopt;
        }
        result.value = RegistryValue::number(digits.toUInt(nullptr, 16));
        return result;
    }
    if (data.startsWith(u'-'))
        *why = QStringLiteral("deleting values is not supported");
    else if (data.startsWith(QLatin1StringView("hex"), Qt::CaseInsensitive))
        *why = QStringLiteral("only text and dword values are supported");
    else
        *why = QStringLiteral("expected a quoted text or dword: after \"=\"");
    return std::nullopt;
}

QString formatValueLine(const NamedRegistryValue& v, Escapes escapes)
{
    QString out = v.name.isEmpty() ? QStringLiteral("@") : quoted(v.name, escapes);
    out += u'=';
    if (v.value.type == RegistryValue::Type::String)
        out += quoted(v.value.text, escapes);
    else
        out += QStringLiteral("dword:%1").arg(v.value.dword, 8, 16, QLatin1Char('0'));
    return out;
}

}  // namespace tarvelo::regsyntax

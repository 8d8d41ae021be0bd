#include "platform/ansi.h"

#include "platform/bytelines.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace tarvelo {
namespace {

// Bytes 0x80..0x9F of the code page; the unassigned ones keep their C1 control value.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char encodeOne(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (std::size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == c)
            return static_cast<char>(0x80 + i);
    return '?';
}

bool asciiWord(const unsigned char* p)
{
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    return (word & 0x8080808080808080u) == 0;
}

}  // namespace

QByteArray toAnsi(QStringView text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        // A surrogate pair is one character that the code page cannot hold: one "?".
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        out.append(encodeOne(c.unicode()));
    }
    return out;
}

QString fromAnsi(QByteArrayView bytes)
{
    QString out;
    out.resize(bytes.size());
    QChar* dst = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        dst[i] = (b >= 0x80 && b < 0xA0) ? QChar(kHigh[b - 0x80]) : QChar(b);
    }
    return out;
}

QString heldInAnsi(QStringView text)
{
    return fromAnsi(toAnsi(text));
}

void TextEncodingCheck::add(QByteArrayView block)
{
    const auto* p = reinterpret_cast<const unsigned char*>(block.data());
    const auto* const end = p + block.size();
    while (p < end && !broken_) {
        if (due_ > 0) {
            const unsigned char b = *p++;
            broken_ = b < low_ || b > high_;
            low_ = 0x80;
            high_ = 0xBF;
            --due_;
            continue;
        }
        // Most of a payee list or a tape is ASCII: eight bytes at a time.
        while (end - p >= 8 && asciiWord(p))
            p += 8;
        if (p == end)
            break;
        const unsigned char b = *p++;
        if (b < 0x80)
            continue;
        // The ranges of the first continuation byte keep out overlong forms (E0, F0),
        // surrogates (ED) and code points past U+10FFFF (F4).
        low_ = b == 0xE0 ? 0xA0 : b == 0xF0 ? 0x90 : 0x80;
        high_ = b == 0xED ? 0x9F : b == 0xF4 ? 0x8F : 0xBF;
        due_ = b >= 0xC2 && b <= 0xDF ? 1 : b >= 0xE0 && b <= 0xEF ? 2 : b >= 0xF0 && b <= 0xF4 ? 3 : 0;
        broken_ = due_ == 0;
    }
}

TextEncoding TextEncodingCheck::encoding() const
{
    return broken_ || due_ > 0 ? TextEncoding::Windows1252 : TextEncoding::Utf8;
}

TextEncoding textEncoding(QByteArrayView bytes)
{
    TextEncodingCheck check;
    check.add(bytes);
    return check.encoding();
}

bool readsAsUtf8BeyondAscii(QByteArrayView bytes)
{
    return std::any_of(bytes.begin(), bytes.end(), [](char b) { return static_cast<unsigned char>(b) >= 0x80; })
           && textEncoding(bytes) == TextEncoding::Utf8;
}

int lineInOtherEncoding(QByteArrayView bytes)
{
    if (textEncoding(bytes) == TextEncoding::Utf8)
        return 0;
    struct Lines {
        int first = 0;
        int count = 0;
    } utf8, ansi;
    ByteLines lines(bytes);
    for (int number = 1; !lines.atEnd(); ++number) {
        const QByteArrayView line = lines.next();
        // A line of ASCII reads alike in both.
        Lines* kind = readsAsUtf8BeyondAscii(line)                      ? &utf8
                      : textEncoding(line) == TextEncoding::Windows1252 ? &ansi
                                                                        : nullptr;
        if (kind && kind->count++ == 0)
            kind->first = number;
    }
    if (utf8.count == 0)
        return 0;
    return utf8.count <= ansi.count ? utf8.first : ansi.first;
}

QString decodeText(QByteArrayView bytes, TextEncoding encoding)
{
    return encoding == TextEncoding::Utf8 ? QString::fromUtf8(bytes) : fromAnsi(bytes);
}

QByteArray encodeText(QStringView text, TextEncoding encoding)
{
    return encoding == TextEncoding::Utf8 ? text.toUtf8() : toAnsi(text);
}

}  // namespace tarvelo

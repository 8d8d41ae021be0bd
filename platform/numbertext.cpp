#include "platform/numbertext.h"

#include "platform/decimaldigits.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace tarvelo {
namespace {

// Far beyond any double, yet small enough that digit counts plus exponent never overflow.
constexpr int kExponentLimit = 1'000'000'000;
// Largest count of digits before the point of a finite double (1.8e308 has 309).
constexpr std::int64_t kDoubleMagnitude = 309;

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

bool isAsciiDigit(QChar c) { return c.unicode() >= '0' && c.unicode() <= '9'; }

// Locales that group with a (narrow) no-break space are typed with a plain blank.
bool isSpaceSeparator(QChar c)
{
    return c == QLatin1Char(' ') || c == QChar(0x00A0) || c == QChar(0x202F);
}

// Reads an exponent's digits, saturating far beyond any representable power of ten.
int readExponent(QStringView text, qsizetype& i, bool negative)
{
    std::int64_t value = 0;
    while (i < text.size() && isAsciiDigit(text[i])) {
        value = std::min<std::int64_t>(value * 10 + (text[i].unicode() - '0'), kExponentLimit);
        ++i;
    }
    return static_cast<int>(negative ? -value : value);
}

double toDouble(const NumberParts& parts)
{
    std::string text;
    text.reserve(static_cast<std::size_t>(parts.integerDigits.size() + parts.fractionDigits.size()) + 16);
    text += parts.integerDigits.isEmpty() ? "0" : parts.integerDigits.toStdString();
    if (!parts.fractionDigits.isEmpty()) {
        text += '.';
        text += parts.fractionDigits.toStdString();
    }
    text += 'e';
    text += std::to_string(parts.exponent);
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        value = detail::DecimalDigits::fromParts(parts).magnitude() > 0 ? HUGE_VAL : 0.0;
    if (value == 0)
        return 0.0;  // never a negative zero
    return parts.negative ? -value : value;
}

}  // namespace

bool isGroupSeparator(QChar c, const LocaleInfo& locale)
{
    // A separator equal to the decimal symbol is read as the decimal symbol (the
    // start-up rule normally removes that clash).
    const QChar separator = locale.thousandsSeparator;
    if (separator == locale.decimalSymbol || isAsciiDigit(separator) || separator.isNull())
        return false;
    return c == separator || (isSpaceSeparator(separator) && isSpaceSeparator(c));
}

std::optional<NumberParts> scanNumber(QStringView text, const LocaleInfo& locale)
{
    qsizetype i = 0;
    qsizetype end = text.size();
    while (i < end && isBlank(text[i]))
        ++i;
    while (end > i && isBlank(text[end - 1]))
        --end;
    text = text.first(end);

    NumberParts parts;
    if (i < end && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        parts.negative = text[i] == QLatin1Char('-');
        ++i;
    }

    const QChar decimal = locale.decimalSymbol;

    // Separators only between whole groups of three digits, so a foreign "12.5" is
    // refused in pt-BR instead of being read as 125.
    int run = 0;  // digits since the start or the last separator
    bool grouped = false;
    while (i < end) {
        const QChar c = text[i];
        if (isAsciiDigit(c)) {
            parts.integerDigits += c;
            if (++run > 3 && grouped)
                return std::nullopt;
        } else if (isGroupSeparator(c, locale)) {
            if (run == 0 || run > 3 || (grouped && run != 3))
                return std::nullopt;
            grouped = true;
            run = 0;
        } else {
            break;
        }
        ++i;
    }
    if (grouped && run != 3)
        return std::nullopt;

    if (i < end && text[i] == decimal) {
        ++i;
        while (i < end && isAsciiDigit(text[i]))
            parts.fractionDigits += text[i++];
    }
    if (parts.integerDigits.isEmpty() && parts.fractionDigits.isEmpty())
        return std::nullopt;

    if (i < end && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        ++i;
        bool negative = false;
        if (i < end && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
            negative = text[i++] == QLatin1Char('-');
        if (i == end || !isAsciiDigit(text[i]))
            return std::nullopt;
        parts.exponent = readExponent(text, i, negative);
    }
    if (i != end)
        return std::nullopt;

    // Numbers beyond the double range are no numbers to the program (the platform
    // reports an overflow for them).
    const std::int64_t magnitude = detail::DecimalDigits::fromParts(parts).magnitude();
    if (magnitude > kDoubleMagnitude || (magnitude == kDoubleMagnitude && std::isinf(toDouble(parts))))
        return std::nullopt;
    return parts;
}

bool isNumeric(QStringView text, const LocaleInfo& locale)
{
    return scanNumber(text, locale).has_value();
}

std::optional<double> numberValue(QStringView text, const LocaleInfo& locale)
{
    const auto parts = scanNumber(text, locale);
    if (!parts)
        return std::nullopt;
    return toDouble(*parts);
}

double leadingValue(QStringView text)
{
    enum class State { Start, Integer, Fraction, ExponentSign, Exponent };
    State state = State::Start;
    std::string number;
    bool mantissaDigits = false;
    std::size_t exponentStart = std::string::npos;  // where an unfinished exponent is cut off

    for (const QChar c : text) {
        // Blanks, tabs and line feeds are skipped anywhere, inside the number too.
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n'))
            continue;
        const char16_t u = c.unicode();
        const bool digit = u >= '0' && u <= '9';
        if (state == State::Start && (u == '-' || u == '+')) {
            if (u == '-')
                number += '-';
            state = State::Integer;
        } else if ((state == State::Start || state == State::Integer || state == State::Fraction) && digit) {
            number += static_cast<char>(u);
            mantissaDigits = true;
            if (state == State::Start)
                state = State::Integer;
        } else if ((state == State::Start || state == State::Integer) && u == '.') {
            number += '.';
            state = State::Fraction;
        } else if ((state == State::Integer || state == State::Fraction) && mantissaDigits && (u == 'e' || u == 'E')) {
            exponentStart = number.size();
            number += 'e';
            state = State::ExponentSign;
        } else if (state == State::ExponentSign && (u == '-' || u == '+')) {
            number += static_cast<char>(u);
            state = State::Exponent;
        } else if ((state == State::ExponentSign || state == State::Exponent) && digit) {
            number += static_cast<char>(u);
            exponentStart = std::string::npos;
            state = State::Exponent;
        } else {
            break;
        }
    }
    if (!mantissaDigits)
        return 0.0;
    if (exponentStart != std::string::npos)
        number.erase(exponentStart);

    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    // An overflow is an error on the platform; here it simply is no leading value.
    if (result.ec != std::errc() || !std::isfinite(value) || value == 0)
        return 0.0;
    return value;
}

std::optional<qint32> toLong(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    double whole = std::floor(value);
    const double rest = value - whole;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(whole, 2.0) != 0))
        whole += 1;
    if (whole < std::numeric_limits<qint32>::min() || whole > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return static_cast<qint32>(whole);
}

std::optional<qint16> toInteger(double value)
{
    const auto whole = toLong(value);
    if (!whole || *whole < std::numeric_limits<qint16>::min() || *whole > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<qint16>(*whole);
}

QString numberText(double value, const LocaleInfo& locale)
{
    // The platform can hold no such values; a readable word beats a crash or a garbage number.
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("Inf") : QStringLiteral("-Inf");
    if (value == 0)
        return QStringLiteral("0");
    // %G rules with 15 digits: exponent form below 1E-04 and from 1E+15 on, two
    // exponent digits at least, trailing zeros dropped.
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 15).ptr;
    QString result = QString::fromLatin1(text, end - text);
    result.replace(QLatin1Char('e'), QLatin1Char('E'));
    result.replace(QLatin1Char('.'), locale.decimalSymbol);
    return result;
}

}  // namespace tarvelo

#include "platform/currency.h"

#include "platform/decimaldigits.h"
#include "platform/numbertext.h"

#include <cmath>
#include <limits>

namespace tarvelo {
namespace {

constexpr int kPlaces = 4;

std::optional<Currency> fromDigits(const detail::DecimalDigits& value)
{
    // 922337203685477 has 15 digits; anything longer is out of range before rounding.
    if (value.magnitude() > 15)
        return std::nullopt;
    const std::string digits = value.scaled(kPlaces, detail::Rounding::HalfToEven);
    // At most 20 digits (a carry past 15 nines), which fits an unsigned 64-bit integer.
    quint64 units = 0;
    for (const char c : digits)
        units = units * 10 + static_cast<quint64>(c - '0');
    const quint64 limit = static_cast<quint64>(std::numeric_limits<qint64>::max()) + (value.negative ? 1 : 0);
    if (digits.size() > 19 || units > limit)
        return std::nullopt;
    if (!value.negative)
        return Currency::fromTenThousandths(static_cast<qint64>(units));
    return Currency::fromTenThousandths(static_cast<qint64>(0 - units));
}

}  // namespace

std::optional<Currency> Currency::fromText(QStringView text, const LocaleInfo& locale)
{
    const auto parts = scanNumber(text, locale);
    if (!parts)
        return std::nullopt;
    return fromDigits(detail::DecimalDigits::fromParts(*parts));
}

std::optional<Currency> Currency::fromDouble(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    return fromDigits(detail::DecimalDigits::fromDouble(value));
}

std::optional<Currency> Currency::fromDecimal(const Decimal& value)
{
    const Decimal rounded = value.roundedHalfEven(kPlaces);
    const mpz_class units = rounded.rational().get_num() * 10000 / rounded.rational().get_den();
    if (!units.fits_slong_p())
        return std::nullopt;
    return Currency(units.get_si());
}

double Currency::toDouble() const
{
    return static_cast<double>(units_) / 10000.0;
}

Decimal Currency::toDecimal() const
{
    return Decimal(mpq_class(mpz_class(static_cast<long>(units_)), mpz_class(10000)));
}

QString Currency::toText(const LocaleInfo& locale) const
{
    // Unsigned, so that the most negative amount has a magnitude too.
    const quint64 magnitude = units_ < 0 ? 0 - static_cast<quint64>(units_) : static_cast<quint64>(units_);
    QString text = QString::number(magnitude / 10000);
    QString fraction = QString::number(magnitude % 10000).rightJustified(kPlaces, QLatin1Char('0'));
    while (fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    if (!fraction.isEmpty())
        text += locale.decimalSymbol + fraction;
    if (units_ < 0)
        text.prepend(QLatin1Char('-'));
    return text;
}

std::optional<Currency> add(Currency a, Currency b)
{
    qint64 sum = 0;
    if (__builtin_add_overflow(a.units_, b.units_, &sum))
        return std::nullopt;
    return Currency(sum);
}

std::optional<Currency> subtract(Currency a, Currency b)
{
    qint64 difference = 0;
    if (__builtin_sub_overflow(a.units_, b.units_, &difference))
        return std::nullopt;
    return Currency(difference);
}

}  // namespace tarvelo

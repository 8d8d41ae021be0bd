#include "platform/decimal.h"

#include "platform/decimaldigits.h"
#include "platform/numbertext.h"

namespace tarvelo {
namespace {

// Digits before the point of Decimal::maxValue().
constexpr std::int64_t kMaxMagnitude = 29;
// A text may carry any number of decimals or a large negative exponent; beyond this many
// places (the same the quotients keep) it is rounded, so a hostile "1e-999999999" costs
// nothing.
constexpr int kMaxPlaces = 40;

}  // namespace

std::optional<Decimal> Decimal::fromText(QStringView text, const LocaleInfo& locale)
{
    const auto parts = scanNumber(text, locale);
    if (!parts)
        return std::nullopt;
    detail::DecimalDigits d = detail::DecimalDigits::fromParts(*parts);
    if (d.isZero())
        return Decimal();
    if (d.magnitude() > kMaxMagnitude)
        return std::nullopt;
    if (d.exponent < -kMaxPlaces) {
        d.digits = d.scaled(kMaxPlaces, detail::Rounding::HalfToEven);
        d.exponent = -kMaxPlaces;
        if (d.digits.empty())
            return Decimal();
    }

    mpz_class digits(d.digits, 10);
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(d.exponent < 0 ? -d.exponent : d.exponent));
    mpq_class value = d.exponent < 0 ? mpq_class(digits, power) : mpq_class(digits * power);
    if (d.negative)
        value = -value;
    Decimal result(value);  // the constructor canonicalises
    if (!result.inRange())
        return std::nullopt;
    return result;
}

}  // namespace tarvelo

#include "platform/decimal.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace tarvelo {
namespace {

mpz_class powerOfTen(unsigned long exponent)
{
    mpz_class p;
    mpz_ui_pow_ui(p.get_mpz_t(), 10, exponent);
    return p;
}

// A quotient chain (1/3, then /7, ...) grows the denominator without bound. Beyond this
// size the value is rounded to far more decimals than any display shows, so results
// stay exact for every practical input while memory and time stay bounded.
constexpr std::size_t kMaxDenominatorBits = 256;
constexpr int kKeptPlacesOfLongQuotients = 40;

std::optional<Decimal> checked(mpq_class value)
{
    value.canonicalize();
    Decimal result(value);
    if (mpz_sizeinbase(value.get_den_mpz_t(), 2) > kMaxDenominatorBits)
        result = result.roundedHalfEven(kKeptPlacesOfLongQuotients);
    if (!result.inRange())
        return std::nullopt;
    return result;
}

// |value| * 10^places rounded to a whole number, halves away from zero or to even.
mpz_class scaledMagnitude(const mpq_class& value, int places, bool halfToEven)
{
    mpq_class scaled = abs(value);
    if (places >= 0)
        scaled *= mpq_class(powerOfTen(static_cast<unsigned long>(places)));
    else
        scaled /= mpq_class(powerOfTen(static_cast<unsigned long>(-places)));
    mpz_class whole;
    mpz_fdiv_q(whole.get_mpz_t(), scaled.get_num_mpz_t(), scaled.get_den_mpz_t());
    const mpq_class rest = scaled - mpq_class(whole);
    const int half = cmp(rest, mpq_class(1, 2));
    if (half > 0 || (half == 0 && (!halfToEven || mpz_odd_p(whole.get_mpz_t()))))
        ++whole;
    return whole;
}

Decimal fromScaled(const mpz_class& magnitude, int places, int sign)
{
    mpq_class v(magnitude);
    if (places >= 0)
        v /= mpq_class(powerOfTen(static_cast<unsigned long>(places)));
    else
        v *= mpq_class(powerOfTen(static_cast<unsigned long>(-places)));
    if (sign < 0)
        v = -v;
    return Decimal(v);
}

// Decimal digits of |value| rounded half away to `places` decimals, "." as the point,
// trailing fraction zeros removed.
std::string plainDigits(const mpq_class& value, int places)
{
    std::string digits = scaledMagnitude(value, places, false).get_str();
    if (places <= 0)
        return digits;
    if (digits.size() <= static_cast<std::size_t>(places))
        digits.insert(0, static_cast<std::size_t>(places) + 1 - digits.size(), '0');
    digits.insert(digits.size() - static_cast<std::size_t>(places), ".");
    while (digits.back() == '0')
        digits.pop_back();
    if (digits.back() == '.')
        digits.pop_back();
    return digits;
}

int integerDigitCount(const mpq_class& value)
{
    mpz_class whole;
    mpz_tdiv_q(whole.get_mpz_t(), value.get_num_mpz_t(), value.get_den_mpz_t());
    return sgn(whole) == 0 ? 0 : static_cast<int>(mpz_class(abs(whole)).get_str().size());
}

}  // namespace

Decimal::Decimal(long long value) : value_(static_cast<long>(value)) {}

Decimal::Decimal(const mpq_class& value) : value_(value)
{
    value_.canonicalize();
}

Decimal Decimal::fromDouble(double value)
{
    if (value == 0.0 || !std::isfinite(value))
        return Decimal();
    char text[64];
    // "-d.dddddddddddddde+XX": 15 significant digits and a decimal exponent, whatever the
    // C library's locale says about the decimal point.
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, 14).ptr;
    const std::string s(text, end);
    const auto e = s.find('e');
    std::string mantissa = s.substr(0, e);
    const int exponent = std::atoi(s.c_str() + e + 1);
    const bool negative = mantissa[0] == '-';
    std::string digits;
    for (char c : mantissa)
        if (c >= '0' && c <= '9')
            digits += c;
    return fromScaled(mpz_class(digits), 14 - exponent, negative ? -1 : 1);
}

const Decimal& Decimal::maxValue()
{
    static const Decimal max(mpq_class(mpz_class("79228162514264337593543950335")));
    return max;
}

bool Decimal::inRange() const
{
    return cmp(::abs(value_), maxValue().value_) <= 0;
}

std::optional<Decimal> add(const Decimal& a, const Decimal& b) { return checked(a.value_ + b.value_); }
std::optional<Decimal> subtract(const Decimal& a, const Decimal& b) { return checked(a.value_ - b.value_); }
std::optional<Decimal> multiply(const Decimal& a, const Decimal& b) { return checked(a.value_ * b.value_); }

std::optional<Decimal> divide(const Decimal& a, const Decimal& b)
{
    if (b.isZero())
        return std::nullopt;
    return checked(a.value_ / b.value_);
}

Decimal Decimal::negated() const { return Decimal(mpq_class(-value_)); }
Decimal Decimal::abs() const { return Decimal(mpq_class(::abs(value_))); }

Decimal Decimal::roundedHalfAway(int places) const
{
    return fromScaled(scaledMagnitude(value_, places, false), places, sign());
}

Decimal Decimal::roundedHalfEven(int places) const
{
    return fromScaled(scaledMagnitude(value_, places, true), places, sign());
}

double Decimal::toDouble() const
{
    // 17 significant digits carry every double exactly; from_chars then rounds correctly,
    // with "." as the point whatever the C library's locale says.
    const int places = std::max(0, 17 - integerDigitCount(value_)) + 20;
    std::string text = plainDigits(value_, places);
    if (sign() < 0)
        text.insert(0, "-");
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

QString Decimal::toText(const LocaleInfo& locale) const
{
    const int places = std::max(0, 28 - integerDigitCount(value_));
    const std::string digits = plainDigits(value_, places);
    QString text = QString::fromLatin1(digits.c_str());
    text.replace(QLatin1Char('.'), locale.decimalSymbol);
    if (sign() < 0 && digits != "0")
        text.prepend(QLatin1Char('-'));
    return text;
}

}  // namespace tarvelo

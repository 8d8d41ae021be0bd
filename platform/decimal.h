#pragma once

#include "platform/localeinfo.h"

#include <gmpxx.h>

#include <QString>
#include <QStringView>
#include <compare>
#include <optional>

namespace tarvelo {

// The calculator's exact number for running totals and the memory: exact for decimal
// input and + - x, division kept as an exact rational; rounding happens only where a
// value is formatted. Results outside +-79228162514264337593543950335 are failures the
// caller sees (std::nullopt), so a total never silently wraps.
class Decimal {
public:
    Decimal() = default;
    Decimal(long long value);  // NOLINT: integers convert naturally
    explicit Decimal(const mpq_class& value);

    // Text of a number in the given locale (see numbertext.h for the accepted forms).
    static std::optional<Decimal> fromText(QStringView text, const LocaleInfo& locale = currentLocale());
    // A double as the platform prints it: its 15-significant-digit decimal text, so 1.015
    // is the decimal 1.015 and not the binary neighbour below it.
    static Decimal fromDouble(double value);

    static const Decimal& maxValue();  // 79228162514264337593543950335
    bool inRange() const;

    friend std::optional<Decimal> add(const Decimal& a, const Decimal& b);
    friend std::optional<Decimal> subtract(const Decimal& a, const Decimal& b);
    friend std::optional<Decimal> multiply(const Decimal& a, const Decimal& b);
    friend std::optional<Decimal> divide(const Decimal& a, const Decimal& b);  // nullopt on zero divisor

    Decimal negated() const;
    Decimal abs() const;
    int sign() const { return sgn(value_); }
    bool isZero() const { return sgn(value_) == 0; }

    // Rounded to `places` decimals, halves away from zero.
    Decimal roundedHalfAway(int places) const;
    // Rounded to `places` decimals, halves to even (the platform's whole-number conversions).
    Decimal roundedHalfEven(int places) const;

    double toDouble() const;
    // Plain decimal text with up to 28 significant digits, locale decimal symbol, no
    // grouping, no exponent; an inexact quotient is rounded half away to fit.
    QString toText(const LocaleInfo& locale = currentLocale()) const;

    const mpq_class& rational() const { return value_; }

    friend bool operator==(const Decimal& a, const Decimal& b) { return a.value_ == b.value_; }
    friend std::strong_ordering operator<=>(const Decimal& a, const Decimal& b)
    {
        const int c = cmp(a.value_, b.value_);
        return c < 0 ? std::strong_ordering::less
                     : (c > 0 ? std::strong_ordering::greater : std::strong_ordering::equal);
    }

private:
    mpq_class value_;
};

}  // namespace tarvelo

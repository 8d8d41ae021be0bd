#pragma once

#include "platform/decimal.h"
#include "platform/localeinfo.h"

#include <QString>
#include <QStringView>
#include <QtGlobal>
#include <compare>
#include <limits>
#include <optional>

namespace tarvelo {

// The money type of the tools: a 64-bit count of ten-thousandths, so amounts from
// -922337203685477.5808 to 922337203685477.5807 add and subtract exactly. Conversions
// round half to even to four places and refuse (nullopt) what lies outside the range.
class Currency {
public:
    constexpr Currency() = default;
    static constexpr Currency fromTenThousandths(qint64 units) { return Currency(units); }

    // A number text in the locale (the forms numbertext.h accepts).
    static std::optional<Currency> fromText(QStringView text, const LocaleInfo& locale = currentLocale());
    // A double enters through its 15-significant-digit text: 0.00015 is a tie, not a
    // binary value just below it.
    static std::optional<Currency> fromDouble(double value);
    static std::optional<Currency> fromDecimal(const Decimal& value);

    static constexpr Currency min() { return Currency(std::numeric_limits<qint64>::min()); }
    static constexpr Currency max() { return Currency(std::numeric_limits<qint64>::max()); }

    constexpr qint64 tenThousandths() const { return units_; }
    double toDouble() const;
    Decimal toDecimal() const;
    // Plain text with up to four decimals, trailing zeros dropped, locale decimal symbol,
    // no grouping ("1234,5" in pt-BR).
    QString toText(const LocaleInfo& locale = currentLocale()) const;

    friend std::optional<Currency> add(Currency a, Currency b);
    friend std::optional<Currency> subtract(Currency a, Currency b);

    friend constexpr bool operator==(Currency a, Currency b) = default;
    friend constexpr std::strong_ordering operator<=>(Currency a, Currency b) = default;

private:
    constexpr explicit Currency(qint64 units) : units_(units) {}
    qint64 units_ = 0;
};

}  // namespace tarvelo

#include "platform/numberfield.h"

#include "platform/numbertext.h"

namespace tarvelo {

bool fitsNumberField(QStringView before, QStringView inserted, QStringView after, NumberField field, QChar decimal)
{
    const QChar minus = QLatin1Char('-');
    qsizetype i = 0;
    if (inserted.startsWith(minus)) {
        if (!field.sign || !before.isEmpty() || after.contains(minus))
            return false;
        i = 1;
    } else if (!inserted.isEmpty() && before.isEmpty() && after.startsWith(minus)) {
        return false;
    }
    bool decimalSeen = false;
    for (; i < inserted.size(); ++i) {
        const QChar c = inserted[i];
        if (c == decimal) {
            if (!field.decimals || decimalSeen || before.contains(decimal) || after.contains(decimal))
                return false;
            decimalSeen = true;
        } else if (c.unicode() < '0' || c.unicode() > '9') {
            return false;
        }
    }
    return true;
}

int numberFieldKey(QStringView before, QStringView after, int key, NumberField field, QChar decimal)
{
    if (key == 8 || key == 13)
        return key;
    if (key == ',' || key == '.')
        key = decimal.unicode();
    if (key <= 0 || key > 0xFFFF)
        return 0;
    const QChar typed{char16_t(key)};
    return fitsNumberField(before, QStringView(&typed, 1), after, field, decimal) ? key : 0;
}

std::optional<QString> pastedNumber(QStringView pasted, const LocaleInfo& locale)
{
    // The reader takes exponents; a field holds only what could be typed into it.
    if (pasted.contains(QLatin1Char('e'), Qt::CaseInsensitive))
        return std::nullopt;
    const auto parts = scanNumber(pasted, locale);
    if (!parts)
        return std::nullopt;
    QString text = parts->negative ? QStringLiteral("-") : QString();
    text += parts->integerDigits;
    if (!parts->fractionDigits.isEmpty())
        text += locale.decimalSymbol + parts->fractionDigits;
    return text;
}

}  // namespace tarvelo

// Number reading and masks take text from the clipboard and from other programs.
#include "platform/decimal.h"
#include "platform/numbermask.h"
#include "platform/numbertext.h"

#include <QString>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The first line is a mask, the rest the text.
    const QString all = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype cut = all.indexOf(QLatin1Char('\n'));
    const QString mask = cut < 0 ? QStringLiteral("#,##0.00####") : all.left(cut).left(64);
    const QString text = cut < 0 ? all : all.mid(cut + 1);

    for (const tarvelo::LocaleInfo& locale : {tarvelo::LocaleInfo::brazil(), tarvelo::LocaleInfo::unitedStates()}) {
        const auto value = tarvelo::numberValue(text, locale);
        (void)tarvelo::formatNumber(QStringView(text), mask, locale);
        if (value)
            (void)tarvelo::formatNumber(*value, mask, locale);
        if (const auto exact = tarvelo::Decimal::fromText(text, locale))
            (void)tarvelo::formatNumber(*exact, mask, locale);
    }
    (void)tarvelo::leadingValue(text);
    return 0;
}

#include "platform/numbermask.h"

#include "platform/decimaldigits.h"
#include "platform/numbertext.h"

#include <cmath>
#include <string>
#include <vector>

namespace tarvelo {
namespace {

struct MaskItem {
    enum Kind { Zero, Hash, Literal } kind;
    QString literal;
};

struct Mask {
    std::vector<MaskItem> integer;
    std::vector<MaskItem> fraction;
    bool hasPoint = false;
    bool grouping = false;
    int integerPlaces = 0;   // placeholders before the point
    int minimumInteger = 0;  // from the leftmost "0" on, these always print
    int fractionPlaces = 0;  // the value is rounded to this many decimals
    int minimumFraction = 0; // up to the last "0", decimals always print
};

Mask parseMask(QStringView text)
{
    Mask mask;
    auto add = [&mask](MaskItem::Kind kind, QString literal = {}) {
        (mask.hasPoint ? mask.fraction : mask.integer).push_back({kind, std::move(literal)});
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('0')) {
            add(MaskItem::Zero);
        } else if (c == QLatin1Char('#')) {
            add(MaskItem::Hash);
        } else if (c == QLatin1Char('.') && !mask.hasPoint) {
            mask.hasPoint = true;
        } else if (c == QLatin1Char(',') && !mask.hasPoint) {
            mask.grouping = true;
        } else if (c == QLatin1Char('\\') && i + 1 < text.size()) {
            add(MaskItem::Literal, text[++i]);
        } else if (c == QLatin1Char('"')) {
            const qsizetype close = text.indexOf(QLatin1Char('"'), i + 1);
            const qsizetype stop = close < 0 ? text.size() : close;
            add(MaskItem::Literal, text.sliced(i + 1, stop - i - 1).toString());
            i = stop;
        } else {
            add(MaskItem::Literal, c);
        }
    }
    int firstZero = -1;
    for (const MaskItem& item : mask.integer) {
        if (item.kind == MaskItem::Literal)
            continue;
        if (item.kind == MaskItem::Zero && firstZero < 0)
            firstZero = mask.integerPlaces;
        ++mask.integerPlaces;
    }
    mask.minimumInteger = firstZero < 0 ? 0 : mask.integerPlaces - firstZero;
    for (const MaskItem& item : mask.fraction) {
        if (item.kind == MaskItem::Literal)
            continue;
        ++mask.fractionPlaces;
        if (item.kind == MaskItem::Zero)
            mask.minimumFraction = mask.fractionPlaces;
    }
    return mask;
}

// Lays out |value| x 10^fractionPlaces, already rounded, in the mask.
QString render(const Mask& mask, bool negative, const std::string& scaled, const LocaleInfo& locale)
{
    const auto places = static_cast<std::size_t>(mask.fractionPlaces);
    std::string integer = scaled.size() > places ? scaled.substr(0, scaled.size() - places) : std::string();
    std::string fraction = scaled.size() > places ? scaled.substr(scaled.size() - places)
                                                  : std::string(places - scaled.size(), '0') + scaled;
    if (integer.size() < static_cast<std::size_t>(mask.minimumInteger))
        integer.insert(0, static_cast<std::size_t>(mask.minimumInteger) - integer.size(), '0');
    std::size_t kept = places;
    while (kept > static_cast<std::size_t>(mask.minimumFraction) && fraction[kept - 1] == '0')
        --kept;

    QString out;
    out.reserve(static_cast<qsizetype>(integer.size() * 4 / 3 + places + 8));
    if (negative && !scaled.empty())
        out += QLatin1Char('-');

    const auto length = static_cast<std::ptrdiff_t>(integer.size());
    auto digit = [&](std::ptrdiff_t index) {
        out += QLatin1Char(integer[static_cast<std::size_t>(index)]);
        const std::ptrdiff_t fromRight = length - 1 - index;
        if (mask.grouping && fromRight > 0 && fromRight % 3 == 0)
            out += locale.thousandsSeparator;
    };
    // Digits fill the placeholders from the right; the leftmost one takes the overflow.
    const std::ptrdiff_t placeholders = mask.integerPlaces;
    std::ptrdiff_t slot = 0;
    for (const MaskItem& item : mask.integer) {
        if (item.kind == MaskItem::Literal) {
            out += item.literal;
            continue;
        }
        if (slot == 0)
            for (std::ptrdiff_t i = 0; i < length - placeholders; ++i)
                digit(i);
        const std::ptrdiff_t index = length - placeholders + slot;
        if (index >= 0)
            digit(index);
        ++slot;
    }
    if (placeholders == 0)
        for (std::ptrdiff_t i = 0; i < length; ++i)
            digit(i);

    if (mask.hasPoint)
        out += locale.decimalSymbol;
    std::size_t next = 0;
    for (const MaskItem& item : mask.fraction) {
        if (item.kind == MaskItem::Literal)
            out += item.literal;
        else if (next++ < kept)
            out += QLatin1Char(fraction[next - 1]);
    }
    return out;
}

QString formatDigits(const detail::DecimalDigits& value, const Mask& mask, const LocaleInfo& locale)
{
    return render(mask, value.negative, value.scaled(mask.fractionPlaces, detail::Rounding::HalfAwayFromZero),
                  locale);
}

// The program formats with a handful of fixed masks, thousands of times on a busy tape:
// each is parsed once per thread. A mask outside the first few is parsed each time.
const Mask& cachedMask(QStringView text)
{
    constexpr std::size_t kKept = 32;
    thread_local std::vector<std::pair<QString, Mask>> cache;
    for (const auto& [source, mask] : cache)
        if (source == text)
            return mask;
    if (cache.size() == kKept) {
        thread_local Mask scratch;
        scratch = parseMask(text);
        return scratch;
    }
    cache.reserve(kKept);
    return cache.emplace_back(text.toString(), parseMask(text)).second;
}

}  // namespace

QString formatNumber(const Decimal& value, QStringView mask, const LocaleInfo& locale)
{
    if (mask.isEmpty())
        return value.toText(locale);
    const Mask& parsed = cachedMask(mask);
    const mpq_class& q = value.rational();
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(parsed.fractionPlaces));
    mpz_class scaled = abs(q.get_num()) * power;
    mpz_class rest;
    mpz_tdiv_qr(scaled.get_mpz_t(), rest.get_mpz_t(), scaled.get_mpz_t(), q.get_den_mpz_t());
    if (cmp(mpz_class(rest * 2), q.get_den()) >= 0)
        ++scaled;
    return render(parsed, value.sign() < 0, sgn(scaled) == 0 ? std::string() : scaled.get_str(), locale);
}

QString formatNumber(double value, QStringView mask, const LocaleInfo& locale)
{
    if (mask.isEmpty() || !std::isfinite(value))
        return numberText(value, locale);
    return formatDigits(detail::DecimalDigits::fromDouble(value), cachedMask(mask), locale);
}

QString formatNumber(QStringView text, QStringView mask, const LocaleInfo& locale)
{
    const auto parts = scanNumber(text, locale);
    if (!parts || mask.isEmpty())
        return text.toString();
    return formatDigits(detail::DecimalDigits::fromParts(*parts), cachedMask(mask), locale);
}

}  // namespace tarvelo

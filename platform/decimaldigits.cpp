#include "platform/decimaldigits.h"

#include <charconv>
#include <cstdlib>

namespace tarvelo::detail {
namespace {

void normalise(DecimalDigits& d)
{
    const auto first = d.digits.find_first_not_of('0');
    if (first == std::string::npos) {
        d = DecimalDigits{};
        return;
    }
    d.digits.erase(0, first);
    const auto last = d.digits.find_last_not_of('0');
    d.exponent += static_cast<std::int64_t>(d.digits.size() - 1 - last);
    d.digits.erase(last + 1);
}

// Adds one to a string of decimal digits.
void increment(std::string& digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

}  // namespace

DecimalDigits DecimalDigits::fromParts(const NumberParts& parts)
{
    DecimalDigits d;
    d.negative = parts.negative;
    d.digits.reserve(static_cast<std::size_t>(parts.integerDigits.size() + parts.fractionDigits.size()));
    for (QChar c : parts.integerDigits)
        d.digits += static_cast<char>(c.unicode());
    for (QChar c : parts.fractionDigits)
        d.digits += static_cast<char>(c.unicode());
    d.exponent = static_cast<std::int64_t>(parts.exponent) - parts.fractionDigits.size();
    normalise(d);
    return d;
}

DecimalDigits DecimalDigits::fromDouble(double value)
{
    // to_chars, unlike printf, ignores the C library's locale.
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, 14).ptr;
    DecimalDigits d;
    const char* p = text;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    for (; p != end && *p != 'e'; ++p)
        if (*p != '.')
            d.digits += *p;
    int exponent = 0;
    if (p != end)
        std::from_chars(p[1] == '+' ? p + 2 : p + 1, end, exponent);
    d.exponent = exponent - 14;
    normalise(d);
    return d;
}

std::string DecimalDigits::scaled(int places, Rounding rounding) const
{
    if (isZero())
        return {};
    const std::int64_t shift = exponent + places;
    if (shift >= 0)
        return digits + std::string(static_cast<std::size_t>(shift), '0');

    const std::int64_t kept = static_cast<std::int64_t>(digits.size()) + shift;
    if (kept < 0)
        return {};  // below a tenth of the last place: rounds to zero either way
    std::string whole = digits.substr(0, static_cast<std::size_t>(kept));
    const char next = digits[static_cast<std::size_t>(kept)];
    // Trailing zeros are stripped, so anything after `next` is non-zero.
    const bool moreAfter = static_cast<std::int64_t>(digits.size()) > kept + 1;
    bool up = next >= '5';
    if (rounding == Rounding::HalfToEven && next == '5' && !moreAfter)
        up = !whole.empty() && (whole.back() - '0') % 2 == 1;
    if (up)
        increment(whole);
    return whole;
}

}  // namespace tarvelo::detail

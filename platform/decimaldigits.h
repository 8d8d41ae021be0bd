#pragma once

#include "platform/numbertext.h"

#include <cstdint>
#include <string>

namespace tarvelo::detail {

enum class Rounding { HalfAwayFromZero, HalfToEven };

// A finite decimal number kept as its significant digits and a power of ten, so that
// texts and doubles can be rounded on their decimal value without a big-number library:
// value = digits x 10^exponent.
struct DecimalDigits {
    bool negative = false;
    std::string digits;  // ASCII, no leading or trailing zeros; empty for zero
    std::int64_t exponent = 0;

    static DecimalDigits fromParts(const NumberParts& parts);
    // The double's 15-significant-digit text, as the platform prints it. Finite values only.
    static DecimalDigits fromDouble(double value);

    bool isZero() const { return digits.empty(); }
    // Count of digits before the decimal point; zero or negative below 1.
    std::int64_t magnitude() const { return static_cast<std::int64_t>(digits.size()) + exponent; }

    // |value| x 10^places rounded to a whole number: its digits without leading zeros, ""
    // for zero. The caller keeps magnitude() + places small (it is the result's length).
    std::string scaled(int places, Rounding rounding) const;
};

}  // namespace tarvelo::detail

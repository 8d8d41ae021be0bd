#pragma once

#include "platform/localeinfo.h"

#include <QChar>
#include <QString>
#include <QStringView>
#include <optional>

namespace tarvelo {

// What a field that holds a number as the user types it may hold: digits, one decimal
// symbol where the field takes decimals, and a minus in front where it takes a sign.
struct NumberField {
    bool decimals = true;
    bool sign = false;
};

// Whether `inserted` (digits, a decimal symbol, a minus in front) may go into such a field
// between `before` and `after`, the field's text around the caret with the selection left
// out: a decimal symbol only where the field takes decimals and the rest of it holds none,
// a minus only where it takes a sign and only in front, nothing in front of a minus. What
// the field already holds is not judged (a formatted "1.000,00" still takes a digit).
bool fitsNumberField(QStringView before, QStringView inserted, QStringView after, NumberField field, QChar decimal);

// A typed character in such a field: "," and "." both mean the decimal symbol; a digit,
// the decimal symbol or a minus is taken where it fits (above); Backspace and Enter pass.
// Returns the character the field takes, 0 when it takes none.
int numberFieldKey(QStringView before, QStringView after, int key, NumberField field, QChar decimal);

// A pasted text as such a field takes it: a number in the user's format, group separators
// dropped and the decimal symbol kept ("1.234,5" in pt-BR gives "1234,5"), blanks and a
// spreadsheet cell's line end around it ignored. No number (letters, an exponent, a line
// break inside, separators out of place) gives nullopt.
std::optional<QString> pastedNumber(QStringView pasted, const LocaleInfo& locale = currentLocale());

}  // namespace tarvelo

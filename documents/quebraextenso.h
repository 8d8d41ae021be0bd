#pragma once

#include <QString>

namespace tarvelo {

// The amount in words over the document's two word lines, each padded with asterisks so
// that nothing can be written after the words on the printed form.
struct LinhasExtenso {
    QString linha1;
    QString linha2;
};

// Line 1 takes the first `n` characters (69 on the cheque, 63 on the note); a word cut at
// that point moves whole to line 2. Text without any blank in its first `n` characters is
// cut hard at `n`.
LinhasExtenso QuebraExtenso(const QString& tag, int n);

inline constexpr int kQuebraCheque = 69;
inline constexpr int kQuebraPromissoria = 63;

}  // namespace tarvelo

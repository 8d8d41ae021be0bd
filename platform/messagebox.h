#pragma once

#include <QString>

namespace tarvelo {

// Message box flags and results, with the values the program's callers combine.
namespace mb {
enum Flags : int {
    OkOnly = 0, OkCancel = 1, AbortRetryIgnore = 2, YesNoCancel = 3, YesNo = 4, RetryCancel = 5,
    Critical = 16, Question = 32, Exclamation = 48, Information = 64,
    DefaultButton1 = 0, DefaultButton2 = 256, DefaultButton3 = 512,
    // The box comes up by itself while the user may be typing into a window: it takes a
    // key only once none has come for a moment, so that no key typed on for the window
    // (an Enter) answers it.
    KeysAfterPause = 0x10000,
};
enum Result : int { Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };
}  // namespace mb

// The title every message and input box shows when its caller passes none.
inline const QString kTituloPrograma = QStringLiteral(" Tarvelo");

// Modal message boxes. The real one is a QMessageBox; tests script the answers.
class MessageService {
public:
    virtual ~MessageService() = default;
    // `flags` combines one button set, one icon and one default button; returns the
    // button chosen (mb::Result).
    virtual int show(const QString& text, int flags = mb::OkOnly, const QString& title = kTituloPrograma) = 0;
};

}  // namespace tarvelo

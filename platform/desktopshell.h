#pragma once

#include "platform/shell.h"

namespace tarvelo {

// The desktop's opener says within this time whether it found a handler. One still running
// after it is the handler itself at work (without a desktop of its own, xdg-open keeps a
// browser or editor in the foreground for as long as it is open), and how it ends no longer
// tells whether the target opened.
inline constexpr int kOpenerAnswerMs = 10000;

// xdg-open, started without waiting for it, or Qt's own opener where the system has none.
// The opener belongs to the program, not to the asker: a window that closes meanwhile does
// not stop it, and an opener still running when the program ends is stopped while the
// handler it started stays.
class DesktopShell final : public ShellService {
public:
    explicit DesktopShell(int answerMs = kOpenerAnswerMs) : answerMs_(answerMs) {}
    void open(const QString& target, QObject* context, Answers answers) override;

private:
    int answerMs_;
};

}  // namespace tarvelo

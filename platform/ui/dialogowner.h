#pragma once

#include "platform/messagecore.h"

#include <QPointer>
#include <QWidget>

class QDialog;

namespace tarvelo {

// The window a message box, prompt or dialog belongs to: the one that asked for it, which
// is the window whose handle the caller names, else the program's active window (or, while
// another program has the keyboard, as after a global hotkey, the program's window on top).
// A dialog it adopts opens above that window, also when the window stays on top of others,
// and takes the keyboard; when the owner goes out of scope the keyboard returns to the window.
class DialogOwner {
public:
    explicit DialogOwner(WindowHandle asked = -1);
    ~DialogOwner();
    DialogOwner(const DialogOwner&) = delete;
    DialogOwner& operator=(const DialogOwner&) = delete;

    // Null when the program shows no window at all.
    QWidget* window() const { return window_.data(); }
    // Parents `dialog` to the window and gives it the window's stacking.
    void adopt(QDialog& dialog) const;

private:
    QPointer<QWidget> window_;
};

// The window asking, as DialogOwner finds it: the top-level window of the widget `asked`
// stands for, else the program's own choice.
QWidget* askingWindow(WindowHandle asked = -1);

}  // namespace tarvelo

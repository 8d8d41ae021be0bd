#pragma once

#include "platform/messagecore.h"

#include <QDialog>
#include <QPointer>
#include <QScreen>
#include <QWidget>

#include <utility>
#include <vector>

namespace tarvelo {

// The window a message box, prompt or dialog belongs to: the one that asked for it, which
// is the window whose handle the caller names, else the program's active window (or, while
// another program has the keyboard, as after a global hotkey, the program's window on top).
// A dialog it adopts opens above that window, also when the window stays on top of others,
// and takes the keyboard; when the owner goes out of scope the dialogs it made are deleted
// and the keyboard returns to the window.
class DialogOwner {
public:
    explicit DialogOwner(WindowHandle asked = -1);
    ~DialogOwner();
    DialogOwner(const DialogOwner&) = delete;
    DialogOwner& operator=(const DialogOwner&) = delete;

    // Null when the program shows no window at all.
    QWidget* window() const { return window_.data(); }

    // The screen its dialogs come up on: the window's, else the one under the pointer.
    QScreen& screen() const;

    // A dialog of the window, made on the heap. The window may close and be deleted while
    // the dialog runs (an alarm, the timed power-off, another start asking the program to
    // close), taking its child dialogs with it: the pointer then reads null, where a dialog
    // on the stack would be freed a second time.
    template <class Dialog, class... Args> QPointer<Dialog> make(Args&&... args)
    {
        auto* dialog = new Dialog(std::forward<Args>(args)...);
        adopt(*dialog);
        made_.emplace_back(dialog);
        return dialog;
    }

private:
    // Parents `dialog` to the window and gives it the window's stacking.
    void adopt(QDialog& dialog) const;

    QPointer<QWidget> window_;
    std::vector<QPointer<QDialog>> made_;
};

// The window asking, as DialogOwner finds it: the top-level window of the widget `asked`
// stands for, else the program's own choice.
QWidget* askingWindow(WindowHandle asked = -1);

}  // namespace tarvelo

#include "platform/ui/dialogowner.h"

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QWindow>

namespace tarvelo {
namespace {

bool canOwnDialogs(const QWidget* w)
{
    const Qt::WindowType type = w->windowType();
    return w->isVisible() && !w->isMinimized() && (type == Qt::Window || type == Qt::Dialog);
}

// A window may be put on top through its platform window alone (changing a shown modal
// dialog's widget flags would hide it), so both are asked.
bool staysOnTop(const QWidget* w)
{
    const QWindow* handle = w->windowHandle();
    return w->windowFlags().testFlag(Qt::WindowStaysOnTopHint)
           || (handle && handle->flags().testFlag(Qt::WindowStaysOnTopHint));
}

}  // namespace

QWidget* askingWindow(WindowHandle asked)
{
    if (auto* widget = qobject_cast<QWidget*>(WindowObject(asked)))
        return widget->window();
    // A dialog that asks in turn (a prompt behind a message) owns what it opens.
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget* active = QApplication::activeWindow(); active && canOwnDialogs(active))
        return active;
    // Nothing of ours is active: the box must still not hide behind a window of ours that
    // stays on top, so such a window is preferred.
    QWidget* chosen = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!canOwnDialogs(w))
            continue;
        if (!chosen || (staysOnTop(w) && !staysOnTop(chosen)))
            chosen = w;
    }
    return chosen;
}

DialogOwner::DialogOwner(WindowHandle asked) : window_(askingWindow(asked)) { }

DialogOwner::~DialogOwner()
{
    for (const QPointer<QDialog>& dialog : made_)
        delete dialog.data();
    if (window_ && canOwnDialogs(window_)) {
        window_->raise();
        window_->activateWindow();
    }
}

QScreen& DialogOwner::screen() const
{
    if (window_)
        return *window_->screen();
    QScreen* underPointer = QGuiApplication::screenAt(QCursor::pos());
    return underPointer ? *underPointer : *QGuiApplication::primaryScreen();
}

void DialogOwner::adopt(QDialog& dialog) const
{
    if (!window_)
        return;
    // A parent makes the dialog transient for the window: the window manager keeps it above
    // and centres it there. A window kept on top of every other needs its dialogs kept so too.
    dialog.setParent(window_, dialog.windowFlags());
    if (staysOnTop(window_))
        dialog.setWindowFlag(Qt::WindowStaysOnTopHint, true);
}

}  // namespace tarvelo

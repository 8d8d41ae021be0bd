#include "platform/ui/qtservices.h"

#include "platform/ui/dialogowner.h"
#include "platform/ui/titlebar.h"
#include "platform/ui/x11putback.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

namespace tarvelo {
namespace {

using Button = QMessageBox::StandardButton;

// How long the keyboard must rest before a box that came up by itself takes a key.
constexpr int kKeyPauseMs = 1000;

struct ButtonSet {
    std::array<std::pair<Button, int>, 3> buttons;
    int count;
};

ButtonSet buttonSet(int flags)
{
    switch (flags & 0x7) {
    case mb::OkCancel: return {{{{Button::Ok, mb::Ok}, {Button::Cancel, mb::Cancel}}}, 2};
    case mb::AbortRetryIgnore:
        return {{{{Button::Abort, mb::Abort}, {Button::Retry, mb::Retry}, {Button::Ignore, mb::Ignore}}}, 3};
    case mb::YesNoCancel: return {{{{Button::Yes, mb::Yes}, {Button::No, mb::No}, {Button::Cancel, mb::Cancel}}}, 3};
    case mb::YesNo: return {{{{Button::Yes, mb::Yes}, {Button::No, mb::No}}}, 2};
    case mb::RetryCancel: return {{{{Button::Retry, mb::Retry}, {Button::Cancel, mb::Cancel}}}, 2};
    default: return {{{{Button::Ok, mb::Ok}}}, 1};
    }
}

// The window manager shows a box's whole title only on a box as wide as the title needs.
// `row` spans the box (a message box's buttons, a prompt's field), so it holds that width
// while the text keeps its own.
void fitTitle(const QDialog& box, QWidget* row)
{
    if (row)
        row->setMinimumWidth(std::max(row->minimumSizeHint().width(), titleBarWidth(box.windowTitle())));
}

// A prompt takes its width from its contents, so its label holds the text's width: up to
// half the screen, past which the text wraps. A prompt as wide as the text's longest line
// would run off the screen. (A message box wraps its text itself.)
void wrapPrompt(QInputDialog& box, const QScreen& screen)
{
    auto* label = box.findChild<QLabel*>();
    if (!label)
        return;
    const int readable = screen.availableGeometry().width() / 2;
    const int text = std::min(label->sizeHint().width(), readable);
    label->setWordWrap(true);
    label->setFixedWidth(text);
}

QMessageBox::Icon icon(int flags)
{
    switch (flags & 0x70) {
    case mb::Critical: return QMessageBox::Critical;
    case mb::Question: return QMessageBox::Question;
    case mb::Exclamation: return QMessageBox::Warning;
    case mb::Information: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

// Lets a key reach `box` only when none has come for `pauseMs` before it (counted from
// when the box came up for the first): the keys of one stream after the first are dropped.
class KeyPause final : public QObject {
public:
    KeyPause(QWidget& box, int pauseMs) : box_(box), pauseMs_(pauseMs)
    {
        sinceLastKey_.start();
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* target, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
            return false;
        const auto* widget = qobject_cast<QWidget*>(target);
        if (!widget || widget->window() != &box_)
            return false;
        if (event->type() == QEvent::KeyRelease)
            return !lastKeyTaken_;
        lastKeyTaken_ = sinceLastKey_.restart() >= pauseMs_;
        return !lastKeyTaken_;
    }

private:
    QWidget& box_;
    const int pauseMs_;
    QElapsedTimer sinceLastKey_;
    bool lastKeyTaken_ = false;
};

}  // namespace

int QtMessageService::show(const QString& text, int flags, const QString& title)
{
    DialogOwner owner;
    const QPointer<QMessageBox> box = owner.make<QMessageBox>(icon(flags), title, text);
    const ButtonSet set = buttonSet(flags);
    const int preferred = (flags >> 8) & 0x3;
    for (int i = 0; i < set.count; ++i) {
        QPushButton* button = box->addButton(set.buttons[i].first);
        if (i == preferred)
            box->setDefaultButton(button);
    }
    fitTitle(*box, box->findChild<QDialogButtonBox*>());
    std::optional<KeyPause> pause;
    if (flags & mb::KeysAfterPause)
        pause.emplace(*box, kKeyPauseMs);
    box->exec();
    const auto chosen = box ? box->standardButton(box->clickedButton()) : QMessageBox::NoButton;
    for (int i = 0; i < set.count; ++i)
        if (set.buttons[i].first == chosen)
            return set.buttons[i].second;
    // Closed without a button, or gone with its window: the escape answer of the set.
    return set.count == 1 ? mb::Ok : (set.buttons[set.count - 1].second == mb::No ? mb::No : mb::Cancel);
}

QString QtInputService::ask(const QString& prompt, const QString& title, const QString& defaultText)
{
    DialogOwner owner;
    const QPointer<QInputDialog> box = owner.make<QInputDialog>();
    box->setWindowTitle(title);
    box->setLabelText(prompt);
    box->setTextValue(defaultText);
    wrapPrompt(*box, owner.screen());
    fitTitle(*box, box->findChild<QLineEdit*>());
    return box->exec() == QDialog::Accepted && box ? box->textValue() : QString();
}

QtClipboardService::QtClipboardService()
    : putBack_(std::make_unique<X11PutBackWatch>()),
      contagem_(QObject::connect(QApplication::clipboard(), &QClipboard::changed, [this](QClipboard::Mode modo) {
          if (modo == QClipboard::Clipboard && !putBack_->takeNoCopy())
              ++changes_;
      }))
{
}

QtClipboardService::~QtClipboardService()
{
    QObject::disconnect(contagem_);
}

QString QtClipboardService::text() const
{
    return QApplication::clipboard()->text();
}

bool QtClipboardService::hasText() const
{
    const QMimeData* data = QApplication::clipboard()->mimeData();
    return data && data->hasText();
}

void QtClipboardService::setText(const QString& text)
{
    QApplication::clipboard()->setText(text);
}

void QtClipboardService::clear()
{
    QApplication::clipboard()->clear();
    putBack_->emptied();
}

}  // namespace tarvelo

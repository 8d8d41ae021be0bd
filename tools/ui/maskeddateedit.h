#pragma once

#include "platform/localeinfo.h"
#include "tools/maskeddate.h"

#include <QDate>
#include <QLineEdit>

namespace tarvelo {

// A date field over MaskedDate: ten characters, overtyping, the caret hopping over the
// separators, deletions masking the rest. Only digits, Backspace and Delete edit it;
// its window pastes a text that reads as a date into it, whole (pasteDate). The caret
// keys, Home, End and copying behave as in any field.
class MaskedDateEdit final : public QLineEdit {
    Q_OBJECT

public:
    explicit MaskedDateEdit(QWidget* parent = nullptr, QChar separator = MaskedDate::separatorOf());

    QChar separator() const { return model_.separator(); }
    // Nothing typed: the bare mask.
    bool isBlank() const { return model_.isBlank(); }
    // Code writing the field (a formatted date, or empty for the mask); `changed` follows
    // when the text differs.
    void setDateText(const QString& text);
    // Whether the box holds day or month first (the year is always last).
    void setOrder(DateOrder order) { order_ = order; }
    // A pasted text: when it reads as a date (a day and month alone in the year of
    // `today`), the date replaces the box's text as if typed; otherwise the box stays as it
    // was and the result is false.
    bool pasteDate(const QString& text, QDate today);

signals:
    // A character key reached the field, before the field takes or refuses it; Enter
    // comes as '\r'. The window clears its results or calculates on it.
    void characterTyped(QChar character);
    // The text changed, typed or written by code.
    void changed();
    // The field took the focus from another control of the window; its text is selected
    // whole after the window's handlers have run.
    void entered();
    // The focus moved on to another control of the window. Losing the focus to a message
    // box of the window, or to another program, is no leaving: the check that follows a
    // leave must not run while its own message is on screen.
    void left();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void takeSelection();
    void show();

    MaskedDate model_;
    DateOrder order_ = DateOrder::DayMonthYear;
};

}  // namespace tarvelo

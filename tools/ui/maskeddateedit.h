#pragma once

#include "tools/maskeddate.h"

#include <QLineEdit>

namespace tarvelo {

// A date field over MaskedDate: ten characters, overtyping, the caret hopping over the
// separators, deletions masking the rest. Only digits, Backspace and Delete edit it;
// pasting types the clipboard's digits one by one. The caret keys, Home, End and copying
// behave as in any field.
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
    void paste();

    MaskedDate model_;
};

}  // namespace tarvelo

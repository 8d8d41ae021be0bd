#include "tools/ui/maskeddateedit.h"

#include "platform/datetext.h"
#include "tools/ui/campotexto.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace tarvelo {

MaskedDateEdit::MaskedDateEdit(QWidget* parent, QChar separator) : QLineEdit(parent), model_(separator)
{
    setMaxLength(MaskedDate::kLength);
    setAlignment(Qt::AlignCenter);
    // Every edit goes through the model; dropped or context-menu text would bypass it.
    setContextMenuPolicy(Qt::NoContextMenu);
    setDragEnabled(false);
    setAcceptDrops(false);
    QLineEdit::setText(model_.text());
}

void MaskedDateEdit::setDateText(const QString& text)
{
    const QString before = model_.text();
    model_.setText(text);
    show();
    if (model_.text() != before)
        emit changed();
}

void MaskedDateEdit::takeSelection()
{
    if (hasSelectedText())
        model_.select(selectionStart(), selectedText().size());
    else
        model_.select(cursorPosition(), 0);
}

void MaskedDateEdit::show()
{
    if (text() != model_.text())
        QLineEdit::setText(model_.text());
    if (model_.selectionLength() > 0)
        setSelection(model_.caret(), model_.selectionLength());
    else
        setCursorPosition(model_.caret());
}

bool MaskedDateEdit::pasteDate(const QString& text, QDate today)
{
    const auto date = dateValue(text, order_, currentLocale(), today);
    if (!date || !inDateRange(*date))
        return false;
    const auto twoDigits = [](int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); };
    const bool dayFirst = order_ != DateOrder::MonthDayYear;
    const QString digits = (dayFirst ? twoDigits(date->day()) + twoDigits(date->month())
                                     : twoDigits(date->month()) + twoDigits(date->day()))
                           + QStringLiteral("%1").arg(date->year(), 4, 10, QLatin1Char('0'));
    const QString before = model_.text();
    model_.select(0, MaskedDate::kLength);
    for (const QChar c : digits) {
        // As when typed: the window's handler clears what the old date gave.
        emit characterTyped(c);
        model_.pressCharacter(c);
    }
    show();
    if (model_.text() != before)
        emit changed();
    return true;
}

void MaskedDateEdit::keyPressEvent(QKeyEvent* event)
{
    const QString before = model_.text();
    takeSelection();
    const int key = event->key();
    if (event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Cut)
        || event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo)) {
        // Nothing: its window pastes (pasteDate), cutting would shift the date, and the
        // field keeps no history.
    } else if (atalhoDeEdicao(event)) {
        QLineEdit::keyPressEvent(event);
        return;
    } else if (key == Qt::Key_Backspace) {
        model_.pressBackspace();
    } else if (key == Qt::Key_Delete) {
        model_.pressDelete();
    } else if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        emit characterTyped(QLatin1Char('\r'));
        return;
    } else if (key == Qt::Key_Escape || key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        event->ignore();
        return;
    } else if (!event->text().isEmpty() && event->text()[0].isPrint()) {
        const QChar c = event->text()[0];
        emit characterTyped(c);
        // The window's handler may have rewritten or left the field.
        takeSelection();
        model_.pressCharacter(c);
    } else {
        QLineEdit::keyPressEvent(event);
        return;
    }
    show();
    if (model_.text() != before)
        emit changed();
}

void MaskedDateEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (!focoDentroDaJanela(event))
        return;
    emit entered();
    selectAll();
}

void MaskedDateEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (focoDentroDaJanela(event))
        emit left();
}

}  // namespace tarvelo

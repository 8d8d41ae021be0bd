#pragma once

#include "platform/localeinfo.h"

#include <QChar>
#include <QString>

namespace tarvelo {

// The state of a masked date field: always ten characters, day, month and four-digit year
// with the date separator in the third and sixth places and "_" wherever nothing has been
// typed yet. The user overtypes one digit at a time and the caret hops over the
// separators; a deletion puts the mask back from the caret to the end, so the field can
// never hold a shifted or shortened date.
class MaskedDate {
public:
    static constexpr qsizetype kLength = 10;

    // Key codes of the key-down step (the toolkit-neutral virtual key numbers).
    enum Key : int { Backspace = 8, Left = 37, Up = 38, Right = 39, Down = 40, Delete = 46 };

    explicit MaskedDate(QChar separator = QLatin1Char('/'));

    // The empty mask "__/__/____" with the given separator.
    static QString mask(QChar separator);
    // The system's date separator, as the third character of a day-first date.
    static QChar separatorOf(const LocaleInfo& locale = currentLocale());

    QChar separator() const { return separator_; }
    const QString& text() const { return text_; }
    qsizetype caret() const { return selStart_; }
    qsizetype selectionLength() const { return selLength_; }
    // Nothing typed: the bare mask.
    bool isBlank() const { return text_ == mask(separator_); }

    // Code writing the text (a formatted date, or the mask): the caret goes to the start
    // and the mask rule runs.
    void setText(const QString& text);
    void select(qsizetype start, qsizetype length);

    // The user's keys, in the order the keyboard delivers them: keyDown for every key,
    // then a typed character or a deletion.
    void keyDown(int keyCode);
    // A digit replaces the selection; any other character is refused. False when refused.
    bool type(QChar character);
    void backspace();
    void deleteForward();

    // Backspace, Delete or a digit with its key-down step, as one keystroke.
    void pressBackspace();
    void pressDelete();
    bool pressCharacter(QChar character);

private:
    void replaceSelection(const QString& with);
    void change();

    QChar separator_;
    QString text_;
    qsizetype selStart_ = 0;
    qsizetype selLength_ = 0;
};

}  // namespace tarvelo

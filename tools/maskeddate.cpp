#include "tools/maskeddate.h"

#include "platform/datetext.h"

#include <QDate>

#include <algorithm>

namespace tarvelo {

MaskedDate::MaskedDate(QChar separator) : separator_(separator), text_(mask(separator)) {}

QString MaskedDate::mask(QChar separator)
{
    return QStringLiteral("__") + separator + QStringLiteral("__") + separator + QStringLiteral("____");
}

QChar MaskedDate::separatorOf(const LocaleInfo& locale)
{
    const QString sample = formatDate(QDate(2003, 12, 15), u"dd/mm/yyyy", locale);
    return sample.size() > 2 ? sample[2] : QLatin1Char('/');
}

void MaskedDate::setText(const QString& text)
{
    text_ = text.left(kLength);
    selStart_ = 0;
    selLength_ = 0;
    change();
}

void MaskedDate::select(qsizetype start, qsizetype length)
{
    selStart_ = std::clamp<qsizetype>(start, 0, text_.size());
    selLength_ = std::clamp<qsizetype>(length, 0, text_.size() - selStart_);
}

void MaskedDate::keyDown(int keyCode)
{
    const bool arrow = keyCode >= Left && keyCode <= Down;
    if (arrow || keyCode == Backspace || text_.isEmpty()) {
        if (keyCode == Backspace && selStart_ > 1 && text_[selStart_ - 1] == separator_)
            select(selStart_ - 1, 0);
        return;
    }
    if (selStart_ < text_.size() && text_[selStart_] == separator_)
        ++selStart_;
    select(selStart_, 1);
}

bool MaskedDate::type(QChar character)
{
    if (!character.isDigit() || character.unicode() > 0x7F)
        return false;
    if (text_.size() - selLength_ + 1 > kLength)
        return false;
    replaceSelection(QString(character));
    return true;
}

void MaskedDate::backspace()
{
    if (selLength_ == 0) {
        if (selStart_ == 0)
            return;
        select(selStart_ - 1, 1);
    }
    replaceSelection({});
}

void MaskedDate::deleteForward()
{
    if (selLength_ == 0)
        select(selStart_, 1);
    if (selLength_ > 0)
        replaceSelection({});
}

void MaskedDate::pressBackspace()
{
    keyDown(Backspace);
    backspace();
}

void MaskedDate::pressDelete()
{
    keyDown(Delete);
    deleteForward();
}

bool MaskedDate::pressCharacter(QChar character)
{
    keyDown(0);  // a character key: neither an arrow nor Backspace
    return type(character);
}

void MaskedDate::replaceSelection(const QString& with)
{
    const QString before = text_;
    text_.replace(selStart_, selLength_, with);
    selStart_ += with.size();
    selLength_ = 0;
    if (text_ != before)
        change();
}

// Runs after every change of the text, as the field's change handler.
void MaskedDate::change()
{
    if (text_.size() != kLength) {
        const qsizetype caret = std::min(selStart_, text_.size());
        text_ = text_.left(caret) + mask(separator_).right(kLength - caret);
        select(caret, 0);
        return;
    }
    if (selStart_ < text_.size() && text_[selStart_] == separator_)
        select(selStart_ + 1, 0);
}

}  // namespace tarvelo

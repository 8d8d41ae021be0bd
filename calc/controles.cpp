#include "calc/controles.h"

#include <algorithm>

namespace tarvelo {

void TextBox::edit(qsizetype position, qsizetype count, QStringView with, qsizetype caret)
{
    position = std::clamp<qsizetype>(position, 0, text_.size());
    count = std::clamp<qsizetype>(count, 0, text_.size() - position);
    EdicaoTexto change{position, count, with.size()};
    if (maxLength_ > 0 && text_.size() - count + with.size() > maxLength_) {
        QString cut = text_;
        cut.replace(position, count, with.data(), with.size());
        cut.truncate(maxLength_);
        // Report the smallest edit, so that a view of a long text redraws only what moved.
        qsizetype prefix = 0;
        const qsizetype common = std::min(text_.size(), cut.size());
        while (prefix < common && text_[prefix] == cut[prefix])
            ++prefix;
        change = {prefix, text_.size() - prefix, cut.size() - prefix};
        if (cut == text_)
            change.removed = change.inserted = 0;
        else
            text_ = std::move(cut);
    } else if (count == with.size() && QStringView(text_).mid(position, count) == with) {
        change.removed = change.inserted = 0;
    } else {
        text_.replace(position, count, with.data(), with.size());
    }
    // The caret is in place before Change runs, as when the user types.
    selStart_ = std::clamp<qsizetype>(caret, 0, text_.size());
    selLength_ = 0;
    if (change.removed == 0 && change.inserted == 0) {
        notify();
        return;
    }
    emit editado(change);
    if (Change)
        Change();
}

void TextBox::setText(const QString& text)
{
    const QStringView wanted = maxLength_ > 0 ? QStringView(text).left(maxLength_) : QStringView(text);
    if (wanted == text_)
        return;
    qsizetype prefix = 0;
    const qsizetype common = std::min(text_.size(), wanted.size());
    while (prefix < common && text_[prefix] == wanted[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < common - prefix
           && text_[text_.size() - 1 - suffix] == wanted[wanted.size() - 1 - suffix])
        ++suffix;
    edit(prefix, text_.size() - prefix - suffix, wanted.mid(prefix, wanted.size() - prefix - suffix), 0);
}

void TextBox::replace(qsizetype position, qsizetype count, QStringView with)
{
    edit(position, count, with, 0);
}

void TextBox::removeLast(qsizetype count)
{
    count = std::clamp<qsizetype>(count, 0, text_.size());
    edit(text_.size() - count, count, {}, 0);
}

void TextBox::setSelText(QStringView text)
{
    edit(selStart_, selLength_, text, selStart_ + text.size());
}

bool TextBox::type(QStringView text)
{
    if (maxLength_ > 0 && text_.size() - selLength_ + text.size() > maxLength_)
        return false;
    setSelText(text);
    return true;
}

void TextBox::backspace()
{
    if (selLength_ > 0)
        setSelText({});
    else if (selStart_ > 0)
        edit(selStart_ - 1, 1, {}, selStart_ - 1);
}

void TextBox::setMaxLength(int length)
{
    maxLength_ = std::max(0, length);
}

void TextBox::setSelStart(qsizetype start)
{
    selStart_ = std::clamp<qsizetype>(start, 0, text_.size());
    selLength_ = 0;
    notify();
}

void TextBox::setSelLength(qsizetype length)
{
    selLength_ = std::clamp<qsizetype>(length, 0, text_.size() - selStart_);
    notify();
}

void TextBox::setLocked(bool locked)
{
    if (locked_ != locked) {
        locked_ = locked;
        notify();
    }
}

void TextBox::setForeColor(Cor colour)
{
    if (foreColor_ != colour) {
        foreColor_ = colour;
        notify();
    }
}

void TextBox::setBackColor(Cor colour)
{
    if (backColor_ != colour) {
        backColor_ = colour;
        notify();
    }
}

void Label::setCaption(const QString& caption)
{
    if (caption_ == caption)
        return;
    caption_ = caption;
    notify();
    if (Change)
        Change();
}

void Label::setForeColor(Cor colour)
{
    if (foreColor_ != colour) {
        foreColor_ = colour;
        notify();
    }
}

void Label::setVisible(bool visible)
{
    if (visible_ != visible) {
        visible_ = visible;
        notify();
    }
}

void MenuItem::setChecked(bool checked)
{
    if (checked_ != checked) {
        checked_ = checked;
        notify();
    }
}

void MenuItem::setEnabled(bool enabled)
{
    if (enabled_ != enabled) {
        enabled_ = enabled;
        notify();
    }
}

void MenuItem::setVisible(bool visible)
{
    if (visible_ != visible) {
        visible_ = visible;
        notify();
    }
}

void MenuItem::setCaption(const QString& caption)
{
    if (caption_ != caption) {
        caption_ = caption;
        notify();
    }
}

void KeyButton::setValue(bool value)
{
    if (value_ != value) {
        value_ = value;
        notify();
    }
}

void KeyButton::setEnabled(bool enabled)
{
    if (enabled_ != enabled) {
        enabled_ = enabled;
        notify();
    }
}

void KeyButton::setCaption(const QString& caption)
{
    if (caption_ != caption) {
        caption_ = caption;
        notify();
    }
}

void KeyButton::setToolTipText(const QString& text)
{
    if (toolTipText_ != text) {
        toolTipText_ = text;
        notify();
    }
}

void KeyButton::setBackColor(Cor colour)
{
    if (backColor_ != colour) {
        backColor_ = colour;
        notify();
    }
}

void KeyButton::setBackOver(Cor colour)
{
    if (backOver_ != colour) {
        backOver_ = colour;
        notify();
    }
}

void KeyButton::setFontSize(int size)
{
    if (fontSize_ != size) {
        fontSize_ = size;
        notify();
    }
}

void KeyButton::release(int button, int shift)
{
    if (!enabled_)
        return;
    if (MouseUp)
        MouseUp(button, shift, 0.0f, 0.0f);
    if (button != 1)
        return;
    if (CheckBoxBehaviour)
        setValue(!value_);
    if (Click)
        Click();
}

}  // namespace tarvelo

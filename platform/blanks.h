#pragma once

#include <QString>
#include <QStringView>

namespace tarvelo {

// The text without its leading and trailing blanks, as a view into it. Only the blank
// (U+0020) counts: tabs and line breaks stay, as the program's own trimming has always
// left them.
inline QStringView blanksTrimmed(QStringView text)
{
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && text[from] == QLatin1Char(' '))
        ++from;
    while (to > from && text[to - 1] == QLatin1Char(' '))
        --to;
    return text.sliced(from, to - from);
}

inline QString trimBlanks(QStringView text)
{
    return blanksTrimmed(text).toString();
}

}  // namespace tarvelo

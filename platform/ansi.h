#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace tarvelo {

// The Windows-1252 code page of the program's own state files and of the roll printer's
// bytes ("×" is 0xD7, "÷" 0xF7; the catalogue's placeholders U+008D, U+017D, U+008F are
// 0x8D, 0x8E, 0x8F). Characters it cannot encode become "?". Decoding never fails: the
// five unassigned bytes map to the C1 controls of the same value.
QByteArray toAnsi(QStringView text);
QString fromAnsi(QByteArrayView bytes);
// The text as the code page holds it: the one answer to whether a text survives being
// written in Windows-1252 (it does when this equals it), every character it cannot hold a
// "?", a surrogate pair one "?".
QString heldInAnsi(QStringView text);

// Text files a user also opens in other programs (the payee list, the tape backup, a
// saved tape) are in the desktop's encoding, UTF-8. One carried over from Windows is no
// valid UTF-8: it is read, and added to, in Windows-1252. Plain ASCII is valid UTF-8, so
// such a file takes UTF-8 from its first accented letter on.
enum class TextEncoding { Utf8, Windows1252 };

// The one place that decides a text file's encoding, fed its bytes block after block as
// they are read: UTF-8 while every character so far is well-formed UTF-8 (no overlong
// form, no surrogate, nothing past U+10FFFF), Windows-1252 from the first byte that is
// not, or when the bytes end inside a character.
class TextEncodingCheck {
public:
    void add(QByteArrayView block);
    TextEncoding encoding() const;

private:
    bool broken_ = false;
    int due_ = 0;            // continuation bytes the current character still needs
    unsigned char low_ = 0;  // the range the next one must fall in
    unsigned char high_ = 0;
};

TextEncoding textEncoding(QByteArrayView bytes);
// Whether the bytes go past ASCII and are well-formed UTF-8 all the same: Windows-1252
// bytes that are, read as other characters.
bool readsAsUtf8BeyondAscii(QByteArrayView bytes);
// The line, counted from 1 (lines ended by LF or CR LF), where a text held whole mixes the
// two encodings, as an editor that takes the whole for UTF-8 leaves a line retyped in it: in
// a text that is not UTF-8 as a whole, the first line of the encoding that fewer of its
// lines past ASCII are in (UTF-8 on a tie). 0 when the text is in one encoding.
int lineInOtherEncoding(QByteArrayView bytes);
// A UTF-8 byte order mark before the text is no part of it.
QString decodeText(QByteArrayView bytes, TextEncoding encoding);
QByteArray encodeText(QStringView text, TextEncoding encoding);

}  // namespace tarvelo

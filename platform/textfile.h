#pragma once

#include "platform/ansi.h"
#include "platform/fileio.h"

#include <QString>
#include <QStringView>

#include <functional>

namespace tarvelo {

// Text files a user also opens in other programs (the encodings are in ansi.h), gone
// through in blocks, so that one of any size costs little memory. The encoding is decided
// on the whole file every time, so that what is read and what is added agree.

// A file as text: its encoding (a missing or empty file is new, and new files are UTF-8),
// the line end its lines have (the one that ends its first line: an editor that wrote the
// file wrote them all alike; CR LF for a file with no line end yet) and whether its last
// line lacks one. Status Ok, Missing or Unreadable.
struct TextFileShape {
    FileRead::Status status = FileRead::Status::Missing;
    QString error;  // why it is Unreadable
    TextEncoding encoding = TextEncoding::Utf8;
    QString lineEnd = QStringLiteral("\r\n");
    bool lastLineOpen = false;
    bool readable() const { return status != FileRead::Status::Unreadable; }
};
TextFileShape textFileShape(const QString& path);

// The file's lines in file order, decoded in its encoding and without their line ends
// (CR LF, LF or CR; a UTF-8 byte order mark before the first is no text), each handed to
// `line` until it answers false. A line of more than `longestLine` characters is passed
// over, a long one without being held. No line that starts `limit` bytes or more into the file is handed:
// then the read is `cut`.
struct TextLines : TextFileShape {
    bool cut = false;
};
TextLines readTextLines(const QString& path, qsizetype longestLine, qint64 limit,
                        const std::function<bool(QString line)>& line);

// Adds lines at the end of the file as its own lines are written: `text` ends each line
// with CR LF, and goes in with the file's line end and in its encoding; a file whose last
// line has no line end gets one first, so that the text starts a line of its own. A
// missing file is created in UTF-8 with CR LF. A file that cannot be read is not written to.
FileResult appendText(const QString& path, QStringView text, FileAccess access = FileAccess::Private);
// The same for a file whose shape was just read, sparing a second pass over it.
FileResult appendText(const QString& path, const TextFileShape& shape, QStringView text,
                      FileAccess access = FileAccess::Private);

}  // namespace tarvelo

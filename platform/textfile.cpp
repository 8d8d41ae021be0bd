#include "platform/textfile.h"

#include <QByteArray>

#include <algorithm>

namespace tarvelo {
namespace {

// No character takes more bytes than this in either encoding, and a line may start with a
// byte order mark of three.
constexpr qsizetype kMostBytesPerCharacter = 3;
constexpr qsizetype kByteOrderMarkBytes = 3;

bool lineEnd(char c)
{
    return c == '\r' || c == '\n';
}

// Cuts the blocks of a file into lines. A line may run over several blocks, and so may
// the CR LF that ends it.
class LineSplitter {
public:
    LineSplitter(TextEncoding encoding, qsizetype longestLine, qint64 limit, const std::function<bool(QString)>& line)
        : encoding_(encoding), longestLine_(longestLine),
          mostBytes_(longestLine * kMostBytesPerCharacter + kByteOrderMarkBytes), limit_(limit), line_(line)
    { }

    // False once no more lines are wanted.
    bool add(QByteArrayView block)
    {
        stopped_ = !split(block);
        return !stopped_;
    }

    // The last line, when the file does not end with a line end.
    void finish()
    {
        if (stopped_ || offset_ == lineStart_)
            return;
        if (lineStart_ >= limit_)
            cut_ = true;
        else
            handOver({});
    }

    bool cut() const { return cut_; }

private:
    bool split(QByteArrayView block)
    {
        qsizetype i = 0;
        if (afterCr_ && !block.isEmpty() && block.front() == '\n') {
            i = 1;
            lineStart_ = offset_ + 1;
        }
        afterCr_ = false;
        while (i < block.size()) {
            if (lineStart_ >= limit_) {
                cut_ = true;
                return false;
            }
            qsizetype end = i;
            while (end < block.size() && !lineEnd(block[end]))
                ++end;
            const QByteArrayView part = block.sliced(i, end - i);
            if (end == block.size()) {
                keep(part);
                break;
            }
            if (!handOver(part))
                return false;
            qsizetype next = end + 1;
            if (block[end] == '\r') {
                if (next == block.size())
                    afterCr_ = true;
                else if (block[next] == '\n')
                    ++next;
            }
            lineStart_ = offset_ + next;
            i = next;
        }
        offset_ += block.size();
        return true;
    }

    void keep(QByteArrayView part)
    {
        tooLong_ = tooLong_ || pending_.size() + part.size() > mostBytes_;
        if (tooLong_)
            pending_.clear();
        else
            pending_.append(part);
    }

    // The line that ends with `part`, unless it is too long; the answer of `line_`.
    bool handOver(QByteArrayView part)
    {
        const bool whole = pending_.isEmpty() && !tooLong_;
        if (!whole)
            keep(part);
        const bool wanted = tooLong_ || handOverText(whole ? part : QByteArrayView(pending_));
        pending_.clear();
        tooLong_ = false;
        return wanted;
    }

    bool handOverText(QByteArrayView bytes)
    {
        if (bytes.size() > mostBytes_)
            return true;
        QString text = decodeText(bytes, encoding_);
        return text.size() > longestLine_ || line_(std::move(text));
    }

    TextEncoding encoding_;
    qsizetype longestLine_;
    qsizetype mostBytes_;  // a line of more bytes is too long in any encoding
    qint64 limit_;
    const std::function<bool(QString)>& line_;
    QByteArray pending_;    // the start of a line that runs on into the next block
    bool tooLong_ = false;  // the current line is past the longest, and not kept
    bool afterCr_ = false;  // the last block ended with a CR: a LF first in the next is its pair
    qint64 offset_ = 0;     // of the block in hand
    qint64 lineStart_ = 0;  // of the current line
    bool cut_ = false;
    bool stopped_ = false;
};

// The line end that ends a file's first line, found in the blocks as they come; a CR at
// the end of one block may pair with a LF at the start of the next.
class FirstLineEnd {
public:
    void add(QByteArrayView block)
    {
        if (found_ || block.isEmpty())
            return;
        if (afterCr_) {
            decide(block.front() == '\n' ? u"\r\n" : u"\r");
            return;
        }
        const auto end = std::find_if(block.begin(), block.end(), lineEnd);
        if (end == block.end())
            return;
        if (*end == '\n')
            decide(u"\n");
        else if (end + 1 == block.end())
            afterCr_ = true;
        else
            decide(end[1] == '\n' ? u"\r\n" : u"\r");
    }

    // CR LF when the file has no line end.
    QString ending() const
    {
        return found_ ? ending_ : afterCr_ ? QStringLiteral("\r") : QStringLiteral("\r\n");
    }

private:
    void decide(QStringView ending)
    {
        ending_ = ending.toString();
        found_ = true;
    }

    QString ending_;
    bool found_ = false;
    bool afterCr_ = false;
};

}  // namespace

TextFileShape textFileShape(const QString& path)
{
    TextEncodingCheck check;
    FirstLineEnd firstLineEnd;
    char last = '\n';
    const FileRead read = readFileInBlocks(path, [&check, &firstLineEnd, &last](QByteArrayView block) {
        check.add(block);
        firstLineEnd.add(block);
        last = block.back();
        return true;
    });
    TextFileShape shape;
    shape.status = read.status;
    shape.error = read.error;
    shape.encoding = check.encoding();
    shape.lineEnd = firstLineEnd.ending();
    shape.lastLineOpen = !lineEnd(last);
    return shape;
}

TextLines readTextLines(const QString& path, qsizetype longestLine, qint64 limit,
                        const std::function<bool(QString line)>& line)
{
    TextLines lines{textFileShape(path)};
    if (lines.status != FileRead::Status::Ok)
        return lines;
    LineSplitter splitter(lines.encoding, longestLine, limit, line);
    const FileRead read = readFileInBlocks(path, [&splitter](QByteArrayView block) { return splitter.add(block); });
    if (read.status != FileRead::Status::Ok) {
        lines.status = read.status;
        lines.error = read.error;
        return lines;
    }
    splitter.finish();
    lines.cut = splitter.cut();
    return lines;
}

FileResult appendText(const QString& path, QStringView text, FileAccess access)
{
    return appendText(path, textFileShape(path), text, access);
}

FileResult appendText(const QString& path, const TextFileShape& shape, QStringView text, FileAccess access)
{
    if (!shape.readable())
        return {shape.error};
    QString lines = text.toString();
    if (shape.lineEnd != u"\r\n")
        lines.replace(QStringLiteral("\r\n"), shape.lineEnd);
    if (shape.lastLineOpen)
        lines.prepend(shape.lineEnd);
    return appendToFile(path, encodeText(lines, shape.encoding), access);
}

}  // namespace tarvelo

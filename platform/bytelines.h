#pragma once

#include <QByteArrayView>

namespace tarvelo {

// The lines of a file's bytes, one at a time, ended by LF or CR LF; the line end is not part
// of the line. A file that ends without a line end still gives its last line.
class ByteLines {
public:
    explicit ByteLines(QByteArrayView bytes) : bytes_(bytes) {}

    bool atEnd() const { return from_ >= bytes_.size(); }
    // The next line; an empty one once the bytes are used up.
    QByteArrayView next()
    {
        if (atEnd())
            return {};
        qsizetype end = bytes_.indexOf('\n', from_);
        if (end < 0)
            end = bytes_.size();
        QByteArrayView line = bytes_.sliced(from_, end - from_);
        from_ = end + 1;
        if (line.endsWith('\r'))
            line.chop(1);
        return line;
    }

private:
    QByteArrayView bytes_;
    qsizetype from_ = 0;
};

}  // namespace tarvelo

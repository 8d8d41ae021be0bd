#pragma once

#include <QByteArrayView>

namespace tarvelo {

// Whether `length` bytes from `offset` lie inside `data`, in arithmetic that cannot wrap,
// for readers of untrusted files.
inline bool inside(QByteArrayView data, qint64 offset, qint64 length)
{
    return offset >= 0 && length >= 0 && offset <= data.size() && length <= data.size() - offset;
}

}  // namespace tarvelo

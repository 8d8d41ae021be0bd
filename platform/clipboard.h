#pragma once

#include <QString>
#include <QtGlobal>

namespace tarvelo {

// The system clipboard as plain text. The real one wraps QClipboard; tests use a fake.
class ClipboardService {
public:
    virtual ~ClipboardService() = default;
    virtual QString text() const = 0;
    virtual bool hasText() const = 0;
    virtual void setText(const QString& text) = 0;
    virtual void clear() = 0;
    // How many times the clipboard has changed so far, copies made in other programs
    // included: a change shows as a different count. What a clipboard manager puts back
    // right after this program emptied the clipboard is no change.
    virtual quint64 changes() const = 0;
};

}  // namespace tarvelo

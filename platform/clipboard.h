#pragma once

#include <QString>

namespace tarvelo {

// The system clipboard as plain text. The real one wraps QClipboard; tests use a fake.
class ClipboardService {
public:
    virtual ~ClipboardService() = default;
    virtual QString text() const = 0;
    virtual bool hasText() const = 0;
    virtual void setText(const QString& text) = 0;
    virtual void clear() = 0;
};

}  // namespace tarvelo

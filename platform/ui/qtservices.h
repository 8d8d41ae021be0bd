#pragma once

#include "platform/clipboard.h"
#include "platform/inputbox.h"
#include "platform/messagebox.h"

#include <QMetaObject>

#include <memory>

namespace tarvelo {

class X11PutBackWatch;

class QtMessageService final : public MessageService {
public:
    int show(const QString& text, int flags, const QString& title) override;
};

class QtInputService final : public InputService {
public:
    QString ask(const QString& prompt, const QString& title, const QString& defaultText) override;
};

class QtClipboardService final : public ClipboardService {
public:
    QtClipboardService();
    ~QtClipboardService() override;
    QtClipboardService(const QtClipboardService&) = delete;
    QtClipboardService& operator=(const QtClipboardService&) = delete;

    QString text() const override;
    bool hasText() const override;
    void setText(const QString& text) override;
    void clear() override;
    quint64 changes() const override { return changes_; }

private:
    // What a clipboard manager puts back after the program emptied the clipboard is no change.
    std::unique_ptr<X11PutBackWatch> putBack_;
    quint64 changes_ = 0;
    QMetaObject::Connection contagem_;
};

}  // namespace tarvelo

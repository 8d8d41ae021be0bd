#pragma once

#include "platform/clipboard.h"
#include "platform/inputbox.h"
#include "platform/messagebox.h"

namespace tarvelo {

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
    QString text() const override;
    bool hasText() const override;
    void setText(const QString& text) override;
    void clear() override;
};

}  // namespace tarvelo

#pragma once

#include "platform/messagebox.h"

#include <QString>

namespace tarvelo {

// Modal one-line input boxes. Cancel gives the empty text, as the program's callers expect.
class InputService {
public:
    virtual ~InputService() = default;
    virtual QString ask(const QString& prompt, const QString& title = kTituloPrograma,
                        const QString& defaultText = {}) = 0;
};

}  // namespace tarvelo

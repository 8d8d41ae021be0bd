#pragma once

#include <QString>

#include <functional>

class QObject;

namespace tarvelo {

// Opens a file, a web address or a mail link with the desktop's handler. `open` returns at
// once; `result` hears later, from the event loop, what became of the target: as the
// program's callers expect of the shell, 2 or less means that nothing was opened. `result`
// is never called once `context` is gone.
class ShellService {
public:
    virtual ~ShellService() = default;
    virtual void open(const QString& target, QObject* context, std::function<void(int)> result) = 0;
};

}  // namespace tarvelo

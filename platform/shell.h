#pragma once

#include <QString>

#include <functional>

class QObject;

namespace tarvelo {

// Opens a file, a web address or a mail link with the desktop's handler. `open` returns at
// once; the answers come later, from the event loop, and never once `context` is gone:
// `started` as soon as the opener runs, then `failed` at most once, when the opener could
// not start or ended having opened nothing.
class ShellService {
public:
    struct Answers {
        std::function<void()> started;
        std::function<void()> failed;
    };

    virtual ~ShellService() = default;
    virtual void open(const QString& target, QObject* context, Answers answers) = 0;
};

}  // namespace tarvelo

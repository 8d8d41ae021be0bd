#pragma once

#include <QString>

namespace tarvelo {

// Opens a file, a web address or a mail link with the desktop's handler. As the program's
// callers expect of the shell, a result of 2 or less means that nothing was opened.
class ShellService {
public:
    virtual ~ShellService() = default;
    virtual int open(const QString& target) = 0;
};

}  // namespace tarvelo

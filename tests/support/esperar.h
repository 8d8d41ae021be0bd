#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

#include <functional>

namespace tarvelo::teste {

// Lets events run until the condition holds or the time is up: tests wait for what the
// program does, never for a fixed time.
inline bool esperarAte(const std::function<bool()>& condicao, int ms = 5000)
{
    const QDeadlineTimer prazo(ms);
    while (!condicao()) {
        if (prazo.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    return true;
}

}  // namespace tarvelo::teste

#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

#include <functional>

namespace tarvelo::teste {

// How long a test waits for what the program does: a ceiling that a passing run never
// reaches, generous enough for a machine whose every core is busy.
inline constexpr int kPrazo = 20000;

// Lets events run until the condition holds or the time is up: tests wait for what the
// program does, never for a fixed time.
inline bool esperarAte(const std::function<bool()>& condicao, int ms = kPrazo)
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

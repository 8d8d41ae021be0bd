#pragma once

#include "platform/eventwait.h"

#include <functional>

namespace tarvelo::teste {

// How long a test waits for what the program does: a ceiling that a passing run never
// reaches, generous enough for a machine whose every core is busy.
inline constexpr int kPrazo = 20000;

// Lets events run until the condition holds or the time is up: tests wait for what the
// program does, never for a fixed time.
inline bool esperarAte(const std::function<bool()>& condicao, int ms = kPrazo)
{
    return runEventsUntil(condicao, ms);
}

}  // namespace tarvelo::teste

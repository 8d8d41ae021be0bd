#pragma once

#include "documents/documento.h"

#include <QString>

#include <optional>

namespace tarvelo {

class ClockService;
class InputService;
class MessageService;

// What the calculator's document commands hand over for the value on its display, or
// nothing after telling the user why: a value outside 0,01 to 999.999.999.999,99 (topic
// 900), or one the words cannot be made of (the words' own message).
std::optional<Entrega> EntregaCheque(const QString& visor, MessageService& mensagens);

// The note asks for the due date first (today + 30 offered, a text that is no date refused
// with topic 32 and asked again); cancelling or an empty answer opens nothing.
std::optional<Entrega> EntregaPromissoria(const QString& visor, MessageService& mensagens, InputService& entrada,
                                          const ClockService& relogio, const QString& tituloCalculadora);

}  // namespace tarvelo

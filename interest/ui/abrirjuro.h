#pragma once

#include "documents/documento.h"

#include <functional>

namespace tarvelo {

struct ServicosFerramenta;

// The calculator's interest command, once it has closed the open calculation: the advanced
// window in Portuguese with day-first dates, the simple one otherwise, modal until it
// closes. The advanced window's switch to the simple one closes it first; the simple
// window then opens from here, not from inside the closed one. `mostrarNota` shows one
// promissory note of the advanced window's plan.
void AbrirJuro(const ServicosFerramenta& servicos, const std::function<void(const Entrega&)>& mostrarNota);

}  // namespace tarvelo

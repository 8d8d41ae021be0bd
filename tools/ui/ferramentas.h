#pragma once

#include "tools/ui/janelaferramenta.h"

class QWidget;

namespace tarvelo {

class ClipboardService;
class MessageService;
class PrinterService;

// The companion calculators as the calculator's menus open them: modal over `pai`, each
// returning when its window has closed.
void AbrirData(const ServicosFerramenta& servicos, bool grande, QWidget* pai);
void AbrirRegra(const ServicosFerramenta& servicos, PrinterService* impressora, QWidget* pai);
void AbrirPeso(const ServicosFerramenta& servicos, QWidget* pai);
void AbrirConverte(const ServicosFerramenta& servicos, ClipboardService& clipboard, QWidget* pai);

// The desktop's own calculator: the first of the usual ones found on the PATH, started
// apart from the program. When none starts, message 19.
void AbrirCalculadoraDoSistema(MessageService& mensagens);

}  // namespace tarvelo

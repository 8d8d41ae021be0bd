#pragma once

#include "tools/ui/janelaferramenta.h"

#include <array>

class QGroupBox;
class QLabel;
class QListWidget;

namespace tarvelo {

class CampoTexto;
class ClipboardService;

// The weights-and-measures converter: a value in one of 37 units shown in up to four
// related units at once; Enter on a result copies a sentence with both units to the
// clipboard. Portuguese in every language; it writes nothing back to the calculator.
class frmConverte final : public JanelaFerramenta {
    Q_OBJECT

public:
    frmConverte(const ServicosFerramenta& servicos, ClipboardService& clipboard, QWidget* parent = nullptr);

    // ---- controls, for the tests ------------------------------------------------------------
    CampoTexto* txtValor1 = nullptr;
    QListWidget* lstTipo = nullptr;
    QGroupBox* Frame1 = nullptr;
    std::array<QLabel*, 4> lblResult{};
    std::array<CampoTexto*, 4> txtResult{};

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

private:
    void criarControles();
    void lstTipo_Click();
    void LimparResultados();
    int txtResult_KeyPress(int k, int KeyAscii);

    ClipboardService& clipboard_;
};

}  // namespace tarvelo

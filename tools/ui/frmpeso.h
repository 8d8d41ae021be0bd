#pragma once

#include "tools/ui/janelaferramenta.h"

#include <array>

class QGroupBox;
class QLabel;
class QRadioButton;

namespace tarvelo {

class CampoTexto;
class XPButton;

// The ideal-weight calculator: height, weight and sex give five weight bounds, the class
// of the weight, the kilograms to the normal range and an arrow on a coloured gauge.
// Closing with a result leaves its record on the calculator's tape.
class frmPeso final : public JanelaFerramenta {
    Q_OBJECT

public:
    explicit frmPeso(const ServicosFerramenta& servicos, QWidget* parent = nullptr);

    // ---- controls, for the tests ------------------------------------------------------------
    CampoTexto *txtAltura = nullptr, *txtPeso = nullptr;
    QRadioButton *Option1 = nullptr, *Option2 = nullptr;  // man, woman
    XPButton* cmdHomem = nullptr;
    QGroupBox* Frame1 = nullptr;
    // Thin, mean, overweight, fat, obese.
    std::array<QLabel*, 5> lblLimite{};
    std::array<CampoTexto*, 5> txtLimite{};
    QLabel *lbl8 = nullptr, *lblResultado = nullptr;
    QLabel *lblMedidor = nullptr, *lblMin = nullptr, *lblTol1 = nullptr, *lblTol2 = nullptr, *lblMax = nullptr;
    QLabel *imgSeta = nullptr, *Image1 = nullptr, *Image2 = nullptr;

    void cmdHomem_Click();
    void lbl8_Click();
    void lblResultado_Click();

protected:
    void Form_Unload() override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void criarControles();
    void criarMedidor();
    void Form_Load();
    void enquadrar();
    void colocar(QWidget* controle, double left, double top, double width, double height);
    void trocarSexo(bool homem);
    void definirResultado(const QString& texto);
    void mensagem(const QString& texto);

    QLabel *lblAltura = nullptr, *lblPeso = nullptr;
    QString resultado_;  // the result label's text; empty while no result stands
    int margem_ = 0;     // pixels from the window's left edge to the design's
};

}  // namespace tarvelo

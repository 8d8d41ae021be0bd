#pragma once

#include "tools/regratres.h"
#include "tools/ui/janelaferramenta.h"

#include <array>

class QButtonGroup;
class QLabel;
class QRadioButton;

namespace tarvelo {

class CampoTexto;
class PrinterService;
class XPButton;

// The compound rule of three: six quantities known in a base situation and, all but the
// sought one, in a new one; the user says for each whether the sought quantity grows
// with it, and the proportion is multiplied out. Two guided examples fill it in step by
// step; it prints as an image of itself. It writes nothing back to the calculator.
class frmRegra final : public JanelaFerramenta {
    Q_OBJECT

public:
    // No printer service: printing fails as it does without a printer.
    frmRegra(const ServicosFerramenta& servicos, PrinterService* impressora, QWidget* parent = nullptr);

    // ---- controls, for the tests ---------------------------------------------------------------
    std::array<CampoTexto*, kLinhasRegra> txtValor{}, txtCond{}, txtValor2{}, txtCond2{};
    std::array<QLabel*, kLinhasRegra> imgVal{};
    std::array<QRadioButton*, kLinhasRegra> optInc{};
    XPButton *cmdCalcular = nullptr, *cmdImprimir = nullptr, *cmdExemplo = nullptr, *cmdExemplo2 = nullptr;
    QLabel* lblIncognita = nullptr;

    void cmdCalcular_Click();
    void cmdExemplo_Click();
    void cmdExemplo2_Click();
    void cmdImprimir_Click();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void criarControles();
    void criarLinha(int i);
    void Form_Load();

    void txtCond_Change(int i);
    void optInc_Click();
    void optInc_MouseUp(int i);
    void txtValor2_KeyUp(int i);
    void txtValor2_Change(int i);
    void marcar(int i, bool marcado);

    LinhasRegra lerLinhas() const;
    void escreverLinhas(const LinhasRegra& linhas);
    void mostrarRelacao(int i, Relacao relacao);
    void focar(QWidget* campo);
    int mensagem(int topico, int flags);
    void paraEsquerda();

    QButtonGroup* grupo_ = nullptr;
    std::array<Relacao, kLinhasRegra> relacoes_{};
    PrinterService* impressora_;
};

}  // namespace tarvelo

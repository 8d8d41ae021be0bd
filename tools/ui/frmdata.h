#pragma once

#include "tools/calculodata.h"
#include "tools/ui/janelaferramenta.h"

#include <array>

class QCheckBox;
class QLabel;

namespace tarvelo {

class CampoTexto;
class MaskedDateEdit;
class XPButton;

// The date calculator: two masked dates, the days between them split into years, months,
// weeks and days, or a final date from offsets. Closing after a split leaves its record
// on the calculator's tape.
class frmData final : public JanelaFerramenta {
    Q_OBJECT

public:
    // `grande`: the calculator shows its large digits, and the window takes its large layout.
    frmData(const ServicosFerramenta& servicos, bool grande, QWidget* parent = nullptr);

    // ---- controls, for the tests ------------------------------------------------------------
    std::array<MaskedDateEdit*, 2> txtData{};
    std::array<QLabel*, 2> lblData{};
    std::array<QLabel*, 2> lblDat{};
    CampoTexto *txtAnos = nullptr, *txtMeses = nullptr, *txtSemanas = nullptr, *txtDias = nullptr;
    std::array<QCheckBox*, 3> Check1{};
    std::array<XPButton*, 5> cmdCalcula{};
    QLabel* lblHoje = nullptr;
    QLabel* lblBis = nullptr;
    QLabel* lblBissextos = nullptr;

    void cmdCalcula_Click(int Index);
    void Check1_MouseUp(int Index);

protected:
    void Form_Unload() override;

private:
    void criarControles();
    void Form_Load(bool grande);
    void AmpliarJanela();

    void txtData_Change(int Index);
    void txtData_KeyPress(QChar caractere);
    void txtData_GotFocus(int Index);
    void txtData_LostFocus(int Index);
    bool ValidarData(int Index);
    int campoNumero_KeyPress(int KeyAscii, QCheckBox* unidade);
    void lblBissextos_Change();
    void LimparCampos();
    void realcar(int Index);
    int filtro(int KeyAscii) const;

    ContextoData contexto() const;
    bool temData(int Index) const;
    QString hoje() const;
    CamposData lerCampos() const;
    void escreverCampos(const CamposData& campos);
    void definirBissextos(const QString& texto);
    void mensagem(int topico);
};

}  // namespace tarvelo

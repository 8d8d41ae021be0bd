#pragma once

#include "documents/documento.h"
#include "interest/ui/janelajuro.h"

#include <QDate>

#include <functional>
#include <vector>

namespace tarvelo {

class MaskedDateEdit;

// The advanced interest window: Portuguese only, day-first dates. Beside the simple
// window's loan it takes a first instalment of its own, its date (in step with the days
// and "à vista"), a due day of the month for the later instalments, prints one promissory
// note per instalment and switches to the simple window.
class frmJuro2 final : public JanelaJuro {
    Q_OBJECT

public:
    // `mostrarNota` shows one promissory note, modally, with its explicit hand-over.
    frmJuro2(const ServicosFerramenta& servicos, std::function<void(const Entrega&)> mostrarNota,
             QWidget* parent = nullptr);

    MaskedDateEdit* txtData1Parcela;
    CampoTexto* txt1Parcela;
    CampoTexto* txtDiaVct;
    XPButton* Command1;
    XPButton* Command2;

    // The due dates of the last calculation, entries 0 to n + 1.
    const std::vector<QDate>& Vencimentos() const { return vencimentos_; }
    // Command2 closed the window: its opener shows the simple window next.
    bool pediuModoSimples() const { return modoSimples_; }

    void Command1_Click();
    void Command2_Click();

protected:
    CampoTexto* campo(CampoJuro campo) const override;
    void calculado(const ResultadoCalculo& resultado) override;
    void txtDias_Change() override;
    QString registroPlano() const override;

private:
    void montarExtras();
    void txtDias_Mudou();
    void montarBotoes();
    void txtData1Parcela_Saiu();
    QDate hoje() const;
    QString dataTexto(QDate data) const;

    std::function<void(const Entrega&)> mostrarNota_;
    std::vector<QDate> vencimentos_;
    bool modoSimples_ = false;
};

}  // namespace tarvelo

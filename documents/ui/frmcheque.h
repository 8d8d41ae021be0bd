#pragma once

#include "documents/favorecidos.h"
#include "documents/ui/janeladocumento.h"

class QListView;

namespace tarvelo {

// The bank cheque: the amount and its words from the calculator, the payee with the list
// of earlier payees, the city and today's date, and a free reserve field.
class frmCheque final : public JanelaDocumento {
    Q_OBJECT

public:
    frmCheque(const ServicosDocumento& servicos, const Entrega& entrega, RegistroJanelas* janelas = nullptr);

    QCheckBox* chkAno = nullptr;
    XPButton* cmdBackup = nullptr;
    QListView* lstFavorecido = nullptr;

    void chkAno_Click();
    void cmdBackup_Click();
    void txtFavorecido_Change();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

    QList<Ferramenta> ferramentas() const override;
    QString primeiroCampo() const override { return QStringLiteral("txtFavorecido"); }
    int limiteExtenso() const override;
    QString textoAjuda() const override;
    bool enterAvanca() const override;
    void aposAtivar() override;
    void aposCarregarModelo(const std::optional<bool>& ano) override;
    void aposMoverCampos() override;
    QList<QStringList> linhas() const override;
    QList<QStringList> ordemBanda() const override;
    QList<QWidget*> ferramentasImpressao() const override;
    QStringList camposMaiusculos() const override;
    QList<ValorPreferencia> textosGuardados() const override;
    bool antesDeImprimir() override;
    bool anoDoModelo() const override;

private:
    void Form_Load();
    void lstFavorecido_GotFocus();
    void lstFavorecido_Click();
    int favorecidoSelecionado() const;  // -1: none
    void selecionarFavorecido(int linha);

    ListaFavorecidos favorecidos_;     // the list's entries, searched at every key
    bool listaComFoco_ = false;        // the list's Tag: only then does its selection fill the payee
    bool avisarListaCortada_ = false;  // the file goes on past what is listed: said once shown
};

}  // namespace tarvelo

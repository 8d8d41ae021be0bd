#pragma once

#include "interest/calculojuro.h"
#include "interest/registros.h"
#include "tools/ui/janelaferramenta.h"

#include <QString>

#include <vector>

class QCheckBox;
class QGridLayout;
class QLabel;

namespace tarvelo {

class CampoTexto;
class XPButton;
struct Capitalizacao;

// What both interest windows share: the loan fields with their handlers, the calculate
// command, savings and cheque discount, help, and the plan record on closing. The simple
// window is this as it stands; the advanced one adds its fields and rules.
class JanelaJuro : public JanelaFerramenta, protected FormularioJuro {
    Q_OBJECT

public:
    // The tape's hand-over and the calculator's entry come through `servicos.calculadora`.
    JanelaJuro(const QString& nome, const ServicosFerramenta& servicos, bool avancado, QWidget* parent = nullptr);

    // ---- controls ------------------------------------------------------------------------
    CampoTexto* txtValVista;
    CampoTexto* txtValPrest;
    CampoTexto* txtParcelas;
    CampoTexto* txtDias;
    QCheckBox* chkVista;
    CampoTexto* txtJuroAp;
    CampoTexto* txtJuroTot;
    CampoTexto* txtValFinal;
    XPButton* cmdCalcular;
    XPButton* cmdCapitalizar;
    XPButton* cmdDescontar;
    XPButton* cmdAjuda;

    // cmdCalcular.Tag: "ok" while the fields hold an accepted result.
    const QString& tagCalcular() const { return tagCalcular_; }

    void cmdCalcular_Click();
    void cmdCapitalizar_Click();
    void cmdDescontar_Click();
    void cmdAjuda_Click();

protected:
    // FormularioJuro: the calculate command writes through the fields' own handlers.
    QString texto(CampoJuro campo) const override;
    void escrever(CampoJuro campo, const QString& texto) override;
    void definirBuscando(bool buscando) override { buscando_ = buscando; }
    void tentativa() override;

    virtual CampoTexto* campo(CampoJuro campo) const;
    // The calculation is done: the advanced window keeps its due dates.
    virtual void calculado(const ResultadoCalculo&) {}
    virtual void chkVista_Click();
    void Form_QueryUnload() override;
    // The plan record as the window writes it.
    virtual QString registroPlano() const;
    Plano plano() const;

    // Rows of the loan section, for the advanced window's extra fields.
    QGridLayout* grade() const { return grade_; }
    int linhaLivre() const;
    QLabel* rotulo(const QString& texto, QWidget* campo);
    CampoTexto* novoCampo(int limite, int selecao, Qt::Alignment alinhamento);
    static void destacar(QWidget* campo, const char* fundo, const char* texto = nullptr);
    void esvaziarResultado() { tagCalcular_.clear(); }
    void mostrar(const QString& texto, int flags, const QString& titulo) const;
    // A count typed above `maximo` brings the message and empties the field.
    void limitar(CampoTexto* campo, double maximo, const QString& mensagem);
    // Leaving the field writes its money text, unless it reads 0.
    void formatarSeNaoZero(CampoTexto* campo);
    virtual void txtDias_Change();

    // The window is built in two halves around the advanced window's extra rows.
    void montarInicio();
    void montarFim();

private:
    void ligar();
    void capitalizar(const std::optional<Capitalizacao>& resultado);

    bool avancado_;
    bool buscando_ = false;
    bool cursorOcupado_ = false;
    QString tagCalcular_;
    QGridLayout* grade_ = nullptr;
};

// The simple interest window.
class frmJuro final : public JanelaJuro {
    Q_OBJECT

public:
    explicit frmJuro(const ServicosFerramenta& servicos, QWidget* parent = nullptr);
};

}  // namespace tarvelo

#pragma once

#include "documents/ui/janeladocumento.h"

#include <QDate>

namespace tarvelo {

// The promissory note: a running number, the amount and its words, the due date in
// figures and in words, creditor, place of payment and issuer, over an optional picture
// of a blank note ("IMAGEM.BMP" in the program folder).
class frmPromissoria final : public JanelaDocumento {
    Q_OBJECT

public:
    frmPromissoria(const ServicosDocumento& servicos, const Entrega& entrega, RegistroJanelas* janelas = nullptr);

    // The due date the window was handed (kept in the month field's Tag by design).
    QDate vencimento() const { return vencimento_; }
    // Double click on the day, month or year: month as a name or as a number.
    void txtMes_DblClick();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

    QList<Ferramenta> ferramentas() const override;
    QString primeiroCampo() const override { return QStringLiteral("txtNumero"); }
    int limiteExtenso() const override;
    QString textoAjuda() const override;
    void aposAtivar() override;
    void aoFechar() override;
    QList<QStringList> linhas() const override;
    QList<QStringList> ordemBanda() const override;
    QList<QWidget*> ferramentasImpressao() const override;
    QStringList camposMaiusculos() const override;
    QList<ValorPreferencia> textosGuardados() const override;
    void gravarExtrasDoModelo() override;

private:
    void Form_Load();
    void mostrarData(bool numerico);

    QDate vencimento_;
};

// The note's background picture: "IMAGEM.BMP" in the folder, in any letter case, when it
// reads as a picture of sensible size; otherwise none.
QImage ImagemDeFundo(const QString& pasta);

}  // namespace tarvelo

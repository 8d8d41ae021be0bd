#pragma once

#include <QDate>
#include <QString>

#include <functional>
#include <vector>

namespace tarvelo {

// The fields of an interest window that its calculate command reads and writes.
enum class CampoJuro {
    ValVista,         // txtValVista, the initial value V
    ValPrest,         // txtValPrest, the fixed instalment P
    Parcelas,         // txtParcelas, the count n
    Dias,             // txtDias, days until the first instalment d
    JuroAp,           // txtJuroAp, the monthly rate R
    ValFinal,         // txtValFinal
    PrimeiraParcela,  // txt1Parcela, the first instalment F (advanced window)
    DiaVct,           // txtDiaVct, the due day K (advanced window)
    Calcular,         // cmdCalcular, where an accepted result puts the focus
    Nenhum,
};

// The window as the calculate command sees it. Every write goes through the window, so
// its change handlers run as they would for the user's typing; `definirBuscando` is the
// marker (txtValPrest.Tag "1") under which the rate and the instalment do not clear each
// other while the command writes them.
class FormularioJuro {
public:
    virtual ~FormularioJuro() = default;
    virtual QString texto(CampoJuro campo) const = 0;
    virtual void escrever(CampoJuro campo, const QString& texto) = 0;
    virtual void definirBuscando(bool buscando) = 0;
    // Runs at the start of each search iteration, after the trial is in its field.
    virtual void tentativa() {}
};

// The advanced window's additions: a first instalment of its own, a due day, and the due
// dates counted from `hoje`, the date read once per command.
struct RegrasCalculo {
    bool avancado = false;
    QDate hoje;
};

struct ResultadoCalculo {
    enum class Desfecho { Recusado, Aceito, Rejeitado };
    Desfecho desfecho = Desfecho::Recusado;
    // The message to show with the window's caption as its title, and its icon
    // (mb::Exclamation or mb::Critical); empty on acceptance.
    QString mensagem;
    int icone = 0;
    CampoJuro foco = CampoJuro::Nenhum;
    // The search ran (busy cursor while it did).
    bool buscou = false;
    int iteracoes = 0;
    double residuo = 0;
    // Vencimentos: entries 0 to n + 1, set for 1 to n by the last iteration; empty when the
    // command never passed the count check.
    std::vector<QDate> vencimentos;
};

// The calculate command (cmdCalcular_Click): checks the fields in their order, solves for
// the rate when an instalment is given and for the instalment otherwise, and writes the
// fields. A refusal leaves a message and a field to focus; a rejection writes "Erro" into
// the rate and the instalment and leaves topic 28.
ResultadoCalculo CalcularJuro(FormularioJuro& formulario, const RegrasCalculo& regras = {});

}  // namespace tarvelo

// The item counter's change handling, undo and redo.

#include "calc/frmcalcula.h"
#include "calc/linhafita.h"
#include "calc/teclas.h"

#include "platform/numbermask.h"
#include "platform/numbertext.h"

namespace tarvelo {

bool frmCalcula::semHistorico() const
{
    return std::all_of(HistTotais.begin(), HistTotais.end(),
                       [](const PassoDesfazer& passo) { return passo.total.trimmed().isEmpty(); });
}

bool frmCalcula::semRefazer() const
{
    return std::all_of(RefazerLinhas.begin(), RefazerLinhas.end(),
                       [](const PassoRefazer& passo) { return passo.linha.trimmed().isEmpty(); });
}

void frmCalcula::contadorMudou()
{
    // The counter goes up before the new item enters the total, so the step keeps the
    // total without it.
    if (!desfazendo_ && Visible)
        HistTotais.push_back({lblTotal.Caption(), Tag});
    // Every item counted outside an undo uses up the most recent redo step.
    if (!desfazendo_ && !RefazerLinhas.empty()) {
        RefazerLinhas.pop_back();
        if (semRefazer())
            mnuRedo.setEnabled(false);
    }
    mnuUndo.setEnabled(!semHistorico() && !valorZero(lblVisor[1].Caption()));
    espelharLegenda();
}

void frmCalcula::mnuUndo_Click()
{
    desfazendo_ = true;
    const bool temLinha = txtFita.length() >= kLinhaComQuebra;
    if (temLinha)
        RefazerLinhas.push_back({txtFita.Text().right(kLinhaComQuebra).left(24), Tag});
    mnuRedo.setEnabled(!RefazerLinhas.empty());
    lblVisor[1].setCaption(formatNumber(valor(lblVisor[1].Caption()) - 1, u"000"));
    txtEntrada.setText(QString());
    if (temLinha)
        txtFita.removeLast(kLinhaComQuebra);
    if (!HistTotais.empty()) {
        lblTotal.setCaption(HistTotais.back().total.trimmed());
        Tag = HistTotais.back().operador;
        HistTotais.pop_back();
    }
    const QString total = lblTotal.Caption();
    lblVisor[0].setCaption(total.left(22));
    if (mnuTempo.Checked())
        lblVisor[2].setCaption(ConverterTempo(total));
    desfazendo_ = false;
    if (semHistorico())
        mnuUndo.setEnabled(false);
}

void frmCalcula::mnuRedo_Click()
{
    if (RefazerLinhas.empty())
        return;
    const PassoRefazer passo = RefazerLinhas.back();
    const QString campo = passo.linha.mid(1);
    const QString anotacao = mnuInserir.Checked() ? campo.left(12) : QString();
    const QString valorTexto = (mnuInserir.Checked() ? campo.right(11) : campo).trimmed();

    static const std::map<QString, Caractere> kTeclas = {{QStringLiteral("+"), Caractere::Mais},
                                                          {QStringLiteral("-"), Caractere::Menos},
                                                          {QStringLiteral("/"), Caractere::Dividir},
                                                          {QStringLiteral("*"), Caractere::Vezes}};
    const auto tecla = kTeclas.find(passo.operador);
    QString entrada;
    if (isNumeric(valorTexto))
        entrada = valorTexto;
    else if (valorTexto.contains(QLatin1Char(':')))
        entrada = QString(valorTexto).remove(QLatin1Char(':'));
    if (entrada.isEmpty() || tecla == kTeclas.end()) {
        // A step that cannot be entered again (its value is neither a number nor a time,
        // or no operator was pending) is dropped instead of blocking Redo for good.
        RefazerLinhas.pop_back();
        if (semRefazer())
            mnuRedo.setEnabled(false);
        return;
    }

    txtEntrada.setMaxLength(std::max(txtEntrada.MaxLength(), static_cast<int>(entrada.size())));
    txtEntrada.setText(entrada);
    const qsizetype antes = txtFita.length();
    Form_KeyPress(codigo(tecla->second));
    // The annotation belongs to the line just entered again, never to an older one.
    if (mnuInserir.Checked() && txtFita.length() == antes + kLinhaComQuebra) {
        txtFita.replace(txtFita.length() - 27, 12,
                        anotacao.toUpper().leftJustified(12, QLatin1Char(' '), true));
    }
}

}  // namespace tarvelo

#pragma once

#include <QDate>
#include <QString>

#include <functional>
#include <optional>

namespace tarvelo {

class InputService;
class MessageService;

// What an amount becomes at a monthly rate over some days (CapitalizarValor): whole
// 30-day periods compound, the remaining days earn simple interest pro rata. Texts in
// the user's format; the money text of the result.
QString CapitalizarValor(const QString& valor, const QString& taxa, const QString& dias);

// The net amount to pay today for a cheque due after some days: the one that, capitalised
// at the rate, grows to the cheque's value (the money search over CapitalizarValor).
// `aCadaTentativa` runs once per iteration. None when the search finds no such amount.
struct Desconto {
    QString liquido;  // money text
    int iteracoes = 0;
};
std::optional<Desconto> DescontarCheque(const QString& cheque, const QString& taxa, const QString& dias,
                                        const std::function<void()>& aCadaTentativa = {});

// A savings or discount result, as the record and the calculator take it.
struct Capitalizacao {
    QString inicial;  // money text: the amount saved, or the net of a cheque
    QString taxa;     // the monthly rate, at most four decimals
    QString dias;     // number text
    QString final;    // money text: the capitalised amount, or the cheque's value
    QDate inicio;
    QString mensagem;  // the result as the window shows it
    QString entrada;   // what goes into the calculator's entry
};

// The savings and cheque-discount commands' dialogue (cmdCapitalizar_Click and
// cmdDescontar_Click without their window): input boxes for the amount, the rate, the start
// date and the days, then the computation. None for any refused or cancelled input; the
// window then shows topic 30. `mensagens` is where the amount in words reports a failure.
std::optional<Capitalizacao> PedirPoupanca(InputService& entrada, MessageService& mensagens, QDate hoje);
std::optional<Capitalizacao> PedirDesconto(InputService& entrada, MessageService& mensagens, QDate hoje,
                                           const std::function<void()>& aCadaTentativa = {});

}  // namespace tarvelo

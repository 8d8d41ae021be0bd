#include "calc/impressao.h"

#include "host/globais.h"
#include "host/preferencias.h"
#include "host/texto.h"
#include "platform/ansi.h"
#include "platform/inputbox.h"
#include "platform/messagebox.h"
#include "platform/printer.h"
#include "platform/rawport.h"
#include "platform/settings.h"

namespace tarvelo {
namespace {

const QString kCrLf = QStringLiteral("\r\n");

ResultadoImpressao enviado(MessageService& mensagens)
{
    mensagens.show(fTexto(16), mb::Information);
    return ResultadoImpressao::Enviado;
}

ResultadoImpressao semResposta(MessageService& mensagens)
{
    mensagens.show(fTexto(17), mb::Critical);
    return ResultadoImpressao::SemResposta;
}

QString textoPausa()
{
    return globais().gIdioma == 1
               ? QStringLiteral("Aguarde o término da impressão e então pressione OK para continuar...")
               : QStringLiteral("Await the end of the print and then press OK to continue...");
}

}  // namespace

int TamanhoFonteImpressao(int Index)
{
    switch (Index) {
    case 0: return 8;
    case 2: return 12;
    default: return 10;
    }
}

ResultadoImpressao ImprimirFita(const QString& fita, int Index, TextPrinter& impressora,
                                MessageService& mensagens)
{
    if (!impressora.available())
        return semResposta(mensagens);
    const QString texto = globais().gCrLf2 + fita + kCrLf;
    if (!impressora.printText(texto, kFonteImpressao, TamanhoFonteImpressao(Index)))
        return semResposta(mensagens);
    return enviado(mensagens);
}

QString TextoBobina(const QString& fita)
{
    QString texto = kCrLf + fita + kCrLf + kCrLf;
    texto.replace(QChar(0x00D7), QLatin1Char('*'));
    texto.replace(QChar(0x00F7), QLatin1Char('/'));
    return texto;
}

ResultadoImpressao ImpressoraBobina::imprimir(const QString& fita, const QString& legendaJanela)
{
    if (imprimindo_)
        return ResultadoImpressao::Ocupado;
    const QString guardada =
        lerPreferencia(servicos_.configuracoes, pref::Porta);
    const QString porta =
        servicos_.entrada.ask(fTexto(176), QLatin1Char(' ') + legendaJanela, guardada).toUpper();
    if (!kRawPortNames.contains(porta)) {
        servicos_.mensagens.show(fTexto(30), mb::Critical);
        return ResultadoImpressao::PortaInvalida;
    }
    salvarPreferencia(servicos_.configuracoes, pref::Porta, porta);

    imprimindo_ = true;
    const ResultadoImpressao resultado = enviar(porta, TextoBobina(fita));
    imprimindo_ = false;
    return resultado;
}

ResultadoImpressao ImpressoraBobina::enviar(const QString& porta, const QString& texto)
{
    RawPort& saida = servicos_.porta;
    if (!saida.open(porta))
        return semResposta(servicos_.mensagens);
    const bool serial = porta.startsWith(QLatin1String("COM"));
    int pausa = 0;
    qsizetype posicao = 0;
    for (;;) {
        const qsizetype fim = texto.indexOf(kCrLf, posicao);
        if (fim < 0)
            break;
        const QByteArray linha = toAnsi(QStringView(texto).mid(posicao, fim - posicao)) + "\r\n";
        posicao = fim + 2;
        if (!saida.write(linha)) {
            saida.close();
            return semResposta(servicos_.mensagens);
        }
        if (servicos_.processarEventos)
            servicos_.processarEventos();
        if (serial && pausa >= kLinhasPorPausa) {
            saida.close();
            pausa = 0;
            if (servicos_.mensagens.show(textoPausa(), mb::OkCancel | mb::Information) == mb::Cancel)
                return ResultadoImpressao::Cancelado;
            if (!saida.open(porta))
                return semResposta(servicos_.mensagens);
        }
        ++pausa;
    }
    saida.close();
    return enviado(servicos_.mensagens);
}

}  // namespace tarvelo

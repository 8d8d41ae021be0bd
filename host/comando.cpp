#include "host/comando.h"

#include <QtEndian>

namespace tarvelo {
namespace {

constexpr qsizetype kCabecalho = 5;

bool igual(const QString& comando, const char* palavra)
{
    return comando == QLatin1String(palavra);
}

}  // namespace

bool eSystray(const QString& comando)
{
    return igual(comando, "systray");
}

bool eFechar(const QString& comando)
{
    return igual(comando, "fechar");
}

bool splashOculto(const QString& comando)
{
    return eSystray(comando) || eFechar(comando);
}

bool ePalavraDeFechar(const QString& comando)
{
    return igual(comando, "atualiza") || eFechar(comando) || igual(comando, "mini");
}

bool eSegundaCalculadora(const QString& comando)
{
    return comando.startsWith(QLatin1String("outra")) && arquivoDoComando(comando).isEmpty();
}

bool pedeModoTempo(const QString& comando)
{
    return comando.endsWith(QLatin1String("tempo"));
}

Ferramenta ferramentaDoComando(const QString& comando)
{
    if (igual(comando, "tempo"))
        return Ferramenta::Tempo;
    if (igual(comando, "juro"))
        return Ferramenta::Juro;
    if (igual(comando, "peso"))
        return Ferramenta::Peso;
    if (igual(comando, "data"))
        return Ferramenta::Data;
    return Ferramenta::Nenhuma;
}

QString arquivoDoComando(const QString& comando)
{
    const bool script = comando.size() > 4 && comando.endsWith(QLatin1String(".reg"), Qt::CaseInsensitive);
    return script ? comando : QString();
}

Ferramenta ferramentaEncaminhada(const QString& texto)
{
    const QString inicio = texto.left(4);
    if (inicio == QLatin1String("temp"))
        return Ferramenta::Tempo;
    if (inicio == QLatin1String("juro"))
        return Ferramenta::Juro;
    if (inicio == QLatin1String("peso"))
        return Ferramenta::Peso;
    if (inicio == QLatin1String("data"))
        return Ferramenta::Data;
    return Ferramenta::Nenhuma;
}

QString textoEncaminhado(const QString& comando, const QTime& hora)
{
    return comando.left(kMaxComandoEncaminhado) + hora.toString(QStringLiteral("HH:mm:ss"));
}

QByteArray codificarMensagem(const MensagemCanal& mensagem)
{
    const QByteArray texto = mensagem.texto.toUtf8();
    if (texto.size() > kMaxTextoCanal)
        return {};
    QByteArray quadro(kCabecalho, '\0');
    quadro[0] = static_cast<char>(mensagem.tipo);
    qToBigEndian(static_cast<quint32>(texto.size()), quadro.data() + 1);
    quadro += texto;
    return quadro;
}

void LeitorCanal::acrescentar(QByteArrayView bytes)
{
    if (invalido_)
        return;
    if (pendente_.size() + bytes.size() > kMaxPendenteCanal) {
        invalido_ = true;
        pendente_.clear();
        return;
    }
    pendente_.append(bytes);
}

std::optional<MensagemCanal> LeitorCanal::proxima()
{
    if (invalido_ || pendente_.size() < kCabecalho)
        return std::nullopt;
    const char tipo = pendente_.at(0);
    const quint32 tamanho = qFromBigEndian<quint32>(pendente_.constData() + 1);
    if ((tipo != 'C' && tipo != 'A' && tipo != 'F') || tamanho > static_cast<quint32>(kMaxTextoCanal)) {
        invalido_ = true;
        pendente_.clear();
        return std::nullopt;
    }
    if (pendente_.size() < kCabecalho + static_cast<qsizetype>(tamanho))
        return std::nullopt;
    MensagemCanal mensagem;
    mensagem.tipo = static_cast<MensagemCanal::Tipo>(tipo);
    mensagem.texto = QString::fromUtf8(pendente_.constData() + kCabecalho, static_cast<qsizetype>(tamanho));
    pendente_.remove(0, kCabecalho + static_cast<qsizetype>(tamanho));
    return mensagem;
}

}  // namespace tarvelo

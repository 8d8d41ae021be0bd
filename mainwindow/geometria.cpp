#include "mainwindow/geometria.h"

#include "platform/numbertext.h"

#include <algorithm>

namespace tarvelo {

std::optional<double> numeroGuardado(const QString& texto)
{
    return numberValue(texto);
}

double esquerdaPadrao(double larguraTela, double largura)
{
    return larguraTela - largura - 360;
}

Posicao posicaoInicial(const QString& textoTopo, const QString& textoEsquerda, double altura, double largura,
                       double alturaTela, double larguraTela, bool modoMini, Posicao desenhada)
{
    Posicao p = desenhada;
    if (const auto topo = numeroGuardado(textoTopo))
        p.topo = *topo;
    if (p.topo + altura > alturaTela || textoTopo.contains(QLatin1Char('-')) || modoMini)
        p.topo = 0;
    if (const auto esquerda = numeroGuardado(textoEsquerda))
        p.esquerda = *esquerda;
    if (p.esquerda + largura > larguraTela || textoEsquerda.contains(QLatin1Char('-')))
        p.esquerda = 0;
    return p;
}

int alturaCliente(double alturaExterna, std::optional<int> moldura)
{
    return std::max(0, pixels(alturaExterna) - moldura.value_or(kMolduraNominal));
}

Faixa esticarTecla(Faixa tecla, double inicio, double fim, double extra)
{
    if (fim <= inicio)
        return tecla;
    const double escala = (fim - inicio + extra) / (fim - inicio);
    return {inicio + (tecla.esquerda - inicio) * escala, tecla.largura * escala};
}

std::optional<LeiauteJanela> calcularLeiaute(double alturaCliente, double alturaCaixa, double alturaTeclado,
                                       bool tecladoVisivel)
{
    const double k = tecladoVisivel ? alturaTeclado : 0;
    LeiauteJanela l;
    l.alturaFita = alturaCliente - 120 - alturaCaixa - k;
    if (l.alturaFita < 0)
        return std::nullopt;
    l.topoCaixa = l.alturaFita + 60;
    l.topoVisor = l.topoCaixa + 40;
    l.topoTeclado = l.topoCaixa + alturaCaixa + 60;
    return l;
}

}  // namespace tarvelo

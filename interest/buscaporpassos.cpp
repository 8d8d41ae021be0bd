#include "interest/buscaporpassos.h"

#include "interest/numeros.h"

#include <cmath>

namespace tarvelo {
namespace {

using S = LinhaBusca::Sinal;

bool vale(const LinhaBusca& linha, double r, int estagio)
{
    if (estagio > linha.ateEstagio)
        return false;
    switch (linha.sinal) {
    case S::Positivo: return r > 0;
    case S::Negativo: return r < 0;
    case S::NaoNegativo: return r >= 0;
    case S::Qualquer: return true;
    }
    return false;
}

constexpr int kTodos = 255;

}  // namespace

const TabelaBusca& tabelaTaxa()
{
    static const TabelaBusca tabela{{
                                        {S::Positivo, 0, -10, 0},
                                        {S::Negativo, 1, +1, 1},
                                        {S::Positivo, 2, -0.1, 2},
                                        {S::Negativo, 3, +0.01, 3},
                                        {S::Positivo, 4, -0.001, 4},
                                        {S::Negativo, 5, +0.0001, 5},
                                        {S::Positivo, 6, -0.00001, 6},
                                        {S::NaoNegativo, kTodos, 0, 0, true},
                                        {S::Qualquer, kTodos, +0.000001, 7},
                                    },
                                    -100};
    return tabela;
}

const TabelaBusca& tabelaDinheiro()
{
    static const TabelaBusca tabela{{
        {S::Positivo, 0, +1000, 0},
        {S::Negativo, 1, -100, 1},
        {S::Positivo, 2, +10, 2},
        {S::Negativo, 3, -1, 3},
        {S::Positivo, 4, +0.1, 4},
        {S::NaoNegativo, kTodos, 0, 0, true},
        {S::Qualquer, kTodos, -0.01, 5},
    }};
    return tabela;
}

ResultadoBusca BuscarPorPassos(const TabelaBusca& tabela, double inicio, const std::function<double(double)>& residuo,
                               const std::function<void(double)>& aCadaTentativa)
{
    using Fim = ResultadoBusca::Fim;
    ResultadoBusca busca;
    busca.valor = inicio;
    int estagio = 0;
    while (true) {
        if (busca.iteracoes == kLimiteIteracoes) {
            busca.fim = Fim::Limite;
            return busca;
        }
        ++busca.iteracoes;
        if (aCadaTentativa)
            aCadaTentativa(busca.valor);
        busca.residuo = residuo(busca.valor);
        if (!std::isfinite(busca.residuo)) {
            busca.fim = Fim::NaoFinito;
            return busca;
        }
        for (const LinhaBusca& linha : tabela.linhas) {
            if (!vale(linha, busca.residuo, estagio))
                continue;
            if (linha.para) {
                busca.fim = Fim::Parou;
                return busca;
            }
            const double proximo = quinzeDigitos(busca.valor + linha.passo);
            if (proximo == busca.valor) {
                busca.fim = Fim::SemMudanca;
                return busca;
            }
            if (!std::isfinite(proximo)) {
                busca.fim = Fim::NaoFinito;
                return busca;
            }
            busca.valor = proximo;
            estagio = linha.estagio;
            if (busca.valor <= tabela.piso) {
                busca.fim = Fim::Piso;
                return busca;
            }
            break;
        }
    }
}

}  // namespace tarvelo

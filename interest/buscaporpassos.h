#pragma once

#include <functional>
#include <limits>
#include <vector>

namespace tarvelo {

// One row of a stage table: when the residual has the row's sign and the stage is at most
// `ateEstagio`, the sought value moves by `passo` and the stage becomes `estagio`; a
// stopping row ends the search instead.
struct LinhaBusca {
    enum class Sinal { Positivo, Negativo, NaoNegativo, Qualquer };
    Sinal sinal;
    int ateEstagio;
    double passo = 0;
    int estagio = 0;
    bool para = false;
};

struct TabelaBusca {
    std::vector<LinhaBusca> linhas;
    // A trial at or below this ends the search as failed (a rate of -100 % or less
    // wipes out the balance, and the search would only run away from there).
    double piso = -std::numeric_limits<double>::infinity();
};

// The monthly rate in percent, from "15"; and money values, from their start value.
const TabelaBusca& tabelaTaxa();
const TabelaBusca& tabelaDinheiro();

// Searches far beyond ten thousand steps are runaways, never answers worth waiting for.
inline constexpr int kLimiteIteracoes = 100000;

struct ResultadoBusca {
    enum class Fim {
        Parou,       // a stopping row
        Limite,      // kLimiteIteracoes reached
        SemMudanca,  // a step too small to change the number text
        Piso,        // a trial at or below the table's floor
        NaoFinito,   // a residual or trial beyond the range of a double
    };
    Fim fim = Fim::Parou;
    double valor = 0;    // the last trial
    double residuo = 0;  // its residual
    int iteracoes = 0;
    bool achou() const { return fim == Fim::Parou; }
};

// The staged step search (BuscarPorPassos). Each iteration runs `aCadaTentativa` with the
// trial (the window shows it and lets events run), computes the residual of the trial and
// follows the first row of the table that applies.
ResultadoBusca BuscarPorPassos(const TabelaBusca& tabela, double inicio, const std::function<double(double)>& residuo,
                               const std::function<void(double)>& aCadaTentativa = {});

}  // namespace tarvelo

#include "tools/regratres.h"

#include "host/texto.h"
#include "platform/currency.h"
#include "platform/messagebox.h"
#include "platform/numbertext.h"

#include <cmath>

namespace tarvelo {
namespace {

// A value that is no number leaves a product as it was.
void multiplicar(double& produto, const QString& texto, const LocaleInfo& locale)
{
    if (const auto v = numberValue(texto, locale))
        produto *= *v;
}

CalculoRegra fim(int topico, CalculoRegra::Foco foco = CalculoRegra::Foco::Nenhum, int linha = -1)
{
    CalculoRegra r;
    r.topico = topico;
    r.foco = foco;
    r.linhaFoco = linha;
    return r;
}

}  // namespace

CalculoRegra CalcularRegra(LinhasRegra& linhas, bool perguntar, const PerguntaRelacao& pergunta,
                           const LocaleInfo& locale)
{
    using Foco = CalculoRegra::Foco;
    for (int i : {0, 1}) {
        const auto v = numberValue(linhas[i].valor, locale);
        if (!v || *v < 0)
            return fim(197, Foco::Valor, 0);
    }
    int u = -1;
    int preenchidas = 0;
    for (int i = 0; i < kLinhasRegra; ++i) {
        const LinhaRegra& l = linhas[i];
        if (l.valor2Habilitado && !isNumeric(l.valor2, locale) && !l.incognita)
            return fim(199, Foco::Valor2, i);
        if (l.incognita)
            u = i;
        if (const auto v = numberValue(l.valor, locale); v && *v > 0)
            ++preenchidas;
    }
    if (preenchidas < 2)
        return fim(200);
    if (u < 0)
        return fim(201);

    double a = 1;
    double b = 1;
    for (int i = 0; i < kLinhasRegra; ++i) {
        LinhaRegra& l = linhas[i];
        if (l.cond.isEmpty())
            continue;
        if (i == u) {
            l.relacao = Relacao::Nenhuma;
        } else if (perguntar) {
            const int resposta = pergunta(fTexto(206, l.cond.toUpper(), linhas[u].cond2.toUpper()));
            if (resposta == mb::Cancel)
                return fim(30);
            l.relacao = resposta == mb::Yes ? Relacao::Direta : Relacao::Inversa;
        }
        linhas[u].valor2.clear();
        if (l.relacao == Relacao::Direta) {
            multiplicar(a, l.valor, locale);
            if (!l.valor2.isEmpty())
                multiplicar(b, l.valor2, locale);
        } else {
            if (!l.valor2.isEmpty())
                multiplicar(a, l.valor2, locale);
            multiplicar(b, l.valor, locale);
        }
    }

    // A zero product below the line has no quotient; 0 shown as an answer would be wrong.
    const auto resultado = a != 0 && std::isfinite(b / a) ? Currency::fromDouble(b / a) : std::nullopt;
    if (!resultado)
        return fim(30);
    linhas[u].valor2 = resultado->toText(locale);
    CalculoRegra r = fim(0, Foco::Valor2, u);
    r.incognita = u;
    return r;
}

bool LinhaAberta(const LinhaRegra& linha, const LocaleInfo& locale)
{
    if (linha.valor.isEmpty())
        return true;
    const auto v = numberValue(linha.valor, locale);
    return v && *v != 0 && !linha.cond.isEmpty();
}

}  // namespace tarvelo

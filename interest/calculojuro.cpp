#include "interest/calculojuro.h"

#include "host/globais.h"
#include "host/rotinas.h"
#include "host/texto.h"
#include "interest/buscaporpassos.h"
#include "interest/cronograma.h"
#include "interest/numeros.h"
#include "platform/currency.h"
#include "platform/messagebox.h"
#include "platform/numbermask.h"
#include "platform/numbertext.h"

#include <cmath>
#include <optional>

namespace tarvelo {
namespace {

using C = CampoJuro;
using Desfecho = ResultadoCalculo::Desfecho;

const QString kErro = QStringLiteral("Erro");

class Comando {
public:
    Comando(FormularioJuro& formulario, const RegrasCalculo& regras) : f_(formulario), regras_(regras) {}

    ResultadoCalculo executar();

private:
    QString texto(C campo) const { return f_.texto(campo); }
    double valor(C campo) const { return valorTexto(f_.texto(campo)); }
    ResultadoCalculo recusar(const QString& mensagem, int icone, C foco);
    ResultadoCalculo rejeitar();
    ResultadoCalculo aceitar();
    std::optional<ResultadoCalculo> conferir();
    std::optional<ResultadoCalculo> buscarTaxa();
    std::optional<ResultadoCalculo> buscarParcela();
    // The first instalment follows the fixed one when it reads 0, and always in a plan
    // of one instalment, whose only instalment is the instalment.
    void primeiraSegueParcela();
    double primeiraParcela(double parcela) const;
    double residuo(double taxa, double primeira, double parcela) const;
    void anotarVencimentos();

    FormularioJuro& f_;
    const RegrasCalculo& regras_;
    ResultadoCalculo r_;
    int n_ = 0;
    double inicial_ = 0;
    PrazoPlano prazo_;
    std::vector<QDate> datas_;
    ResultadoBusca busca_;
};

ResultadoCalculo Comando::recusar(const QString& mensagem, int icone, C foco)
{
    r_.desfecho = Desfecho::Recusado;
    r_.mensagem = mensagem;
    r_.icone = icone;
    r_.foco = foco;
    return r_;
}

ResultadoCalculo Comando::rejeitar()
{
    r_.iteracoes = busca_.iteracoes;
    r_.residuo = busca_.residuo;
    f_.escrever(C::JuroAp, kErro);
    f_.escrever(C::ValPrest, kErro);
    f_.definirBuscando(false);
    r_.desfecho = Desfecho::Rejeitado;
    r_.mensagem = fTexto(28);
    r_.icone = mb::Critical;
    r_.foco = C::Nenhum;
    return r_;
}

ResultadoCalculo Comando::aceitar()
{
    r_.iteracoes = busca_.iteracoes;
    r_.residuo = busca_.residuo;
    f_.definirBuscando(false);
    r_.desfecho = Desfecho::Aceito;
    r_.foco = C::Calcular;
    return r_;
}

// Steps 1 to 5: the fields in their order, normalised on the way.
std::optional<ResultadoCalculo> Comando::conferir()
{
    if (leadingValue(texto(C::ValVista)) == 0)
        return recusar(fTexto(22), mb::Exclamation, C::ValVista);

    const std::optional<double> contagem = numberValue(texto(C::Parcelas));
    if (!contagem || *contagem < 1)
        return recusar(fTexto(23), mb::Exclamation, C::Parcelas);
    // The count is a byte: what does not fit is the run-time error of the rejection path.
    const std::optional<qint32> n = toLong(*contagem);
    n_ = n && *n <= 255 ? *n : 0;
    if (regras_.avancado && n_ > 0)
        r_.vencimentos.assign(std::size_t(n_) + 2, QDate());

    f_.escrever(C::ValVista, FormatarValor(texto(C::ValVista)));
    f_.escrever(C::ValPrest, FormatarValor(texto(C::ValPrest)));
    if (texto(C::JuroAp).contains(globais().gDecimal))
        f_.escrever(C::JuroAp, formatNumber(QStringView(texto(C::JuroAp)), u"#0.0#####"));

    if (!isNumeric(texto(C::Dias)))
        return recusar(fTexto(24), mb::Exclamation, C::Dias);
    f_.escrever(C::Dias, formatNumber(QStringView(texto(C::Dias)), u"00"));

    if (valorDinheiro(texto(C::ValPrest)) == 0 && valorDinheiro(texto(C::JuroAp)) == 0)
        return recusar(fTexto(25), mb::Exclamation, C::ValPrest);

    if (regras_.avancado && !texto(C::DiaVct).isEmpty()) {
        const std::optional<double> dia = numberValue(texto(C::DiaVct));
        if (!dia || *dia < 1 || *dia > 28 || *dia != std::floor(*dia))
            return recusar(QStringLiteral("Digite o dia do vencimento entre 01 e 28"), mb::Critical, C::DiaVct);
        prazo_.diaVencimento = int(*dia);
    }
    return std::nullopt;
}

void Comando::primeiraSegueParcela()
{
    if (regras_.avancado && (n_ == 1 || valorDinheiro(texto(C::PrimeiraParcela)) == 0))
        f_.escrever(C::PrimeiraParcela, texto(C::ValPrest));
}

double Comando::primeiraParcela(double parcela) const
{
    return regras_.avancado ? valor(C::PrimeiraParcela) : parcela;
}

double Comando::residuo(double taxa, double primeira, double parcela) const
{
    return SaldoResidual(inicial_, TaxasPeriodo(taxa, prazo_, datas_), primeira, parcela);
}

void Comando::anotarVencimentos()
{
    for (std::size_t i = 0; i < datas_.size() && i + 1 < r_.vencimentos.size(); ++i)
        r_.vencimentos[i + 1] = datas_[i];
}

// Steps 7 and 8: the instalment is given, the rate is sought.
std::optional<ResultadoCalculo> Comando::buscarTaxa()
{
    const std::optional<Currency> parcela = Currency::fromText(texto(C::ValPrest));
    const std::optional<Currency> inicial = Currency::fromText(texto(C::ValVista));
    if (!parcela || !inicial)
        return rejeitar();
    if (*parcela >= *inicial && n_ != 1)
        return recusar(fTexto(26), mb::Exclamation, C::ValPrest);
    // One instalment paid at once, or equal to the loan: no rate moves the residual.
    if (n_ == 1 && (prazo_.dias == 0 || *parcela == *inicial))
        return rejeitar();

    primeiraSegueParcela();
    const double P = valor(C::ValPrest);
    const double F = primeiraParcela(P);
    f_.escrever(C::ValFinal, FormatarValor((n_ - 1) * P + F));
    f_.escrever(C::JuroAp, QStringLiteral("15"));
    r_.buscou = true;
    busca_ = BuscarPorPassos(
        tabelaTaxa(), 15, [&](double taxa) { return residuo(taxa, F, P); },
        [&](double taxa) {
            f_.escrever(C::JuroAp, numberText(taxa));
            anotarVencimentos();
            f_.tentativa();
        });
    return std::nullopt;
}

// Steps 9 to 12: the rate is given, the instalment is sought.
std::optional<ResultadoCalculo> Comando::buscarParcela()
{
    if (!isNumeric(texto(C::JuroAp)))
        return recusar(fTexto(27), mb::Exclamation, C::JuroAp);
    f_.escrever(C::ValPrest, FormatarValor(inicial_ / n_));
    const double taxa = valor(C::JuroAp);
    const bool primeiraPropria = regras_.avancado && n_ != 1 && valorDinheiro(texto(C::PrimeiraParcela)) > 0;
    const double F = primeiraPropria ? valor(C::PrimeiraParcela) : 0;
    const auto residuoDe = [&](double P) { return residuo(taxa, primeiraPropria ? F : P, P); };
    const auto mostrar = [&](double P) {
        f_.escrever(C::ValPrest, numberText(P));
        anotarVencimentos();
        f_.tentativa();
    };
    r_.buscou = true;
    const double inicio = valor(C::ValPrest);
    if (n_ == 1) {
        // One instalment: the start value plus its residual pays the loan exactly.
        mostrar(inicio);
        busca_.iteracoes = 1;
        busca_.residuo = residuoDe(inicio);
        busca_.valor = quinzeDigitos(inicio + busca_.residuo);
        busca_.fim = std::isfinite(busca_.valor) ? ResultadoBusca::Fim::Parou : ResultadoBusca::Fim::NaoFinito;
        f_.escrever(C::ValPrest, numberText(busca_.valor));
    } else {
        busca_ = BuscarPorPassos(tabelaDinheiro(), inicio, residuoDe, mostrar);
    }
    // A search that ends at no instalment at all (a first instalment above the loan) has
    // found nothing to pay.
    if (!busca_.achou() || busca_.valor <= 0)
        return rejeitar();
    f_.escrever(C::ValPrest, FormatarValor(busca_.valor));
    primeiraSegueParcela();
    const double P = valor(C::ValPrest);
    f_.escrever(C::ValFinal, FormatarValor((n_ - 1) * P + primeiraParcela(P)));
    return std::nullopt;
}

ResultadoCalculo Comando::executar()
{
    if (auto recusa = conferir())
        return *recusa;
    f_.definirBuscando(true);
    if (n_ == 0)
        return rejeitar();
    inicial_ = valor(C::ValVista);
    prazo_.parcelas = n_;
    prazo_.dias = valor(C::Dias);
    datas_ = DatasVencimento(regras_.hoje, prazo_);

    const auto fim = valorDinheiro(texto(C::ValPrest)) > 0 ? buscarTaxa() : buscarParcela();
    if (fim)
        return *fim;
    if (!busca_.achou() || (busca_.residuo > 0.01 * inicial_ && n_ != 1))
        return rejeitar();
    return aceitar();
}

}  // namespace

ResultadoCalculo CalcularJuro(FormularioJuro& formulario, const RegrasCalculo& regras)
{
    return Comando(formulario, regras).executar();
}

}  // namespace tarvelo

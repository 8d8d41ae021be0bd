#include "tools/pesoideal.h"

#include "host/globais.h"
#include "host/rotinas.h"
#include "platform/decimal.h"
#include "platform/numbertext.h"

#include <algorithm>

namespace tarvelo {
namespace {

// Thin, mean, overweight, fat, obese: the mean is the midpoint of thin and overweight.
constexpr std::array<double, 5> kFatoresHomem{20.7, 23.55, 26.4, 27.8, 31.1};
constexpr std::array<double, 5> kFatoresMulher{18.5, 21.75, 25, 27, 32};
enum { kMagro, kIdeal, kSobrepeso, kGordo, kObeso };

bool portugues() { return globais().gIdioma == 1; }

QString texto(const char* pt, const char* en) { return QString::fromUtf8(portugues() ? pt : en); }

// The value the range checks see: the field as a money text, so 19,999 passes as 20,00
// and anything that is no number as 0.
double valorConferido(const QString& campo)
{
    return numberValue(FormatarValor(campo)).value_or(0);
}

Decimal decimal(const QString& campo)
{
    return Decimal::fromText(campo).value_or(Decimal());
}

Decimal diferenca(const Decimal& a, const Decimal& b) { return subtract(a, b).value_or(Decimal()); }

QString quilos(const Decimal& valor) { return FormatarValor(valor); }

}  // namespace

ResultadoPeso CalcularPeso(const QString& altura, const QString& peso, bool homem)
{
    ResultadoPeso r;
    r.altura = altura;
    if (valorConferido(altura) > 100)
        r.altura = numberText(numberValue(altura).value_or(0) / 100);
    const double h = valorConferido(r.altura);
    if (h > 3 || h < 1) {
        r.mensagem = texto("Digite sua altura em metros, Ex.: 1,70 (um metro e setenta)", "Height Invalid!");
        r.foco = CampoPeso::Altura;
        return r;
    }
    const double p = valorConferido(peso);
    if (p > 300 || p < 20) {
        r.mensagem = texto("Digite seu peso em Quilogramas, Ex.: 52,358 (cinquenta e dois quilos e trezentos e "
                           "cinquenta e oito gramas)",
                           "Weight Invalid!");
        r.foco = CampoPeso::Peso;
        return r;
    }

    const double metros = numberValue(r.altura).value_or(0);
    const auto& fatores = homem ? kFatoresHomem : kFatoresMulher;
    for (int i = 0; i < 5; ++i)
        r.limites[i] = FormatarValor(metros * metros * fatores[i]);

    const double media = numberValue(r.limites[kIdeal]).value_or(0);
    const double w = numberValue(peso).value_or(0);
    const double k = 1500 / media;
    const double seta = (w * k - 1500) + w * k + 60;
    r.seta = float(std::clamp(seta, -90.0, 3210.0));

    const Decimal wd = decimal(peso);
    const auto limite = [&](int i) { return decimal(r.limites[i]); };
    QString verbo;
    Decimal quanto;
    if (wd > limite(kSobrepeso)) {
        r.classe = wd > limite(kObeso)   ? texto("OBESO", "OBESE")
                   : wd > limite(kGordo) ? texto("GORDO", "FAT")
                                         : texto("SOBREPESO", "OVERWEIGHT");
        quanto = diferenca(wd, limite(kSobrepeso));
        verbo = texto("Perder", "Lose");
    } else if (wd < limite(kMagro)) {
        r.classe = texto("MAGRO", "THIN");
        quanto = diferenca(limite(kMagro), wd);
        verbo = texto("Ganhar", "Gain");
    } else {
        r.classe = QStringLiteral("NORMAL");
    }
    r.quadro = texto("Resultado = ", "Result = ") + r.classe;
    if (verbo.isEmpty())
        r.resultado = QLatin1Char('\r')
                      + texto("Parabéns!\rVocê está dentro do peso normal", "You are in your NORMAL Weight");
    else
        r.resultado = QLatin1Char('\r') + verbo + QLatin1Char('\r') + quilos(quanto) + QStringLiteral(" Kg\r")
                      + texto("para ficar no peso normal", "to enter in normal weight");
    return r;
}

QString BlocoPeso(const FichaPeso& ficha)
{
    const Decimal w = decimal(ficha.peso);
    const Decimal magro = decimal(ficha.magro);
    const Decimal ideal = decimal(ficha.ideal);
    const Decimal sobrepeso = decimal(ficha.sobrepeso);
    const QString ganhar = texto("Ganhar ", "Gain ");
    const QString perder = texto("Perder ", "Lose ");
    const QString kg = QStringLiteral("Kg");

    QString resultado;
    if (w < magro)
        resultado = ganhar + quilos(diferenca(magro, w)) + kg;
    else if (w > sobrepeso)
        resultado = perder + quilos(diferenca(w, sobrepeso)) + kg;
    else
        resultado = texto("Peso NORMAL", "NORMAL Weight");
    const QString opcional =
        w < ideal ? ganhar + quilos(diferenca(ideal, w)) + kg : perder + quilos(diferenca(w, ideal)) + kg;

    const QString fim = QStringLiteral("\r\n");
    const QString tracos = QStringLiteral(" -------------------------") + fim;
    QString bloco = tracos;
    bloco += texto(" CÁLCULO PESO - ", " WEIGHT CALC. - ")
             + (ficha.homem ? texto("(Homem)", "(Man)") : texto("(Mulher)", "(Woman)")) + fim;
    bloco += texto(" Sua Altura  = ", " Your Height  = ") + ficha.altura + QStringLiteral("m") + fim;
    bloco += texto(" Seu Peso    = ", " Your Weight  = ") + ficha.peso + kg + fim;
    bloco += tracos;
    bloco += texto(" Peso Mínimo = ", " Min. Weight  = ") + ficha.magro + kg + fim;
    bloco += texto(" Peso Máximo = ", " Max. Weight  = ") + ficha.sobrepeso + kg + fim;
    bloco += texto(" Result. = ", " Result = ") + resultado + fim;
    if (w >= magro && w <= sobrepeso) {
        bloco += tracos;
        bloco += texto(" Peso Médio  = ", " Medium Weight = ") + ficha.ideal + kg + fim;
        bloco += texto(" Opcional = ", " Optional = ") + opcional + fim;
    }
    return bloco + QStringLiteral(" =========================") + fim;
}

QString AjudaImc()
{
    const QString cr = QStringLiteral("\r");
    const QString crlf2 = globais().gCrLf2;
    return QStringLiteral("I.M.C. = Índice de Massa Corporal") + cr + QStringLiteral("Fórmula = peso(Kg) / (altura x altura)")
           + crlf2
           + QStringList{QStringLiteral("Tabela OMS (para mulheres):"), QStringLiteral("abaixo de 18,5 = abaixo do peso"),
                         QStringLiteral("de 18,5 até 25 = peso normal"), QStringLiteral("de 25 até 27 = sobrepeso"),
                         QStringLiteral("de 27 até 30 = gordo"), QStringLiteral("acima de 30 = obeso")}
                 .join(cr)
           + crlf2
           + QStringList{QStringLiteral("Tabela NHANES II (para homens)"), QStringLiteral("abaixo de 20,7 = abaixo do peso"),
                         QStringLiteral("de 20,7 até 26,4 = peso normal"), QStringLiteral("de 26,4 até 27,8 = sobrepeso"),
                         QStringLiteral("de 27,8 até 31,1 = gordo"), QStringLiteral("acima de 31,1 = obeso")}
                 .join(cr);
}

QString ConselhoPesoMedio(const QString& peso, const QString& ideal)
{
    const Decimal w = decimal(peso);
    const Decimal m = decimal(ideal);
    const QString acao = w < m ? QStringLiteral("Ganhe ") + quilos(diferenca(m, w))
                               : QStringLiteral("Perca ") + quilos(diferenca(w, m));
    return QStringLiteral("Para ficar no peso médio ideal:") + globais().gCrLf2 + acao + QStringLiteral(" Kg");
}

}  // namespace tarvelo
